#include "hostsimDialogs.h"

#include <algorithm>
#include <cstdlib>
#include <ostream>

#include "hostsimEncoding.h"
#include "win/WinTest.h"
#include "win/WinUser.h"

namespace hostsimDialogs_detail {

struct Child
{
  HWND window;
  RECT rect; // screen
  std::string text;
};

std::string windowText(HWND window)
{
  std::u16string text(size_t(GetWindowTextLengthW(window)) + 1, u'\0');
  text.resize(size_t(std::max(0, GetWindowTextW(window, &text[0], int(text.size())))));
  return hostsim::utf16ToUtf8(text);
}

BOOL CALLBACK collect(HWND window, LPARAM param)
{
  auto* children = reinterpret_cast<std::vector<Child>*>(param);
  if (!IsWindowVisible(window))
    return TRUE;
  Child child{window, {}, windowText(window)};
  GetWindowRect(window, &child.rect);
  if (!child.text.empty())
    children->push_back(child);
  return TRUE;
}

void install(hostsim::HostApp& app)
{
  app.area<hostsim::Dialogs>();
}

const hostsim::AreaInstaller installer(860, &install);

} // namespace hostsimDialogs_detail

namespace hostsim {

Dialogs::Dialogs(HostApp&)
{
  qorwin::setModalHook([this](HWND dialog) { answer(dialog); });
}

Dialogs::~Dialogs()
{
  qorwin::setModalHook(nullptr);
}

void Dialogs::setAnswer(Answer answer, int button)
{
  answer_ = answer;
  button_ = button;
}

bool Dialogs::parseAnswer(const std::string& text, Answer& answer, int& button)
{
  button = 0;
  if (text == "default") {
    answer = Answer::Default;
  } else if (text == "cancel") {
    answer = Answer::Cancel;
  } else {
    char* end = nullptr;
    const long n = std::strtol(text.c_str(), &end, 10);
    if (text.empty() || *end || n < 1 || n > 1000)
      return false;
    answer = Answer::Button;
    button = int(n);
  }
  return true;
}

bool Dialogs::setAnswer(const std::string& text)
{
  Answer answer;
  int button = 0;
  if (!parseAnswer(text, answer, button))
    return false;
  setAnswer(answer, button);
  return true;
}

void Dialogs::answer(HWND dialog)
{
  for (const auto& watcher : watchers_)
    watcher(dialog);
  using hostsimDialogs_detail::Child;
  Shown shown;
  shown.title = hostsimDialogs_detail::windowText(dialog);
  std::vector<Child> children;
  EnumChildWindows(dialog, &hostsimDialogs_detail::collect, reinterpret_cast<LPARAM>(&children));
  // The bottom row holds the buttons; everything above it is the dialog's text.
  LONG bottomRow = 0;
  for (const Child& child : children)
    bottomRow = std::max(bottomRow, child.rect.top);
  std::vector<Child> buttons, texts;
  for (const Child& child : children)
    (children.size() > 1 && child.rect.top == bottomRow ? buttons : texts).push_back(child);
  std::sort(buttons.begin(), buttons.end(), [](const Child& a, const Child& b) { return a.rect.left > b.rect.left; });
  std::stable_sort(texts.begin(), texts.end(), [](const Child& a, const Child& b) { return a.rect.top < b.rect.top; });
  for (const Child& child : buttons)
    shown.buttons.push_back(child.text);
  for (const Child& child : texts)
    shown.texts.push_back(child.text);

  if (answer_ == Answer::Button && button_ <= int(buttons.size())) {
    const Child& pressed = buttons[size_t(button_ - 1)];
    shown.answer = pressed.text;
    shown_.push_back(shown);
    qorwin::click(pressed.window, (pressed.rect.right - pressed.rect.left) / 2,
                  (pressed.rect.bottom - pressed.rect.top) / 2);
    return;
  }
  // A button the dialog lacks counts as Esc, as a user closing the dialog would.
  const bool enter = answer_ == Answer::Default;
  shown.answer = enter ? "Enter" : "Esc";
  shown_.push_back(shown);
  // What the dialog's keyboard handling makes of Enter or Esc when no push button has the focus.
  PostMessageW(dialog, WM_COMMAND, enter ? IDOK : IDCANCEL, 0);
}

void Dialogs::report(std::ostream& out) const
{
  if (shown_.empty())
    return;
  out << "Dialogs: " << shown_.size() << "\n";
  for (const Shown& shown : shown_) {
    out << "  \"" << shown.title << "\"\n";
    for (const std::string& text : shown.texts)
      out << "    text: " << text << "\n";
    out << "    buttons:";
    for (const std::string& button : shown.buttons)
      out << " [" << button << "]";
    out << "\n    answered: " << shown.answer << "\n";
  }
}

} // namespace hostsim

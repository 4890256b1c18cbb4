#include "plugwinFixture.h"

#include <chrono>

#include "core/qorcoreDate.h"
#include "hostsimEncoding.h"
#include "win/WinTest.h"

namespace plugwintest {

namespace plugwinFixture_detail {

BOOL CALLBACK collect(HWND window, LPARAM param)
{
  if (IsWindowVisible(window))
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  return TRUE;
}

}  // namespace plugwinFixture_detail

std::string windowText(HWND window)
{
  std::u16string text(size_t(GetWindowTextLengthW(window)) + 1, u'\0');
  text.resize(size_t(std::max(0, GetWindowTextW(window, &text[0], int(text.size())))));
  return hostsim::utf16ToUtf8(text);
}

std::vector<HWND> children(HWND dialog)
{
  std::vector<HWND> found;
  EnumChildWindows(dialog, &plugwinFixture_detail::collect, reinterpret_cast<LPARAM>(&found));
  return found;
}

HWND child(HWND dialog, const std::string& text)
{
  for (HWND window : children(dialog))
    if (windowText(window) == text)
      return window;
  return nullptr;
}

HWND childAt(HWND dialog, int x, int y)
{
  POINT point{x, y};
  ClientToScreen(dialog, &point);
  HWND best = nullptr;
  long bestArea = 0;
  for (HWND window : children(dialog)) {
    RECT r;
    GetWindowRect(window, &r);
    const long area = long(r.right - r.left) * long(r.bottom - r.top);
    if (point.x >= r.left && point.x < r.right && point.y >= r.top && point.y < r.bottom && (!best || area < bestArea)) {
      best = window;
      bestArea = area;
    }
  }
  return best;
}

void clickCentre(HWND window)
{
  RECT r;
  GetClientRect(window, &r);
  qorwin::click(window, (r.right - r.left) / 2, (r.bottom - r.top) / 2);
}

void PlugWin::SetUp()
{
  plugintest::Plugin::SetUp();
  app.area<hostsim::Resources>().loadFolder(QOR_SOURCE_DIR "/plugin/resources");
  tf::setSiteAddress(server.url("/"));
}

void PlugWin::TearDown()
{
  plugintest::Plugin::TearDown();
  qorwin::setModalHook(nullptr);
}

void PlugWin::startWithSite()
{
  start();
  // After the host's own user in front of dialogs: this one answers as the test says.
  qorwin::setModalHook([this](HWND dialog) {
    Shown record{windowText(dialog), {}, GetCurrentThreadId(), qorwin::modalDepth()};
    for (HWND window : children(dialog))
      if (!windowText(window).empty())
        record.texts.push_back(windowText(window));
    shown.push_back(record);
    auto it = answers.find(record.title);
    if (it != answers.end())
      it->second(dialog);
    else
      PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  });
}

PlugWin::Answer PlugWin::press(const std::string& text)
{
  return [text](HWND dialog) {
    HWND button = child(dialog, text);
    ASSERT_NE(button, nullptr) << "no \"" << text << "\" in \"" << windowText(dialog) << "\"";
    clickCentre(button);
  };
}

bool PlugWin::finishRequest()
{
  // The transfer's idle timeout runs on the layer's clock: move it a second for every 100 ms of real time,
  // so a stalled site times out in a few seconds while a slow (loaded, sanitized) machine still gets its
  // answer in time.
  auto lastMove = std::chrono::steady_clock::now();
  return qorwin::pumpUntil([&] {
    if (!panel::prefs || !panel::prefs->request)
      return true;
    auto now = std::chrono::steady_clock::now();
    if (now - lastMove >= std::chrono::milliseconds(100)) {
      lastMove = now;
      qorwin::advanceClock(1000);
    }
    return false;
  });
}

bool PlugWin::check(bool asked)
{
  panel::prefs->checkForUpdate(asked);
  return finishRequest();
}

std::vector<std::string> PlugWin::titles() const
{
  std::vector<std::string> result;
  for (const Shown& s : shown)
    result.push_back(s.title);
  return result;
}

const Shown* PlugWin::find(const std::string& title) const
{
  for (const Shown& s : shown)
    if (s.title == title)
      return &s;
  return nullptr;
}

bool PlugWin::showedText(const std::string& text) const
{
  for (const Shown& s : shown)
    for (const std::string& t : s.texts)
      if (t == text)
        return true;
  return false;
}

std::string PlugWin::dayText(int daysFromToday)
{
  return "\"" + (qor::core::Date::current() + qor::core::Duration(daysFromToday)).format("Y-m-d") + "\"";
}

}  // namespace plugwintest

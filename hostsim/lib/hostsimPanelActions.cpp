// The hostsim program's panel actions: the user in front of the plug-in's floating panel, through its
// real widgets.
//
//   --panel TITLE        the panel the next actions use, shown from the window menu when hidden
//   --type FIELD=TEXT    clicks into the field, selects its text, types TEXT and commits it with Enter
//   --type-tab FIELD=TEXT  the same, committed by leaving the field with Tab
//   --click BUTTON       clicks the panel's button with this text
//
// A field is named by its place in the panel in reading order (1 is the top left one) or, in the
// "Junctate" options panel, by the option it holds: Distance, Angle, Smooth or Straight. What the
// plug-in's filters and commits make of the typed text stays in the field; when it differs from the
// typed text, the action says so on stderr. Without --panel the actions use the plug-in's only panel.
#include "hostsimApp.h"
#include "hostsimEncoding.h"
#include "hostsimPanels.h"
#include "hostsimRunner.h"
#include "hostsimWorkspace.h"
#include "win/WinTest.h"
#include "win/WinUser.h"

#include <algorithm>
#include <cctype>
#include <ostream>
#include <vector>

namespace hostsim {

namespace hostsimPanelActions_detail {

// The options panel's fields by option name, in reading order.
const char* const kJunctateFields[] = {"distance", "angle", "smooth", "straight"};

std::string lower(std::string text)
{
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return char(std::tolower(c)); });
  return text;
}

std::string windowText(HWND window)
{
  std::u16string text(size_t(GetWindowTextLengthW(window)) + 1, u'\0');
  text.resize(size_t(std::max(0, GetWindowTextW(window, &text[0], int(text.size())))));
  return utf16ToUtf8(text);
}

std::u16string className(HWND window)
{
  char16_t name[64] = {};
  GetClassNameW(window, name, 64);
  return name;
}

BOOL CALLBACK collect(HWND window, LPARAM param)
{
  if (IsWindowVisible(window))
    reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  return TRUE;
}

// The visible controls of a class in the panel, top to bottom and left to right.
std::vector<HWND> controls(const Panels::Panel& panel, const std::u16string& kind)
{
  std::vector<HWND> all, found;
  EnumChildWindows(panel.content, &collect, reinterpret_cast<LPARAM>(&all));
  for (HWND window : all)
    if (lower(utf16ToUtf8(className(window))) == lower(utf16ToUtf8(kind)))
      found.push_back(window);
  std::stable_sort(found.begin(), found.end(), [](HWND a, HWND b) {
    RECT ra, rb;
    GetWindowRect(a, &ra);
    GetWindowRect(b, &rb);
    return ra.top != rb.top ? ra.top < rb.top : ra.left < rb.left;
  });
  return found;
}

// The panel the actions use, and the user's choice of it.
class PanelActions : public Area
{
public:
  explicit PanelActions(HostApp&) {}
  std::string title;
};

std::string disabledReason()
{
  return Workspace::instance().current() ? std::string() : " (no drawing is open: --open FILE.svg opens one)";
}

// The panel named by --panel, or the only one; shown when hidden.
Panels::Panel* currentPanel(HostApp& app, const char* action, std::ostream& err)
{
  Panels& panels = app.area<Panels>();
  const std::string& title = app.area<PanelActions>().title;
  Panels::Panel* panel = nullptr;
  if (!title.empty()) {
    panel = panels.findByTitle(title);
  } else {
    std::vector<Panels::Panel*> all = panels.panels();
    if (all.size() == 1)
      panel = all.front();
    else if (all.size() > 1) {
      err << "hostsim: --" << action << ": the plug-in has several panels; name one with --panel TITLE\n";
      return nullptr;
    }
  }
  if (!panel) {
    err << "hostsim: --" << action << ": no panel" << (title.empty() ? "" : " \"" + title + "\"") << "\n";
    return nullptr;
  }
  if (!panel->shown) {
    panels.chooseWindowMenuItem(panel->title);
    app.pump();
  }
  return panel;
}

bool panelAction(HostApp& app, const std::string& title, std::ostream& err)
{
  if (!app.area<Panels>().findByTitle(title)) {
    err << "hostsim: --panel: no panel \"" << title << "\"\n";
    return false;
  }
  app.area<PanelActions>().title = title;
  return currentPanel(app, "panel", err) != nullptr;
}

HWND findField(const Panels::Panel& panel, const std::string& name, std::ostream& err)
{
  std::vector<HWND> fields = controls(panel, u"Edit");
  size_t index = 0;
  const std::string wanted = lower(name);
  if (!wanted.empty() && std::all_of(wanted.begin(), wanted.end(), [](char c) { return c >= '0' && c <= '9'; }) &&
      wanted.size() < 4)
    index = size_t(std::stoi(wanted));
  if (panel.title == "Junctate")
    for (size_t i = 0; i < std::size(kJunctateFields); ++i)
      if (wanted == kJunctateFields[i])
        index = i + 1;
  if (index >= 1 && index <= fields.size())
    return fields[index - 1];
  err << "hostsim: --type: no field \"" << name << "\" in the panel \"" << panel.title << "\"; its fields are 1";
  if (fields.size() > 1)
    err << " to " << fields.size();
  if (panel.title == "Junctate")
    err << " (Distance, Angle, Smooth, Straight)";
  err << "\n";
  return nullptr;
}

bool typeInto(HostApp& app, const std::string& argument, bool tab, std::ostream& err)
{
  const char* action = tab ? "type-tab" : "type";
  const size_t equals = argument.find('=');
  if (equals == std::string::npos) {
    err << "hostsim: --" << action << ": expected FIELD=TEXT, got \"" << argument << "\"\n";
    return false;
  }
  const std::string name = argument.substr(0, equals), text = argument.substr(equals + 1);
  Panels::Panel* panel = currentPanel(app, action, err);
  if (!panel)
    return false;
  HWND field = findField(*panel, name, err);
  if (!field)
    return false;
  if (!IsWindowEnabled(field)) {
    err << "hostsim: --" << action << ": the field \"" << name << "\" is disabled" << disabledReason() << "\n";
    return false;
  }
  // As a person would: click into the field, select what it holds, type over it and commit.
  qorwin::click(field, 2, 2);
  SendMessageW(field, EM_SETSEL, 0, -1);
  app.pump();
  // An empty text clears the field, as Backspace over the selection does.
  qorwin::postText(text.empty() ? std::u16string(u"\b") : utf8ToUtf16(text));
  app.pump();
  if (tab)
    qorwin::postKey(VK_TAB);
  else
    qorwin::postText(u"\r");
  app.pump();
  const std::string shown = IsWindow(field) ? windowText(field) : std::string();
  if (shown != text)
    err << "hostsim: --" << action << ": the field \"" << name << "\" shows \"" << shown << "\", not \"" << text
        << "\"\n";
  return true;
}

bool typeAction(HostApp& app, const std::string& argument, std::ostream& err)
{
  return typeInto(app, argument, false, err);
}

bool typeTabAction(HostApp& app, const std::string& argument, std::ostream& err)
{
  return typeInto(app, argument, true, err);
}

bool clickAction(HostApp& app, const std::string& text, std::ostream& err)
{
  Panels::Panel* panel = currentPanel(app, "click", err);
  if (!panel)
    return false;
  for (HWND button : controls(*panel, u"Button")) {
    if (windowText(button) != text)
      continue;
    if (!IsWindowEnabled(button)) {
      err << "hostsim: --click: \"" << text << "\" is disabled" << disabledReason() << "\n";
      return false;
    }
    RECT r;
    GetClientRect(button, &r);
    qorwin::click(button, (r.right - r.left) / 2, (r.bottom - r.top) / 2);
    app.pump();
    return true;
  }
  err << "hostsim: --click: no button \"" << text << "\" in the panel \"" << panel->title << "\"\n";
  return false;
}

const CommandAction panelCommand("panel", "TITLE", "use the plug-in's panel with this title (shown when hidden)",
                                 &panelAction);
const CommandAction typeCommand("type", "FIELD=TEXT",
                                "type TEXT over a panel field (Distance, Angle, Smooth, Straight or 1..n), then Enter",
                                &typeAction);
const CommandAction typeTabCommand("type-tab", "FIELD=TEXT", "the same, committed by Tab", &typeTabAction);
const CommandAction clickCommand("click", "BUTTON", "click the panel's button with this text", &clickAction);

} // namespace hostsimPanelActions_detail

} // namespace hostsim

#include "hostsimPanels.h"

#include "hostsimContext.h"
#include "hostsimEncoding.h"
#include "hostsimFlyouts.h"
#include "hostsimRunner.h"
#include "hostsimTheme.h"
#include "hostsimUnicodeStrings.h"
#include "win/Windows.h"

#include <algorithm>
#include <cmath>
#include <ostream>

namespace hostsim {

namespace hostsimPanels_detail {

const char16_t* const kFrameClass = u"hostsim.PanelFrame";
const char16_t* const kContentClass = u"hostsim.PanelContent";
// Posted to a frame: apply the panel's pending size.
const UINT kApplySizeMessage = WM_APP + 0x50;
// A panel without a maximum of its own grows this far.
const double kUnbounded = 100000.0;

int pixels(double units)
{
  return static_cast<int>(std::lround(units));
}

struct FrameColors
{
  COLORREF border;
  COLORREF titleBar;
  COLORREF titleText;
  COLORREF glyph;
};

FrameColors frameColors()
{
  HostApp* app = HostApp::current();
  if (app && app->area<Theme>().isDark())
    return {RGB(24, 24, 24), RGB(50, 50, 50), RGB(222, 222, 222), RGB(170, 170, 170)};
  return {RGB(150, 150, 150), RGB(222, 222, 222), RGB(30, 30, 30), RGB(90, 90, 90)};
}

void fill(HDC dc, const RECT& rect, COLORREF color)
{
  HBRUSH brush = CreateSolidBrush(color);
  FillRect(dc, &rect, brush);
  DeleteObject(brush);
}

// The border, the title bar with the title at its left and the flyout button (three short bars) at its
// right; the content window covers the rest.
void paintFrame(HWND frame, const std::string& title)
{
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(frame, &ps);
  if (!dc)
    return;
  RECT client;
  GetClientRect(frame, &client);
  const FrameColors colors = frameColors();
  fill(dc, client, colors.border);
  RECT bar{Panels::kBorder, Panels::kBorder, client.right - Panels::kBorder, Panels::kBorder + Panels::kTitleHeight};
  fill(dc, bar, colors.titleBar);

  HFONT font = CreateFontW(-12, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, u"Tahoma");
  HGDIOBJ oldFont = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colors.titleText);
  RECT text{bar.left + 8, bar.top, bar.right - 28, bar.bottom};
  const std::u16string wide = utf8ToUtf16(title);
  DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &text,
            DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOPREFIX);
  SelectObject(dc, oldFont);
  DeleteObject(font);

  const int glyphLeft = bar.right - 20;
  const int glyphTop = bar.top + (Panels::kTitleHeight - 9) / 2;
  for (int i = 0; i < 3; ++i) {
    RECT line{glyphLeft, glyphTop + 4 * i, glyphLeft + 12, glyphTop + 4 * i + 1};
    fill(dc, line, colors.glyph);
  }
  EndPaint(frame, &ps);
}

LRESULT CALLBACK frameProc(HWND frame, UINT message, WPARAM wParam, LPARAM lParam)
{
  HostApp* app = HostApp::current();
  Panels::Panel* panel = app ? app->area<Panels>().findByFrame(frame) : nullptr;
  if (message == kApplySizeMessage) {
    if (panel)
      app->area<Panels>().applyPendingSize(panel->handle);
    return 0;
  }
  if (message == WM_PAINT && panel) {
    paintFrame(frame, panel->title);
    return 0;
  }
  return DefWindowProcW(frame, message, wParam, lParam);
}

void registerClass(const char16_t* name, WNDPROC proc)
{
  WNDCLASSEXW existing{};
  existing.cbSize = sizeof(existing);
  if (GetClassInfoExW(nullptr, name, &existing))
    return;
  WNDCLASSEXW cls{};
  cls.cbSize = sizeof(cls);
  cls.lpfnWndProc = proc;
  cls.lpszClassName = name;
  RegisterClassExW(&cls);
}

} // namespace hostsimPanels_detail

Panels::Panels(HostApp& app) : app_(app) {}

Panels::~Panels()
{
  // Panels the plug-in left behind go with the application.
  panels_.forEach([](PanelRef, Panel& panel) {
    if (panel.frame && IsWindow(panel.frame))
      DestroyWindow(panel.frame);
  });
}

PanelRef Panels::create(const std::string& identifier, const std::string& title, int32_t stateCount,
                        const SizeRecord& minimum, bool resizable, FlyoutMenuRef flyout, void* userData)
{
  using namespace hostsimPanels_detail;
  registerClass(kFrameClass, &frameProc);
  registerClass(kContentClass, &DefWindowProcW);
  Panel panel;
  panel.handle = app_.mintHandle<PanelRef>();
  panel.identifier = identifier;
  panel.title = title;
  panel.stateCount = stateCount;
  panel.resizable = resizable;
  panel.userData = userData;
  panel.flyout = flyout;
  panel.minimum = minimum;
  panel.maximum = resizable ? SizeRecord{kUnbounded, kUnbounded} : minimum;
  panel.size = minimum;
  HWND owner = reinterpret_cast<HWND>(app_.area<Context>().mainWindow());
  Panel& stored = panels_.add(panel.handle, std::move(panel));
  // Created hidden; the frame is drawn by the host, the content window is the plug-in's. The frame
  // carries the title as its text, so that the panel is found by it like any other window.
  stored.frame = CreateWindowExW(WS_EX_TOOLWINDOW, kFrameClass, utf8ToUtf16(stored.title).c_str(), WS_POPUP | WS_CLIPCHILDREN, 0, 0,
                                 pixels(minimum.width) + kExtraWidth, pixels(minimum.height) + kExtraHeight, owner,
                                 nullptr, nullptr, nullptr);
  stored.content = CreateWindowExW(0, kContentClass, u"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, kBorder,
                                   kBorder + kTitleHeight, pixels(minimum.width), pixels(minimum.height),
                                   stored.frame, nullptr, nullptr, nullptr);
  return stored.handle;
}

Panels::Panel* Panels::findByTitle(const std::string& title) const
{
  Panel* found = nullptr;
  panels_.forEach([&](PanelRef, Panel& panel) {
    if (!found && panel.title == title)
      found = &panel;
  });
  return found;
}

Panels::Panel* Panels::findByFrame(HWND frame) const
{
  Panel* found = nullptr;
  panels_.forEach([&](PanelRef, Panel& panel) {
    if (frame && panel.frame == frame)
      found = &panel;
  });
  return found;
}

std::vector<Panels::Panel*> Panels::panels() const
{
  std::vector<Panel*> all;
  panels_.forEach([&](PanelRef, Panel& panel) { all.push_back(&panel); });
  return all;
}

HostErr Panels::show(PanelRef handle, bool show)
{
  Panel* panel = find(handle);
  if (!panel)
    return kHostErrBadParameter;
  if (panel->shown == show)
    return kHostNoErr;
  panel->shown = show;
  ShowWindow(panel->frame, show ? SW_SHOW : SW_HIDE);
  if (panel->visibilityProc)
    panel->visibilityProc(handle, show ? 1 : 0);
  return kHostNoErr;
}

SizeRecord Panels::clamp(const Panel& panel, const SizeRecord& size) const
{
  return {std::min(std::max(size.width, panel.minimum.width), panel.maximum.width),
          std::min(std::max(size.height, panel.minimum.height), panel.maximum.height)};
}

HostErr Panels::requestSize(PanelRef handle, const SizeRecord& size)
{
  Panel* panel = find(handle);
  if (!panel || !(size.width >= 0) || !(size.height >= 0))
    return kHostErrBadParameter;
  const bool posted = panel->sizePending;
  panel->pendingSize = clamp(*panel, size);
  panel->sizePending = true;
  if (!posted)
    PostMessageW(panel->frame, hostsimPanels_detail::kApplySizeMessage, 0, 0);
  return kHostNoErr;
}

void Panels::applyPendingSize(PanelRef handle)
{
  Panel* panel = find(handle);
  if (!panel || !panel->sizePending)
    return;
  panel->sizePending = false;
  setContentSize(*panel, panel->pendingSize);
}

void Panels::setContentSize(Panel& panel, const SizeRecord& size)
{
  using namespace hostsimPanels_detail;
  if (size.width == panel.size.width && size.height == panel.size.height)
    return;
  panel.size = size;
  SetWindowPos(panel.frame, nullptr, 0, 0, pixels(size.width) + kExtraWidth, pixels(size.height) + kExtraHeight,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  MoveWindow(panel.content, kBorder, kBorder + kTitleHeight, pixels(size.width), pixels(size.height), TRUE);
  InvalidateRect(panel.frame, nullptr, TRUE);
  if (panel.sizeChangedProc)
    panel.sizeChangedProc(panel.handle);
}

HostErr Panels::move(PanelRef handle, int32_t x, int32_t y)
{
  Panel* panel = find(handle);
  if (!panel)
    return kHostErrBadParameter;
  SetWindowPos(panel->frame, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return kHostNoErr;
}

HostErr Panels::destroy(PanelRef handle)
{
  Panel* panel = find(handle);
  if (!panel)
    return kHostErrBadParameter;
  if (panel->frame && IsWindow(panel->frame))
    DestroyWindow(panel->frame);
  panels_.remove(handle);
  return kHostNoErr;
}

bool Panels::chooseWindowMenuItem(const std::string& title)
{
  Panel* panel = findByTitle(title);
  if (!panel)
    return false;
  show(panel->handle, !panel->shown);
  return true;
}

bool Panels::userResize(PanelRef handle, const SizeRecord& size)
{
  Panel* panel = find(handle);
  if (!panel || !panel->resizable)
    return false;
  setContentSize(*panel, clamp(*panel, size));
  return true;
}

bool Panels::openFlyout(PanelRef handle)
{
  Panel* panel = find(handle);
  if (!panel || !panel->flyout)
    return false;
  if (panel->flyoutPreOpenProc)
    panel->flyoutPreOpenProc(handle);
  return true;
}

bool Panels::chooseFlyoutItem(PanelRef handle, int32_t itemId)
{
  Panel* panel = find(handle);
  Flyouts::Menu* menu = panel ? app_.area<Flyouts>().find(panel->flyout) : nullptr;
  const Flyouts::Item* item = menu ? menu->item(itemId) : nullptr;
  if (!item || item->separator || !item->enabled)
    return false;
  if (panel->flyoutItemProc)
    panel->flyoutItemProc(handle, itemId);
  return true;
}

std::vector<Panels::WindowMenuEntry> Panels::windowMenu() const
{
  std::vector<WindowMenuEntry> entries;
  panels_.forEach([&](PanelRef, const Panel& panel) { entries.push_back({panel.title, panel.shown}); });
  return entries;
}

void Panels::report(std::ostream& out) const
{
  if (!panels_.liveCount())
    return;
  out << "Panels: " << panels_.liveCount() << "\n";
  panels_.forEach([&](PanelRef, const Panel& panel) {
    out << "  \"" << panel.title << "\" " << (panel.shown ? "shown" : "hidden") << ", " << panel.size.width << " x "
        << panel.size.height << "\n";
  });
}

namespace hostsimPanels_detail {

Panels& panels()
{
  return HostApp::instance().area<Panels>();
}

// The size arguments of the suite, refused when null or not a number.
bool validSize(const SizeRecord* size)
{
  return size && std::isfinite(size->width) && std::isfinite(size->height);
}

HostErr createPanel(PluginRef plugin, HostString identifier, HostString title, int32_t stateCount,
                    const SizeRecord* minimumSize, bool8 resizable, FlyoutMenuRef flyout, void* userData,
                    PanelRef* outPanel)
{
  HostApp& app = HostApp::instance();
  if (!outPanel || !plugin || plugin != app.pluginRef() || !validSize(minimumSize))
    return kHostErrBadParameter;
  UnicodeStrings& strings = app.area<UnicodeStrings>();
  *outPanel = panels().create(strings.utf8(identifier), strings.utf8(title), stateCount, *minimumSize,
                              resizable != 0, flyout, userData);
  return kHostNoErr;
}

HostErr getPanelPlatformWindow(PanelRef handle, PlatformWindow* outWindow)
{
  Panels::Panel* panel = panels().find(handle);
  if (!panel || !outWindow)
    return kHostErrBadParameter;
  *outWindow = reinterpret_cast<PlatformWindow>(panel->content);
  return kHostNoErr;
}

HostErr showPanel(PanelRef handle, bool8 show)
{
  Panels::Panel* panel = panels().find(handle);
  if (panel)
    ++(show ? panel->showCalls : panel->hideCalls);
  return panels().show(handle, show != 0);
}

HostErr isPanelShown(PanelRef handle, bool8* outShown)
{
  Panels::Panel* panel = panels().find(handle);
  if (!panel || !outShown)
    return kHostErrBadParameter;
  *outShown = panel->shown ? 1 : 0;
  return kHostNoErr;
}

HostErr getPanelUserData(PanelRef handle, void** outUserData)
{
  Panels::Panel* panel = panels().find(handle);
  if (!panel || !outUserData)
    return kHostErrBadParameter;
  *outUserData = panel->userData;
  return kHostNoErr;
}

HostErr setPanelIconResourceIds(PanelRef handle, const uint32_t* lightIds, int32_t lightCount,
                                const uint32_t* darkIds, int32_t darkCount)
{
  Panels::Panel* panel = panels().find(handle);
  if (!panel || !lightIds || !darkIds || lightCount < 1 || lightCount > 4 || darkCount < 1 || darkCount > 4)
    return kHostErrBadParameter;
  panel->lightIcons.assign(lightIds, lightIds + lightCount);
  panel->darkIcons.assign(darkIds, darkIds + darkCount);
  return kHostNoErr;
}

// Reads one size of a panel.
HostErr readSize(PanelRef handle, SizeRecord* outSize, SizeRecord Panels::Panel::*field)
{
  Panels::Panel* panel = panels().find(handle);
  if (!panel || !outSize)
    return kHostErrBadParameter;
  *outSize = panel->*field;
  return kHostNoErr;
}

HostErr getPanelSize(PanelRef handle, SizeRecord* outSize)
{
  return readSize(handle, outSize, &Panels::Panel::size);
}

HostErr getPanelMinimumSize(PanelRef handle, SizeRecord* outSize)
{
  return readSize(handle, outSize, &Panels::Panel::minimum);
}

HostErr getPanelMaximumSize(PanelRef handle, SizeRecord* outSize)
{
  return readSize(handle, outSize, &Panels::Panel::maximum);
}

HostErr setPanelMinimumSize(PanelRef handle, const SizeRecord* size)
{
  Panels::Panel* panel = panels().find(handle);
  if (!panel || !validSize(size))
    return kHostErrBadParameter;
  panel->minimum = *size;
  return kHostNoErr;
}

HostErr setPanelMaximumSize(PanelRef handle, const SizeRecord* size)
{
  Panels::Panel* panel = panels().find(handle);
  if (!panel || !validSize(size))
    return kHostErrBadParameter;
  panel->maximum = *size;
  return kHostNoErr;
}

HostErr setPanelSize(PanelRef handle, const SizeRecord* size)
{
  if (!validSize(size))
    return kHostErrBadParameter;
  return panels().requestSize(handle, *size);
}

HostErr setPanelFlyoutMenu(PanelRef handle, FlyoutMenuRef menu)
{
  Panels::Panel* panel = panels().find(handle);
  if (!panel || (menu && !HostApp::instance().area<Flyouts>().find(menu)))
    return kHostErrBadParameter;
  panel->flyout = menu;
  return kHostNoErr;
}

HostErr movePanel(PanelRef handle, int32_t x, int32_t y)
{
  return panels().move(handle, x, y);
}

// Stores one procedure of a panel.
template <class Proc> HostErr storeProc(PanelRef handle, Proc proc, Proc Panels::Panel::*field)
{
  Panels::Panel* panel = panels().find(handle);
  if (!panel)
    return kHostErrBadParameter;
  panel->*field = proc;
  return kHostNoErr;
}

HostErr setPanelFlyoutPreOpenProc(PanelRef handle, PanelFlyoutPreOpenProc proc)
{
  return storeProc(handle, proc, &Panels::Panel::flyoutPreOpenProc);
}

HostErr setPanelFlyoutItemProc(PanelRef handle, PanelFlyoutItemProc proc)
{
  return storeProc(handle, proc, &Panels::Panel::flyoutItemProc);
}

HostErr setPanelVisibilityProc(PanelRef handle, PanelVisibilityProc proc)
{
  return storeProc(handle, proc, &Panels::Panel::visibilityProc);
}

HostErr setPanelSizeChangedProc(PanelRef handle, PanelSizeChangedProc proc)
{
  return storeProc(handle, proc, &Panels::Panel::sizeChangedProc);
}

HostErr destroyPanel(PanelRef handle)
{
  return panels().destroy(handle);
}

void install(HostApp& app)
{
  auto& suite = app.publishSuite<PanelSuite>(kPanelSuiteName, kPanelSuiteVersion);
  suite.createPanel = &createPanel;
  suite.getPanelPlatformWindow = &getPanelPlatformWindow;
  suite.showPanel = &showPanel;
  suite.isPanelShown = &isPanelShown;
  suite.getPanelUserData = &getPanelUserData;
  suite.setPanelIconResourceIds = &setPanelIconResourceIds;
  suite.getPanelSize = &getPanelSize;
  suite.setPanelMinimumSize = &setPanelMinimumSize;
  suite.getPanelMinimumSize = &getPanelMinimumSize;
  suite.setPanelMaximumSize = &setPanelMaximumSize;
  suite.getPanelMaximumSize = &getPanelMaximumSize;
  suite.setPanelSize = &setPanelSize;
  suite.setPanelFlyoutMenu = &setPanelFlyoutMenu;
  suite.movePanel = &movePanel;
  suite.setPanelFlyoutPreOpenProc = &setPanelFlyoutPreOpenProc;
  suite.setPanelFlyoutItemProc = &setPanelFlyoutItemProc;
  suite.setPanelVisibilityProc = &setPanelVisibilityProc;
  suite.setPanelSizeChangedProc = &setPanelSizeChangedProc;
  suite.destroyPanel = &destroyPanel;
}

const AreaInstaller installer(320, &install);

// "--window-menu TITLE": the user chooses the panel's item in the host's window menu.
bool windowMenuAction(HostApp& app, const std::string& title, std::ostream& err)
{
  if (app.area<Panels>().chooseWindowMenuItem(title)) {
    app.pump();
    return true;
  }
  err << "no panel titled \"" << title << "\" in the window menu\n";
  return false;
}

const CommandAction windowMenuCommand("window-menu", "TITLE", "show or hide the panel with this title",
                                      &windowMenuAction);

} // namespace hostsimPanels_detail

} // namespace hostsim

// The UI layer's globals block: the lists of live framework windows, the widgets whose callbacks
// run now, the UI flags and the SVG rendering state. It holds the core globals in its first field.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>

#include "aip/qoraipPoint.h"
#include "aip/qoraipSize.h"
#include "utils/qorutilsList.h"

struct CoreGlobals;
class CWnd;

namespace qor {
namespace pui {
class FloatingDialog;
class ModalDialog;
class BorderlessPanel;
class ControlBar;
class Panel;
class Widget;
class Window;
class CGdiPlusBitmapResource;
class __WinMfcHtmlSvgHelper;
}  // namespace pui
}  // namespace qor

struct UiGlobals
{
  CoreGlobals* coreGlobals = nullptr;
  // Windows add themselves on construction and remove themselves on destruction; the lists never
  // own them.
  qor::utils::List<qor::pui::FloatingDialog*> floatingDialogs;
  qor::utils::List<qor::pui::ModalDialog*> modalDialogs;
  qor::utils::List<qor::pui::BorderlessPanel*> borderlessPanels;
  qor::utils::List<qor::pui::ControlBar*> controlBars;
  qor::utils::List<qor::pui::Panel*> panels;
  // The widgets whose client callback runs now.
  qor::pui::Widget* clickWidget = nullptr;
  qor::pui::Widget* doubleClickWidget = nullptr;
  qor::pui::Widget* mouseEnterWidget = nullptr;
  qor::pui::Widget* mouseMoveWidget = nullptr;
  qor::pui::Widget* mouseLeaveWidget = nullptr;
  qor::pui::Widget* mouseDownWidget = nullptr;
  qor::pui::Widget* mouseDragWidget = nullptr;
  qor::pui::Widget* mouseUpWidget = nullptr;
  qor::pui::Widget* drawWidget = nullptr;
  qor::pui::Widget* cellClickWidget = nullptr;
  qor::pui::Widget* expandWidget = nullptr;
  qor::pui::Widget* valueChangedWidget = nullptr;
  qor::pui::Widget* valueChangingWidget = nullptr;
  // The last widgets a drag passed over and a drop landed on.
  qor::pui::Widget* dragOverWidget = nullptr;
  qor::pui::Widget* dropWidget = nullptr;
  bool colorPickerOpen = false;
  bool rebuildingHierarchicalView = false;
  bool rebuildingHierarchicalColumnView = false;
  bool programmaticChange = false;
  bool programmaticTextChange = false;
  bool alertsEnabled = true;
  bool columnViewsOwnEntries = true;
  bool entryListsOwnEntries = true;
  bool hierarchicalViewsOwnEntries = true;
  bool hierarchicalColumnViewsOwnEntries = true;
  // Each new host panel first adds 30 to both coordinates.
  qor::aip::Point nextPanelPosition{200.0, 200.0};
  bool modalDialogShowing = false;
  bool fontSizeOverride = false;
  bool largeFonts = false;
  // The SVG renderer: the hidden window (and its class) holding the HTML view, and the view's size in
  // pixels.
  CWnd* svgHostWindow = nullptr;
  std::u16string svgWindowClass;
  qor::pui::__WinMfcHtmlSvgHelper* svgRenderView = nullptr;
  qor::aip::Size svgPageSize{1000.0, 1000.0};
  // Rendered SVG bitmaps by resource id, then by colour, brightness and pixel size.
  std::map<uint16_t, std::map<uint64_t, std::shared_ptr<qor::pui::CGdiPlusBitmapResource>>> svgBitmapCache;
};

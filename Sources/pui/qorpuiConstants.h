// Fixed names of the UI layer: its notifier prefix, window property names and the blank
// pop-up menu entry id.
#pragma once

#include <string>

namespace qor {
namespace pui {

inline const std::string uiThemeChangedNotifierPrefix = "QORUIThemeChangedNotifier";
inline const std::string widgetIdProperty = "QOR_PUI_WIDGET_ID";
inline const std::string windowIdProperty = "QOR_PUI_WINDOW_ID";
inline const std::string blankEntryId = "QORBlankEntry";

}  // namespace pui
}  // namespace qor

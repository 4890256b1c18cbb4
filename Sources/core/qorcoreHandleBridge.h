// Client handles of host registrations made from bare host handles, sharing the record registered
// for the handle, and the record behind a shared art or layer handle. The value handles keep their
// factories and accessors beside their classes.
#pragma once

#include "core/qorcoreArt.h"
#include "core/qorcoreLayer.h"
#include "core/qorcoreMenuGroup.h"
#include "core/qorcoreMenuItem.h"
#include "core/qorcoreTool.h"
#include "core/qorcoreWidget.h"
#include "core/qorcoreWindow.h"

namespace qor {
namespace pui {
class Panel;
} // namespace pui
namespace core {

// Shares the registered container of the item, else registers a new one without callback.
MenuItem wrapMenuItem(::MenuItemHandle hostHandle);
// Shares the registered container of the group, else registers a new one; a null header item is
// asked from the host.
MenuGroup wrapMenuGroup(::MenuGroupHandle groupHandle, ::MenuItemHandle headerItem);
// Shares the registered tool record of the handle, else an empty handle.
Tool wrapTool(::ToolHandle hostHandle);

// The shared record behind the handle, no reference added; null for an empty handle.
__IntArtData* implPointer(const Art& art);
__IntLayerData* implPointer(const Layer& layer);

// The platform widget behind a widget handle; null when missing.
pui::Widget* widgetImpl(const Widget& widget);
// The platform host panel behind a window handle of a panel; null for any other window.
pui::Panel* panelImpl(const Window& window);

} // namespace core
} // namespace qor

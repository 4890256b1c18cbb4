// Client handles made from bare host handles, sharing the record registered for the handle, and the
// record behind any shared handle. Handles made from implementation objects keep their factories beside
// their classes, as the value handles keep their accessors.
#pragma once

#include "core/qorcoreArt.h"
#include "core/qorcoreDocumentView.h"
#include "core/qorcoreLayer.h"
#include "core/qorcoreMenuGroup.h"
#include "core/qorcoreMenuItem.h"
#include "core/qorcorePanel.h"
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
// Shares the window container mapped to the platform panel; a handle without a panel when none is.
Panel wrapPanel(pui::Panel* platform);
// Shares the registered record of the view, else registers a new one; empty for a null view.
DocumentView wrapDocumentView(::DocViewHandle view);

// The record (or owned implementation) behind a shared handle, no reference added; null for an empty
// handle. Every shared handle class offers it as data().
template <class Handle> auto implPointer(const Handle& handle) -> decltype(handle.data())
{
  return handle.data();
}

// The platform widget behind a widget handle; null when missing.
pui::Widget* widgetImpl(const Widget& widget);
// The platform host panel behind a window handle of a panel; null for any other window.
pui::Panel* panelImpl(const Window& window);

} // namespace core
} // namespace qor

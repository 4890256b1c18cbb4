#include "core/qorcoreHandleBridge.h"

namespace qor {
namespace core {

MenuItem wrapMenuItem(::MenuItemHandle hostHandle)
{
  return MenuItem(hostHandle);
}

MenuGroup wrapMenuGroup(::MenuGroupHandle groupHandle, ::MenuItemHandle headerItem)
{
  return MenuGroup(groupHandle, headerItem);
}

Tool wrapTool(::ToolHandle hostHandle)
{
  return Tool(hostHandle);
}

Panel wrapPanel(pui::Panel* platform)
{
  return Panel(platform);
}

DocumentView wrapDocumentView(::DocViewHandle view)
{
  aip::DocumentView* impl = view ? new aip::DocumentView(view) : nullptr;
  DocumentView handle(impl);
  // Not taken when the handle could not register it (the record's own was kept, or no globals).
  if (impl && handle.data()->impl != impl)
    delete impl;
  return handle;
}

pui::Widget* widgetImpl(const Widget& widget)
{
  return widget.platform();
}

pui::Panel* panelImpl(const Window& window)
{
  __IntWindowContainer* container = window.container();
  __IntWindowData* data = container ? container->data : nullptr;
  return data && data->type == 1 ? static_cast<pui::Panel*>(data->platformWindow) : nullptr;
}

} // namespace core
} // namespace qor

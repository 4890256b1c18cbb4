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

__IntArtData* implPointer(const Art& art)
{
  return art.data();
}

__IntLayerData* implPointer(const Layer& layer)
{
  return layer.data();
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

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

} // namespace core
} // namespace qor

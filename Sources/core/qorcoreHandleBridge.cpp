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

DocumentView wrapDocumentView(::DocViewHandle view)
{
  aip::DocumentView* impl = view ? new aip::DocumentView(view) : nullptr;
  DocumentView handle(impl);
  // Not taken when the handle could not register it (the record's own was kept, or no globals).
  if (impl && handle.data()->impl != impl)
    delete impl;
  return handle;
}

} // namespace core
} // namespace qor

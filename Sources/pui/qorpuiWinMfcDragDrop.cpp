#include "pui/qorpuiWinMfcDragDrop.h"

#include <cstring>

#include "aip/qoraipHostStrings.h"
#include "pui/qorpuiDragDropWidgets.h"
#include "pui/qorpuiWidget.h"

namespace qor {
namespace pui {

bool WinMfcDragDropTarget::attach(Widget* target)
{
  if (!target || !target->control())
    return false;
  widget = target;
  return Register(target->control()) != FALSE;
}

DroppableWidget* WinMfcDragDropTarget::accepting(CWnd* window, COleDataObject* data) const
{
  if (!widget || !window || window->m_hWnd != widget->control()->m_hWnd)
    return nullptr;
  auto* droppable = dynamic_cast<DroppableWidget*>(widget);
  if (!droppable || !droppable->acceptsDrops())
    return nullptr;
  if (!data || !data->IsDataAvailable(CF_UNICODETEXT))
    return nullptr;
  return droppable;
}

DROPEFFECT WinMfcDragDropTarget::OnDragEnter(CWnd* window, COleDataObject* data, DWORD, CPoint)
{
  return accepting(window, data) ? DROPEFFECT_COPY : DROPEFFECT_NONE;
}

DROPEFFECT WinMfcDragDropTarget::OnDragOver(CWnd* window, COleDataObject* data, DWORD, CPoint point)
{
  DroppableWidget* droppable = accepting(window, data);
  if (!droppable)
    return DROPEFFECT_NONE;
  droppable->fireDragOver(aip::Point(point.x, point.y));
  return DROPEFFECT_COPY;
}

BOOL WinMfcDragDropTarget::OnDrop(CWnd* window, COleDataObject* data, DROPEFFECT, CPoint point)
{
  DroppableWidget* droppable = accepting(window, data);
  if (!droppable)
    return FALSE;
  HGLOBAL block = data->GetGlobalData(CF_UNICODETEXT);
  if (!block)
    return FALSE;
  const std::string text = unicodeTextOf(block);
  GlobalFree(block);
  droppable->fireDrop(text, aip::Point(point.x, point.y));
  return TRUE;
}

std::string unicodeTextOf(HGLOBAL block)
{
  const auto* units = static_cast<const char16_t*>(GlobalLock(block));
  if (!units)
    return std::string();
  const size_t limit = GlobalSize(block) / sizeof(char16_t);
  size_t length = 0;
  while (length < limit && units[length] != 0)
    ++length;
  const std::u16string text(units, length);
  GlobalUnlock(block);
  return aip::wstringToUtf8ViaHost(text);
}

DROPEFFECT startTextDrag(Widget* widget, DraggableWidget* draggable)
{
  if (!widget || !draggable)
    return DROPEFFECT_NONE;
  std::string text = draggable->dragText();
  if (text.empty())
    text = widget->text();
  const std::u16string units = aip::utf8ToWStringViaHost(text);
  const SIZE_T bytes = (units.size() + 1) * sizeof(char16_t);
  HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, bytes);
  void* to = block ? GlobalLock(block) : nullptr;
  if (!to) {
    if (block)
      GlobalFree(block);
    return DROPEFFECT_NONE;
  }
  std::memcpy(to, units.c_str(), bytes);
  GlobalUnlock(block);
  // The source lives until the drag ends and frees the block with it.
  WinMfcDragDataSource source;
  source.CacheGlobalData(CF_UNICODETEXT, block);
  WinMfcDragDropSource dropSource;
  return source.DoDragDrop(DROPEFFECT_COPY, nullptr, &dropSource);
}

}  // namespace pui
}  // namespace qor

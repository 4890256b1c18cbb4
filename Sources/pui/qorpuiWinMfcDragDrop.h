// The OLE side of drag and drop: the data a widget drags, the drag's source, and the drop target that
// a control registers for its widget. Text only (CF_UNICODETEXT), copy only.
#pragma once

#include <string>

#include "win/AfxOle.h"

namespace qor {
namespace pui {

class DraggableWidget;
class DroppableWidget;
class Widget;

class WinMfcDragDataSource : public COleDataSource
{
};

class WinMfcDragDropSource : public COleDropSource
{
};

class WinMfcDragDropTarget : public COleDropTarget
{
public:
  // False without a widget or its control; else registers the control as drop target for the widget.
  bool attach(Widget* widget);

  DROPEFFECT OnDragEnter(CWnd* window, COleDataObject* data, DWORD keyState, CPoint point) override;
  DROPEFFECT OnDragOver(CWnd* window, COleDataObject* data, DWORD keyState, CPoint point) override;
  BOOL OnDrop(CWnd* window, COleDataObject* data, DROPEFFECT effect, CPoint point) override;

  Widget* widget = nullptr;

private:
  // The widget's drop part when this drag may land on it: the event's window is the widget's control,
  // the widget accepts drops and the data offers Unicode text.
  DroppableWidget* accepting(CWnd* window, COleDataObject* data) const;
};

// Drags the widget's drag text (its own text when that is empty) as Unicode text, allowing a copy;
// the effect the drop target chose.
DROPEFFECT startTextDrag(Widget* widget, DraggableWidget* draggable);

// The UTF-8 text of a CF_UNICODETEXT block: up to the first zero unit, and never past the block's
// end, as text from elsewhere may come without its zero.
std::string unicodeTextOf(HGLOBAL block);

}  // namespace pui
}  // namespace qor

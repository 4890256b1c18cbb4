// A widget whose look is drawn by client code: while its window paints, its draw callback runs and
// draws with a few primitives (line, rectangle, rounded rectangle, ellipse, polygon, image, text) in
// one current colour, in the widget's unscaled units. It reports the mouse entering, moving, dragging,
// leaving, pressing and releasing to client callbacks, and can be dragged as text and take drops.
#pragma once

#include <cstdint>

#include "aip/qoraipColor.h"
#include "pui/qorpuiDragDropWidgets.h"
#include "pui/qorpuiEventWidgets.h"
#include "pui/qorpuiWidget.h"
#include "pui/qorpuiWinMfcDragDrop.h"

namespace qor {
namespace aip {
class Font;
}
namespace pui {

class BorderlessPanel;
class Panel;

class CustomWidget : public virtual Widget, public DraggableWidget, public DroppableWidget, public CustomEventsWidget
{
public:
  explicit CustomWidget(const aip::Rect& frame);
  ~CustomWidget() override;

  Widget* clone() const override;
  void createControl(Window* window) override;
  // Both invalidate the control without erasing.
  void redraw() override;
  void update() override;

  virtual void refresh();
  virtual utils::Callback* mouseEnterCallback() const;
  virtual void setMouseEnterCallback(utils::Callback* callback);
  virtual utils::Callback* mouseMoveCallback() const;
  virtual void setMouseMoveCallback(utils::Callback* callback);
  virtual utils::Callback* mouseLeaveCallback() const;
  virtual void setMouseLeaveCallback(utils::Callback* callback);
  virtual utils::Callback* mouseDownCallback() const;
  virtual void setMouseDownCallback(utils::Callback* callback);
  virtual utils::Callback* mouseDragCallback() const;
  virtual void setMouseDragCallback(utils::Callback* callback);
  virtual utils::Callback* mouseUpCallback() const;
  virtual void setMouseUpCallback(utils::Callback* callback);
  // The device context the primitives draw on while the window's paint runs the draw callback.
  virtual CDC* drawingContext() const;
  virtual utils::Callback* drawCallback() const;
  virtual void setDrawCallback(utils::Callback* callback);
  virtual bool erasesBackground() const;
  virtual void setErasesBackground(bool erases);
  virtual bool focusesOnClick() const;
  virtual void setFocusesOnClick(bool focuses);

  // The primitives: in the widget's units (scaled and rounded to pixels), in the current colour, and
  // only while the draw callback runs from the paint.
  virtual void setColor(const aip::Color& color);
  // Both end points drawn.
  virtual void drawLine(const aip::Point& from, const aip::Point& to);
  virtual void drawRect(const aip::Rect& rect, bool filled);
  // The radius is limited to half the width and half the height.
  virtual void drawRoundedRect(const aip::Rect& rect, double radius, bool filled);
  virtual void drawEllipse(const aip::Rect& rect, bool filled);
  // Unfilled: the lines from each point to the next, not closed.
  virtual void drawPolygon(const aip::Point* points, uint32_t count, bool filled);
  // A "PNGI" resource at its own pixel size.
  virtual void drawImage(const aip::Point& origin, uint16_t id);
  // One line from the origin, cut at the control's right edge.
  virtual void drawText(const aip::Point& origin, const std::string& text, const aip::Font& font, double size);

  // The host panel the widget's pop-up mirrors; showPopup opens the pop-up at a point below the
  // widget's top left corner, or closes it when it is open.
  virtual Panel* popupPanel() const;
  virtual void setPopupPanel(Panel* panel);
  virtual void showPopup(const aip::Point& point);

  virtual bool fireMouseEnter();
  virtual bool fireMouseLeave();

  bool handleMouseDown() override;
  bool handleMouseUp() override;
  bool handleMouseMove() override;
  bool handleMouseDrag() override;
  bool handleDraw() override;

  // The window's paint: the draw callback on this context (null afterwards).
  bool drawOn(CDC* dc);
  bool isDrawing() const { return busy_[Draw]; }

protected:
  CustomWidget(const CustomWidget& other);

private:
  enum Slot
  {
    Enter,
    Move,
    Leave,
    Down,
    Drag,
    Up,
    Draw,
    SlotCount
  };
  bool fire(Slot slot);
  void store(Slot slot, utils::Callback* callback);
  bool canDraw() const;
  double scale() const;

  bool erasesBackground_ = true;
  bool focusesOnClick_ = true;
  bool busy_[SlotCount] = {};
  Panel* popupSource_ = nullptr;
  BorderlessPanel* popup_ = nullptr;
  utils::Callback* callbacks_[SlotCount] = {};
  aip::Color color_ = aip::Color::black();
  CDC* drawingContext_ = nullptr;
};

class WinMfcCustomWidget : public CWnd
{
  DECLARE_MESSAGE_MAP()
public:
  explicit WinMfcCustomWidget(CustomWidget* owner) : owner(owner) {}
  ~WinMfcCustomWidget() override;

  // The window, then its drop target attached to the owner.
  BOOL CreateEx(DWORD exStyle, LPCWSTR className, LPCWSTR windowName, DWORD style, int x, int y, int width,
                int height, HWND parent, HMENU idOrMenu, LPVOID param = nullptr) override;
  // While the owner's draw callback runs, paints and erases are answered without drawing.
  BOOL OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;

  CustomWidget* owner;
  WinMfcDragDropTarget* dropTarget = nullptr;

  afx_msg void OnPaint();
  afx_msg BOOL OnEraseBkgnd(CDC* dc);
  afx_msg void OnLButtonDown(UINT flags, CPoint point);
  afx_msg void OnRButtonDown(UINT flags, CPoint point);
  afx_msg void OnLButtonUp(UINT flags, CPoint point);
  afx_msg void OnRButtonUp(UINT flags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
  afx_msg void OnMouseMove(UINT flags, CPoint point);
  afx_msg void OnMouseLeave();
};

}  // namespace pui
}  // namespace qor

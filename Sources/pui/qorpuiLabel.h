// A static text or image label (kind 90) and the two owner-drawn controls that show it: text with an
// optional background shape and custom text colours, or a PNG or SVG image; clicks, double clicks
// and a hover highlight when its image ids ask for one.
#pragma once

#include <cstdint>
#include <string>

#include "aip/qoraipColor.h"
#include "pui/qorpuiDragDropWidgets.h"
#include "pui/qorpuiEventWidgets.h"
#include "pui/qorpuiImageWidget.h"
#include "pui/qorpuiTextWidget.h"
#include "pui/qorpuiWinMfcDragDrop.h"

namespace qor {
namespace pui {

class Panel;
class TextField;

class Label : public TextWidget,
              public ClickWidget,
              public DraggableWidget,
              public DroppableWidget,
              public ImageWidget,
              public CustomEventsWidget
{
public:
  // Background shapes.
  enum Shape
  {
    NoShape = 0,
    RectangleShape = 10,
    RoundedRectangleShape = 20,  // radius a quarter of the height
    CapsuleShape = 30,           // radius half the height
  };

  // A text label: frame origin location + (1, 0), the width and height 14.
  Label(const aip::Point& location, double width, const std::string& text);
  // An image label of the given frame and PNG ids (with their hover-highlight flag).
  Label(const aip::Rect& frame, const ImageIds& ids);
  ~Label() override;

  Widget* clone() const override;
  std::string text() override;
  // An image label keeps an empty text.
  void setText(const std::string& text) override;
  // A label has nothing to update.
  void update() override;
  void createControl(Window* window) override;

  // Bold, italic and justification belong to text labels; an image label keeps them as they are and
  // reports justification 0.
  void setBold(bool bold) override;
  void setItalic(bool italic) override;
  int32_t justification() const override;
  void setJustification(int32_t justification) override;

  // A text label never turns into an image label: ids of a form the label has no images of are
  // ignored, and only their hover-highlight flag is kept, for both forms.
  void setImageIds(const ImageIds& ids) override;
  void setSvgIds(const SvgIds& ids) override;

  virtual int32_t backgroundShape() const;
  // 10, 20 and 30 are kept; any other code clears the shape.
  virtual void setBackgroundShape(int32_t shape);
  virtual void shapeColors(aip::Color& light, aip::Color& dark) const;
  virtual void setShapeColors(const aip::Color& light, const aip::Color& dark);
  // False when the label has no custom text colours.
  virtual bool textColors(aip::Color& light, aip::Color& dark) const;
  virtual void setTextColors(const aip::Color& light, const aip::Color& dark);

  // The partner a click goes to: a text field (focused with all its text selected) or a host panel.
  // At most one is set; tying a field unties it from its earlier label.
  virtual TextField* attachedTextField() const;
  virtual void setAttachedTextField(TextField* field);
  virtual Panel* attachedPanel() const;
  virtual void setAttachedPanel(Panel* panel);
  // The click callback first; then a tied field takes the focus with its whole text selected.
  void fireClick() override;
  // Set by the field's side of the tie.
  void setAttachedTextFieldPointer(TextField* field) { attachedTextField_ = field; }

  // The colour context of the label's window: 20 in dialog-kind windows (2 and 4), else 10.
  int32_t themeContext() const;
  // Hovered and asked to highlight by the hover-highlight flag of its PNG or SVG ids.
  bool highlighted() const;

protected:
  Label(const Label& other);
  void redrawImage() override;
  aip::Size imageFrameSize() const override;

private:
  // Both id sets' hover-highlight flag, without touching the ids.
  void storeHoverHighlight(bool highlight);

  TextField* attachedTextField_ = nullptr;
  Panel* attachedPanel_ = nullptr;
  int32_t backgroundShape_ = NoShape;
  aip::Color shapeColorLight_;
  aip::Color shapeColorDark_;
  aip::Color* textColorLight_ = nullptr;
  aip::Color* textColorDark_ = nullptr;
};

// The control of a text label and of an image label; both route the mouse to their label, register
// as drop target for it and drag its text when it is draggable.
class WinMfcLabelBase : public CButton
{
  DECLARE_MESSAGE_MAP()
public:
  explicit WinMfcLabelBase(Label* owner) : owner(owner) {}
  ~WinMfcLabelBase() override;

  Label* owner;
  WinMfcDragDropTarget dropTarget;

  // Creates the button window, then registers the drop target for the label.
  BOOL Create(LPCWSTR caption, DWORD style, const RECT& rect, CWnd* parent, UINT id) override;

  afx_msg void OnLButtonDown(UINT flags, CPoint point);
  afx_msg void OnRButtonDown(UINT flags, CPoint point);
  afx_msg void OnLButtonUp(UINT flags, CPoint point);
  afx_msg void OnRButtonUp(UINT flags, CPoint point);
  afx_msg void OnLButtonDblClk(UINT flags, CPoint point);
  afx_msg void OnMouseMove(UINT flags, CPoint point);
  afx_msg void OnMouseLeave();
  afx_msg BOOL OnEraseBkgnd(CDC* dc);
};

class WinMfcTextLabel : public WinMfcLabelBase
{
public:
  using WinMfcLabelBase::WinMfcLabelBase;
  // Background, shape and text.
  void DrawItem(LPDRAWITEMSTRUCT item) override;
};

class WinMfcImageLabel : public WinMfcLabelBase
{
public:
  using WinMfcLabelBase::WinMfcLabelBase;
  // Background and the image, veiled when disabled.
  void DrawItem(LPDRAWITEMSTRUCT item) override;
};

}  // namespace pui
}  // namespace qor

// The client handle of a text or image label (widget type 100): justification, bold and italic,
// a background shape with its colours, custom text colours, clicks and PNG or SVG images.
#pragma once

#include "core/qorcoreCallback.h"
#include "core/qorcoreColor.h"
#include "core/qorcoreImageIDs.h"
#include "core/qorcorePoint.h"
#include "core/qorcoreSVGIDs.h"
#include "core/qorcoreWidget.h"

namespace qor {
namespace pui {
class Label;
}
namespace core {

class Panel;
class TextField;
class Window;

class Label : public Widget
{
public:
  // An empty handle.
  Label();
  Label(const Point& origin, const std::string& text, double width);
  Label(const Label& other);
  ~Label() override;

  Widget* duplicate() const override;
  Widget* clone() const override;
  std::string text() const override;
  void setText(const std::string& text) override;

  virtual Label& assignShared(const Label& other);
  // 10 left, 20 centre, 30 right; 0 without a label (and for an image label).
  virtual int32_t justification() const;
  // 20 and 30 give their justification; every other code left.
  virtual void setJustification(int32_t justification);
  virtual bool bold() const;
  virtual void setBold(bool bold);
  virtual bool italic() const;
  virtual void setItalic(bool italic);
  // 0 none, 10 rectangle, 20 rounded rectangle, 30 capsule.
  virtual int32_t backgroundShape() const;
  // Any code but 10, 20 and 30 clears the shape.
  virtual void setBackgroundShape(int32_t shape);
  virtual void shapeColors(Color& light, Color& dark) const;
  virtual void setShapeColors(const Color& light, const Color& dark);
  // False without custom text colours.
  virtual bool textColors(Color& light, Color& dark) const;
  virtual void setTextColors(const Color& light, const Color& dark);
  // A new handle of the tied text field, owned by the caller; null without one.
  virtual TextField* attachedTextField() const;
  virtual void setAttachedTextField(const TextField& field);
  virtual void clearAttachedTextField();
  // A new handle of the tied panel, owned by the caller; null without one.
  virtual Panel* attachedPanel() const;
  // A window that is not a panel unties the label.
  virtual void setAttachedPanel(const Window& panel);
  virtual void clearAttachedPanel();
  virtual void fireClick();
  virtual Callback* clickCallback() const;
  virtual void setClickCallback(const Callback& callback);
  virtual void fireDoubleClick();
  virtual Callback* doubleClickCallback() const;
  virtual void setDoubleClickCallback(const Callback& callback);
  virtual ImageWithRolloverIDs imageIDs() const;
  virtual void setImageIDs(const ImageWithRolloverIDs& ids);
  virtual SVGWithRolloverIDs svgIDs() const;
  virtual void setSVGIDs(const SVGWithRolloverIDs& ids);
  virtual bool hoverHighlight() const;
  virtual void setHoverHighlight(bool highlight);
  virtual bool isDraggable() const;
  virtual void setDraggable(bool draggable);
  // The text a drag carries; when empty, the label's own text.
  virtual std::string dragText() const;
  virtual void setDragText(const std::string& text);
  virtual bool acceptsDrops() const;
  virtual void setAcceptsDrops(bool accepts);
  virtual Callback* dropCallback() const;
  virtual void setDropCallback(const Callback& callback);
  // The text and point (in the control's pixels) of the drop whose callback runs now.
  virtual std::string dropText() const;
  virtual Point dropPoint() const;

private:
  friend Label LabelWithImage(const Rect& frame, const ImageWithRolloverIDs& ids);
  pui::Label* label() const;
};

// An image label of the frame showing the ids, without hover highlight.
Label LabelWithImage(const Rect& frame, const ImageWithRolloverIDs& ids);

}  // namespace core
}  // namespace qor

// The client handle of a push button (widget type 20): title, style, click and double-click
// callbacks and PNG or SVG images.
#pragma once

#include "core/qorcoreCallback.h"
#include "core/qorcoreImageIDs.h"
#include "core/qorcoreSVGIDs.h"
#include "core/qorcoreWidget.h"

namespace qor {
namespace pui {
class Button;
}
namespace core {

class Button : public Widget
{
public:
  // An empty handle.
  Button();
  Button(const Point& origin, const std::string& text, double width);
  Button(const Button& other);
  ~Button() override;

  Widget* duplicate() const override;
  Widget* clone() const override;
  std::string text() const override;
  void setText(const std::string& text) override;

  virtual Button& assignShared(const Button& other);
  // 10, 20 or 30 (every new button), from the platform styles 1, 2 and 3 (2 is the emphasised look);
  // 0 without a button.
  virtual int32_t style() const;
  // 10 and 20 give their style; every other code gives 30.
  virtual void setStyle(int32_t style);
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

private:
  pui::Button* button() const;
};

}  // namespace core
}  // namespace qor

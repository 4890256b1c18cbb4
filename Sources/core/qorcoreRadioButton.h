// The client handle of a radio button (widget type 130): its state (1 on, 0 off, -1 mixed), its
// click callback, and PNG or SVG images. Buttons of one platform group turn each other off.
#pragma once

#include "core/qorcoreCallback.h"
#include "core/qorcoreImageIDs.h"
#include "core/qorcoreSVGIDs.h"
#include "core/qorcoreWidget.h"

namespace qor {
namespace pui {
class RadioButton;
}
namespace core {

class RadioButton : public Widget
{
public:
  // An empty handle.
  RadioButton();
  // A titled radio button, off.
  RadioButton(const Point& origin, const std::string& title, double width);
  RadioButton(const RadioButton& other);
  ~RadioButton() override;

  Widget* duplicate() const override;
  Widget* clone() const override;
  // "" for an image radio button, which ignores a new title.
  std::string text() const override;
  void setText(const std::string& text) override;

  virtual RadioButton& assignShared(const RadioButton& other);
  // -1, 0 or 1; any other value reads and is written as 0.
  virtual int32_t state() const;
  virtual void setState(int32_t state);
  virtual void setOn(bool on);
  virtual bool auxiliaryFlag() const;
  // The client radio-group object recorded with the widget; nothing here records one, so null.
  virtual void* radioGroup() const;
  // Fires the group update, then the client's callback.
  virtual void fireClick();
  virtual Callback* clickCallback() const;
  virtual void setClickCallback(const Callback& callback);
  virtual ImageWithRolloverIDs imageIDs() const;
  virtual void setImageIDs(const ImageWithRolloverIDs& ids);
  virtual SVGWithRolloverIDs svgIDs() const;
  virtual void setSVGIDs(const SVGWithRolloverIDs& ids);
  virtual bool hoverHighlight() const;
  virtual void setHoverHighlight(bool highlight);

private:
  pui::RadioButton* radio() const;
};

}  // namespace core
}  // namespace qor

// The client handle of a colour well (widget type 60): the well's colour and a value-changed callback
// that runs after the user confirms a colour in the host's picker.
#pragma once

#include "core/qorcoreArtColor.h"
#include "core/qorcoreCallback.h"
#include "core/qorcoreWidget.h"

namespace qor {
namespace pui {
class ColorWell;
}
namespace core {

class ColorWell : public Widget
{
public:
  // An empty handle.
  ColorWell();
  ColorWell(const Rect& frame, const ArtColor& color);
  ColorWell(const ColorWell& other);
  ~ColorWell() override;

  Widget* duplicate() const override;
  Widget* clone() const override;

  virtual ColorWell& assignShared(const ColorWell& other);
  // A copy of the well's colour; gray100 without a well.
  virtual ArtColor color() const;
  // A gradient gives its colour at location 0; a pattern, a colour of no kind or a gradient without a
  // colour there change nothing. Runs no callback.
  virtual void setColor(const ArtColor& color);
  virtual void fireValueChanged();
  // Owned by the platform well.
  virtual Callback* valueChangedCallback() const;
  // Stores a clone.
  virtual void setValueChangedCallback(const Callback& callback);

private:
  pui::ColorWell* well() const;
};

}  // namespace core
}  // namespace qor

// The client handle of a slider (widget type 140): a value from 0 to 1 and a value-changing callback
// that runs while the user moves the thumb.
#pragma once

#include "core/qorcoreCallback.h"
#include "core/qorcoreWidget.h"

namespace qor {
namespace pui {
class Slider;
}
namespace core {

class Slider : public Widget
{
public:
  // An empty handle.
  Slider();
  Slider(const Point& origin, double width, double value);
  Slider(const Slider& other);
  ~Slider() override;

  Widget* duplicate() const override;
  Widget* clone() const override;

  virtual Slider& assignShared(const Slider& other);
  // 0..1; 0 without a slider.
  virtual double value() const;
  // Limited to 0..1; runs no callback.
  virtual void setValue(double value);
  virtual void fireValueChanging();
  // Owned by the platform slider.
  virtual Callback* valueChangingCallback() const;
  // Stores a clone.
  virtual void setValueChangingCallback(const Callback& callback);

private:
  pui::Slider* slider() const;
};

}  // namespace core
}  // namespace qor

// The client handle of a stepper (widget type 150): an up and a down callback, run by presses on the
// upper and the lower half.
#pragma once

#include "core/qorcoreCallback.h"
#include "core/qorcoreWidget.h"

namespace qor {
namespace pui {
class Stepper;
}
namespace core {

class Stepper : public Widget
{
public:
  // An empty handle.
  Stepper();
  explicit Stepper(const Point& origin);
  Stepper(const Stepper& other);
  ~Stepper() override;

  Widget* duplicate() const override;
  Widget* clone() const override;

  virtual Stepper& assignShared(const Stepper& other);
  // The getters' callbacks stay owned by the platform stepper; the setters hand it a clone.
  virtual Callback* upCallback() const;
  virtual void setUpCallback(const Callback& callback);
  virtual Callback* downCallback() const;
  virtual void setDownCallback(const Callback& callback);

private:
  pui::Stepper* stepper() const;
};

}  // namespace core
}  // namespace qor

// The client handle of a three-state check box (widget type 30): its state (1 on, 0 off, -1 mixed)
// and its click callback, which also answers double clicks.
#pragma once

#include "core/qorcoreCallback.h"
#include "core/qorcorePoint.h"
#include "core/qorcoreWidget.h"

namespace qor {
namespace pui {
class Checkbox;
}
namespace core {

class Checkbox : public Widget
{
public:
  // An empty handle.
  Checkbox();
  Checkbox(const Point& origin, const std::string& text, double width, int32_t state);
  Checkbox(const Checkbox& other);
  ~Checkbox() override;

  Widget* duplicate() const override;
  Widget* clone() const override;

  virtual Checkbox& assignShared(const Checkbox& other);
  // -1, 0 or 1; 0 without a check box.
  virtual int32_t state() const;
  // -1 and 1 are kept; every other value switches the box off.
  virtual void setState(int32_t state);
  virtual void setOn(bool on);
  virtual void fireClick();
  virtual Callback* clickCallback() const;
  virtual void setClickCallback(const Callback& callback);

private:
  pui::Checkbox* box() const;
};

}  // namespace core
}  // namespace qor

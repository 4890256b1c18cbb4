// The client handle of a divider line (widget type 80), horizontal (orientation 10) or vertical (20).
// Its platform widget is a box that says it is a divider.
#pragma once

#include "core/qorcoreWidget.h"

namespace qor {
namespace pui {
class Box;
}
namespace core {

class Divider : public Widget
{
public:
  enum Orientation
  {
    HorizontalOrientation = 10,
    VerticalOrientation = 20,
  };

  // An empty handle.
  Divider();
  // A divider from the origin, this long; any orientation other than 20 is horizontal.
  Divider(const Point& origin, double length, int32_t orientation);
  Divider(const Divider& other);
  ~Divider() override;

  Widget* duplicate() const override;
  Widget* clone() const override;
  // Always 80, even for an empty handle.
  WidgetType type() const override;
  std::string text() const override;
  void setText(const std::string& text) override;
  bool isEnabled() const override;
  void setEnabled(bool enabled) override;

  virtual Divider& assignShared(const Divider& other);
  // 10 or 20; 0 without a platform box.
  virtual int32_t orientation() const;

private:
  pui::Box* box() const;
};

}  // namespace core
}  // namespace qor

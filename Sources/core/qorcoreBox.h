// The client handle of a group box (widget type 10): a thin etched frame with a title. Always enabled.
#pragma once

#include "core/qorcoreWidget.h"

namespace qor {
namespace pui {
class Box;
}
namespace core {

class Box : public Widget
{
public:
  // An empty handle.
  Box();
  Box(const Rect& frame, const std::string& title);
  Box(const Box& other);
  ~Box() override;

  Widget* duplicate() const override;
  Widget* clone() const override;
  // Always 10, even for an empty handle.
  WidgetType type() const override;
  std::string text() const override;
  void setText(const std::string& text) override;
  // True with a platform box, which ignores setEnabled.
  bool isEnabled() const override;
  void setEnabled(bool enabled) override;

  virtual Box& assignShared(const Box& other);

private:
  pui::Box* box() const;
};

}  // namespace core
}  // namespace qor

#include "core/qorcoreDivider.h"

#include "aip/qoraipPoint.h"
#include "pui/qorpuiBox.h"

namespace qor {
namespace core {

Divider::Divider() = default;

Divider::Divider(const Point& origin, double length, int32_t orientation)
{
  adopt(new pui::Box(aip::Point(origin.x, origin.y), length, orientation != VerticalOrientation));
}

Divider::Divider(const Divider& other) : Widget(other) {}

Divider::~Divider() = default;

pui::Box* Divider::box() const
{
  return platformAs<pui::Box>();
}

Widget* Divider::duplicate() const
{
  return new Divider(*this);
}

Widget* Divider::clone() const
{
  pui::Box* source = box();
  if (!source)
    return nullptr;
  auto* copy = new Divider();
  copy->adopt(source->clone());
  return copy;
}

WidgetType Divider::type() const
{
  return DividerWidgetType;
}

std::string Divider::text() const
{
  pui::Box* platform = box();
  return platform ? platform->text() : std::string();
}

void Divider::setText(const std::string& text)
{
  if (pui::Box* platform = box())
    platform->setText(text);
}

bool Divider::isEnabled() const
{
  pui::Box* platform = box();
  return platform && platform->enabled();
}

void Divider::setEnabled(bool enabled)
{
  if (pui::Box* platform = box())
    platform->setEnabled(enabled);
}

Divider& Divider::assignShared(const Divider& other)
{
  shareContainer(other);
  return *this;
}

int32_t Divider::orientation() const
{
  pui::Box* platform = box();
  if (!platform)
    return 0;
  return platform->isVertical() ? VerticalOrientation : HorizontalOrientation;
}

}  // namespace core
}  // namespace qor

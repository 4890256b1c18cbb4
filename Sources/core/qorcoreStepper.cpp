#include "core/qorcoreStepper.h"

#include "aip/qoraipPoint.h"
#include "core/qorcoreWidgetCallback.h"
#include "pui/qorpuiStepper.h"

namespace qor {
namespace core {

Stepper::Stepper() = default;

Stepper::Stepper(const Point& origin)
{
  adopt(new pui::Stepper(aip::Point(origin.x, origin.y)));
}

Stepper::Stepper(const Stepper& other) : Widget(other) {}

Stepper::~Stepper() = default;

pui::Stepper* Stepper::stepper() const
{
  return platformAs<pui::Stepper>();
}

Widget* Stepper::duplicate() const
{
  return new Stepper(*this);
}

Widget* Stepper::clone() const
{
  pui::Stepper* source = stepper();
  if (!source)
    return nullptr;
  auto* copy = new Stepper();
  copy->adopt(source->clone());
  return copy;
}

Stepper& Stepper::assignShared(const Stepper& other)
{
  shareContainer(other);
  return *this;
}

Callback* Stepper::upCallback() const
{
  pui::Stepper* platform = stepper();
  return platform ? clientCallback(platform->upCallback()) : nullptr;
}

void Stepper::setUpCallback(const Callback& callback)
{
  if (pui::Stepper* platform = stepper())
    platform->setUpCallback(platformCallback(&callback));
}

Callback* Stepper::downCallback() const
{
  pui::Stepper* platform = stepper();
  return platform ? clientCallback(platform->downCallback()) : nullptr;
}

void Stepper::setDownCallback(const Callback& callback)
{
  if (pui::Stepper* platform = stepper())
    platform->setDownCallback(platformCallback(&callback));
}

}  // namespace core
}  // namespace qor

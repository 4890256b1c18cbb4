#include "core/qorcoreSlider.h"

#include "aip/qoraipPoint.h"
#include "core/qorcoreWidgetCallback.h"
#include "pui/qorpuiSlider.h"

namespace qor {
namespace core {

Slider::Slider() = default;

Slider::Slider(const Point& origin, double width, double value)
{
  adopt(new pui::Slider(aip::Point(origin.x, origin.y), width, value));
}

Slider::Slider(const Slider& other) : Widget(other) {}

Slider::~Slider() = default;

pui::Slider* Slider::slider() const
{
  return platformAs<pui::Slider>();
}

Widget* Slider::duplicate() const
{
  return new Slider(*this);
}

Widget* Slider::clone() const
{
  pui::Slider* source = slider();
  if (!source)
    return nullptr;
  auto* copy = new Slider();
  copy->adopt(source->clone());
  return copy;
}

Slider& Slider::assignShared(const Slider& other)
{
  shareContainer(other);
  return *this;
}

double Slider::value() const
{
  pui::Slider* platform = slider();
  return platform ? platform->value() : 0.0;
}

void Slider::setValue(double value)
{
  if (pui::Slider* platform = slider())
    platform->setValue(value);
}

void Slider::fireValueChanging()
{
  if (pui::Slider* platform = slider())
    platform->fireValueChanging();
}

Callback* Slider::valueChangingCallback() const
{
  pui::Slider* platform = slider();
  return platform ? clientCallback(platform->valueChangingCallback()) : nullptr;
}

void Slider::setValueChangingCallback(const Callback& callback)
{
  if (pui::Slider* platform = slider())
    platform->setValueChangingCallback(platformCallback(&callback));
}

}  // namespace core
}  // namespace qor

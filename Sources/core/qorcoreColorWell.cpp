#include "core/qorcoreColorWell.h"

#include "aip/qoraipRect.h"
#include "core/qorcoreGradient.h"
#include "core/qorcoreWidgetCallback.h"
#include "pui/qorpuiColorWell.h"

namespace qor {
namespace core {

ColorWell::ColorWell() = default;

ColorWell::ColorWell(const Rect& frame, const ArtColor& color)
{
  const aip::ArtColor* impl = implPointer(color);
  adopt(new pui::ColorWell(aip::Rect(frame.origin.x, frame.origin.y, frame.size.width, frame.size.height),
                           impl ? *impl : aip::ArtColor::none()));
}

ColorWell::ColorWell(const ColorWell& other) : Widget(other) {}

ColorWell::~ColorWell() = default;

pui::ColorWell* ColorWell::well() const
{
  return platformAs<pui::ColorWell>();
}

Widget* ColorWell::duplicate() const
{
  return new ColorWell(*this);
}

Widget* ColorWell::clone() const
{
  pui::ColorWell* source = well();
  if (!source)
    return nullptr;
  auto* copy = new ColorWell();
  copy->adopt(source->clone());
  return copy;
}

ColorWell& ColorWell::assignShared(const ColorWell& other)
{
  shareContainer(other);
  return *this;
}

ArtColor ColorWell::color() const
{
  pui::ColorWell* platform = well();
  return platform ? wrapArtColor(platform->color()) : ArtColor::gray100();
}

void ColorWell::setColor(const ArtColor& color)
{
  pui::ColorWell* platform = well();
  if (!platform)
    return;
  ArtColor copy(color);
  const int32_t type = copy.colorType();
  if (type == ArtColor::TypeInvalid || type == ArtColor::TypePattern)
    return;
  if (type == ArtColor::TypeGradient) {
    ArtColor::GradientStyle style = copy.gradientStyle();
    if (!style.gradient || !style.gradient->colorAt(0.0, copy))
      return;
  }
  if (const aip::ArtColor* impl = implPointer(copy))
    platform->setColor(*impl);
}

void ColorWell::fireValueChanged()
{
  if (pui::ColorWell* platform = well())
    platform->fireValueChanged();
}

Callback* ColorWell::valueChangedCallback() const
{
  pui::ColorWell* platform = well();
  return platform ? clientCallback(platform->valueChangedCallback()) : nullptr;
}

void ColorWell::setValueChangedCallback(const Callback& callback)
{
  if (pui::ColorWell* platform = well())
    platform->setValueChangedCallback(platformCallback(&callback));
}

}  // namespace core
}  // namespace qor

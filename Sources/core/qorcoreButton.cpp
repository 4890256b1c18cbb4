#include "core/qorcoreButton.h"

#include "aip/qoraipPoint.h"
#include "core/qorcoreImagePart.h"
#include "core/qorcoreWidgetCallback.h"
#include "pui/qorpuiButton.h"
#include "pui/qorpuiImageWidget.h"

namespace qor {
namespace core {

Button::Button() = default;

Button::Button(const Point& origin, const std::string& text, double width)
{
  adopt(new pui::Button(aip::Point(origin.x, origin.y), width, text, nullptr));
}

Button::Button(const Button& other) : Widget(other) {}

Button::~Button() = default;

pui::Button* Button::button() const
{
  return platformAs<pui::Button>();
}

Widget* Button::duplicate() const
{
  return new Button(*this);
}

Widget* Button::clone() const
{
  pui::Button* source = button();
  if (!source)
    return nullptr;
  auto* copy = new Button();
  copy->adopt(source->clone());
  return copy;
}

std::string Button::text() const
{
  pui::Button* platform = button();
  return platform ? platform->text() : std::string();
}

void Button::setText(const std::string& text)
{
  if (pui::Button* platform = button())
    platform->setText(text);
}

Button& Button::assignShared(const Button& other)
{
  shareContainer(other);
  return *this;
}

int32_t Button::style() const
{
  pui::Button* platform = button();
  const int32_t style = platform ? platform->style() : 0;
  return style >= 1 && style <= 3 ? style * 10 : 0;
}

void Button::setStyle(int32_t style)
{
  if (pui::Button* platform = button())
    platform->setStyle(style == 10 ? 1 : style == 20 ? 2 : 3);
}

void Button::fireClick()
{
  __IntClickPart::fireClick(button());
}

Callback* Button::clickCallback() const
{
  return __IntClickPart::clickCallback(button());
}

void Button::setClickCallback(const Callback& callback)
{
  __IntClickPart::setClickCallback(button(), callback);
}

void Button::fireDoubleClick()
{
  __IntClickPart::fireDoubleClick(button());
}

Callback* Button::doubleClickCallback() const
{
  return __IntClickPart::doubleClickCallback(button());
}

void Button::setDoubleClickCallback(const Callback& callback)
{
  __IntClickPart::setDoubleClickCallback(button(), callback);
}

ImageWithRolloverIDs Button::imageIDs() const
{
  return __IntImagePart::imageIDs(platformAs<pui::ImageWidget>());
}

void Button::setImageIDs(const ImageWithRolloverIDs& ids)
{
  __IntImagePart::setImageIDs(platformAs<pui::ImageWidget>(), ids);
}

SVGWithRolloverIDs Button::svgIDs() const
{
  return __IntImagePart::svgIDs(platformAs<pui::ImageWidget>());
}

void Button::setSVGIDs(const SVGWithRolloverIDs& ids)
{
  __IntImagePart::setSVGIDs(platformAs<pui::ImageWidget>(), ids);
}

bool Button::hoverHighlight() const
{
  return __IntImagePart::hoverHighlight(platformAs<pui::ImageWidget>());
}

void Button::setHoverHighlight(bool highlight)
{
  __IntImagePart::setHoverHighlight(platformAs<pui::ImageWidget>(), highlight);
}

}  // namespace core
}  // namespace qor

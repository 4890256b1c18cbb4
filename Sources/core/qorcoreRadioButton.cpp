#include "core/qorcoreRadioButton.h"

#include "aip/qoraipPoint.h"
#include "core/qorcoreImagePart.h"
#include "core/qorcoreWidgetCallback.h"
#include "pui/qorpuiImageWidget.h"
#include "pui/qorpuiRadioButton.h"

namespace qor {
namespace core {

namespace qorcoreRadioButton_detail {
int32_t clientState(int32_t state)
{
  return state == -1 || state == 1 ? state : 0;
}
}  // namespace qorcoreRadioButton_detail

RadioButton::RadioButton() = default;

RadioButton::RadioButton(const Point& origin, const std::string& title, double width)
{
  adopt(new pui::RadioButton(aip::Point(origin.x, origin.y), width, title, 0, nullptr));
}

RadioButton::RadioButton(const RadioButton& other) : Widget(other) {}

// The client radio-group object of the widget data is never recorded by this system, so there is
// nothing of it to delete here.
RadioButton::~RadioButton() = default;

pui::RadioButton* RadioButton::radio() const
{
  return platformAs<pui::RadioButton>();
}

Widget* RadioButton::duplicate() const
{
  return new RadioButton(*this);
}

Widget* RadioButton::clone() const
{
  pui::RadioButton* source = radio();
  if (!source)
    return nullptr;
  auto* copy = new RadioButton();
  copy->adopt(source->clone());
  return copy;
}

std::string RadioButton::text() const
{
  pui::RadioButton* platform = radio();
  return platform ? platform->text() : std::string();
}

void RadioButton::setText(const std::string& text)
{
  if (pui::RadioButton* platform = radio())
    platform->setText(text);
}

RadioButton& RadioButton::assignShared(const RadioButton& other)
{
  shareContainer(other);
  return *this;
}

int32_t RadioButton::state() const
{
  pui::RadioButton* platform = radio();
  return platform ? qorcoreRadioButton_detail::clientState(platform->state()) : 0;
}

void RadioButton::setState(int32_t state)
{
  if (pui::RadioButton* platform = radio())
    platform->setState(qorcoreRadioButton_detail::clientState(state));
}

void RadioButton::setOn(bool on)
{
  if (pui::RadioButton* platform = radio())
    platform->setOn(on);
}

bool RadioButton::auxiliaryFlag() const
{
  pui::RadioButton* platform = radio();
  return platform && platform->auxiliaryFlag();
}

void* RadioButton::radioGroup() const
{
  __IntWidgetContainer* shared = container();
  return shared && shared->data ? shared->data->entries : nullptr;
}

void RadioButton::fireClick()
{
  __IntClickPart::fireClick(radio());
}

Callback* RadioButton::clickCallback() const
{
  return __IntClickPart::clickCallback(radio());
}

void RadioButton::setClickCallback(const Callback& callback)
{
  __IntClickPart::setClickCallback(radio(), callback);
}

ImageWithRolloverIDs RadioButton::imageIDs() const
{
  return __IntImagePart::imageIDs(platformAs<pui::ImageWidget>());
}

void RadioButton::setImageIDs(const ImageWithRolloverIDs& ids)
{
  __IntImagePart::setImageIDs(platformAs<pui::ImageWidget>(), ids);
}

SVGWithRolloverIDs RadioButton::svgIDs() const
{
  return __IntImagePart::svgIDs(platformAs<pui::ImageWidget>());
}

void RadioButton::setSVGIDs(const SVGWithRolloverIDs& ids)
{
  __IntImagePart::setSVGIDs(platformAs<pui::ImageWidget>(), ids);
}

bool RadioButton::hoverHighlight() const
{
  return __IntImagePart::hoverHighlight(platformAs<pui::ImageWidget>());
}

void RadioButton::setHoverHighlight(bool highlight)
{
  __IntImagePart::setHoverHighlight(platformAs<pui::ImageWidget>(), highlight);
}

}  // namespace core
}  // namespace qor

#include "core/qorcoreLabel.h"

#include "aip/qoraipColor.h"
#include "core/qorcoreDragDropPart.h"
#include "core/qorcoreHandleBridge.h"
#include "core/qorcoreTextField.h"
#include "core/qorcoreImagePart.h"
#include "core/qorcoreWidgetCallback.h"
#include "pui/qorpuiLabel.h"
#include "pui/qorpuiTextField.h"

namespace qor {
namespace core {

Label::Label() = default;

Label::Label(const Point& origin, const std::string& text, double width)
{
  adopt(new pui::Label(aip::Point(origin.x, origin.y), width, text));
}

Label::Label(const Label& other) : Widget(other) {}

Label::~Label() = default;

Label LabelWithImage(const Rect& frame, const ImageWithRolloverIDs& ids)
{
  pui::ImageIds platform;
  __IntImagePart::toPlatform(ids, platform);
  Label label;
  label.adopt(new pui::Label(aip::Rect(frame.origin.x, frame.origin.y, frame.size.width, frame.size.height), platform));
  return label;
}

pui::Label* Label::label() const
{
  return platformAs<pui::Label>();
}

Widget* Label::duplicate() const
{
  return new Label(*this);
}

Widget* Label::clone() const
{
  pui::Label* source = label();
  if (!source)
    return nullptr;
  auto* copy = new Label();
  copy->adopt(source->clone());
  return copy;
}

std::string Label::text() const
{
  pui::Label* platform = label();
  return platform ? platform->text() : std::string();
}

void Label::setText(const std::string& text)
{
  if (pui::Label* platform = label())
    platform->setText(text);
}

Label& Label::assignShared(const Label& other)
{
  shareContainer(other);
  return *this;
}

int32_t Label::justification() const
{
  pui::Label* platform = label();
  const int32_t justification = platform ? platform->justification() : 0;
  return justification >= 1 && justification <= 3 ? justification * 10 : 0;
}

void Label::setJustification(int32_t justification)
{
  if (pui::Label* platform = label())
    platform->setJustification(justification == 20 ? 2 : justification == 30 ? 3 : 1);
}

bool Label::bold() const
{
  pui::Label* platform = label();
  return platform && platform->bold();
}

void Label::setBold(bool bold)
{
  if (pui::Label* platform = label())
    platform->setBold(bold);
}

bool Label::italic() const
{
  pui::Label* platform = label();
  return platform && platform->italic();
}

void Label::setItalic(bool italic)
{
  if (pui::Label* platform = label())
    platform->setItalic(italic);
}

int32_t Label::backgroundShape() const
{
  pui::Label* platform = label();
  const int32_t shape = platform ? platform->backgroundShape() : 0;
  return shape == 10 || shape == 20 || shape == 30 ? shape : 0;
}

void Label::setBackgroundShape(int32_t shape)
{
  if (pui::Label* platform = label())
    platform->setBackgroundShape(shape == 10 || shape == 20 || shape == 30 ? shape : 0);
}

void Label::shapeColors(Color& light, Color& dark) const
{
  pui::Label* platform = label();
  if (!platform)
    return;
  aip::Color lightImpl, darkImpl;
  platform->shapeColors(lightImpl, darkImpl);
  light = wrapColor(lightImpl);
  dark = wrapColor(darkImpl);
}

void Label::setShapeColors(const Color& light, const Color& dark)
{
  if (pui::Label* platform = label())
    platform->setShapeColors(*colorImpl(light), *colorImpl(dark));
}

bool Label::textColors(Color& light, Color& dark) const
{
  pui::Label* platform = label();
  aip::Color lightImpl, darkImpl;
  if (!platform || !platform->textColors(lightImpl, darkImpl))
    return false;
  light = wrapColor(lightImpl);
  dark = wrapColor(darkImpl);
  return true;
}

void Label::setTextColors(const Color& light, const Color& dark)
{
  if (pui::Label* platform = label())
    platform->setTextColors(*colorImpl(light), *colorImpl(dark));
}

TextField* Label::attachedTextField() const
{
  pui::Label* platform = label();
  if (!platform || !platform->attachedTextField())
    return nullptr;
  return dynamic_cast<TextField*>(wrapWidget(platform->attachedTextField()));
}

void Label::setAttachedTextField(const TextField& field)
{
  pui::Label* platform = label();
  if (platform)
    platform->setAttachedTextField(dynamic_cast<pui::TextField*>(field.platform()));
}

void Label::clearAttachedTextField()
{
  if (pui::Label* platform = label())
    platform->setAttachedTextField(nullptr);
}

Panel* Label::attachedPanel() const
{
  pui::Label* platform = label();
  if (!platform || !platform->attachedPanel())
    return nullptr;
  return new Panel(wrapPanel(platform->attachedPanel()));
}

void Label::setAttachedPanel(const Window& panel)
{
  if (pui::Label* platform = label())
    platform->setAttachedPanel(panelImpl(panel));
}

void Label::clearAttachedPanel()
{
  if (pui::Label* platform = label())
    platform->setAttachedPanel(nullptr);
}

void Label::fireClick()
{
  __IntClickPart::fireClick(label());
}

Callback* Label::clickCallback() const
{
  return __IntClickPart::clickCallback(label());
}

void Label::setClickCallback(const Callback& callback)
{
  __IntClickPart::setClickCallback(label(), callback);
}

void Label::fireDoubleClick()
{
  __IntClickPart::fireDoubleClick(label());
}

Callback* Label::doubleClickCallback() const
{
  return __IntClickPart::doubleClickCallback(label());
}

void Label::setDoubleClickCallback(const Callback& callback)
{
  __IntClickPart::setDoubleClickCallback(label(), callback);
}

ImageWithRolloverIDs Label::imageIDs() const
{
  return __IntImagePart::imageIDs(label());
}

void Label::setImageIDs(const ImageWithRolloverIDs& ids)
{
  __IntImagePart::setImageIDs(label(), ids);
}

SVGWithRolloverIDs Label::svgIDs() const
{
  return __IntImagePart::svgIDs(label());
}

void Label::setSVGIDs(const SVGWithRolloverIDs& ids)
{
  __IntImagePart::setSVGIDs(label(), ids);
}

bool Label::hoverHighlight() const
{
  return __IntImagePart::hoverHighlight(label());
}

void Label::setHoverHighlight(bool highlight)
{
  __IntImagePart::setHoverHighlight(label(), highlight);
}

bool Label::isDraggable() const
{
  return __IntDragPart::isDraggable(label());
}

void Label::setDraggable(bool draggable)
{
  __IntDragPart::setDraggable(label(), draggable);
}

std::string Label::dragText() const
{
  return __IntDragPart::dragText(label());
}

void Label::setDragText(const std::string& text)
{
  __IntDragPart::setDragText(label(), text);
}

bool Label::acceptsDrops() const
{
  return __IntDropPart::acceptsDrops(label());
}

void Label::setAcceptsDrops(bool accepts)
{
  __IntDropPart::setAcceptsDrops(label(), accepts);
}

Callback* Label::dropCallback() const
{
  return __IntDropPart::dropCallback(label());
}

void Label::setDropCallback(const Callback& callback)
{
  __IntDropPart::setDropCallback(label(), callback);
}

std::string Label::dropText() const
{
  return __IntDropPart::dropText(label());
}

Point Label::dropPoint() const
{
  return __IntDropPart::dropPoint(label());
}

}  // namespace core
}  // namespace qor

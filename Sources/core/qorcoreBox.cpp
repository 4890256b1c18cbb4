#include "core/qorcoreBox.h"

#include "aip/qoraipRect.h"
#include "pui/qorpuiBox.h"

namespace qor {
namespace core {

Box::Box() = default;

Box::Box(const Rect& frame, const std::string& title)
{
  adopt(new pui::Box(aip::Rect(frame.origin.x, frame.origin.y, frame.size.width, frame.size.height), title));
}

Box::Box(const Box& other) : Widget(other) {}

Box::~Box() = default;

pui::Box* Box::box() const
{
  return platformAs<pui::Box>();
}

Widget* Box::duplicate() const
{
  return new Box(*this);
}

Widget* Box::clone() const
{
  pui::Box* source = box();
  if (!source)
    return nullptr;
  auto* copy = new Box();
  copy->adopt(source->clone());
  return copy;
}

WidgetType Box::type() const
{
  return BoxWidgetType;
}

std::string Box::text() const
{
  pui::Box* platform = box();
  return platform ? platform->text() : std::string();
}

void Box::setText(const std::string& text)
{
  if (pui::Box* platform = box())
    platform->setText(text);
}

bool Box::isEnabled() const
{
  pui::Box* platform = box();
  return platform && platform->enabled();
}

void Box::setEnabled(bool enabled)
{
  if (pui::Box* platform = box())
    platform->setEnabled(enabled);
}

Box& Box::assignShared(const Box& other)
{
  shareContainer(other);
  return *this;
}

}  // namespace core
}  // namespace qor

#include "core/qorcoreCheckbox.h"

#include "core/qorcoreWidgetCallback.h"
#include "pui/qorpuiCheckbox.h"

namespace qorcoreCheckbox_detail {

int32_t platformState(int32_t state)
{
  return state == -1 || state == 1 ? state : 0;
}

}  // namespace qorcoreCheckbox_detail

namespace qor {
namespace core {

Checkbox::Checkbox() = default;

Checkbox::Checkbox(const Point& origin, const std::string& text, double width, int32_t state)
{
  adopt(new pui::Checkbox(aip::Point(origin.x, origin.y), width, text, qorcoreCheckbox_detail::platformState(state)));
}

Checkbox::Checkbox(const Checkbox& other) : Widget(other) {}

Checkbox::~Checkbox() = default;

pui::Checkbox* Checkbox::box() const
{
  return platformAs<pui::Checkbox>();
}

Widget* Checkbox::duplicate() const
{
  return new Checkbox(*this);
}

Widget* Checkbox::clone() const
{
  pui::Checkbox* source = box();
  if (!source)
    return nullptr;
  auto* copy = new Checkbox();
  copy->adopt(source->clone());
  return copy;
}

Checkbox& Checkbox::assignShared(const Checkbox& other)
{
  shareContainer(other);
  return *this;
}

int32_t Checkbox::state() const
{
  pui::Checkbox* platform = box();
  return platform ? qorcoreCheckbox_detail::platformState(platform->state()) : 0;
}

void Checkbox::setState(int32_t state)
{
  if (pui::Checkbox* platform = box())
    platform->setState(qorcoreCheckbox_detail::platformState(state));
}

void Checkbox::setOn(bool on)
{
  if (pui::Checkbox* platform = box())
    platform->setOn(on);
}

void Checkbox::fireClick()
{
  __IntClickPart::fireClick(box());
}

Callback* Checkbox::clickCallback() const
{
  return __IntClickPart::clickCallback(box());
}

void Checkbox::setClickCallback(const Callback& callback)
{
  __IntClickPart::setClickCallback(box(), callback);
}

}  // namespace core
}  // namespace qor

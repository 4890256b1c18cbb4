#include "core/qorcoreTextField.h"

#include <algorithm>

#include "aip/qoraipHostStrings.h"
#include "core/qorcoreDragDropPart.h"
#include "core/qorcoreLabel.h"
#include "core/qorcoreWidgetCallback.h"
#include "pui/qorpuiLabel.h"
#include "pui/qorpuiTextField.h"

namespace qorcoreTextField_detail {

// The byte length of the UTF-8 sequence a lead byte starts; 0 for a byte inside a sequence.
int sequenceLength(unsigned char lead)
{
  if (lead < 0x80)
    return 1;
  if ((lead & 0xE0) == 0xC0)
    return 2;
  if ((lead & 0xF0) == 0xE0)
    return 3;
  if ((lead & 0xF8) == 0xF0)
    return 4;
  return 0;
}

// The UTF-16 units of the UTF-8 text before a byte offset; -1 when the offset is inside a character.
// Characters outside the basic plane take two units, as in the edit control.
int32_t unitsBefore(const std::string& text, size_t offset)
{
  int32_t units = 0;
  size_t at = 0;
  while (at < offset && at < text.size()) {
    const int n = sequenceLength(static_cast<unsigned char>(text[at]));
    if (n == 0)
      return -1;
    units += n == 4 ? 2 : 1;
    at += static_cast<size_t>(n);
  }
  return at == offset ? units : -1;
}

// The UTF-8 bytes of the first `units` UTF-16 units of the text (a unit count inside a surrogate pair
// takes the whole character).
int32_t bytesBefore(const std::string& text, int32_t units)
{
  size_t at = 0;
  int32_t counted = 0;
  while (counted < units && at < text.size()) {
    int n = sequenceLength(static_cast<unsigned char>(text[at]));
    if (n == 0)
      n = 1;
    counted += n == 4 ? 2 : 1;
    at += static_cast<size_t>(n);
  }
  return static_cast<int32_t>(std::min(at, text.size()));
}

}  // namespace qorcoreTextField_detail

namespace qor {
namespace core {

TextField::TextField() = default;

TextField::TextField(const Point& origin, const std::string& text, double width)
{
  adopt(new pui::TextField(aip::Point(origin.x, origin.y), width, text));
}

TextField::TextField(const TextField& other) : Widget(other) {}

TextField::~TextField() = default;

pui::TextField* TextField::field() const
{
  return platformAs<pui::TextField>();
}

Widget* TextField::duplicate() const
{
  return new TextField(*this);
}

Widget* TextField::clone() const
{
  pui::TextField* source = field();
  if (!source)
    return nullptr;
  auto* copy = new TextField();
  copy->adopt(source->cloneField());
  return copy;
}

TextField& TextField::assignShared(const TextField& other)
{
  shareContainer(other);
  return *this;
}

int32_t TextField::justification() const
{
  pui::TextField* platform = field();
  const int32_t justification = platform ? platform->justification() : 0;
  return justification >= 1 && justification <= 3 ? justification * 10 : 0;
}

void TextField::setJustification(int32_t justification)
{
  if (pui::TextField* platform = field())
    platform->setJustification(justification == 20 ? 2 : justification == 30 ? 3 : 1);
}

bool TextField::bold() const
{
  pui::TextField* platform = field();
  return platform && platform->bold();
}

void TextField::setBold(bool bold)
{
  if (pui::TextField* platform = field())
    platform->setBold(bold);
}

bool TextField::italic() const
{
  pui::TextField* platform = field();
  return platform && platform->italic();
}

void TextField::setItalic(bool italic)
{
  if (pui::TextField* platform = field())
    platform->setItalic(italic);
}

Label* TextField::attachedLabel() const
{
  pui::TextField* platform = field();
  if (!platform || !platform->attachedLabel())
    return nullptr;
  return dynamic_cast<Label*>(wrapWidget(platform->attachedLabel()));
}

void TextField::setAttachedLabel(const Label& label)
{
  pui::TextField* platform = field();
  auto* partner = dynamic_cast<pui::Label*>(label.platform());
  if (platform && partner)
    platform->setAttachedLabel(partner);
}

void TextField::clearAttachedLabel()
{
  if (pui::TextField* platform = field())
    platform->setAttachedLabel(nullptr);
}

bool TextField::selection(int32_t& start, int32_t& length) const
{
  using namespace qorcoreTextField_detail;
  int32_t unitStart = 0, unitLength = 0;
  if (!selectionInChars(unitStart, unitLength))
    return false;
  const std::string text = this->text();
  const int32_t from = bytesBefore(text, unitStart);
  start = from;
  length = bytesBefore(text, unitStart + unitLength) - from;
  return true;
}

void TextField::setSelection(int32_t start, int32_t length)
{
  using namespace qorcoreTextField_detail;
  if (!field() || start < 0 || length < 0)
    return;
  const std::string text = this->text();
  if (static_cast<size_t>(start) > text.size())
    return;
  const int32_t from = unitsBefore(text, static_cast<size_t>(start));
  if (from < 0)
    return;
  const size_t end = static_cast<size_t>(start) + static_cast<size_t>(length);
  int32_t to = from;
  if (end <= text.size()) {
    to = unitsBefore(text, end);
    if (to < 0)
      return;
  }
  setSelectionInChars(from, to - from);
}

bool TextField::selectionInChars(int32_t& start, int32_t& length) const
{
  pui::TextField* platform = field();
  return platform && platform->selection(start, length);
}

void TextField::setSelectionInChars(int32_t start, int32_t length)
{
  if (pui::TextField* platform = field())
    platform->setSelection(start, length);
}

std::string TextField::lastTypedText() const
{
  pui::TextField* platform = field();
  return platform ? platform->lastTypedText() : std::string();
}

void TextField::fireValueChanging()
{
  if (pui::TextField* platform = field())
    platform->fireValueChanging();
}

Callback* TextField::valueChangingCallback() const
{
  pui::TextField* platform = field();
  return platform ? clientCallback(platform->valueChangingCallback()) : nullptr;
}

void TextField::setValueChangingCallback(const Callback& callback)
{
  if (pui::TextField* platform = field())
    platform->setValueChangingCallback(platformCallback(&callback));
}

void TextField::fireValueChanged()
{
  if (pui::TextField* platform = field())
    platform->fireValueChanged();
}

Callback* TextField::valueChangedCallback() const
{
  pui::TextField* platform = field();
  return platform ? clientCallback(platform->valueChangedCallback()) : nullptr;
}

void TextField::setValueChangedCallback(const Callback& callback)
{
  if (pui::TextField* platform = field())
    platform->setValueChangedCallback(platformCallback(&callback));
}

bool TextField::acceptsDrops() const
{
  return __IntDropPart::acceptsDrops(field());
}

void TextField::setAcceptsDrops(bool accepts)
{
  __IntDropPart::setAcceptsDrops(field(), accepts);
}

Callback* TextField::dropCallback() const
{
  return __IntDropPart::dropCallback(field());
}

void TextField::setDropCallback(const Callback& callback)
{
  __IntDropPart::setDropCallback(field(), callback);
}

std::string TextField::dropText() const
{
  return __IntDropPart::dropText(field());
}

Point TextField::dropPoint() const
{
  return __IntDropPart::dropPoint(field());
}

}  // namespace core
}  // namespace qor

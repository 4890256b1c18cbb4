#include "core/qorcoreTextView.h"

#include <algorithm>

#include "aip/qoraipRect.h"
#include "core/qorcoreLabel.h"
#include "core/qorcoreTextField.h"
#include "core/qorcoreWidgetCallback.h"
#include "pui/qorpuiLabel.h"
#include "pui/qorpuiTextView.h"
#include "utils/qorutilsStrings.h"

namespace qorcoreTextView_detail {

// Byte offsets between the view's text (LF) and the control's (CR LF), where every line end is one
// character more.
int32_t toControlBytes(const std::string& lf, int32_t offset)
{
  const auto end = lf.begin() + std::min<size_t>(static_cast<size_t>(std::max(offset, 0)), lf.size());
  return offset + static_cast<int32_t>(std::count(lf.begin(), end, '\n'));
}

int32_t toViewBytes(const std::string& crlf, int32_t offset)
{
  const auto end = crlf.begin() + std::min<size_t>(static_cast<size_t>(std::max(offset, 0)), crlf.size());
  return offset - static_cast<int32_t>(std::count(crlf.begin(), end, '\r'));
}

}  // namespace qorcoreTextView_detail

namespace qor {
namespace core {

TextView::TextView() = default;

TextView::TextView(const Rect& frame, const std::string& text, bool editable)
{
  adopt(new pui::TextView(aip::Rect(frame.origin.x, frame.origin.y, frame.size.width, frame.size.height), text,
                          editable));
}

TextView::TextView(const TextView& other) : Widget(other) {}

TextView::~TextView() = default;

pui::TextView* TextView::view() const
{
  return platformAs<pui::TextView>();
}

Widget* TextView::duplicate() const
{
  return new TextView(*this);
}

Widget* TextView::clone() const
{
  pui::TextView* source = view();
  if (!source)
    return nullptr;
  auto* copy = new TextView();
  copy->adopt(source->cloneView());
  return copy;
}

TextView& TextView::assignShared(const TextView& other)
{
  shareContainer(other);
  return *this;
}

bool TextView::editable() const
{
  pui::TextView* platform = view();
  return platform && platform->editable();
}

int32_t TextView::justification() const
{
  pui::TextView* platform = view();
  const int32_t justification = platform ? platform->justification() : 0;
  return justification >= 1 && justification <= 3 ? justification * 10 : 0;
}

void TextView::setJustification(int32_t justification)
{
  if (pui::TextView* platform = view())
    platform->setJustification(justification == 20 ? 2 : justification == 30 ? 3 : 1);
}

bool TextView::bold() const
{
  pui::TextView* platform = view();
  return platform && platform->bold();
}

void TextView::setBold(bool bold)
{
  if (pui::TextView* platform = view())
    platform->setBold(bold);
}

bool TextView::italic() const
{
  pui::TextView* platform = view();
  return platform && platform->italic();
}

void TextView::setItalic(bool italic)
{
  if (pui::TextView* platform = view())
    platform->setItalic(italic);
}

Label* TextView::attachedLabel() const
{
  pui::TextView* platform = view();
  if (!platform || !platform->attachedLabel())
    return nullptr;
  return dynamic_cast<Label*>(wrapWidget(platform->attachedLabel()));
}

void TextView::setAttachedLabel(const Label& label)
{
  pui::TextView* platform = view();
  auto* partner = dynamic_cast<pui::Label*>(label.platform());
  if (platform && partner)
    platform->setAttachedLabel(partner);
}

void TextView::clearAttachedLabel()
{
  if (pui::TextView* platform = view())
    platform->setAttachedLabel(nullptr);
}

bool TextView::selection(int32_t& start, int32_t& length) const
{
  using namespace qorcoreTextView_detail;
  int32_t from = 0, count = 0;
  if (!selectionInChars(from, count))
    return false;
  // Counted in the control's text, whose line ends are CR LF, then without the CRs.
  const std::string crlf = utils::replaceAll(text(), "\n", "\r\n");
  selectionToBytes(crlf, from, count);
  start = toViewBytes(crlf, from);
  length = toViewBytes(crlf, from + count) - start;
  return true;
}

void TextView::setSelection(int32_t start, int32_t length)
{
  using namespace qorcoreTextView_detail;
  if (!view() || start < 0 || length < 0)
    return;
  const std::string lf = text();
  if (static_cast<size_t>(start) > lf.size())
    return;
  const std::string crlf = utils::replaceAll(lf, "\n", "\r\n");
  const int32_t from = toControlBytes(lf, start);
  const int64_t end = static_cast<int64_t>(start) + length;
  // An end past the text stays past it.
  const int32_t to = end <= static_cast<int64_t>(lf.size()) ? toControlBytes(lf, static_cast<int32_t>(end))
                                                            : static_cast<int32_t>(crlf.size()) + 1;
  int32_t unitStart = from, unitLength = to - from;
  if (selectionToUnits(crlf, unitStart, unitLength))
    setSelectionInChars(unitStart, unitLength);
}

bool TextView::selectionInChars(int32_t& start, int32_t& length) const
{
  pui::TextView* platform = view();
  return platform && platform->selection(start, length);
}

void TextView::setSelectionInChars(int32_t start, int32_t length)
{
  if (pui::TextView* platform = view())
    platform->setSelection(start, length);
}

std::string TextView::lastTypedText() const
{
  pui::TextView* platform = view();
  return platform ? platform->lastTypedText() : std::string();
}

void TextView::fireValueChanging()
{
  if (pui::TextView* platform = view())
    platform->fireValueChanging();
}

Callback* TextView::valueChangingCallback() const
{
  pui::TextView* platform = view();
  return platform ? clientCallback(platform->valueChangingCallback()) : nullptr;
}

void TextView::setValueChangingCallback(const Callback& callback)
{
  if (pui::TextView* platform = view())
    platform->setValueChangingCallback(platformCallback(&callback));
}

void TextView::fireValueChanged()
{
  if (pui::TextView* platform = view())
    platform->fireValueChanged();
}

Callback* TextView::valueChangedCallback() const
{
  pui::TextView* platform = view();
  return platform ? clientCallback(platform->valueChangedCallback()) : nullptr;
}

void TextView::setValueChangedCallback(const Callback& callback)
{
  if (pui::TextView* platform = view())
    platform->setValueChangedCallback(platformCallback(&callback));
}

}  // namespace core
}  // namespace qor

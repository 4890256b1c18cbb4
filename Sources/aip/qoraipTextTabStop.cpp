#include "aip/qoraipTextTabStop.h"

#include <vector>

#include "aip/qoraipHostStrings.h"

namespace qor {
namespace aip {

std::string TextTabStop::getTabStopAttribute9() const
{
  std::vector<char16_t> buffer(512, 0);
  wrapper_.getAttribute9(buffer.data(), 511);
  return hostStringToUtf8(ai::HostUnicodeString(buffer.data()));
}

// All the UTF-16 units of the text are passed, also beyond the plane of 16-bit characters.
void TextTabStop::setTabStopAttribute9(const std::string& utf8)
{
  std::u16string text = utf8ToHostString(utf8).toWString();
  wrapper_.setAttribute9(text.c_str());
}

std::string TextTabStop::getTabStopAttribute11() const
{
  char16_t text[2] = {wrapper_.getAttribute11(), 0};
  return hostStringToUtf8(ai::HostUnicodeString(text));
}

void TextTabStop::setTabStopAttribute11(const std::string& utf8)
{
  if (utf8.empty())
    return;
  std::u16string text = utf8ToHostString(utf8).toWString();
  if (!text.empty())
    wrapper_.setAttribute11(text[0]);
}

void TextTabStopSet::add(const TextTabStop* stop)
{
  if (stop)
    wrapper_.add(stop->ateTabStop());
}

TextTabStop* TextTabStopSet::item(int32_t index) const
{
  if (index < 0 || index >= size())
    return nullptr;
  ATE::ITabStop stop = wrapper_.item(index);
  return stop.isNull() ? nullptr : TextTabStop::getTextTabStop(stop.ref());
}

void TextTabStopSet::remove(int32_t index)
{
  if (index >= 0 && index < size())
    wrapper_.remove(index);
}

}  // namespace aip
}  // namespace qor

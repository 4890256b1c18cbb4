#include "sdk/qorATEITextRange.h"

namespace ATE {

int32_t ITextRange::getStart() const
{
  int32_t start = 0;
  call(&AteTextRangeSuite::getStart, &start);
  return start;
}

void ITextRange::setStart(int32_t start) { call(&AteTextRangeSuite::setStart, start); }

int32_t ITextRange::getEnd() const
{
  int32_t end = 0;
  call(&AteTextRangeSuite::getEnd, &end);
  return end;
}

void ITextRange::setEnd(int32_t end) { call(&AteTextRangeSuite::setEnd, end); }

int32_t ITextRange::getCharacterCount() const
{
  int32_t count = 0;
  call(&AteTextRangeSuite::getCharacterCount, &count);
  return count;
}

void ITextRange::setRange(int32_t start, int32_t end) { call(&AteTextRangeSuite::setRange, start, end); }

int32_t ITextRange::position37(int32_t value) const
{
  int32_t out = 0;
  call(&AteTextRangeSuite::position37, value, &out);
  return out;
}

int32_t ITextRange::getContents(char16_t* buffer, int32_t capacity) const
{
  int32_t count = 0;
  call(&AteTextRangeSuite::getContents, buffer, capacity, &count);
  return count;
}

}  // namespace ATE

// A text-engine range: a span of characters of one story ("ATE TextRange Suite").
#pragma once

#include "sdk/qorATEWrapper.h"

namespace ATE {

class ITextRange : public Wrapper<AteTextRangeSuite, AteTextRangeRef, kAteSuiteTextRange>
{
public:
  using Wrapper::Wrapper;

  int32_t getStart() const;
  void setStart(int32_t start);
  int32_t getEnd() const;
  void setEnd(int32_t end);
  // UTF-16 units.
  int32_t getCharacterCount() const;
  // Narrows the range to the characters start to end, end exclusive.
  void setRange(int32_t start, int32_t end);
  int32_t position37(int32_t value) const;
  // Copies at most capacity units into the buffer (no terminator); the count copied.
  int32_t getContents(char16_t* buffer, int32_t capacity) const;
};

}  // namespace ATE

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
  void position36(int32_t value);
  int32_t position37(int32_t value) const;
  ITextRange position38() const;
  // Zero-terminated UTF-16 text.
  bool position18(const char16_t* text);
  bool position19(const char16_t* text);
  void position39(const char16_t* text);
  void position40(const char16_t* text);
  void position41(const ITextRange& other);
  void position42(const ITextRange& other);
  void position20();
  void position21();
  void position30();
  void position33();
  void position49();
  void position50();
  bool position24() const;
  bool position25() const;
  void position46(bool flag);
  void position48(int32_t value);
  // Copies at most capacity units into the buffer (no terminator); the count copied.
  int32_t getContents(char16_t* buffer, int32_t capacity) const;
};

}  // namespace ATE

#include "sdk/qorATEITextRange.h"

namespace ATE {

int32_t ITextRange::getStart() const
{
  return callFor<int32_t>(&AteTextRangeSuite::getStart);
}

void ITextRange::setStart(int32_t start) { call(&AteTextRangeSuite::setStart, start); }

int32_t ITextRange::getEnd() const
{
  return callFor<int32_t>(&AteTextRangeSuite::getEnd);
}

void ITextRange::setEnd(int32_t end) { call(&AteTextRangeSuite::setEnd, end); }

int32_t ITextRange::getCharacterCount() const
{
  return callFor<int32_t>(&AteTextRangeSuite::getCharacterCount);
}

void ITextRange::setRange(int32_t start, int32_t end) { call(&AteTextRangeSuite::setRange, start, end); }

int32_t ITextRange::position37(int32_t value) const
{
  return callFor<int32_t>(&AteTextRangeSuite::position37, value);
}

void ITextRange::position36(int32_t value) { call(&AteTextRangeSuite::position36, value); }

ITextRange ITextRange::position38() const
{
  return ITextRange(callFor<AteTextRangeRef>(&AteTextRangeSuite::position38));
}

bool ITextRange::position18(const char16_t* text)
{
  return callFor<bool8>(&AteTextRangeSuite::position18, text) != 0;
}

bool ITextRange::position19(const char16_t* text)
{
  return callFor<bool8>(&AteTextRangeSuite::position19, text) != 0;
}

void ITextRange::position39(const char16_t* text) { call(&AteTextRangeSuite::position39, text, int32_t(-1)); }
void ITextRange::position40(const char16_t* text) { call(&AteTextRangeSuite::position40, text, int32_t(-1)); }
void ITextRange::position41(const ITextRange& other) { call(&AteTextRangeSuite::position41, other.ref()); }
void ITextRange::position42(const ITextRange& other) { call(&AteTextRangeSuite::position42, other.ref()); }
void ITextRange::position20() { call(&AteTextRangeSuite::position20); }
void ITextRange::position21() { call(&AteTextRangeSuite::position21); }
void ITextRange::position30() { call(&AteTextRangeSuite::position30); }
void ITextRange::position33() { call(&AteTextRangeSuite::position33); }
void ITextRange::position49() { call(&AteTextRangeSuite::position49); }
void ITextRange::position50() { call(&AteTextRangeSuite::position50); }

bool ITextRange::position24() const
{
  return callFor<bool8>(&AteTextRangeSuite::position24) != 0;
}

bool ITextRange::position25() const
{
  return callFor<bool8>(&AteTextRangeSuite::position25) != 0;
}

void ITextRange::position46(bool flag) { call(&AteTextRangeSuite::position46, bool8(flag ? 1 : 0)); }
void ITextRange::position48(int32_t value) { call(&AteTextRangeSuite::position48, value); }

int32_t ITextRange::getContents(char16_t* buffer, int32_t capacity) const
{
  return callFor<int32_t>(&AteTextRangeSuite::getContents, buffer, capacity);
}

}  // namespace ATE

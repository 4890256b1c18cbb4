#include "sdk/qoraiHostUnicodeString.h"

#include <cstring>

#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"
#include "sdk/qoraiError.h"
#include "sdk/qoraiSPBlockBuffer.h"
#include "sdk/qoraiWCHARStr.h"

namespace ai {

namespace qoraiHostUnicodeString_detail {
const UnicodeStringSuite* suite()
{
  using namespace qor::aip;
  if (!acquireSuite(unicodeStringSuite, kUnicodeStringSuiteName, kUnicodeStringSuiteVersion))
    throw Error(kHostErrNotFound);
  return unicodeStringSuite;
}
}  // namespace qoraiHostUnicodeString_detail



HostUnicodeString::HostUnicodeString(const std::string& bytes, int32_t encoding)
{
  throwIfError(qoraiHostUnicodeString_detail::suite()->initStringFromBytes(&string, bytes.data(), static_cast<int32_t>(bytes.size()), encoding));
}

HostUnicodeString::HostUnicodeString(const char* text, int32_t encoding)
{
  if (!text)
    return;
  throwIfError(qoraiHostUnicodeString_detail::suite()->initStringFromBytes(&string, text, static_cast<int32_t>(std::strlen(text)), encoding));
}

HostUnicodeString::HostUnicodeString(const char16_t* text)
{
  if (!text)
    return;
  throwIfError(qoraiHostUnicodeString_detail::suite()->initStringFromUtf16(&string, text, -1));
}

HostUnicodeString::HostUnicodeString(const WCHARStr& text)
{
  throwIfError(qoraiHostUnicodeString_detail::suite()->initStringFromUtf16(&string, text.as_WCHARStr(), -1));
}

HostUnicodeString::HostUnicodeString(int32_t count, uint32_t codePoint)
{
  if (count == 0)
    return;
  throwIfError(qoraiHostUnicodeString_detail::suite()->initStringRepeated(&string, count, codePoint));
}

HostUnicodeString::HostUnicodeString(HostUnicodeString&& other) noexcept : string(other.string)
{
  other.string = nullptr;
}

HostUnicodeString& HostUnicodeString::operator=(HostUnicodeString&& other) noexcept
{
  if (this != &other) {
    destroy();
    string = other.string;
    other.string = nullptr;
  }
  return *this;
}

HostUnicodeString::~HostUnicodeString()
{
  destroy();
}

void HostUnicodeString::destroy()
{
  if (string && qor::aip::unicodeStringSuite)
    qor::aip::unicodeStringSuite->destroyString(&string);
  string = nullptr;
}

HostString* HostUnicodeString::resetAndGetAddress()
{
  destroy();
  return &string;
}

HostUnicodeString& HostUnicodeString::append(const HostUnicodeString& other)
{
  throwIfError(qoraiHostUnicodeString_detail::suite()->appendString(&string, other.string));
  return *this;
}

uint32_t HostUnicodeString::at(int32_t index) const
{
  uint32_t codePoint = 0;
  throwIfError(qoraiHostUnicodeString_detail::suite()->getCodePointAt(string, index, &codePoint));
  return codePoint;
}

int32_t HostUnicodeString::length() const
{
  if (!string)
    return 0;
  return qoraiHostUnicodeString_detail::suite()->getStringLength(string);
}

std::u16string HostUnicodeString::toWString() const
{
  using namespace qor::aip;
  if (!string || !acquireSuite(unicodeStringSuite, kUnicodeStringSuiteName, kUnicodeStringSuiteVersion))
    return std::u16string();
  const char16_t* units = nullptr;
  int32_t count = unicodeStringSuite->getStringUtf16(string, &units);
  if (!units || count <= 0)
    return std::u16string();
  return std::u16string(units, static_cast<size_t>(count));
}

std::string HostUnicodeString::toStdString(int32_t encoding) const
{
  // A null handle is the empty string; the host is not asked.
  if (!string)
    return std::string();
  SPBlockBuffer buffer;
  int32_t byteCount = 0;
  throwIfError(qoraiHostUnicodeString_detail::suite()->getStringBytes(string, encoding, buffer.record(), &byteCount));
  if (byteCount <= 0 || !buffer.data())
    return std::string();
  return std::string(buffer.data(), static_cast<size_t>(byteCount));
}

WCHARStr HostUnicodeString::asWCHARStr() const
{
  return WCHARStr(*this);
}

WCHARStr::WCHARStr(const HostUnicodeString& text) : text(text.toWString()) {}

WCHARStr::WCHARStr(const char16_t* text)
{
  if (text)
    this->text = text;
}

}  // namespace ai

// A host Unicode string object: the framework's UTF-8, UTF-16 and UTF-32 text crosses to the
// host through it. Owns its host object, so it moves but never copies.
#pragma once

#include <cstdint>
#include <string>

#include "hostapi/HostApi.h"

namespace ai {

class WCHARStr;

class HostUnicodeString
{
public:
  // Encoding codes of the host: UTF-8, and the host's platform 8-bit encoding.
  static constexpr int32_t kUtf8 = 1;
  static constexpr int32_t kPlatform = 0;

  HostUnicodeString() = default;
  // All bytes, embedded zero bytes included.
  HostUnicodeString(const std::string& bytes, int32_t encoding);
  // Up to the first zero byte; a null text gives an empty string.
  HostUnicodeString(const char* text, int32_t encoding);
  explicit HostUnicodeString(const char16_t* text);
  explicit HostUnicodeString(const WCHARStr& text);
  HostUnicodeString(int32_t count, uint32_t codePoint);
  HostUnicodeString(HostUnicodeString&& other) noexcept;
  HostUnicodeString& operator=(HostUnicodeString&& other) noexcept;
  HostUnicodeString(const HostUnicodeString&) = delete;
  HostUnicodeString& operator=(const HostUnicodeString&) = delete;
  ~HostUnicodeString();

  HostUnicodeString& append(const HostUnicodeString& other);
  uint32_t at(int32_t index) const;
  int32_t length() const;
  std::u16string toWString() const;
  std::string toStdString(int32_t encoding) const;
  std::string toUtf8() const { return toStdString(kUtf8); }
  std::string toDefaultString() const { return toStdString(kPlatform); }
  WCHARStr asWCHARStr() const;

  HostString handle() const { return string; }
  // The address the host writes a new string into; the old object is destroyed first.
  HostString* resetAndGetAddress();

private:
  void destroy();

  HostString string = nullptr;
};

}  // namespace ai

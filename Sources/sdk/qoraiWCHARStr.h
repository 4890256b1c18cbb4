// A UTF-16 text in the host SDK's wide-string form.
#pragma once

#include <string>

namespace ai {

class HostUnicodeString;

class WCHARStr
{
public:
  WCHARStr() = default;
  explicit WCHARStr(const HostUnicodeString& text);
  // Up to the first zero unit.
  explicit WCHARStr(const char16_t* text);
  virtual ~WCHARStr() = default;

  const char16_t* as_WCHARStr() const { return text.c_str(); }
  const std::u16string& str() const { return text; }

private:
  std::u16string text;
};

}  // namespace ai

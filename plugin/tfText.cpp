#include "tfText.h"

#include <cmath>
#include <cstdio>

#include "aip/qoraipSuitePointers.h"
#include "panelJoinDrivers.h"
#include "sdk/qoraiHostUnicodeString.h"

namespace tf {

namespace tfText_detail {

// The host's own rule, for when there is no user suite to ask.
std::string formatLocally(double value, int decimals)
{
  if (!std::isfinite(value))
    return std::string();
  char buffer[400];
  std::snprintf(buffer, sizeof(buffer), "%.*f", decimals, value);
  std::string text = buffer;
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0')
      text.pop_back();
    if (text.back() == '.')
      text.pop_back();
  }
  return text == "-0" ? "0" : text;
}

}  // namespace tfText_detail

std::string formatReal(double value, int16_t precision)
{
  const int decimals = static_cast<uint16_t>(precision) > 4 ? 4 : static_cast<uint16_t>(precision);
  // The client's pointer exists only from start-up on; the host-version check runs before it.
  const UserSuite* suite = panel::userSuite ? panel::userSuite : qor::aip::userSuite;
  if (suite && qor::aip::unicodeStringSuite) {
    ai::HostUnicodeString text;
    if (suite->numberToText(value, decimals, text.resetAndGetAddress()) == 0 && text.handle())
      return text.toDefaultString();
  }
  return tfText_detail::formatLocally(value, decimals);
}

std::string replaceAll(const std::string& text, const std::string& from, const std::string& to)
{
  if (from.empty())
    return text;
  std::string result = text;
  size_t position = 0;
  while ((position = result.find(from, position)) != std::string::npos) {
    result.replace(position, from.size(), to);
    position += to.size();
  }
  return result;
}

}  // namespace tf

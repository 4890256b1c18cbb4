#include "tfText.h"

#include <charconv>
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

// The host's reading: white space around the number, and one "+" before it, are allowed.
bool parseLocally(const std::string& text, double& value)
{
  auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
  size_t begin = 0, end = text.size();
  while (begin < end && isSpace(text[begin]))
    ++begin;
  while (end > begin && isSpace(text[end - 1]))
    --end;
  if (begin < end && text[begin] == '+' && (end - begin == 1 || text[begin + 1] != '-'))
    ++begin;
  double parsed = 0;
  auto [ptr, error] = std::from_chars(text.data() + begin, text.data() + end, parsed, std::chars_format::general);
  if (begin == end || error != std::errc() || ptr != text.data() + end || !std::isfinite(parsed))
    return false;
  value = parsed;
  return true;
}

}  // namespace tfText_detail

bool textToNumber(const std::string& text, double& value)
{
  const UserSuite* suite = panel::userSuite ? panel::userSuite : qor::aip::userSuite;
  if (!suite || !qor::aip::unicodeStringSuite)
    return tfText_detail::parseLocally(text, value);
  // A text the host cannot take (not UTF-8) is no number either.
  ai::HostUnicodeString host;
  try {
    host = ai::HostUnicodeString(text, ai::HostUnicodeString::kPlatform);
  } catch (...) {
    return false;
  }
  double parsed = 0.0;
  if (suite->textToNumber(host.handle(), &parsed) != 0 || !std::isfinite(parsed))
    return false;
  value = parsed;
  return true;
}

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

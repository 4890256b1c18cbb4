#include "hostsimUser.h"

#include "hostapi/UserSuite.h"
#include "hostsimEncoding.h"
#include "hostsimUnicodeStrings.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>

namespace hostsim {

User::Progress& User::current()
{
  if (runs_.empty() || runs_.back().closed)
    runs_.emplace_back();
  return runs_.back();
}

bool User::isCancelled()
{
  Progress& progress = current();
  if (cancelAfterUpdates >= 0 && progress.updates >= cancelAfterUpdates)
    progress.cancelled = true;
  return progress.cancelled;
}

void User::update(int32_t value, int32_t maximum)
{
  Progress& progress = current();
  progress.current = value;
  progress.maximum = maximum;
  ++progress.updates;
  if (onProgress)
    onProgress(progress);
}

void User::setText(std::string text)
{
  Progress& progress = current();
  progress.text = std::move(text);
  if (onProgress)
    onProgress(progress);
}

void User::close()
{
  Progress& progress = current();
  progress.closed = true;
  if (onProgress)
    onProgress(progress);
}

bool User::parseNumber(const std::u16string& text, double& value)
{
  std::string bytes = utf16ToUtf8(text);
  auto isSpace = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
  size_t begin = 0, end = bytes.size();
  while (begin < end && isSpace(bytes[begin]))
    ++begin;
  while (end > begin && isSpace(bytes[end - 1]))
    --end;
  if (begin < end && bytes[begin] == '+' && (end - begin == 1 || bytes[begin + 1] != '-'))
    ++begin;
  const char* first = bytes.data() + begin;
  const char* last = bytes.data() + end;
  double parsed = 0;
  auto [ptr, error] = std::from_chars(first, last, parsed, std::chars_format::general);
  if (begin == end || error != std::errc() || ptr != last || !std::isfinite(parsed))
    return false;
  value = parsed;
  return true;
}

std::string User::formatNumber(double value, int32_t decimals)
{
  decimals = std::clamp(decimals, 0, 4);
  char buffer[400];
  std::snprintf(buffer, sizeof(buffer), "%.*f", int(decimals), value);
  std::string text = buffer;
  if (text.find('.') != std::string::npos) {
    while (text.back() == '0')
      text.pop_back();
    if (text.back() == '.')
      text.pop_back();
  }
  if (text == "-0")
    text = "0";
  return text;
}

namespace hostsimUser_detail {

User& user()
{
  return HostApp::instance().area<User>();
}

int32_t isProgressCancelled()
{
  return user().isCancelled() ? 1 : 0;
}

HostErr updateProgress(int32_t current, int32_t maximum)
{
  user().update(current, maximum);
  return kHostNoErr;
}

HostErr setProgressText(HostString text)
{
  std::u16string units;
  if (!HostApp::instance().area<UnicodeStrings>().read(text, units))
    return kHostErrBadParameter;
  user().setText(utf16ToUtf8(units));
  return kHostNoErr;
}

HostErr closeProgress()
{
  user().close();
  return kHostNoErr;
}

HostErr textToNumber(HostString text, double* outValue)
{
  std::u16string units;
  if (!outValue || !HostApp::instance().area<UnicodeStrings>().read(text, units))
    return kHostErrBadParameter;
  if (!User::parseNumber(units, *outValue)) {
    *outValue = 0.0;
    return kHostErrBadParameter;
  }
  return kHostNoErr;
}

HostErr numberToText(double value, int32_t decimals, HostString* outText)
{
  if (!std::isfinite(value))
    return kHostErrBadParameter;
  return HostApp::instance().area<UnicodeStrings>().writeUtf8(outText, User::formatNumber(value, decimals));
}

void install(HostApp& app)
{
  app.area<User>();
  auto& suite = app.publishSuite<UserSuite>(kUserSuiteName, kUserSuiteVersion);
  suite.isProgressCancelled = &isProgressCancelled;
  suite.updateProgress = &updateProgress;
  suite.setProgressText = &setProgressText;
  suite.closeProgress = &closeProgress;
  suite.textToNumber = &textToNumber;
  suite.numberToText = &numberToText;
}

const AreaInstaller installer(10, &install);

} // namespace hostsimUser_detail

} // namespace hostsim

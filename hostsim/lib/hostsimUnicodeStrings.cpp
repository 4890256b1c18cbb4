#include "hostsimUnicodeStrings.h"

#include "hostapi/UnicodeStringSuite.h"
#include "hostsimBlocks.h"
#include "hostsimEncoding.h"

#include <cstring>
#include <ostream>

namespace hostsim {

HostString UnicodeStrings::create(std::u16string text)
{
  HostString handle = app_.mintHandle<HostString>();
  strings_.add(handle, std::move(text));
  return handle;
}

bool UnicodeStrings::read(HostString string, std::u16string& text) const
{
  if (!string) {
    text.clear();
    return true;
  }
  const std::u16string* stored = strings_.find(string);
  if (!stored)
    return false;
  text = *stored;
  return true;
}

std::string UnicodeStrings::utf8(HostString string) const
{
  std::u16string text;
  return read(string, text) ? utf16ToUtf8(text) : std::string();
}

HostErr UnicodeStrings::write(HostString* out, std::u16string text)
{
  if (!out)
    return kHostErrBadParameter;
  if (!*out) {
    *out = create(std::move(text));
    return kHostNoErr;
  }
  std::u16string* stored = strings_.find(*out);
  if (!stored)
    return kHostErrBadParameter;
  *stored = std::move(text);
  return kHostNoErr;
}

HostErr UnicodeStrings::writeUtf8(HostString* out, const std::string& text)
{
  return write(out, utf8ToUtf16(text));
}

HostErr UnicodeStrings::destroy(HostString* string)
{
  if (!string)
    return kHostErrBadParameter;
  if (!*string)
    return kHostNoErr;
  if (!strings_.remove(*string))
    return kHostErrBadParameter;
  *string = nullptr;
  return kHostNoErr;
}

void UnicodeStrings::report(std::ostream& out) const
{
  if (liveCount())
    out << "Host strings not destroyed: " << liveCount() << "\n";
}

namespace hostsimUnicodeStrings_detail {

UnicodeStrings& strings()
{
  return HostApp::instance().area<UnicodeStrings>();
}

constexpr int32_t kPlatformEncoding = 0;
constexpr int32_t kUtf8Encoding = 1;

HostErr initStringFromBytes(HostString* out, const char* bytes, int32_t byteCount, int32_t encoding)
{
  if (!out || (!bytes && byteCount > 0) || (encoding != kUtf8Encoding && encoding != kPlatformEncoding))
    return kHostErrBadParameter;
  std::string_view text;
  if (bytes)
    text = byteCount < 0 ? std::string_view(bytes) : std::string_view(bytes, size_t(byteCount));
  return strings().write(out, encoding == kUtf8Encoding ? utf8ToUtf16(text) : platformToUtf16(text));
}

HostErr initStringFromUtf16(HostString* out, const char16_t* text, int32_t length)
{
  if (!out || (!text && length > 0))
    return kHostErrBadParameter;
  std::u16string_view units;
  if (text)
    units = length < 0 ? std::u16string_view(text) : std::u16string_view(text, size_t(length));
  return strings().write(out, std::u16string(units));
}

HostErr initStringRepeated(HostString* out, int32_t count, uint32_t codePoint)
{
  if (!out || count < 0 || !isScalarValue(codePoint))
    return kHostErrBadParameter;
  std::u16string text;
  for (int32_t i = 0; i < count; ++i)
    appendCodePoint(text, codePoint);
  return strings().write(out, std::move(text));
}

HostErr destroyString(HostString* string)
{
  return strings().destroy(string);
}

HostErr appendString(HostString* target, HostString other)
{
  std::u16string suffix;
  if (!target || !strings().read(other, suffix))
    return kHostErrBadParameter;
  std::u16string text;
  if (*target && !strings().read(*target, text))
    return kHostErrBadParameter;
  return strings().write(target, text + suffix);
}

HostErr getCodePointAt(HostString string, int32_t index, uint32_t* outCodePoint)
{
  std::u16string text;
  if (!outCodePoint || !strings().read(string, text))
    return kHostErrBadParameter;
  return codePointAt(text, index, *outCodePoint) ? kHostNoErr : kHostErrNotFound;
}

int32_t getStringLength(HostString string)
{
  const std::u16string* text = strings().find(string);
  return text ? countCodePoints(*text) : 0;
}

int32_t getStringUtf16(HostString string, const char16_t** outUnits)
{
  static const char16_t empty[1] = {0};
  if (!outUnits)
    return 0;
  if (!string) {
    *outUnits = empty;
    return 0;
  }
  const std::u16string* text = strings().find(string);
  if (!text)
    return 0;
  *outUnits = text->c_str();
  return int32_t(text->size());
}

HostErr getStringBytes(HostString string, int32_t encoding, SPBlockBuffer* outBlock, int32_t* outByteCount)
{
  std::u16string text;
  if (!outBlock || !outByteCount || (encoding != kUtf8Encoding && encoding != kPlatformEncoding) ||
      !strings().read(string, text))
    return kHostErrBadParameter;
  std::string bytes = encoding == kUtf8Encoding ? utf16ToUtf8(text) : utf16ToPlatform(text);
  // One zero byte more than counted, for callers that read the block as a C string.
  void* block = HostApp::instance().area<Blocks>().allocate(bytes.size() + 1);
  if (!block)
    return kHostErrBadParameter;
  std::memcpy(block, bytes.data(), bytes.size());
  outBlock->block = block;
  outBlock->count = int32_t(bytes.size());
  *outByteCount = int32_t(bytes.size());
  return kHostNoErr;
}

void install(HostApp& app)
{
  app.area<UnicodeStrings>();
  auto& suite = app.publishSuite<UnicodeStringSuite>(kUnicodeStringSuiteName, kUnicodeStringSuiteVersion);
  suite.initStringFromBytes = &initStringFromBytes;
  suite.initStringFromUtf16 = &initStringFromUtf16;
  suite.initStringRepeated = &initStringRepeated;
  suite.destroyString = &destroyString;
  suite.appendString = &appendString;
  suite.getCodePointAt = &getCodePointAt;
  suite.getStringLength = &getStringLength;
  suite.getStringUtf16 = &getStringUtf16;
  suite.getStringBytes = &getStringBytes;
}

const AreaInstaller installer(10, &install);

} // namespace hostsimUnicodeStrings_detail

} // namespace hostsim

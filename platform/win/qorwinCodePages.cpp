// Code-page conversions. UTF-8 is converted here with the system's rules (invalid input becomes
// U+FFFD unless the caller asks for an error); the other code pages go through iconv.
#include "qorwinState.h"
#include "win/WinBase.h"

#include <cerrno>
#include <cstring>
#include <iconv.h>

namespace qorwin_detail {

// iconv's name for a code page; null for code pages this platform cannot convert.
const char* iconvName(UINT codePage)
{
  switch (codePage) {
  case CP_ACP:
  case CP_OEMCP:
  case CP_THREAD_ACP:
  case CP_UTF8:
    return "UTF-8";
  case CP_UTF7:
    return "UTF-7";
  case CP_MACCP:
  case 10000:
    return "MACINTOSH";
  case 10001:
    return "SHIFT_JIS";
  case 10002:
    return "BIG5";
  case 10003:
    return "EUC-KR";
  case 10007:
    return "MAC-CYRILLIC";
  case 10008:
    return "GB2312";
  case 10017:
    return "MACUKRAINIAN";
  case 10029:
    return "MAC-CENTRALEUROPE";
  case 10079:
    return "MAC-IS";
  case 437:
    return "CP437";
  case 850:
    return "CP850";
  case 866:
    return "CP866";
  case 874:
    return "CP874";
  case 932:
    return "CP932";
  case 936:
    return "CP936";
  case 949:
    return "CP949";
  case 950:
    return "CP950";
  case 1250:
    return "CP1250";
  case 1251:
    return "CP1251";
  case 1252:
    return "CP1252";
  case 1253:
    return "CP1253";
  case 1254:
    return "CP1254";
  case 1255:
    return "CP1255";
  case 1256:
    return "CP1256";
  case 1257:
    return "CP1257";
  case 1258:
    return "CP1258";
  case 1361:
    return "JOHAB";
  case 20127:
    return "US-ASCII";
  case 20932:
    return "EUC-JP";
  case 20949:
  case 51949:
    return "EUC-KR";
  case 28591:
    return "ISO-8859-1";
  case 28592:
    return "ISO-8859-2";
  case 28595:
    return "ISO-8859-5";
  case 28597:
    return "ISO-8859-7";
  case 28605:
    return "ISO-8859-15";
  case 54936:
    return "GB18030";
  default:
    return nullptr;
  }
}

bool isUtf8(UINT codePage)
{
  return codePage == CP_ACP || codePage == CP_OEMCP || codePage == CP_THREAD_ACP || codePage == CP_UTF8;
}

// Decodes UTF-8; returns false on invalid input when strict.
bool decodeUtf8(const unsigned char* p, size_t n, bool strict, std::u16string& out)
{
  size_t i = 0;
  while (i < n) {
    unsigned c = p[i];
    if (c < 0x80) {
      out.push_back(static_cast<char16_t>(c));
      ++i;
      continue;
    }
    int extra = 0;
    unsigned cp = 0;
    if (c >= 0xC2 && c <= 0xDF) {
      extra = 1;
      cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
      extra = 2;
      cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
      extra = 3;
      cp = c & 0x07;
    } else {
      if (strict)
        return false;
      out.push_back(0xFFFD);
      ++i;
      continue;
    }
    // The second byte's range depends on the lead (no overlong forms, surrogates or values past
    // U+10FFFF); an ill-formed sequence becomes one U+FFFD for its longest valid prefix.
    unsigned lo = 0x80, hi = 0xBF;
    if (c == 0xE0)
      lo = 0xA0;
    if (c == 0xED)
      hi = 0x9F;
    if (c == 0xF0)
      lo = 0x90;
    if (c == 0xF4)
      hi = 0x8F;
    int got = 0;
    while (got < extra && i + 1 + got < n) {
      unsigned b = p[i + 1 + got];
      if (got == 0 ? (b < lo || b > hi) : (b & 0xC0) != 0x80)
        break;
      cp = (cp << 6) | (b & 0x3F);
      ++got;
    }
    if (got < extra) {
      if (strict)
        return false;
      out.push_back(0xFFFD);
      i += static_cast<size_t>(got) + 1;
      continue;
    }
    if (cp >= 0x10000) {
      cp -= 0x10000;
      out.push_back(static_cast<char16_t>(0xD800 + (cp >> 10)));
      out.push_back(static_cast<char16_t>(0xDC00 + (cp & 0x3FF)));
    } else {
      out.push_back(static_cast<char16_t>(cp));
    }
    i += static_cast<size_t>(extra) + 1;
  }
  return true;
}

bool encodeUtf8(const char16_t* p, size_t n, bool strict, std::string& out)
{
  for (size_t i = 0; i < n; ++i) {
    unsigned cp = p[i];
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < n && p[i + 1] >= 0xDC00 && p[i + 1] <= 0xDFFF) {
      cp = 0x10000 + ((cp - 0xD800) << 10) + (p[i + 1] - 0xDC00);
      ++i;
    } else if (cp >= 0xD800 && cp <= 0xDFFF) {
      if (strict)
        return false;
      cp = 0xFFFD;
    }
    if (cp < 0x80) {
      out.push_back(static_cast<char>(cp));
    } else if (cp < 0x800) {
      out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else if (cp < 0x10000) {
      out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    } else {
      out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
      out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
    }
  }
  return true;
}

// Converts through iconv; an unconvertible byte or character becomes `replacement`
// (or fails when strict). Returns false when the code page cannot be opened.
bool convertIconv(const char* to, const char* from, const char* in, size_t inBytes, bool strict,
                  const std::string& replacement, std::string& out, bool* replaced, size_t inUnit)
{
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1))
    return false;
  char* src = const_cast<char*>(in);
  size_t left = inBytes;
  char buffer[1024];
  bool ok = true;
  while (left > 0) {
    char* dst = buffer;
    size_t room = sizeof buffer;
    size_t r = iconv(cd, &src, &left, &dst, &room);
    out.append(buffer, static_cast<size_t>(dst - buffer));
    if (r == static_cast<size_t>(-1)) {
      if (errno == E2BIG)
        continue;
      if (strict) {
        ok = false;
        break;
      }
      // EILSEQ or an incomplete sequence at the end: skip one unit.
      out += replacement;
      if (replaced)
        *replaced = true;
      size_t skip = std::min(left, inUnit);
      src += skip;
      left -= skip;
    }
  }
  char* dst = buffer;
  size_t room = sizeof buffer;
  iconv(cd, nullptr, nullptr, &dst, &room);
  out.append(buffer, static_cast<size_t>(dst - buffer));
  iconv_close(cd);
  if (!ok)
    out.clear();
  return ok;
}

} // namespace qorwin_detail

BOOL IsValidCodePage(UINT codePage)
{
  return qorwin_detail::iconvName(codePage) != nullptr;
}

int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR text, int byteCount, LPWSTR out, int outCount)
{
  using namespace qorwin_detail;
  if (!text || byteCount == 0 || byteCount < -1 || outCount < 0 || (outCount > 0 && !out)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const char* name = iconvName(codePage);
  if (!name) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  if ((codePage == CP_UTF8 || codePage == CP_UTF7) && (flags & ~static_cast<DWORD>(MB_ERR_INVALID_CHARS))) {
    SetLastError(ERROR_INVALID_FLAGS);
    return 0;
  }
  size_t n = byteCount == -1 ? std::strlen(text) + 1 : static_cast<size_t>(byteCount);
  bool strict = (flags & MB_ERR_INVALID_CHARS) != 0;
  std::u16string wide;
  if (isUtf8(codePage)) {
    if (!decodeUtf8(reinterpret_cast<const unsigned char*>(text), n, strict, wide)) {
      SetLastError(ERROR_NO_UNICODE_TRANSLATION);
      return 0;
    }
  } else {
    std::string bytes;
    static const std::string replacement("\xFD\xFF", 2);
    if (!convertIconv("UTF-16LE", name, text, n, strict, replacement, bytes, nullptr, 1)) {
      SetLastError(strict ? ERROR_NO_UNICODE_TRANSLATION : ERROR_INVALID_PARAMETER);
      return 0;
    }
    wide.resize(bytes.size() / 2);
    for (size_t i = 0; i < wide.size(); ++i)
      wide[i] = static_cast<char16_t>(static_cast<unsigned char>(bytes[2 * i]) |
                                      (static_cast<unsigned char>(bytes[2 * i + 1]) << 8));
  }
  if (wide.empty()) {
    SetLastError(ERROR_NO_UNICODE_TRANSLATION);
    return 0;
  }
  if (outCount == 0)
    return static_cast<int>(wide.size());
  if (wide.size() > static_cast<size_t>(outCount)) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  std::copy(wide.begin(), wide.end(), out);
  return static_cast<int>(wide.size());
}

int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR text, int charCount, LPSTR out, int outCount,
                        LPCSTR defaultChar, LPBOOL usedDefaultChar)
{
  using namespace qorwin_detail;
  if (!text || charCount == 0 || charCount < -1 || outCount < 0 || (outCount > 0 && !out)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const char* name = iconvName(codePage);
  if (!name) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  // The UTF code pages take no flags but the strict one and no default character, as on the system.
  if (codePage == CP_UTF8 || codePage == CP_UTF7) {
    if (flags & ~static_cast<DWORD>(WC_ERR_INVALID_CHARS)) {
      SetLastError(ERROR_INVALID_FLAGS);
      return 0;
    }
    if (defaultChar || usedDefaultChar) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return 0;
    }
  }
  size_t n = static_cast<size_t>(charCount);
  if (charCount == -1) {
    n = 0;
    while (text[n])
      ++n;
    ++n;
  }
  bool strict = (flags & WC_ERR_INVALID_CHARS) != 0;
  std::string bytes;
  if (usedDefaultChar)
    *usedDefaultChar = FALSE;
  if (isUtf8(codePage)) {
    if (!encodeUtf8(text, n, strict, bytes)) {
      SetLastError(ERROR_NO_UNICODE_TRANSLATION);
      return 0;
    }
  } else {
    std::string input(n * 2, '\0');
    for (size_t i = 0; i < n; ++i) {
      input[2 * i] = static_cast<char>(text[i] & 0xFF);
      input[2 * i + 1] = static_cast<char>(text[i] >> 8);
    }
    bool replaced = false;
    std::string replacement = defaultChar ? std::string(defaultChar) : std::string("?");
    if (!convertIconv(name, "UTF-16LE", input.data(), input.size(), false, replacement, bytes, &replaced,
                      2)) {
      SetLastError(ERROR_INVALID_PARAMETER);
      return 0;
    }
    if (usedDefaultChar)
      *usedDefaultChar = replaced ? TRUE : FALSE;
  }
  if (outCount == 0)
    return static_cast<int>(bytes.size());
  if (bytes.size() > static_cast<size_t>(outCount)) {
    SetLastError(ERROR_INSUFFICIENT_BUFFER);
    return 0;
  }
  std::copy(bytes.begin(), bytes.end(), out);
  return static_cast<int>(bytes.size());
}

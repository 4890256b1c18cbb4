// Text encodings of the Windows layer: UTF-8, UTF-16 and UTF-32 conversions, and the Win32
// MultiByteToWideChar / WideCharToMultiByte pair over them. Ill-formed input is replaced by U+FFFD
// (one per maximal ill-formed subsequence) and never read past its end; *illFormed tells whether
// anything was replaced.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#ifndef CP_ACP
#define CP_ACP 0
#endif
#ifndef CP_UTF8
#define CP_UTF8 65001
#endif
#ifndef MB_ERR_INVALID_CHARS
#define MB_ERR_INVALID_CHARS 0x00000008
#endif
#ifndef WC_ERR_INVALID_CHARS
#define WC_ERR_INVALID_CHARS 0x00000080
#endif

namespace qorwin {

std::u16string utf8ToUtf16(const char* text, size_t length, bool* illFormed = nullptr);
std::string utf16ToUtf8(const char16_t* text, size_t length, bool* illFormed = nullptr);
std::u32string utf8ToUtf32(const char* text, size_t length, bool* illFormed = nullptr);
std::string utf32ToUtf8(const char32_t* text, size_t length, bool* illFormed = nullptr);
std::u32string utf16ToUtf32(const char16_t* text, size_t length, bool* illFormed = nullptr);
std::u16string utf32ToUtf16(const char32_t* text, size_t length, bool* illFormed = nullptr);

}  // namespace qorwin

// The Win32 pair over the codec. Only the UTF-8 code page is known (CP_ACP is UTF-8 on this
// platform); the only flag is MB_ERR_INVALID_CHARS / WC_ERR_INVALID_CHARS, which fails on ill-formed input.
// A length of -1 means NUL-terminated, and the count then includes the NUL. With an output size
// of 0 the required size is returned; 0 means failure (bad argument or a buffer too small).
int MultiByteToWideChar(uint32_t codePage, uint32_t flags, const char* multiByte, int multiByteLength,
                        char16_t* wide, int wideLength);
int WideCharToMultiByte(uint32_t codePage, uint32_t flags, const char16_t* wide, int wideLength, char* multiByte,
                        int multiByteLength, const char* defaultChar, int* usedDefaultChar);

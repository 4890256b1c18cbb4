// UTF-8 <-> UTF-16 through the Win32 MultiByteToWideChar / WideCharToMultiByte pair. The
// definitions here are weak: the Windows layer's own code-page services replace them when linked.
// Ill-formed input becomes U+FFFD (one per maximal ill-formed subsequence) and is never read past
// its end.
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

}  // namespace qorwin

// Only UTF-8 is known (CP_ACP is UTF-8 on this platform); the only flag is MB_ERR_INVALID_CHARS /
// WC_ERR_INVALID_CHARS, which fails on ill-formed input. A length of -1 means NUL-terminated, and
// the count then includes the NUL. With an output size of 0 the required size is returned; 0 means
// failure (bad argument or a buffer too small).
int MultiByteToWideChar(unsigned int codePage, uint32_t flags, const char* multiByte, int multiByteLength,
                        char16_t* wide, int wideLength);
int WideCharToMultiByte(unsigned int codePage, uint32_t flags, const char16_t* wide, int wideLength, char* multiByte,
                        int multiByteLength, const char* defaultChar, int* usedDefaultChar);

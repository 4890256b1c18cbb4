// The one reference-counted implementation object of an engine text range: found again through the
// plug-in's range map by its engine reference, shared by every client handle of that range.
#pragma once

#include <cstdint>
#include <string>

#include "sdk/qorATEITextRange.h"

namespace qor {
namespace aip {

class TextRange
{
public:
  // The object of the engine reference with one more count for the caller, made when there is none;
  // null for a null reference or without the plug-in's globals.
  static TextRange* getTextRange(const AteTextRangeRef& ref);

  TextRange(const TextRange&) = delete;
  TextRange& operator=(const TextRange&) = delete;

  void retain() { ++count_; }
  // One count less; the last unregisters the object, releases its engine reference and frees it.
  void release();
  int32_t refCount() const { return count_; }

  // A copy of the held wrapper, with an engine reference of its own.
  ATE::ITextRange ateTextRange() const;

  int32_t start() const;
  void setStart(int32_t start);
  int32_t end() const;
  void setEnd(int32_t end);
  int32_t size() const;
  // Narrows the range to the characters start to end, end exclusive.
  void setRange(int32_t start, int32_t end);
  int32_t position37(int32_t value) const;
  // The text as UTF-8, every "\r\n" and then every "\r" written as the line ending.
  std::string contents(const std::string& lineEnding) const;
  void contents(std::string& out, const std::string& lineEnding) const { out = contents(lineEnding); }

private:
  explicit TextRange(const AteTextRangeRef& ref);
  ~TextRange();

  // The count comes first: retain relies on it.
  int32_t count_ = 0;
  ATE::ITextRange range_;
};

}  // namespace aip
}  // namespace qor

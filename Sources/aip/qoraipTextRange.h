// The one reference-counted implementation object of an engine text range: found again through the
// plug-in's range map by its engine reference, shared by every client handle of that range.
#pragma once

#include <cstdint>
#include <string>

#include "sdk/qorATEITextRange.h"
#include "utils/qorutilsVector.h"

namespace qor {
namespace aip {

class TextArt;
class TextCharFeatures;
class TextCharInspector;
class TextCharStyleSet;
class TextPara;
class TextParaFeatures;
class TextParaInspector;
class TextParaStyleSet;
class TextRangeSet;
class TextStory;
class TextWord;

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
  // Engine functions passed through as they are; the client converts the enumerated values.
  void position36(int32_t engineValue);
  void position48(int32_t engineValue);
  // A new range object for the engine's answer, with one count for the caller; null for a null range.
  TextRange* position38() const;
  bool position18(const std::string& utf8);
  bool position19(const std::string& utf8);
  void position39(const std::string& utf8);
  void position40(const std::string& utf8);
  // Nothing for a null range.
  void position41(const TextRange* other);
  void position42(const TextRange* other);
  void position20();
  void position21();
  void position30();
  void position33();
  void position49();
  void position50();
  bool position24() const;
  bool position25() const;
  void position46(bool flag);
  // The text as UTF-8, every "\r\n" and then every "\r" written as the line ending.
  std::string contents(const std::string& lineEnding) const;
  void contents(std::string& out, const std::string& lineEnding) const { out = contents(lineEnding); }

  // Objects carry one count for the caller, or are null; walks return new lists (the caller deletes
  // them and what their elements hold).
  TextStory* story() const;
  // Nothing for a null story.
  void setStory(const TextStory* story);
  TextRangeSet* rangeSet9() const;
  utils::Vector<TextArt*>* textFrames() const;
  utils::Vector<TextPara*>* paragraphs() const;
  utils::Vector<TextWord*>* words() const;
  utils::Vector<TextRange*>* runs() const;
  TextCharInspector* charInspector() const;
  TextParaInspector* paraInspector() const;
  TextCharStyleSet* charStyleSet() const;
  TextParaStyleSet* paraStyleSet() const;
  TextCharFeatures* charFeatures22() const;
  TextParaFeatures* paraFeatures23() const;
  TextCharFeatures* charFeatures26() const;
  TextParaFeatures* paraFeatures27() const;
  // Nothing for null features.
  void position28(const TextCharFeatures* features);
  void position29(const TextCharFeatures* features);
  void position31(const TextParaFeatures* features);
  void position32(const TextParaFeatures* features);

private:
  explicit TextRange(const AteTextRangeRef& ref);
  ~TextRange();

  // The count comes first: retain relies on it.
  int32_t count_ = 0;
  ATE::ITextRange range_;
};

}  // namespace aip
}  // namespace qor

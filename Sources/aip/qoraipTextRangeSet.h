// The one reference-counted implementation object of an engine set of text ranges.
#pragma once

#include <string>

#include "aip/qoraipTextObject.h"

namespace qor {
namespace aip {

class TextCharFeatures;
class TextCharInspector;
class TextPara;
class TextParaFeatures;
class TextParaInspector;
class TextRange;
class TextWord;

class TextRangeSet
    : public TextObject<TextRangeSet, ATE::ITextRanges, AteFirstSuite::none, &PluginGlobals::textRangeSetWrappers>
{
public:
  static TextRangeSet* getTextRangeSet(const AteTextRangesRef& ref) { return getOrCreate(ref); }
  explicit TextRangeSet(const AteTextRangesRef& ref) : TextObject(ref) {}
  ATE::ITextRanges ateTextRanges() const { return wrapper(); }

  // The number of ranges (not characters).
  int32_t size() const;
  TextRangeSet* rangeSet7() const;
  WalkList<TextPara>* paragraphs() const;
  WalkList<TextWord>* words() const;
  WalkList<TextRange>* runs() const;
  TextCharInspector* charInspector() const;
  TextParaInspector* paraInspector() const;
  void position13();
  void position14();
  TextCharFeatures* charFeatures15() const;
  TextParaFeatures* paraFeatures16() const;
  bool position17() const;
  bool position18() const;
  TextCharFeatures* charFeatures19() const;
  TextParaFeatures* paraFeatures20() const;
  // Nothing for a null argument.
  void position21(const TextCharFeatures* features);
  void position22(const TextCharFeatures* features);
  void position23();
  void position24(const TextParaFeatures* features);
  void position25(const TextParaFeatures* features);
  void position26();
  void position27(int32_t value);
  void position28();
  // The text of all ranges as UTF-8 (nothing between them), line breaks written as the line ending.
  void contents(std::string& out, const std::string& lineEnding) const;
  // Engine value 0 to 3.
  void position31(int32_t engineValue);
  void add(const TextRange* range);
  // Indices are checked against the size first: null, or nothing, outside it.
  TextRange* rangeAt(int32_t index) const;
  void position35(int32_t index);
  void position34();

private:
  friend class TextObject;
  ~TextRangeSet() = default;
};

}  // namespace aip
}  // namespace qor

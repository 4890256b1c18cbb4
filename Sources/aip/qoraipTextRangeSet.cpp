#include "aip/qoraipTextRangeSet.h"

#include "aip/qoraipTextCharFeatures.h"
#include "aip/qoraipTextRangeValues.h"
#include "aip/qoraipTextPara.h"
#include "aip/qoraipTextRange.h"

namespace qor {
namespace aip {


int32_t TextRangeSet::size() const { return wrapper_.getSize(); }
TextRangeSet* TextRangeSet::rangeSet7() const { return objectOf<TextRangeSet>(wrapper_.getRangeSet7()); }
WalkList<TextPara>* TextRangeSet::paragraphs() const { return walkParagraphs(wrapper_.getParagraphsIterator()); }
WalkList<TextWord>* TextRangeSet::words() const { return walkWords(wrapper_.getWordsIterator()); }
WalkList<TextRange>* TextRangeSet::runs() const { return walkRuns(wrapper_.getTextRunsIterator()); }
TextCharInspector* TextRangeSet::charInspector() const { return objectOf<TextCharInspector>(wrapper_.getCharInspector()); }
TextParaInspector* TextRangeSet::paraInspector() const { return objectOf<TextParaInspector>(wrapper_.getParaInspector()); }
void TextRangeSet::position13() { wrapper_.run(13); }
void TextRangeSet::position14() { wrapper_.run(14); }
TextCharFeatures* TextRangeSet::charFeatures15() const { return objectOf<TextCharFeatures>(wrapper_.getCharFeatures(15)); }
TextParaFeatures* TextRangeSet::paraFeatures16() const { return objectOf<TextParaFeatures>(wrapper_.getParaFeatures(16)); }
bool TextRangeSet::position17() const { return wrapper_.flag(17); }
bool TextRangeSet::position18() const { return wrapper_.flag(18); }
TextCharFeatures* TextRangeSet::charFeatures19() const { return objectOf<TextCharFeatures>(wrapper_.getCharFeatures(19)); }
TextParaFeatures* TextRangeSet::paraFeatures20() const { return objectOf<TextParaFeatures>(wrapper_.getParaFeatures(20)); }

void TextRangeSet::position21(const TextCharFeatures* features)
{
  if (features)
    wrapper_.setCharFeatures(21, features->ateCharFeatures());
}

void TextRangeSet::position22(const TextCharFeatures* features)
{
  if (features)
    wrapper_.setCharFeatures(22, features->ateCharFeatures());
}

void TextRangeSet::position23() { wrapper_.run(23); }

void TextRangeSet::position24(const TextParaFeatures* features)
{
  if (features)
    wrapper_.setParaFeatures(24, features->ateParaFeatures());
}

void TextRangeSet::position25(const TextParaFeatures* features)
{
  if (features)
    wrapper_.setParaFeatures(25, features->ateParaFeatures());
}

void TextRangeSet::position26() { wrapper_.run(26); }
void TextRangeSet::position27(int32_t value) { wrapper_.runWith(27, value); }
void TextRangeSet::position28() { wrapper_.run(28); }

// The buffer holds the characters of every range (not the number of ranges), so nothing is cut off.
void TextRangeSet::contents(std::string& out, const std::string& lineEnding) const
{
  int32_t units = 0;
  for (int32_t i = 0, n = size(); i < n; ++i)
    units += std::max(wrapper_.item(i).getCharacterCount(), int32_t(0));
  out = engineText(
      units, [this](char16_t* buffer, int32_t capacity) { return wrapper_.getContents(buffer, capacity); },
      lineEnding);
}

void TextRangeSet::position31(int32_t engineValue) { wrapper_.runWith(31, engineValue); }

void TextRangeSet::add(const TextRange* range)
{
  if (range)
    wrapper_.add(range->ateTextRange());
}

TextRange* TextRangeSet::rangeAt(int32_t index) const
{
  if (index < 0 || index >= size())
    return nullptr;
  ATE::ITextRange r = wrapper_.item(index);
  return r.isNull() ? nullptr : TextRange::getTextRange(r.ref());
}

void TextRangeSet::position35(int32_t index)
{
  if (index >= 0 && index < size())
    wrapper_.runWith(35, index);
}

void TextRangeSet::position34() { wrapper_.run(34); }

}  // namespace aip
}  // namespace qor

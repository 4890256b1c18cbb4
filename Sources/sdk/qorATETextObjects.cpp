#include "sdk/qorATETextObjects.h"

namespace ATE {

namespace qorATETextObjects_detail {

// A range position that hands out one engine object, adopted by its wrapper.
template <class W, class... Args> W rangeObject(AteTextRangeRef range, int pos, Args... args)
{
  typename W::RefType out = nullptr;
  callPosition(kAteSuiteTextRange, pos, range, args..., &out);
  return W(out);
}

}  // namespace qorATETextObjects_detail

using qorATETextObjects_detail::rangeObject;

IStory ITextRange::getStory() const { return rangeObject<IStory>(ref_, 8); }
void ITextRange::setStory(const IStory& story) { callPosition(kAteSuiteTextRange, 34, ref_, story.ref()); }
ITextRanges ITextRange::getRangeSet9() const { return rangeObject<ITextRanges>(ref_, 9); }
ITextFramesIterator ITextRange::getTextFramesIterator() const { return rangeObject<ITextFramesIterator>(ref_, 10); }
IParagraphsIterator ITextRange::getParagraphsIterator() const { return rangeObject<IParagraphsIterator>(ref_, 11); }
IWordsIterator ITextRange::getWordsIterator() const { return rangeObject<IWordsIterator>(ref_, 12); }
ITextRunsIterator ITextRange::getTextRunsIterator() const { return rangeObject<ITextRunsIterator>(ref_, 13); }
ICharInspector ITextRange::getCharInspector() const { return rangeObject<ICharInspector>(ref_, 14); }
IParaInspector ITextRange::getParaInspector() const { return rangeObject<IParaInspector>(ref_, 15); }
ICharStyles ITextRange::getCharStyles() const { return rangeObject<ICharStyles>(ref_, 16); }
IParaStyles ITextRange::getParaStyles() const { return rangeObject<IParaStyles>(ref_, 17); }
ICharFeatures ITextRange::getCharFeatures(int pos) const { return rangeObject<ICharFeatures>(ref_, pos); }
IParaFeatures ITextRange::getParaFeatures(int pos) const { return rangeObject<IParaFeatures>(ref_, pos); }

void ITextRange::setCharFeatures(int pos, ICharFeatures features)
{
  callPosition(kAteSuiteTextRange, pos, ref_, features.ref());
}

void ITextRange::setParaFeatures(int pos, IParaFeatures features)
{
  callPosition(kAteSuiteTextRange, pos, ref_, features.ref());
}

}  // namespace ATE

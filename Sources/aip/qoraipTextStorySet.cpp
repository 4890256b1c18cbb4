#include "aip/qoraipTextStorySet.h"

#include "aip/qoraipTextPara.h"
#include "aip/qoraipTextRange.h"
#include "aip/qoraipTextRangeSet.h"
#include "aip/qoraipTextStory.h"

namespace qor {
namespace aip {

int32_t TextStorySet::size() const { return wrapper_.getSize(); }
bool TextStorySet::position6() const { return wrapper_.position6(); }

TextStory* TextStorySet::position7() const
{
  ATE::IStory s = wrapper_.position7();
  return s.isNull() ? nullptr : TextStory::getTextStory(s.ref());
}

void TextStorySet::position8(const TextStory* story)
{
  if (story)
    wrapper_.position8(story->ateStory());
}

void TextStorySet::position9() { wrapper_.run(9); }

TextRangeSet* TextStorySet::rangeSet10() const
{
  ATE::ITextRanges s = wrapper_.getRangeSet(10);
  return s.isNull() ? nullptr : TextRangeSet::getTextRangeSet(s.ref());
}

TextRangeSet* TextStorySet::rangeSet11() const
{
  ATE::ITextRanges s = wrapper_.getRangeSet(11);
  return s.isNull() ? nullptr : TextRangeSet::getTextRangeSet(s.ref());
}

WalkList<TextPara>* TextStorySet::paragraphs() const { return walkParagraphs(wrapper_.getParagraphsIterator()); }
WalkList<TextWord>* TextStorySet::words() const { return walkWords(wrapper_.getWordsIterator()); }
WalkList<TextRange>* TextStorySet::runs() const { return walkRuns(wrapper_.getTextRunsIterator()); }

TextStory* TextStorySet::storyAt(int32_t index) const
{
  if (index < 0 || index >= size())
    return nullptr;
  ATE::IStory s = wrapper_.item(index);
  return s.isNull() ? nullptr : TextStory::getTextStory(s.ref());
}

void TextStorySet::position17() { wrapper_.run(17); }
void TextStorySet::position18() { wrapper_.run(18); }

}  // namespace aip
}  // namespace qor

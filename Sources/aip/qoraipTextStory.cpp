#include "aip/qoraipTextStory.h"

#include "aip/qoraipArt.h"
#include "aip/qoraipArtSuites.h"
#include "aip/qoraipTextArt.h"
#include "aip/qoraipTextPara.h"
#include "aip/qoraipTextRange.h"
#include "aip/qoraipTextRangeSet.h"
#include "aip/qoraipTextStorySet.h"

namespace qor {
namespace aip {

namespace qoraipTextStory_detail {

TextRange* rangeOf(const ATE::ITextRange& r)
{
  return r.isNull() ? nullptr : TextRange::getTextRange(r.ref());
}

}  // namespace qoraipTextStory_detail

using qoraipTextStory_detail::rangeOf;

TextStory* TextStory::position19() const
{
  ATE::IStory s = wrapper_.position19();
  return s.isNull() ? nullptr : getTextStory(s.ref());
}

int32_t TextStory::position3() const { return wrapper_.position3(); }
int32_t TextStory::size() const { return wrapper_.getSize(); }
TextRange* TextStory::textRange(int32_t start, int32_t end) const { return rangeOf(wrapper_.getTextRange(start, end)); }
TextRange* TextStory::textRange() const { return rangeOf(wrapper_.getTextRange()); }

TextRangeSet* TextStory::rangeSet7() const
{
  ATE::ITextRanges s = wrapper_.getRangeSet7();
  return s.isNull() ? nullptr : TextRangeSet::getTextRangeSet(s.ref());
}

TextStorySet* TextStory::stories() const
{
  ATE::IStories s = wrapper_.getStories();
  return s.isNull() ? nullptr : TextStorySet::getTextStorySet(s.ref());
}

WalkList<TextArt>* TextStory::textFrames() const { return walkFrames(wrapper_.getTextFramesIterator()); }
WalkList<TextPara>* TextStory::paragraphs() const { return walkParagraphs(wrapper_.getParagraphsIterator()); }
WalkList<TextWord>* TextStory::words() const { return walkWords(wrapper_.getWordsIterator()); }
WalkList<TextRange>* TextStory::runs() const { return walkRuns(wrapper_.getTextRunsIterator()); }

// A null frame is not handed to the host: no art is asked for.
TextArt* TextStory::frame(int32_t index) const
{
  if (index < 0)
    return nullptr;
  ATE::ITextFrame f = wrapper_.getFrame(index);
  if (f.isNull())
    return nullptr;
  ArtHandle art = nullptr;
  if (!textFrameSuite || textFrameSuite->getArtOfAteTextFrame(f.ref(), &art) != 0)
    return nullptr;
  return new TextArt(new Art(art), true);
}

void TextStory::position13(const TextRange* range, int32_t kind)
{
  if (range)
    wrapper_.position13(range->ateTextRange(), kind);
}

bool TextStory::position15(const TextRange* range, int32_t* kind, int32_t* value) const
{
  if (!range)
    return false;
  wrapper_.position15(range->ateTextRange(), kind, value);
  return true;
}

bool TextStory::position16(int32_t index, int32_t* kind, int32_t* value) const
{
  if (index < 0 || index >= size())
    return false;
  *kind = wrapper_.position16(index, value);
  return true;
}

void TextStory::position14(int32_t index, int32_t value)
{
  if (index >= 0 && index < size())
    wrapper_.position14(index, value);
}

void TextStory::position20() { wrapper_.position20(); }
void TextStory::position21() { wrapper_.position21(); }

}  // namespace aip
}  // namespace qor

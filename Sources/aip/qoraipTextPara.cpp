#include "aip/qoraipTextPara.h"

#include <algorithm>
#include <limits>
#include <new>
#include <vector>

#include "aip/qoraipArt.h"
#include "aip/qoraipArtSuites.h"
#include "aip/qoraipHostStrings.h"
#include "aip/qoraipTextArt.h"
#include "aip/qoraipTextRange.h"
#include "aip/qoraipTextRangeSet.h"
#include "aip/qoraipTextStory.h"
#include "utils/qorutilsStrings.h"

namespace qor {
namespace aip {

std::string engineText(int32_t n, const std::function<int32_t(char16_t*, int32_t)>& copy,
                       const std::string& lineEnding)
{
  n = std::max(n, int32_t(0));
  if (n == std::numeric_limits<int32_t>::max())
    throw std::bad_alloc();
  std::vector<char16_t> buffer(size_t(n) + 1);
  int32_t copied = copy(buffer.data(), n);
  buffer[size_t(std::clamp(copied, int32_t(0), n))] = 0;
  std::string text = hostStringToUtf8(ai::HostUnicodeString(buffer.data()));
  return utils::replaceAll(utils::replaceAll(text, "\r\n", "\r"), "\r", lineEnding);
}

void dropEntry(TextArt* entry) { delete entry; }

WalkList<TextPara>* walkParagraphs(const ATE::IParagraphsIterator& iterator)
{
  return walk<TextPara>(iterator, [](const ATE::IParagraph& p) { return TextPara::getTextPara(p.ref()); });
}

WalkList<TextRange>* walkRuns(const ATE::ITextRunsIterator& iterator)
{
  return walk<TextRange>(iterator, [](const ATE::ITextRange& r) { return TextRange::getTextRange(r.ref()); });
}

// A word is a words iterator over a new set that holds the word's range alone.
WalkList<TextWord>* walkWords(const ATE::IWordsIterator& iterator)
{
  return walk<TextWord>(iterator, [](const ATE::ITextRange& range) -> TextWord* {
    ATE::ITextRanges set;
    if (set.isNull())
      return nullptr;
    set.add(range);
    ATE::IWordsIterator word(set, 1);
    if (word.isNull())
      return nullptr;
    return TextWord::getTextWord(word.ref());
  });
}

// A frame whose art the host does not give is left out.
WalkList<TextArt>* walkFrames(const ATE::ITextFramesIterator& iterator)
{
  return walk<TextArt>(iterator, [](const ATE::ITextFrame& frame) -> TextArt* {
    ArtHandle art = nullptr;
    if (!textFrameSuite || textFrameSuite->getArtOfAteTextFrame(frame.ref(), &art) != 0)
      return nullptr;
    return new TextArt(new Art(art), true);
  });
}

int32_t TextPara::size() const { return wrapper_.getCharacterCount(); }

TextStory* TextPara::story() const
{
  ATE::IStory s = wrapper_.getStory();
  return s.isNull() ? nullptr : TextStory::getTextStory(s.ref());
}

TextRange* TextPara::textRange() const
{
  ATE::ITextRange r = wrapper_.getTextRange();
  return r.isNull() ? nullptr : TextRange::getTextRange(r.ref());
}

TextRangeSet* TextPara::rangeSet6() const
{
  ATE::ITextRanges s = wrapper_.getRangeSet6();
  return s.isNull() ? nullptr : TextRangeSet::getTextRangeSet(s.ref());
}

TextRangeSet* TextPara::rangeSet7() const
{
  ATE::ITextRanges s = wrapper_.getRangeSet7();
  return s.isNull() ? nullptr : TextRangeSet::getTextRangeSet(s.ref());
}

WalkList<TextWord>* TextPara::words() const { return walkWords(wrapper_.getWordsIterator()); }

std::string TextPara::contents(const std::string& lineEnding) const
{
  return engineText(
      wrapper_.getCharacterCount(),
      [this](char16_t* buffer, int32_t capacity) { return wrapper_.getContents(buffer, capacity); }, lineEnding);
}

}  // namespace aip
}  // namespace qor

// The one reference-counted implementation object of an engine paragraph.
#pragma once

#include <string>

#include "aip/qoraipTextObject.h"

namespace qor {
namespace aip {

class TextRange;
class TextRangeSet;
class TextStory;
class TextWord;

class TextPara : public TextObject<TextPara, ATE::IParagraph, AteFirstSuite::none, &PluginGlobals::paragraphWrappers>
{
public:
  static TextPara* getTextPara(const AteParagraphRef& ref) { return getOrCreate(ref); }
  explicit TextPara(const AteParagraphRef& ref) : TextObject(ref) {}
  ATE::IParagraph ateParagraph() const { return wrapper(); }

  int32_t size() const;
  TextStory* story() const;
  TextRange* textRange() const;
  TextRangeSet* rangeSet6() const;
  TextRangeSet* rangeSet7() const;
  WalkList<TextWord>* words() const;
  // The text as UTF-8, every "\r\n" and then every "\r" written as the line ending.
  std::string contents(const std::string& lineEnding) const;

private:
  friend class TextObject;
  ~TextPara() = default;
};

// A word: a words iterator over a one-range set that holds the word's range.
class TextWord
    : public TextObject<TextWord, ATE::IWordsIterator, AteFirstSuite::none, &PluginGlobals::wordWrappers>
{
public:
  static TextWord* getTextWord(const AteWordsIteratorRef& ref) { return getOrCreate(ref); }
  explicit TextWord(const AteWordsIteratorRef& ref) : TextObject(ref) {}
  ATE::IWordsIterator ateWordsIterator() const { return wrapper(); }

private:
  friend class TextObject;
  ~TextWord() = default;
};

// The walks: each returns a new list with one count (or the ownership) of every entry for the caller.
WalkList<TextPara>* walkParagraphs(const ATE::IParagraphsIterator& iterator);
WalkList<TextWord>* walkWords(const ATE::IWordsIterator& iterator);
WalkList<TextRange>* walkRuns(const ATE::ITextRunsIterator& iterator);
WalkList<TextArt>* walkFrames(const ATE::ITextFramesIterator& iterator);

}  // namespace aip
}  // namespace qor

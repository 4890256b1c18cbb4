// The client's handles of a paragraph and of a word of the text engine. A word has the common
// operations only: its engine iterator is the way to its text.
#pragma once

#include <string>

#include "aip/qoraipTextPara.h"
#include "core/qorcoreTextHandle.h"
#include "core/qorcoreTextRange.h"

namespace qor {
namespace core {

class TextRangeSet;
class TextStory;

class TextWord : public TextHandle<aip::TextWord>
{
public:
  using TextHandle::TextHandle;
  using TextHandle::operator=;
  virtual std::unique_ptr<ATE::IWordsIterator> ateWordsIterator() const { return handOut(); }
};

class TextPara : public TextHandle<aip::TextPara>
{
public:
  using TextHandle::TextHandle;
  using TextHandle::operator=;
  virtual std::unique_ptr<ATE::IParagraph> ateParagraph() const { return handOut(); }

  // UTF-16 units; -1 for an empty handle.
  virtual int32_t size() const;
  virtual std::unique_ptr<TextStory> story() const;
  virtual std::unique_ptr<TextRange> textRange() const;
  virtual std::unique_ptr<TextRangeSet> rangeSet6() const;
  virtual std::unique_ptr<TextRangeSet> rangeSet7() const;
  virtual std::vector<TextWord*> words() const;
  // The text as UTF-8 with every line break written as the line ending.
  virtual std::string contents(const std::string& lineEnding) const;
};

TextPara wrapTextPara(aip::TextPara* impl);
TextWord wrapTextWord(aip::TextWord* impl);

}  // namespace core
}  // namespace qor

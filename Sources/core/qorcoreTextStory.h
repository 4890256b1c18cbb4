// The client's handle of a story of the text engine: its size, ranges over it, its paragraphs, words
// and runs, and a story attribute (kind 10 to 40, value) read and written over a range or at a
// character. An empty handle calls nothing and returns -1, false, null or an empty list.
#pragma once

#include "aip/qoraipTextStory.h"
#include "core/qorcoreTextHandle.h"
#include "core/qorcoreTextRange.h"

namespace qor {
namespace core {

class TextPara;
class TextRangeSet;
class TextStorySet;
class TextWord;

class TextStory : public TextHandle<aip::TextStory>
{
public:
  using TextHandle::TextHandle;
  using TextHandle::operator=;
  virtual std::unique_ptr<ATE::IStory> ateStory() const { return handOut(); }

  virtual std::unique_ptr<TextStory> position19() const;
  virtual int32_t position3() const;
  virtual int32_t size() const;
  virtual std::unique_ptr<TextRange> textRange(int32_t start, int32_t end) const;
  virtual std::unique_ptr<TextRange> textRange() const;
  virtual std::unique_ptr<TextRangeSet> rangeSet7() const;
  virtual std::unique_ptr<TextStorySet> stories() const;
  virtual std::vector<TextPara*> paragraphs() const;
  virtual std::vector<TextWord*> words() const;
  virtual std::vector<TextRange*> runs() const;
  virtual bool position15(const TextRange& range, int32_t& kind, int32_t& value) const;
  virtual void position13(const TextRange& range, int32_t kind);
  // At a character index; false (or nothing) outside the story.
  virtual bool position16(int32_t index, int32_t& kind, int32_t& value) const;
  virtual void position14(int32_t index, int32_t value);
  virtual void position20();
  virtual void position21();
};

TextStory wrapTextStory(aip::TextStory* impl);

}  // namespace core
}  // namespace qor

// The client's handle of a set of stories of the text engine.
#pragma once

#include "aip/qoraipTextStorySet.h"
#include "core/qorcoreTextHandle.h"
#include "core/qorcoreTextRange.h"

namespace qor {
namespace core {

class TextPara;
class TextRangeSet;
class TextStory;
class TextWord;

class TextStorySet : public TextHandle<aip::TextStorySet>
{
public:
  using TextHandle::TextHandle;
  using TextHandle::operator=;
  virtual std::unique_ptr<ATE::IStories> ateStories() const { return handOut(); }

  virtual int32_t size() const;
  virtual bool position6() const;
  virtual std::unique_ptr<TextStory> position7() const;
  virtual void position8(const TextStory& story);
  virtual void position9();
  virtual std::unique_ptr<TextRangeSet> rangeSet10() const;
  virtual std::unique_ptr<TextRangeSet> rangeSet11() const;
  virtual std::vector<TextPara*> paragraphs() const;
  virtual std::vector<TextWord*> words() const;
  virtual std::vector<TextRange*> runs() const;
  virtual std::unique_ptr<TextStory> storyAt(int32_t index) const;
  virtual void position17();
  virtual void position18();
};

TextStorySet wrapTextStorySet(aip::TextStorySet* impl);

}  // namespace core
}  // namespace qor

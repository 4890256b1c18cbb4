// The one reference-counted implementation object of an engine set of stories.
#pragma once

#include "aip/qoraipTextObject.h"

namespace qor {
namespace aip {

class TextPara;
class TextRange;
class TextRangeSet;
class TextStory;
class TextWord;

class TextStorySet
    : public TextObject<TextStorySet, ATE::IStories, AteFirstSuite::none, &PluginGlobals::storySetWrappers>
{
public:
  static TextStorySet* getTextStorySet(const AteStoriesRef& ref) { return getOrCreate(ref); }
  explicit TextStorySet(const AteStoriesRef& ref) : TextObject(ref) {}
  ATE::IStories ateStories() const { return wrapper(); }

  int32_t size() const;
  bool position6() const;
  TextStory* position7() const;
  void position8(const TextStory* story);
  void position9();
  TextRangeSet* rangeSet10() const;
  TextRangeSet* rangeSet11() const;
  WalkList<TextPara>* paragraphs() const;
  WalkList<TextWord>* words() const;
  WalkList<TextRange>* runs() const;
  // Checked against the size first: null outside it.
  TextStory* storyAt(int32_t index) const;
  void position17();
  void position18();

private:
  friend class TextObject;
  ~TextStorySet() = default;
};

}  // namespace aip
}  // namespace qor

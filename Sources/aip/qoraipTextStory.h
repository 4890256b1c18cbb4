// The one reference-counted implementation object of an engine story: one flow of text through its
// frames. Object results carry one count for the caller (or are null); walks return new lists.
#pragma once

#include "aip/qoraipTextObject.h"

namespace qor {
namespace aip {

class TextArt;
class TextPara;
class TextRange;
class TextRangeSet;
class TextStorySet;
class TextWord;

class TextStory : public TextObject<TextStory, ATE::IStory, AteFirstSuite::textFrame, &PluginGlobals::storyWrappers>
{
public:
  static TextStory* getTextStory(const AteStoryRef& ref) { return getOrCreate(ref); }
  explicit TextStory(const AteStoryRef& ref) : TextObject(ref) {}
  ATE::IStory ateStory() const { return wrapper(); }

  TextStory* position19() const;
  int32_t position3() const;
  int32_t size() const;
  TextRange* textRange(int32_t start, int32_t end) const;
  TextRange* textRange() const;
  TextRangeSet* rangeSet7() const;
  TextStorySet* stories() const;
  WalkList<TextArt>* textFrames() const;
  WalkList<TextPara>* paragraphs() const;
  WalkList<TextWord>* words() const;
  WalkList<TextRange>* runs() const;
  // A new text part owning a new art object of the frame, or null (negative index, no frame, no art).
  TextArt* frame(int32_t index) const;
  // Kinds in engine numbering; nothing for a null range.
  void position13(const TextRange* range, int32_t kind);
  bool position15(const TextRange* range, int32_t* kind, int32_t* value) const;
  // At a character index, checked against the size first: false (no call) outside the story.
  bool position16(int32_t index, int32_t* kind, int32_t* value) const;
  void position14(int32_t index, int32_t value);
  void position20();
  void position21();

private:
  friend class TextObject;
  ~TextStory() = default;
};

}  // namespace aip
}  // namespace qor

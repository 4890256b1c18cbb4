#include "core/qorcoreTextStorySet.h"

#include "aip/qoraipTextRange.h"
#include "aip/qoraipTextRangeSet.h"
#include "aip/qoraipTextStory.h"
#include "core/qorcoreTextPara.h"
#include "core/qorcoreTextRangeSet.h"
#include "core/qorcoreTextStory.h"

namespace qor {
namespace core {

int32_t TextStorySet::size() const { return impl_ ? impl_->size() : -1; }
bool TextStorySet::position6() const { return impl_ && impl_->position6(); }

std::unique_ptr<TextStory> TextStorySet::position7() const
{
  return impl_ ? handleOf<TextStory>(impl_->position7()) : nullptr;
}

void TextStorySet::position8(const TextStory& story)
{
  if (impl_ && !story.isEmpty())
    impl_->position8(implPointer(story));
}

void TextStorySet::position9()
{
  if (impl_)
    impl_->position9();
}

std::unique_ptr<TextRangeSet> TextStorySet::rangeSet10() const
{
  return impl_ ? handleOf<TextRangeSet>(impl_->rangeSet10()) : nullptr;
}

std::unique_ptr<TextRangeSet> TextStorySet::rangeSet11() const
{
  return impl_ ? handleOf<TextRangeSet>(impl_->rangeSet11()) : nullptr;
}

std::vector<TextPara*> TextStorySet::paragraphs() const
{
  return impl_ ? clientList<TextPara>(impl_->paragraphs()) : std::vector<TextPara*>();
}

std::vector<TextWord*> TextStorySet::words() const
{
  return impl_ ? clientList<TextWord>(impl_->words()) : std::vector<TextWord*>();
}

std::vector<TextRange*> TextStorySet::runs() const
{
  return impl_ ? clientList<TextRange>(impl_->runs()) : std::vector<TextRange*>();
}

std::unique_ptr<TextStory> TextStorySet::storyAt(int32_t index) const
{
  return impl_ ? handleOf<TextStory>(impl_->storyAt(index)) : nullptr;
}

void TextStorySet::position17()
{
  if (impl_)
    impl_->position17();
}

void TextStorySet::position18()
{
  if (impl_)
    impl_->position18();
}

TextStorySet wrapTextStorySet(aip::TextStorySet* impl) { return TextStorySet(impl); }

}  // namespace core
}  // namespace qor

#include "core/qorcoreTextStory.h"

#include "aip/qoraipTextRange.h"
#include "aip/qoraipTextRangeSet.h"
#include "aip/qoraipTextStorySet.h"
#include "core/qorcoreEnumConverters.h"
#include "core/qorcoreTextPara.h"
#include "core/qorcoreTextRangeSet.h"
#include "core/qorcoreTextStorySet.h"

namespace qor {
namespace core {

std::unique_ptr<TextStory> TextStory::position19() const
{
  return impl_ ? handleOf<TextStory>(impl_->position19()) : nullptr;
}

int32_t TextStory::position3() const { return impl_ ? impl_->position3() : -1; }
int32_t TextStory::size() const { return impl_ ? impl_->size() : -1; }

std::unique_ptr<TextRange> TextStory::textRange(int32_t start, int32_t end) const
{
  return impl_ ? handleOf<TextRange>(impl_->textRange(start, end)) : nullptr;
}

std::unique_ptr<TextRange> TextStory::textRange() const
{
  return impl_ ? handleOf<TextRange>(impl_->textRange()) : nullptr;
}

std::unique_ptr<TextRangeSet> TextStory::rangeSet7() const
{
  return impl_ ? handleOf<TextRangeSet>(impl_->rangeSet7()) : nullptr;
}

std::unique_ptr<TextStorySet> TextStory::stories() const
{
  return impl_ ? handleOf<TextStorySet>(impl_->stories()) : nullptr;
}

std::vector<TextPara*> TextStory::paragraphs() const
{
  return impl_ ? clientList<TextPara>(impl_->paragraphs()) : std::vector<TextPara*>();
}

std::vector<TextWord*> TextStory::words() const
{
  return impl_ ? clientList<TextWord>(impl_->words()) : std::vector<TextWord*>();
}

std::vector<TextRange*> TextStory::runs() const
{
  return impl_ ? clientList<TextRange>(impl_->runs()) : std::vector<TextRange*>();
}

bool TextStory::position15(const TextRange& range, int32_t& kind, int32_t& value) const
{
  int32_t engineKind = 0;
  if (!impl_ || !impl_->position15(implPointer(range), &engineKind, &value))
    return false;
  kind = ate0to3ToCore10s(engineKind);
  return true;
}

void TextStory::position13(const TextRange& range, int32_t kind)
{
  if (impl_)
    impl_->position13(implPointer(range), core10sToAte0to3(kind));
}

bool TextStory::position16(int32_t index, int32_t& kind, int32_t& value) const
{
  int32_t engineKind = 0;
  if (!impl_ || !impl_->position16(index, &engineKind, &value))
    return false;
  kind = ate0to3ToCore10s(engineKind);
  return true;
}

void TextStory::position14(int32_t index, int32_t value)
{
  if (impl_)
    impl_->position14(index, value);
}

void TextStory::position20()
{
  if (impl_)
    impl_->position20();
}

void TextStory::position21()
{
  if (impl_)
    impl_->position21();
}

TextStory wrapTextStory(aip::TextStory* impl) { return TextStory(impl); }

}  // namespace core
}  // namespace qor

#include "core/qorcoreTextPara.h"

#include "aip/qoraipTextRange.h"
#include "aip/qoraipTextRangeSet.h"
#include "aip/qoraipTextStory.h"
#include "core/qorcoreTextRangeSet.h"
#include "core/qorcoreTextStory.h"

namespace qor {
namespace core {

int32_t TextPara::size() const { return impl_ ? impl_->size() : -1; }

std::unique_ptr<TextStory> TextPara::story() const
{
  return impl_ ? handleOf<TextStory>(impl_->story()) : nullptr;
}

std::unique_ptr<TextRange> TextPara::textRange() const
{
  return impl_ ? handleOf<TextRange>(impl_->textRange()) : nullptr;
}

std::unique_ptr<TextRangeSet> TextPara::rangeSet6() const
{
  return impl_ ? handleOf<TextRangeSet>(impl_->rangeSet6()) : nullptr;
}

std::unique_ptr<TextRangeSet> TextPara::rangeSet7() const
{
  return impl_ ? handleOf<TextRangeSet>(impl_->rangeSet7()) : nullptr;
}

std::vector<TextWord*> TextPara::words() const
{
  return impl_ ? clientList<TextWord>(impl_->words()) : std::vector<TextWord*>();
}

std::string TextPara::contents(const std::string& lineEnding) const
{
  return impl_ ? impl_->contents(lineEnding) : std::string();
}

TextPara wrapTextPara(aip::TextPara* impl) { return TextPara(impl); }
TextWord wrapTextWord(aip::TextWord* impl) { return TextWord(impl); }

}  // namespace core
}  // namespace qor

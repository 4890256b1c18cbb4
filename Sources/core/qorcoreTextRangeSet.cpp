#include "core/qorcoreTextRangeSet.h"

#include "aip/qoraipTextCharFeatures.h"
#include "aip/qoraipTextRangeValues.h"
#include "aip/qoraipTextRange.h"
#include "core/qorcoreEnumConverters.h"
#include "core/qorcoreTextCharFeatures.h"
#include "core/qorcoreTextRangeValues.h"
#include "core/qorcoreTextPara.h"

namespace qor {
namespace core {

int32_t TextRangeSet::size() const { return impl_ ? impl_->size() : -1; }

std::unique_ptr<TextRangeSet> TextRangeSet::rangeSet7() const
{
  return impl_ ? handleOf<TextRangeSet>(impl_->rangeSet7()) : nullptr;
}

std::vector<TextPara*> TextRangeSet::paragraphs() const
{
  return impl_ ? clientList<TextPara>(impl_->paragraphs()) : std::vector<TextPara*>();
}

std::vector<TextWord*> TextRangeSet::words() const
{
  return impl_ ? clientList<TextWord>(impl_->words()) : std::vector<TextWord*>();
}

std::vector<TextRange*> TextRangeSet::runs() const
{
  return impl_ ? clientList<TextRange>(impl_->runs()) : std::vector<TextRange*>();
}

std::unique_ptr<TextCharInspector> TextRangeSet::charInspector() const
{
  return impl_ ? handleOf<TextCharInspector>(impl_->charInspector()) : nullptr;
}

std::unique_ptr<TextParaInspector> TextRangeSet::paraInspector() const
{
  return impl_ ? handleOf<TextParaInspector>(impl_->paraInspector()) : nullptr;
}

void TextRangeSet::position13()
{
  if (impl_)
    impl_->position13();
}

void TextRangeSet::position14()
{
  if (impl_)
    impl_->position14();
}

std::unique_ptr<TextCharFeatures> TextRangeSet::charFeatures15() const
{
  return impl_ ? handleOf<TextCharFeatures>(impl_->charFeatures15()) : nullptr;
}

std::unique_ptr<TextParaFeatures> TextRangeSet::paraFeatures16() const
{
  return impl_ ? handleOf<TextParaFeatures>(impl_->paraFeatures16()) : nullptr;
}

bool TextRangeSet::position17() const { return impl_ && impl_->position17(); }
bool TextRangeSet::position18() const { return impl_ && impl_->position18(); }

std::unique_ptr<TextCharFeatures> TextRangeSet::charFeatures19() const
{
  return impl_ ? handleOf<TextCharFeatures>(impl_->charFeatures19()) : nullptr;
}

void TextRangeSet::position21(const TextCharFeatures& features)
{
  if (impl_)
    impl_->position21(implPointer(features));
}

void TextRangeSet::position22(const TextCharFeatures& features)
{
  if (impl_)
    impl_->position22(implPointer(features));
}

void TextRangeSet::position23()
{
  if (impl_)
    impl_->position23();
}

std::unique_ptr<TextParaFeatures> TextRangeSet::paraFeatures20() const
{
  return impl_ ? handleOf<TextParaFeatures>(impl_->paraFeatures20()) : nullptr;
}

void TextRangeSet::position24(const TextParaFeatures& features)
{
  if (impl_)
    impl_->position24(implPointer(features));
}

void TextRangeSet::position25(const TextParaFeatures& features)
{
  if (impl_)
    impl_->position25(implPointer(features));
}

void TextRangeSet::position26()
{
  if (impl_)
    impl_->position26();
}

void TextRangeSet::position27(int32_t value)
{
  if (impl_)
    impl_->position27(value);
}

void TextRangeSet::position28()
{
  if (impl_)
    impl_->position28();
}

std::string TextRangeSet::contents(const std::string& lineEnding) const
{
  std::string out;
  if (impl_)
    impl_->contents(out, lineEnding);
  return out;
}

void TextRangeSet::position31(int32_t kind)
{
  if (impl_ && kind % 10 == 0 && kind >= 10 && kind <= 40)
    impl_->position31(core10sToAte0to3(kind));
}

void TextRangeSet::add(const TextRange& range)
{
  if (impl_)
    impl_->add(implPointer(range));
}

std::unique_ptr<TextRange> TextRangeSet::rangeAt(int32_t index) const
{
  return impl_ ? handleOf<TextRange>(impl_->rangeAt(index)) : nullptr;
}

void TextRangeSet::position35(int32_t index)
{
  if (impl_)
    impl_->position35(index);
}

void TextRangeSet::position34()
{
  if (impl_)
    impl_->position34();
}

TextRangeSet wrapTextRangeSet(aip::TextRangeSet* impl) { return TextRangeSet(impl); }

}  // namespace core
}  // namespace qor

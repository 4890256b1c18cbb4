#include "core/qorcoreTextRange.h"

#include "aip/qoraipHostRefs.h"
#include "aip/qoraipTextRange.h"
#include "core/qorcoreTextCharFeatures.h"
#include "core/qorcoreTextFrames.h"
#include "core/qorcoreTextRangeValues.h"
#include "core/qorcoreTextPara.h"
#include "core/qorcoreTextRangeSet.h"
#include "core/qorcoreTextStory.h"
#include "core/qorcoreTextStyleSet.h"

namespace qor {
namespace core {

TextRange::TextRange(aip::TextRange* object)
{
  // Found again by the engine reference: a handle always holds the object the map keeps.
  ATE::ITextRange copy = object->ateTextRange();
  impl_ = aip::TextRange::getTextRange(copy.ref());
}

TextRange::~TextRange()
{
  if (impl_)
    impl_->release();
  impl_ = nullptr;
}

TextRange& TextRange::operator=(const TextRange& other)
{
  if (&other == this)
    return *this;
  if (impl_)
    impl_->release();
  impl_ = nullptr;
  impl_ = aip::retain(other.impl_);
  return *this;
}

bool TextRange::operator==(const TextRange& other) const { return impl_ == other.impl_; }
bool TextRange::operator!=(const TextRange& other) const { return !(*this == other); }

std::unique_ptr<ATE::ITextRange> TextRange::ateTextRange() const
{
  return impl_ ? std::make_unique<ATE::ITextRange>(impl_->ateTextRange()) : nullptr;
}

bool TextRange::isEmpty() const { return impl_ == nullptr; }

int32_t TextRange::start() const { return impl_ ? impl_->start() : 0; }

void TextRange::setStart(int32_t start)
{
  if (impl_)
    impl_->setStart(start);
}

int32_t TextRange::end() const { return impl_ ? impl_->end() : 0; }

void TextRange::setEnd(int32_t end)
{
  if (impl_)
    impl_->setEnd(end);
}

int32_t TextRange::size() const { return impl_ ? impl_->size() : 0; }

void TextRange::setRange(int32_t start, int32_t end)
{
  if (impl_)
    impl_->setRange(start, end);
}

int32_t TextRange::position37(int32_t value) const { return impl_ ? impl_->position37(value) : 0; }

void TextRange::position36(int32_t value)
{
  if (impl_ && (value == 10 || value == 20))
    impl_->position36(value / 10 - 1);
}

void TextRange::position48(int32_t value)
{
  if (impl_ && value % 10 == 0 && value >= 10 && value <= 40)
    impl_->position48(value / 10 - 1);
}

std::unique_ptr<TextRange> TextRange::position38() const
{
  if (!impl_)
    return nullptr;
  // The member's count is given back on every way out, once the new handle holds its own.
  std::unique_ptr<aip::TextRange, void (*)(aip::TextRange*)> found(impl_->position38(),
                                                                    [](aip::TextRange* r) { r->release(); });
  return found ? std::make_unique<TextRange>(found.get()) : nullptr;
}

bool TextRange::position18(const std::string& utf8) { return impl_ && impl_->position18(utf8); }
bool TextRange::position19(const std::string& utf8) { return impl_ && impl_->position19(utf8); }

void TextRange::position39(const std::string& utf8)
{
  if (impl_)
    impl_->position39(utf8);
}

void TextRange::position40(const std::string& utf8)
{
  if (impl_)
    impl_->position40(utf8);
}

void TextRange::position41(const TextRange& other)
{
  if (impl_ && !other.isEmpty())
    impl_->position41(other.impl_);
}

void TextRange::position42(const TextRange& other)
{
  if (impl_ && !other.isEmpty())
    impl_->position42(other.impl_);
}

void TextRange::position20() { forward(&aip::TextRange::position20); }
void TextRange::position21() { forward(&aip::TextRange::position21); }
void TextRange::position30() { forward(&aip::TextRange::position30); }
void TextRange::position33() { forward(&aip::TextRange::position33); }
void TextRange::position49() { forward(&aip::TextRange::position49); }
void TextRange::position50() { forward(&aip::TextRange::position50); }
bool TextRange::position24() const { return impl_ && impl_->position24(); }
bool TextRange::position25() const { return impl_ && impl_->position25(); }

void TextRange::position46(bool flag)
{
  if (impl_)
    impl_->position46(flag);
}

void TextRange::position46() { position46(false); }

void TextRange::forward(void (aip::TextRange::*member)())
{
  if (impl_)
    (impl_->*member)();
}

std::string TextRange::contents(const std::string& lineEnding) const
{
  return impl_ ? impl_->contents(lineEnding) : std::string();
}

TextRange wrapTextRange(aip::TextRange* impl) { return TextRange(impl); }

aip::TextRange* implPointer(const TextRange& range) { return range.impl_; }

std::unique_ptr<TextStory> TextRange::story() const
{
  return impl_ ? handleOf<TextStory>(impl_->story()) : nullptr;
}

void TextRange::setStory(const TextStory& story)
{
  if (impl_ && !story.isEmpty())
    impl_->setStory(implPointer(story));
}

std::unique_ptr<TextRangeSet> TextRange::rangeSet9() const
{
  return impl_ ? handleOf<TextRangeSet>(impl_->rangeSet9()) : nullptr;
}

std::vector<TextArt*> TextRange::textFrames() const
{
  return impl_ ? clientFrames(impl_->textFrames()) : std::vector<TextArt*>();
}

std::vector<TextPara*> TextRange::paragraphs() const
{
  return impl_ ? clientList<TextPara>(impl_->paragraphs()) : std::vector<TextPara*>();
}

std::vector<TextWord*> TextRange::words() const
{
  return impl_ ? clientList<TextWord>(impl_->words()) : std::vector<TextWord*>();
}

std::vector<TextRange*> TextRange::runs() const
{
  return impl_ ? clientList<TextRange>(impl_->runs()) : std::vector<TextRange*>();
}

std::unique_ptr<TextCharInspector> TextRange::charInspector() const
{
  return impl_ ? handleOf<TextCharInspector>(impl_->charInspector()) : nullptr;
}

std::unique_ptr<TextParaInspector> TextRange::paraInspector() const
{
  return impl_ ? handleOf<TextParaInspector>(impl_->paraInspector()) : nullptr;
}

std::unique_ptr<TextCharStyleSet> TextRange::charStyleSet() const
{
  return impl_ ? handleOf<TextCharStyleSet>(impl_->charStyleSet()) : nullptr;
}

std::unique_ptr<TextParaStyleSet> TextRange::paraStyleSet() const
{
  return impl_ ? handleOf<TextParaStyleSet>(impl_->paraStyleSet()) : nullptr;
}

std::unique_ptr<TextCharFeatures> TextRange::charFeatures22() const
{
  return impl_ ? handleOf<TextCharFeatures>(impl_->charFeatures22()) : nullptr;
}

std::unique_ptr<TextParaFeatures> TextRange::paraFeatures23() const
{
  return impl_ ? handleOf<TextParaFeatures>(impl_->paraFeatures23()) : nullptr;
}

std::unique_ptr<TextCharFeatures> TextRange::charFeatures26() const
{
  return impl_ ? handleOf<TextCharFeatures>(impl_->charFeatures26()) : nullptr;
}

std::unique_ptr<TextParaFeatures> TextRange::paraFeatures27() const
{
  return impl_ ? handleOf<TextParaFeatures>(impl_->paraFeatures27()) : nullptr;
}

void TextRange::position28(const TextCharFeatures& features)
{
  if (impl_)
    impl_->position28(implPointer(features));
}

void TextRange::position29(const TextCharFeatures& features)
{
  if (impl_)
    impl_->position29(implPointer(features));
}

void TextRange::position31(const TextParaFeatures& features)
{
  if (impl_)
    impl_->position31(implPointer(features));
}

void TextRange::position32(const TextParaFeatures& features)
{
  if (impl_)
    impl_->position32(implPointer(features));
}

}  // namespace core
}  // namespace qor

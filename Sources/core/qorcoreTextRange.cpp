#include "core/qorcoreTextRange.h"

#include "aip/qoraipHostRefs.h"
#include "aip/qoraipTextRange.h"

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

std::string TextRange::contents(const std::string& lineEnding) const
{
  return impl_ ? impl_->contents(lineEnding) : std::string();
}

TextRange wrapTextRange(aip::TextRange* impl) { return TextRange(impl); }

aip::TextRange* implPointer(const TextRange& range) { return range.impl_; }

}  // namespace core
}  // namespace qor

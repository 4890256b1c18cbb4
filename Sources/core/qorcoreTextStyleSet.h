// The client's handles of character and paragraph style sets (and of one style) of the text engine:
// both have the same shape, so one template serves them.
#pragma once

#include "aip/qoraipTextStyleSet.h"
#include "core/qorcoreTextHandle.h"
#include "core/qorcoreTextRange.h"

namespace qor {
namespace core {

template <class Impl> class TextStyleHandle : public TextHandle<Impl>
{
public:
  using TextHandle<Impl>::TextHandle;
  using TextHandle<Impl>::operator=;
};
using TextCharStyle = TextStyleHandle<aip::TextCharStyle>;
using TextParaStyle = TextStyleHandle<aip::TextParaStyle>;

template <class Impl, class StyleHandle, class EngineIterator> class TextStyleSetHandle : public TextHandle<Impl>
{
public:
  // Owns the engine iterator over a set, or none.
  class Iterator
  {
  public:
    explicit Iterator(std::unique_ptr<EngineIterator> iterator) : iterator_(std::move(iterator)) {}
    bool holdsIterator() const { return iterator_ != nullptr; }

  private:
    std::unique_ptr<EngineIterator> iterator_;
  };

  using TextHandle<Impl>::TextHandle;
  using TextHandle<Impl>::operator=;
  virtual std::unique_ptr<typename Impl::Wrapper> ateStyles() const { return this->handOut(); }

  // -1 for an empty handle.
  virtual int32_t size() const { return this->impl_ ? this->impl_->size() : -1; }
  // An iterator holding none for an empty handle.
  virtual Iterator begin() const
  {
    if (!this->impl_)
      return Iterator(nullptr);
    return Iterator(std::make_unique<EngineIterator>(this->impl_->wrapper(), 1));
  }
  virtual void position5()
  {
    if (this->impl_)
      this->impl_->position5();
  }
  virtual void position6()
  {
    if (this->impl_)
      this->impl_->position6();
  }
  virtual void position7(const TextRange& range)
  {
    if (this->impl_ && !range.isEmpty())
      this->impl_->position7(implPointer(range));
  }
  virtual void position8(const StyleHandle& style, int32_t index)
  {
    if (this->impl_ && !style.isEmpty())
      this->impl_->position8(style.impl(), index);
  }
};

using TextCharStyleSet = TextStyleSetHandle<aip::TextCharStyleSet, TextCharStyle, ATE::ICharStylesIterator>;
using TextParaStyleSet = TextStyleSetHandle<aip::TextParaStyleSet, TextParaStyle, ATE::IParaStylesIterator>;

TextCharStyleSet wrapTextCharStyleSet(aip::TextCharStyleSet* impl);
TextParaStyleSet wrapTextParaStyleSet(aip::TextParaStyleSet* impl);

}  // namespace core
}  // namespace qor

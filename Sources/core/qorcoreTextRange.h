// The client's handle of a span of characters of one story: it holds one count of the range's shared
// implementation object, and every operation forwards to it. An empty handle calls nothing and returns
// 0 or an empty value.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include <vector>

#include "sdk/qorATETextObjects.h"

namespace qor {
namespace aip {
class TextCharStyle;
class TextCharStyleSet;
class TextParaStyle;
class TextParaStyleSet;
class TextRange;
}

namespace core {

class TextCharFeatures;
class TextParaFeatures;
class TextCharInspector;
class TextParaInspector;
class TextPara;
class TextRangeSet;
class TextStory;
class TextWord;
template <class Impl, class StyleHandle, class EngineIterator> class TextStyleSetHandle;
template <class Impl> class TextStyleHandle;

class TextRange
{
public:
  // An empty handle.
  TextRange() = default;
  // Binds to the object the range map holds for the given object's engine reference, with a count of
  // its own; empty without the plug-in's globals. The object must not be null.
  explicit TextRange(aip::TextRange* object);
  TextRange(const TextRange&) = delete;

  virtual ~TextRange();
  // Shares the other handle's object.
  virtual TextRange& operator=(const TextRange& other);
  // The same object (two empty handles are equal).
  virtual bool operator==(const TextRange& other) const;
  virtual bool operator!=(const TextRange& other) const;
  // A new engine wrapper with a reference of its own, owned by the caller; null for an empty handle.
  virtual std::unique_ptr<ATE::ITextRange> ateTextRange() const;
  virtual bool isEmpty() const;

  virtual int32_t start() const;
  virtual void setStart(int32_t start);
  virtual int32_t end() const;
  virtual void setEnd(int32_t end);
  // Characters (UTF-16 units); 0 for an empty handle.
  virtual int32_t size() const;
  // Narrows the range to the characters start to end, end exclusive.
  virtual void setRange(int32_t start, int32_t end);
  // 10 or 20; any other value calls nothing.
  virtual void position36(int32_t value);
  virtual int32_t position37(int32_t value) const;
  // A new handle of the range the engine hands out, owned by the caller; null for none.
  virtual std::unique_ptr<TextRange> position38() const;
  virtual bool position18(const std::string& utf8);
  virtual bool position19(const std::string& utf8);
  virtual void position39(const std::string& utf8);
  virtual void position40(const std::string& utf8);
  // Nothing when either handle is empty.
  virtual void position41(const TextRange& other);
  virtual void position42(const TextRange& other);
  virtual void position20();
  virtual void position21();
  virtual void position30();
  virtual void position33();
  virtual void position49();
  virtual void position50();
  virtual bool position24() const;
  virtual bool position25() const;
  virtual void position46(bool flag);
  // The same with false.
  virtual void position46();
  // 10, 20, 30 or 40; any other value calls nothing.
  virtual void position48(int32_t value);
  // The text as UTF-8 with every line break (engine "\r" or "\r\n") written as lineEnding.
  virtual std::string contents(const std::string& lineEnding) const;

  // New handles owned by the caller (null for an empty handle or none); walks return new handles the
  // caller deletes (empty for an empty handle).
  virtual std::unique_ptr<TextStory> story() const;
  virtual void setStory(const TextStory& story);
  virtual std::unique_ptr<TextRangeSet> rangeSet9() const;
  virtual std::vector<TextPara*> paragraphs() const;
  virtual std::vector<TextWord*> words() const;
  virtual std::vector<TextRange*> runs() const;
  virtual std::unique_ptr<TextCharInspector> charInspector() const;
  virtual std::unique_ptr<TextParaInspector> paraInspector() const;
  virtual std::unique_ptr<TextStyleSetHandle<aip::TextCharStyleSet, TextStyleHandle<aip::TextCharStyle>, ATE::ICharStylesIterator>>
  charStyleSet() const;
  virtual std::unique_ptr<TextStyleSetHandle<aip::TextParaStyleSet, TextStyleHandle<aip::TextParaStyle>, ATE::IParaStylesIterator>>
  paraStyleSet() const;
  virtual std::unique_ptr<TextCharFeatures> charFeatures22() const;
  virtual std::unique_ptr<TextParaFeatures> paraFeatures23() const;
  virtual std::unique_ptr<TextCharFeatures> charFeatures26() const;
  virtual std::unique_ptr<TextParaFeatures> paraFeatures27() const;
  virtual void position28(const TextCharFeatures& features);
  virtual void position29(const TextCharFeatures& features);
  virtual void position31(const TextParaFeatures& features);
  virtual void position32(const TextParaFeatures& features);

private:
  friend aip::TextRange* implPointer(const TextRange& range);
  // Calls a member without arguments when the handle is not empty.
  void forward(void (aip::TextRange::*member)());
  aip::TextRange* impl_ = nullptr;
};

// Builds a client handle around an implementation object (not null).
TextRange wrapTextRange(aip::TextRange* impl);
aip::TextRange* implPointer(const TextRange& range);

}  // namespace core
}  // namespace qor

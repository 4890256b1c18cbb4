// The client's handle of a set of text ranges of the text engine. An empty handle calls nothing and
// returns -1, false, null, an empty list or the empty string.
#pragma once

#include <string>

#include "aip/qoraipTextRangeSet.h"
#include "core/qorcoreTextHandle.h"
#include "core/qorcoreTextRange.h"

namespace qor {
namespace core {

class TextCharFeatures;
class TextCharInspector;
class TextPara;
class TextParaFeatures;
class TextParaInspector;
class TextWord;

class TextRangeSet : public TextHandle<aip::TextRangeSet>
{
public:
  using TextHandle::TextHandle;
  using TextHandle::operator=;
  virtual std::unique_ptr<ATE::ITextRanges> ateTextRanges() const { return handOut(); }

  virtual int32_t size() const;
  virtual std::unique_ptr<TextRangeSet> rangeSet7() const;
  virtual std::vector<TextPara*> paragraphs() const;
  virtual std::vector<TextWord*> words() const;
  virtual std::vector<TextRange*> runs() const;
  virtual std::unique_ptr<TextCharInspector> charInspector() const;
  virtual std::unique_ptr<TextParaInspector> paraInspector() const;
  virtual void position13();
  virtual void position14();
  virtual std::unique_ptr<TextCharFeatures> charFeatures15() const;
  virtual std::unique_ptr<TextParaFeatures> paraFeatures16() const;
  virtual bool position17() const;
  virtual bool position18() const;
  virtual std::unique_ptr<TextCharFeatures> charFeatures19() const;
  virtual void position21(const TextCharFeatures& features);
  virtual void position22(const TextCharFeatures& features);
  virtual void position23();
  virtual std::unique_ptr<TextParaFeatures> paraFeatures20() const;
  virtual void position24(const TextParaFeatures& features);
  virtual void position25(const TextParaFeatures& features);
  virtual void position26();
  virtual void position27(int32_t value);
  virtual void position28();
  virtual std::string contents(const std::string& lineEnding) const;
  // 10, 20, 30 or 40; any other value calls nothing.
  virtual void position31(int32_t kind);
  virtual void add(const TextRange& range);
  virtual std::unique_ptr<TextRange> rangeAt(int32_t index) const;
  virtual void position35(int32_t index);
  virtual void position34();
};

TextRangeSet wrapTextRangeSet(aip::TextRangeSet* impl);

}  // namespace core
}  // namespace qor

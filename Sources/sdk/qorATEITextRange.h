// A text-engine range: a span of characters of one story ("ATE TextRange Suite").
#pragma once

#include "sdk/qorATEWrapper.h"

namespace ATE {

class IStory;
class ITextRanges;
class ICharFeatures;
class IParaFeatures;
class ICharInspector;
class IParaInspector;
class IParagraph;
class ITextFrame;
class IWordsIterator;
template <class Ref, AteSuiteIndex Index, int NotDone, int Next, int Item, class Elem> class IIterator;
template <class Ref, AteSuiteIndex Index, class Style> class IStyles;
template <class Ref, AteSuiteIndex Index> class IStyle;

class ITextRange : public Wrapper<AteTextRangeSuite, AteTextRangeRef, kAteSuiteTextRange>
{
public:
  using Wrapper::Wrapper;

  int32_t getStart() const;
  void setStart(int32_t start);
  int32_t getEnd() const;
  void setEnd(int32_t end);
  // UTF-16 units.
  int32_t getCharacterCount() const;
  // Narrows the range to the characters start to end, end exclusive.
  void setRange(int32_t start, int32_t end);
  void position36(int32_t value);
  int32_t position37(int32_t value) const;
  ITextRange position38() const;
  // Zero-terminated UTF-16 text.
  bool position18(const char16_t* text);
  bool position19(const char16_t* text);
  void position39(const char16_t* text);
  void position40(const char16_t* text);
  void position41(const ITextRange& other);
  void position42(const ITextRange& other);
  void position20();
  void position21();
  void position30();
  void position33();
  void position49();
  void position50();
  bool position24() const;
  bool position25() const;
  void position46(bool flag);
  void position48(int32_t value);
  // Copies at most capacity units into the buffer (no terminator); the count copied.
  int32_t getContents(char16_t* buffer, int32_t capacity) const;

  // The text model's positions (defined with the wrappers they hand out).
  IStory getStory() const;
  void setStory(const IStory& story);
  ITextRanges getRangeSet9() const;
  IIterator<AteTextFramesIteratorRef, kAteSuiteTextFramesIterator, 4, 7, 9, ITextFrame> getTextFramesIterator() const;
  IIterator<AteParagraphsIteratorRef, kAteSuiteParagraphsIterator, 5, 9, 10, IParagraph> getParagraphsIterator() const;
  IWordsIterator getWordsIterator() const;
  IIterator<AteTextRunsIteratorRef, kAteSuiteTextRunsIterator, 4, 9, 10, ITextRange> getTextRunsIterator() const;
  ICharInspector getCharInspector() const;
  IParaInspector getParaInspector() const;
  IStyles<AteCharStylesRef, kAteSuiteCharStyles, IStyle<AteCharStyleRef, kAteSuiteCharStyle>> getCharStyles() const;
  IStyles<AteParaStylesRef, kAteSuiteParaStyles, IStyle<AteParaStyleRef, kAteSuiteParaStyle>> getParaStyles() const;
  ICharFeatures getCharFeatures(int pos) const;
  IParaFeatures getParaFeatures(int pos) const;
  void setCharFeatures(int pos, ICharFeatures features);
  void setParaFeatures(int pos, IParaFeatures features);
};

}  // namespace ATE

// The text-engine wrappers of the text model beyond ranges and frames: stories and story sets, range
// sets, paragraphs, the four iterators of the walks, character and paragraph features, inspectors and
// their element arrays, fonts and paints, tab stops, and character and paragraph style sets. Each one
// holds one engine reference and calls its suite by position (ATE::Object).
#pragma once

#include "sdk/qorATEITextFrame.h"
#include "sdk/qorATEITextRange.h"
#include "sdk/qorATEObject.h"

#include <type_traits>

namespace ATE {

class IStory;
class IStories;
class ITextRanges;
class IParagraph;
class ICharFeatures;
class IParaFeatures;

// An element array of an inspector: its size (position 3) and its elements (position 6). Elements that
// are engine objects come out as new references, adopted by their wrapper.
template <class Elem, class Ref, AteSuiteIndex Index> class IArray : public Object<Ref, Index>
{
public:
  using Object<Ref, Index>::Object;
  int32_t getSize() const { return this->template callFor<int32_t>(3); }
  Elem item(int32_t index) const
  {
    if constexpr (std::is_class_v<Elem>)
      return this->template callForObject<Elem>(6, index);
    else
      return this->template callFor<Elem>(6, index);
  }
};

class IFont : public Object<AteFontRef, kAteSuiteFont>
{
public:
  using Object::Object;
};

class IApplicationPaint : public Object<AteApplicationPaintRef, kAteSuiteApplicationPaint>
{
public:
  using Object::Object;
};

using IArrayReal = IArray<float, AteArrayRealRef, kAteSuiteArrayReal>;
using IArrayArrayReal = IArray<IArrayReal, AteArrayRef, kAteSuiteArrayArrayReal>;
using IArrayFontRef = IArray<IFont, AteArrayRef, kAteSuiteArrayFontRef>;
using IArrayApplicationPaintRef = IArray<IApplicationPaint, AteArrayRef, kAteSuiteArrayApplicationPaintRef>;
using IArrayBool = IArray<bool8, AteArrayRef, kAteSuiteArrayBool>;
using IArrayInteger = IArray<int32_t, AteArrayRef, kAteSuiteArrayInteger>;
// The enumerated arrays hold engine values numbered from 0.
#define QOR_ATE_ENUM_ARRAY(Name) using IArray##Name = IArray<int32_t, AteArrayRef, kAteSuiteArray##Name>;
QOR_ATE_ENUM_ARRAY(ComposerEngine)
QOR_ATE_ENUM_ARRAY(FigureStyle)
QOR_ATE_ENUM_ARRAY(FontBaselineOption)
QOR_ATE_ENUM_ARRAY(FontCapsOption)
QOR_ATE_ENUM_ARRAY(FontOpenTypePositionOption)
QOR_ATE_ENUM_ARRAY(LeadingType)
QOR_ATE_ENUM_ARRAY(LineCapType)
QOR_ATE_ENUM_ARRAY(LineJoinType)
QOR_ATE_ENUM_ARRAY(ParagraphJustification)
QOR_ATE_ENUM_ARRAY(StrikethroughPosition)
QOR_ATE_ENUM_ARRAY(UnderlinePosition)
#undef QOR_ATE_ENUM_ARRAY

// Features: every attribute has a getter (reference, address of the assigned flag, address of the
// value), a setter (reference, value) and a clearer (reference), each at its own position.
template <class Self, class Ref, AteSuiteIndex Index> class IFeatures : public Object<Ref, Index>
{
public:
  IFeatures() : Object<Ref, Index>(CreateNew()) {}
  explicit IFeatures(Ref ref) : Object<Ref, Index>(ref) {}

  // A separate new engine object made from this one.
  Self position4() const { return this->template callForObject<Self>(4); }

  // Plain values: the value the engine left, whether assigned or not.
  template <class T> T get(int pos, bool* assigned = nullptr) const
  {
    bool8 isAssigned = 0;
    T value{};
    this->call(pos, &isAssigned, &value);
    if (assigned)
      *assigned = isAssigned != 0;
    return value;
  }
  template <class T> void set(int pos, T value) { this->call(pos, value); }
  // Engine objects: the getter's reference is adopted; the setter's wrapper is released after the call.
  template <class W> W getObject(int pos, bool* assigned = nullptr) const
  {
    return W(get<typename W::RefType>(pos, assigned));
  }
  template <class W> void setObject(int pos, W value) { this->call(pos, value.ref()); }
  void clear(int pos) { this->call(pos); }
};

class ICharFeatures : public IFeatures<ICharFeatures, AteCharFeaturesRef, kAteSuiteCharFeatures>
{
public:
  using IFeatures::IFeatures;
};

class IParaFeatures : public IFeatures<IParaFeatures, AteParaFeaturesRef, kAteSuiteParaFeatures>
{
public:
  using IFeatures::IFeatures;
};

// Inspectors: every getter hands out a new element array.
template <class Ref, AteSuiteIndex Index> class IInspector : public Object<Ref, Index>
{
public:
  IInspector() : Object<Ref, Index>(CreateNew()) {}
  explicit IInspector(Ref ref) : Object<Ref, Index>(ref) {}
  template <class A> A getArray(int pos) const { return this->template callForObject<A>(pos); }
};

class ICharInspector : public IInspector<AteCharInspectorRef, kAteSuiteCharInspector>
{
public:
  using IInspector::IInspector;
};

class IParaInspector : public IInspector<AteParaInspectorRef, kAteSuiteParaInspector>
{
public:
  using IInspector::IInspector;
};

// An iterator over the elements of a walk: isNotDone, next and item at the positions of its suite.
template <class Ref, AteSuiteIndex Index, int NotDone, int Next, int Item, class Elem>
class IIterator : public Object<Ref, Index>
{
public:
  using Element = Elem;
  using Object<Ref, Index>::Object;
  bool isNotDone() const { return this->callForBool(NotDone); }
  void next() { this->call(Next); }
  Elem item() const { return this->template callForObject<Elem>(Item); }
};

class IParagraph;
using IParagraphsIterator =
    IIterator<AteParagraphsIteratorRef, kAteSuiteParagraphsIterator, 5, 9, 10, IParagraph>;
using ITextRunsIterator = IIterator<AteTextRunsIteratorRef, kAteSuiteTextRunsIterator, 4, 9, 10, ITextRange>;
using ITextFramesIterator =
    IIterator<AteTextFramesIteratorRef, kAteSuiteTextFramesIterator, 4, 7, 9, ITextFrame>;

class IWordsIterator : public IIterator<AteWordsIteratorRef, kAteSuiteWordsIterator, 4, 9, 10, ITextRange>
{
public:
  using IIterator::IIterator;
  IWordsIterator() = default;
  // A new iterator over the words of a set (position 3: the set, the direction, the new reference).
  IWordsIterator(const ITextRanges& set, int32_t direction);
};

class IParagraph : public Object<AteParagraphRef, kAteSuiteParagraph>
{
public:
  using Object::Object;
  int32_t getCharacterCount() const { return callFor<int32_t>(3); }
  IStory getStory() const;
  ITextRange getTextRange() const { return callForObject<ITextRange>(5); }
  ITextRanges getRangeSet6() const;
  ITextRanges getRangeSet7() const;
  IWordsIterator getWordsIterator() const { return callForObject<IWordsIterator>(8); }
  int32_t getContents(char16_t* buffer, int32_t capacity) const { return callFor<int32_t>(11, buffer, capacity); }
};

class ITextRanges : public Object<AteTextRangesRef, kAteSuiteTextRanges>
{
public:
  // A new, empty set.
  ITextRanges() : Object(CreateNew()) {}
  explicit ITextRanges(AteTextRangesRef ref) : Object(ref) {}
  int32_t getSize() const { return callFor<int32_t>(4); }
  ITextRanges getRangeSet7() const { return callForObject<ITextRanges>(7); }
  IParagraphsIterator getParagraphsIterator() const { return callForObject<IParagraphsIterator>(8); }
  IWordsIterator getWordsIterator() const { return callForObject<IWordsIterator>(9); }
  ITextRunsIterator getTextRunsIterator() const { return callForObject<ITextRunsIterator>(10); }
  ICharInspector getCharInspector() const { return callForObject<ICharInspector>(11); }
  IParaInspector getParaInspector() const { return callForObject<IParaInspector>(12); }
  ICharFeatures getCharFeatures(int pos) const { return callForObject<ICharFeatures>(pos); }
  IParaFeatures getParaFeatures(int pos) const { return callForObject<IParaFeatures>(pos); }
  bool flag(int pos) const { return callForBool(pos); }
  void run(int pos) { call(pos); }
  void runWith(int pos, int32_t value) { call(pos, value); }
  void setCharFeatures(int pos, ICharFeatures features) { call(pos, features.ref()); }
  void setParaFeatures(int pos, IParaFeatures features) { call(pos, features.ref()); }
  int32_t getContents(char16_t* buffer, int32_t capacity) const { return callFor<int32_t>(29, buffer, capacity); }
  void add(const ITextRange& range) { call(32, range.ref()); }
  ITextRange item(int32_t index) const { return callForObject<ITextRange>(33, index); }
};

class IStory : public Object<AteStoryRef, kAteSuiteStory>
{
public:
  using Object::Object;
  int32_t position3() const { return callFor<int32_t>(3); }
  int32_t getSize() const { return callFor<int32_t>(4); }
  IStories getStories() const;
  ITextRange getTextRange() const { return callForObject<ITextRange>(6); }
  ITextRanges getRangeSet7() const { return callForObject<ITextRanges>(7); }
  IParagraphsIterator getParagraphsIterator() const { return callForObject<IParagraphsIterator>(8); }
  IWordsIterator getWordsIterator() const { return callForObject<IWordsIterator>(9); }
  ITextRunsIterator getTextRunsIterator() const { return callForObject<ITextRunsIterator>(10); }
  ITextFramesIterator getTextFramesIterator() const { return callForObject<ITextFramesIterator>(11); }
  ITextFrame getFrame(int32_t index) const { return callForObject<ITextFrame>(12, index); }
  void position13(const ITextRange& range, int32_t kind) { call(13, range.ref(), kind); }
  void position14(int32_t index, int32_t value) { call(14, index, value); }
  // Writes the kind first, then the value.
  void position15(const ITextRange& range, int32_t* kind, int32_t* value) const { call(15, range.ref(), kind, value); }
  // Writes the value first, then the kind; returns the kind.
  int32_t position16(int32_t index, int32_t* value) const
  {
    int32_t kind = 0;
    call(16, index, value, &kind);
    return kind;
  }
  ITextRange getTextRange(int32_t start, int32_t end) const { return callForObject<ITextRange>(17, start, end); }
  IStory position19() const { return callForObject<IStory>(19); }
  void position20() { call(20); }
  void position21() { call(21); }
};

class IStories : public Object<AteStoriesRef, kAteSuiteStories>
{
public:
  using Object::Object;
  int32_t getSize() const { return callFor<int32_t>(3); }
  bool position6() const { return callForBool(6); }
  IStory position7() const { return callForObject<IStory>(7); }
  void position8(const IStory& story) { call(8, story.ref()); }
  void run(int pos) { call(pos); }
  ITextRanges getRangeSet(int pos) const { return callForObject<ITextRanges>(pos); }
  IParagraphsIterator getParagraphsIterator() const { return callForObject<IParagraphsIterator>(12); }
  IWordsIterator getWordsIterator() const { return callForObject<IWordsIterator>(13); }
  ITextRunsIterator getTextRunsIterator() const { return callForObject<ITextRunsIterator>(14); }
  IStory item(int32_t index) const { return callForObject<IStory>(16, index); }
};

inline IStory IParagraph::getStory() const { return callForObject<IStory>(4); }
inline ITextRanges IParagraph::getRangeSet6() const { return callForObject<ITextRanges>(6); }
inline ITextRanges IParagraph::getRangeSet7() const { return callForObject<ITextRanges>(7); }
inline IStories IStory::getStories() const { return callForObject<IStories>(5); }

inline IWordsIterator::IWordsIterator(const ITextRanges& set, int32_t direction)
{
  AteWordsIteratorRef created = nullptr;
  callPosition(kAteSuiteWordsIterator, 3, set.ref(), direction, &created);
  ref_ = created;
}

// Tab stops.
class ITabStop : public Object<AteTabStopRef, kAteSuiteTabStop>
{
public:
  ITabStop() : Object(CreateNew()) {}
  explicit ITabStop(AteTabStopRef ref) : Object(ref) {}
  int32_t getAttribute4() const { return callFor<int32_t>(4); }
  void setAttribute4(int32_t value) { call(5, value); }
  float getAttribute6() const { return callFor<float>(6); }
  void setAttribute6(float value) { call(7, value); }
  bool getAttribute8() const { return callForBool(8); }
  // Writes at most max units into the buffer.
  void getAttribute9(char16_t* buffer, int32_t max) const { call(9, buffer, max); }
  void setAttribute9(const char16_t* text) { call(10, text); }
  char16_t getAttribute11() const { return callFor<char16_t>(11); }
  void setAttribute11(char16_t unit) { call(12, unit); }
};

class ITabStops : public Object<AteTabStopsRef, kAteSuiteTabStops>
{
public:
  ITabStops() : Object(CreateNew()) {}
  explicit ITabStops(AteTabStopsRef ref) : Object(ref) {}
  int32_t getSize() const { return callFor<int32_t>(4); }
  void add(const ITabStop& stop) { call(7, stop.ref()); }
  ITabStop item(int32_t index) const { return callForObject<ITabStop>(8, index); }
  void remove(int32_t index) { call(9, index); }
  void removeAll() { call(10); }
};

// The iterators of tab-stop and style sets: made over a set (position 3) and never advanced.
template <class Ref, AteSuiteIndex Index> class ISetIterator : public Object<Ref, Index>
{
public:
  template <class Set> ISetIterator(const Set& set, int32_t direction)
  {
    Ref created = nullptr;
    callPosition(Index, 3, set.ref(), direction, &created);
    this->ref_ = created;
  }
};
using ITabStopsIterator = ISetIterator<AteTabStopsIteratorRef, kAteSuiteTabStopsIterator>;

// Character and paragraph styles and their sets, which have the same shape.
template <class Ref, AteSuiteIndex Index> class IStyle : public Object<Ref, Index>
{
public:
  using Object<Ref, Index>::Object;
};
using ICharStyle = IStyle<AteCharStyleRef, kAteSuiteCharStyle>;
using IParaStyle = IStyle<AteParaStyleRef, kAteSuiteParaStyle>;

template <class Ref, AteSuiteIndex Index, class Style> class IStyles : public Object<Ref, Index>
{
public:
  using StyleType = Style;
  using Object<Ref, Index>::Object;
  int32_t getSize() const { return this->template callFor<int32_t>(4); }
  void position5() { this->call(5); }
  void position6() { this->call(6); }
  void position7(const ITextRange& range) { this->call(7, range.ref()); }
  void position8(const Style& style, int32_t index) { this->call(8, style.ref(), index); }
};
using ICharStyles = IStyles<AteCharStylesRef, kAteSuiteCharStyles, ICharStyle>;
using IParaStyles = IStyles<AteParaStylesRef, kAteSuiteParaStyles, IParaStyle>;
using ICharStylesIterator = ISetIterator<AteCharStylesIteratorRef, kAteSuiteCharStylesIterator>;
using IParaStylesIterator = ISetIterator<AteParaStylesIteratorRef, kAteSuiteParaStylesIterator>;

}  // namespace ATE

// The simulated text engine's model of stories (runs of character features, paragraph features, a story
// attribute per character) and the suites of the text model over it: stories and story sets, range sets,
// paragraphs, the iterators of the walks, features, inspectors and their arrays, paints, tab stops and
// styles.
//
// Host choices: a paragraph ends after its '\r'; a word is a stretch of characters without white space;
// a run is a stretch of one paragraph whose characters share every character feature. The features of
// a range are the attributes all its runs agree on; an inspector lists the distinct values of an
// attribute over the runs, in text order. A frame shows its whole story, so a story has one frame. The
// story set of a story holds every text frame's story of its document. Positions whose meaning is the
// engine's own are recorded (TextEngine::calls).
#include "hostapi/AteSuites.h"
#include "hostsimArt.h"
#include "hostsimDocument.h"
#include "hostsimEncoding.h"
#include "hostsimFonts.h"
#include "hostsimText.h"

#include <algorithm>
#include <cstring>
#include <optional>
#include <type_traits>

namespace hostsim {

namespace hostsimTextModel_detail {

using Kind = TextEngine::Kind;
using Object = TextEngine::Object;
using Attrs = TextEngine::Attrs;
using Value = TextEngine::Value;
using Span = std::pair<int32_t, int32_t>;

TextEngine& engine()
{
  return HostApp::instance().area<TextEngine>();
}

template <class F> void put(HostStubProc* table, int pos, F fn)
{
  // Through the generic function type, which converts to and from any other without complaint.
  table[pos] = reinterpret_cast<HostStubProc>(reinterpret_cast<void (*)()>(fn));
}

HostStubProc* table(AteSuiteIndex index)
{
  return HostApp::instance().publishTable(kAteSuites[index].name, kAteSuites[index].version, kAteSuiteSlots);
}

template <class T> T* ref(const void* r)
{
  return static_cast<T*>(const_cast<void*>(r));
}

template <class Ref> Ref as(const void* r)
{
  return reinterpret_cast<Ref>(const_cast<void*>(r));
}

// ---- the common positions of every suite of the model ----

template <Kind K, class Ref> HostErr addRefOf(Ref r)
{
  return engine().addRef(r, K);
}
template <Kind K, class Ref> HostErr releaseOf(Ref r)
{
  return engine().release(r, K);
}
template <Kind K, class Ref> bool8 isNullOf(Ref r)
{
  return engine().find(r, K) ? 0 : 1;
}

template <Kind K, class Ref> void common(AteSuiteIndex index)
{
  HostStubProc* t = table(index);
  put(t, 0, &addRefOf<K, Ref>);
  put(t, 1, &releaseOf<K, Ref>);
  put(t, 2, &isNullOf<K, Ref>);
}

template <Kind K, class Ref, class F> HostErr with(Ref r, F&& f)
{
  Object* o = engine().find(r, K);
  if (!o)
    return kHostErrBadParameter;
  return f(*o);
}

template <class T> HostErr write(T* out, T value)
{
  if (!out)
    return kHostErrBadParameter;
  *out = value;
  return kHostNoErr;
}

// A position recorded with its suite.
template <Kind K, AteSuiteIndex S, int Pos, class Ref> HostErr recordOnly(Ref r)
{
  return with<K>(r, [&](Object&) {
    engine().calls.push_back({Pos, 0, {}, S});
    return kHostNoErr;
  });
}
template <Kind K, AteSuiteIndex S, int Pos, class Ref> HostErr recordValue(Ref r, int32_t value)
{
  return with<K>(r, [&](Object&) {
    engine().calls.push_back({Pos, value, {}, S});
    return kHostNoErr;
  });
}

// ---- spans of text ----

int32_t storySize(const Art* frame)
{
  return int32_t(TextEngine::story(frame).size());
}

// An object's span clamped to its story.
Span span(const Object& o)
{
  int32_t size = storySize(o.frame);
  int32_t s = std::clamp(o.start, int32_t(0), size), e = std::clamp(o.end, int32_t(0), size);
  return {std::min(s, e), std::max(s, e)};
}

// The text objects a set or an iterator source covers: (frame, span) pairs.
struct Piece
{
  Art* frame;
  Span span;
};

std::vector<Piece> piecesOf(const Object& o)
{
  std::vector<Piece> out;
  switch (o.kind) {
  case Kind::Story:
    out.push_back({o.frame, {0, storySize(o.frame)}});
    break;
  case Kind::Range:
  case Kind::Paragraph:
    out.push_back({o.frame, span(o)});
    break;
  case Kind::Ranges:
  case Kind::Stories:
    for (const void* item : o.items)
      if (Object* inner = engine().find(item, o.kind == Kind::Ranges ? Kind::Range : Kind::Story))
        out.push_back(piecesOf(*inner).front());
    break;
  default:
    break;
  }
  return out;
}

// A new iterator holding the given element references.
void* iterator(Kind kind, std::vector<const void*> items)
{
  Object it{kind};
  it.items = std::move(items);
  return engine().create(std::move(it));
}

void* paragraphsOf(const std::vector<Piece>& pieces)
{
  std::vector<const void*> items;
  std::vector<std::pair<Art*, Span>> seen;
  for (const Piece& p : pieces)
    for (Span s : TextEngine::paragraphSpans(TextEngine::story(p.frame), p.span.first, p.span.second)) {
      if (std::find(seen.begin(), seen.end(), std::make_pair(p.frame, s)) != seen.end())
        continue;
      seen.push_back({p.frame, s});
      items.push_back(engine().shared(Kind::Paragraph, p.frame, s.first, s.second));
    }
  return iterator(Kind::ParagraphsIterator, std::move(items));
}

void* wordsOf(const std::vector<Piece>& pieces)
{
  std::vector<const void*> items;
  for (const Piece& p : pieces)
    for (Span s : TextEngine::wordSpans(TextEngine::story(p.frame), p.span.first, p.span.second))
      items.push_back(engine().create(Kind::Range, p.frame, s.first, s.second));
  return iterator(Kind::WordsIterator, std::move(items));
}

void* runsOf(const std::vector<Piece>& pieces)
{
  std::vector<const void*> items;
  for (const Piece& p : pieces)
    for (Span s : engine().runSpans(p.frame, p.span.first, p.span.second))
      items.push_back(engine().create(Kind::Range, p.frame, s.first, s.second));
  return iterator(Kind::RunsIterator, std::move(items));
}

void* framesOf(const std::vector<Piece>& pieces)
{
  std::vector<const void*> items;
  for (const Piece& p : pieces)
    items.push_back(engine().shared(Kind::Frame, p.frame));
  return iterator(Kind::FramesIterator, std::move(items));
}

// A new set holding new ranges over the pieces.
void* rangeSet(const std::vector<Piece>& pieces)
{
  Object set{Kind::Ranges};
  for (const Piece& p : pieces)
    set.items.push_back(engine().create(Kind::Range, p.frame, p.span.first, p.span.second));
  return engine().create(std::move(set));
}

// Every text frame's story of a document, in document order.
void* storiesOf(Document* doc)
{
  Object set{Kind::Stories};
  if (doc)
    for (Art* a : doc->live<Art>())
      if (a->type == Art::kTextFrame && a->owningLayer())
        set.items.push_back(engine().shared(Kind::Story, a));
  return engine().create(std::move(set));
}

// ---- features, inspectors and their values ----

enum class VKind
{
  Real,
  Bool,
  Int,
  Font,
  Paint,
  RealArray,
  TabStops,
  CharFeatures,
};

void* featuresObject(Kind kind, Attrs attrs)
{
  Object o{kind};
  o.attrs = std::move(attrs);
  return engine().create(std::move(o));
}

// The paragraph features over a span: the attributes every paragraph there agrees on.
Attrs paraAttrs(Art* frame, Span s)
{
  TextEngine::StoryModel& m = engine().model(frame);
  std::vector<Span> spans = TextEngine::paragraphSpans(m.text, s.first, s.second);
  std::optional<Attrs> common;
  int32_t index = 0;
  for (Span p : TextEngine::paragraphSpans(m.text, 0, int32_t(m.text.size()))) {
    if (std::find(spans.begin(), spans.end(), p) != spans.end()) {
      const Attrs& a = m.paragraphs[size_t(index)];
      if (!common) {
        common = a;
      } else {
        for (auto it = common->begin(); it != common->end();) {
          auto other = a.find(it->first);
          it = other == a.end() || other->second != it->second ? common->erase(it) : std::next(it);
        }
      }
    }
    ++index;
  }
  return common ? *common : Attrs();
}

void applyParaAttrs(Art* frame, Span s, const Attrs& attrs, bool replace)
{
  TextEngine::StoryModel& m = engine().model(frame);
  std::vector<Span> spans = TextEngine::paragraphSpans(m.text, s.first, s.second);
  int32_t index = 0;
  for (Span p : TextEngine::paragraphSpans(m.text, 0, int32_t(m.text.size()))) {
    if (std::find(spans.begin(), spans.end(), p) != spans.end()) {
      Attrs& target = m.paragraphs[size_t(index)];
      if (replace)
        target = attrs;
      else
        for (const auto& [k, v] : attrs)
          target[k] = v;
    }
    ++index;
  }
}

Attrs charAttrsOf(const std::vector<Piece>& pieces)
{
  std::optional<Attrs> common;
  for (const Piece& p : pieces) {
    Attrs a = engine().charAttrs(p.frame, p.span.first, p.span.second);
    if (!common) {
      common = a;
      continue;
    }
    for (auto it = common->begin(); it != common->end();) {
      auto other = a.find(it->first);
      it = other == a.end() || other->second != it->second ? common->erase(it) : std::next(it);
    }
  }
  return common ? *common : Attrs();
}

Attrs paraAttrsOf(const std::vector<Piece>& pieces)
{
  std::optional<Attrs> common;
  for (const Piece& p : pieces) {
    Attrs a = paraAttrs(p.frame, p.span);
    if (!common) {
      common = a;
      continue;
    }
    for (auto it = common->begin(); it != common->end();) {
      auto other = a.find(it->first);
      it = other == a.end() || other->second != it->second ? common->erase(it) : std::next(it);
    }
  }
  return common ? *common : Attrs();
}

// An inspector: per attribute, the distinct values over the runs (or paragraphs) of the pieces. The
// inspector keeps, for each getter position of the features, the list of values; unassigned runs add
// the engine's default (zero).
void* inspector(Kind kind, const std::vector<Piece>& pieces)
{
  Object o{kind};
  std::vector<Attrs> all;
  for (const Piece& p : pieces) {
    if (kind == Kind::CharInspector) {
      for (Span s : engine().runSpans(p.frame, p.span.first, p.span.second))
        all.push_back(engine().charAttrs(p.frame, s.first, s.second));
    } else {
      TextEngine::StoryModel& m = engine().model(p.frame);
      std::vector<Span> spans = TextEngine::paragraphSpans(m.text, p.span.first, p.span.second);
      int32_t index = 0;
      for (Span s : TextEngine::paragraphSpans(m.text, 0, int32_t(m.text.size()))) {
        if (std::find(spans.begin(), spans.end(), s) != spans.end())
          all.push_back(m.paragraphs[size_t(index)]);
        ++index;
      }
    }
  }
  // Every attribute position any of them assigns, and the ones none does (as their default).
  std::map<int32_t, std::vector<Value>> lists;
  auto add = [&](int32_t pos) {
    std::vector<Value>& list = lists[pos];
    for (const Attrs& a : all) {
      auto it = a.find(pos);
      Value v = it == a.end() ? Value() : it->second;
      if (std::find(list.begin(), list.end(), v) == list.end())
        list.push_back(v);
    }
  };
  if (kind == Kind::CharInspector) {
#define QOR_ADD(get, set, clear, kind, conv, name, Name) add(get);
    QOR_ATE_CHAR_FEATURES(QOR_ADD)
  } else {
    QOR_ATE_PARA_FEATURES(QOR_ADD)
#undef QOR_ADD
  }
  // The lists are kept as values of one attribute each: the list sits in a nested map by index.
  for (auto& [pos, list] : lists) {
    Value holder;
    holder.features = std::make_shared<Attrs>();
    for (size_t i = 0; i < list.size(); ++i)
      (*holder.features)[int32_t(i)] = list[i];
    o.attrs[pos] = holder;
  }
  return engine().create(std::move(o));
}

// An element array of an inspector: values of one kind.
void* array(VKind kind, std::vector<Value> values)
{
  Object o{Kind::Array};
  o.start = int32_t(kind);
  o.values = std::move(values);
  return engine().create(std::move(o));
}

void* paintOf(const ColorRecord& record)
{
  Object o{Kind::Paint};
  Value v;
  v.paint = std::make_shared<ColorRecord>(record);
  o.values.push_back(v);
  return engine().create(std::move(o));
}

void* tabStopsOf(const std::vector<TextEngine::TabStopData>& tabs)
{
  Object o{Kind::TabStops};
  o.tabs = tabs;
  return engine().create(std::move(o));
}

// The engine object handed out for an object-valued attribute; null for one the model cannot express.
template <class Ref> Ref objectOf(VKind kind, const Value& v)
{
  switch (kind) {
  case VKind::Font:
    return as<Ref>(v.font ? HostApp::instance().area<Fonts>().retainAteFont(v.font) : nullptr);
  case VKind::Paint:
    return as<Ref>(v.paint ? paintOf(*v.paint) : nullptr);
  case VKind::RealArray:
    return as<Ref>(array(VKind::Real, [&] {
      std::vector<Value> values;
      for (double d : v.reals)
        values.push_back(Value{d});
      return values;
    }()));
  case VKind::TabStops:
    return as<Ref>(tabStopsOf(v.tabs));
  case VKind::CharFeatures:
    return as<Ref>(featuresObject(Kind::CharFeatures, v.features ? *v.features : Attrs()));
  default:
    return nullptr;
  }
}

// The value of an engine object passed to a setter; false for a reference the engine does not know.
bool valueOf(VKind kind, const void* r, Value& v)
{
  TextEngine& e = engine();
  switch (kind) {
  case VKind::Font:
    v.font = HostApp::instance().area<Fonts>().fontOfAteFont(as<AteFontRef>(r));
    return v.font != nullptr;
  case VKind::Paint:
    if (Object* o = e.find(r, Kind::Paint)) {
      v.paint = o->values.front().paint;
      return true;
    }
    return false;
  case VKind::RealArray:
    if (Object* o = e.find(r, Kind::Array)) {
      for (const Value& x : o->values)
        v.reals.push_back(x.number);
      return true;
    }
    return false;
  case VKind::TabStops:
    if (Object* o = e.find(r, Kind::TabStops)) {
      v.tabs = o->tabs;
      return true;
    }
    return false;
  case VKind::CharFeatures:
    if (Object* o = e.find(r, Kind::CharFeatures)) {
      v.features = std::make_shared<Attrs>(o->attrs);
      return true;
    }
    return false;
  default:
    return false;
  }
}

// Getters, setters and clearers of one attribute of a features object.
template <Kind K, class Ref, int Get, class T> HostErr getPlain(Ref r, bool8* assigned, T* out)
{
  return with<K>(r, [&](Object& o) {
    if (!assigned || !out)
      return kHostErrBadParameter;
    auto it = o.attrs.find(Get);
    *assigned = it != o.attrs.end();
    if (it != o.attrs.end())
      *out = T(it->second.number);
    return kHostNoErr;
  });
}
template <Kind K, class Ref, int Get, class T> HostErr setPlain(Ref r, T value)
{
  return with<K>(r, [&](Object& o) {
    o.attrs[Get] = Value{double(value)};
    return kHostNoErr;
  });
}
template <Kind K, class Ref, int Get, VKind V, class ORef> HostErr getObject(Ref r, bool8* assigned, ORef* out)
{
  return with<K>(r, [&](Object& o) {
    if (!assigned || !out)
      return kHostErrBadParameter;
    auto it = o.attrs.find(Get);
    *assigned = it != o.attrs.end();
    *out = it != o.attrs.end() ? objectOf<ORef>(V, it->second) : nullptr;
    return kHostNoErr;
  });
}
template <Kind K, class Ref, int Get, VKind V, class ORef> HostErr setObject(Ref r, ORef value)
{
  return with<K>(r, [&](Object& o) {
    Value v;
    if (!valueOf(V, value, v))
      return kHostErrBadParameter;
    o.attrs[Get] = v;
    return kHostNoErr;
  });
}
template <Kind K, class Ref, int First, int Last> HostErr clearAttrs(Ref r)
{
  return with<K>(r, [&](Object& o) {
    for (int pos = First; pos <= Last; ++pos)
      o.attrs.erase(pos);
    return kHostNoErr;
  });
}

template <Kind K, class Ref, int Get, int Set, int Clear, VKind V> void attribute(HostStubProc* t)
{
  if constexpr (V == VKind::Real) {
    put(t, Get, &getPlain<K, Ref, Get, float>);
    put(t, Set, &setPlain<K, Ref, Get, float>);
  } else if constexpr (V == VKind::Bool) {
    put(t, Get, &getPlain<K, Ref, Get, bool8>);
    put(t, Set, &setPlain<K, Ref, Get, bool8>);
  } else if constexpr (V == VKind::Int) {
    put(t, Get, &getPlain<K, Ref, Get, int32_t>);
    put(t, Set, &setPlain<K, Ref, Get, int32_t>);
  } else if constexpr (V == VKind::Font) {
    put(t, Get, &getObject<K, Ref, Get, V, AteFontRef>);
    put(t, Set, &setObject<K, Ref, Get, V, AteFontRef>);
  } else if constexpr (V == VKind::Paint) {
    put(t, Get, &getObject<K, Ref, Get, V, AteApplicationPaintRef>);
    put(t, Set, &setObject<K, Ref, Get, V, AteApplicationPaintRef>);
  } else if constexpr (V == VKind::RealArray) {
    put(t, Get, &getObject<K, Ref, Get, V, AteArrayRealRef>);
    put(t, Set, &setObject<K, Ref, Get, V, AteArrayRealRef>);
  } else if constexpr (V == VKind::TabStops) {
    put(t, Get, &getObject<K, Ref, Get, V, AteTabStopsRef>);
    put(t, Set, &setObject<K, Ref, Get, V, AteTabStopsRef>);
  } else {
    put(t, Get, &getObject<K, Ref, Get, V, AteCharFeaturesRef>);
    put(t, Set, &setObject<K, Ref, Get, V, AteCharFeaturesRef>);
  }
  if constexpr (Clear != 0)
    put(t, Clear, &clearAttrs<K, Ref, Get, Get>);
}

template <class Ref, Kind K> HostErr createObject(Ref* out)
{
  return write(out, static_cast<Ref>(engine().create(Object{K})));
}

template <Kind K, class Ref> HostErr duplicate(Ref r, Ref* out)
{
  return with<K>(r, [&](Object& o) {
    Object copy = o;
    copy.items.clear();
    return write(out, static_cast<Ref>(engine().create(std::move(copy))));
  });
}

// Inspector getters: a new array of the attribute's distinct values.
template <Kind K, class Ref, int Attr, VKind V> HostErr inspect(Ref r, AteArrayRef* out)
{
  return with<K>(r, [&](Object& o) {
    std::vector<Value> values;
    auto it = o.attrs.find(Attr);
    if (it != o.attrs.end() && it->second.features)
      for (const auto& [i, v] : *it->second.features)
        values.push_back(v);
    if (Attr == 0)
      values.push_back(Value());
    return write(out, static_cast<AteArrayRef>(array(V, std::move(values))));
  });
}
template <Kind K, class Ref, int Attr, VKind V> HostErr inspectReal(Ref r, AteArrayRealRef* out)
{
  AteArrayRef a = nullptr;
  HostErr err = inspect<K, Ref, Attr, V>(r, &a);
  return err ? err : write(out, as<AteArrayRealRef>(a));
}

constexpr VKind elementKind(AteSuiteIndex arraySuite)
{
  switch (arraySuite) {
  case kAteSuiteArrayReal:
    return VKind::Real;
  case kAteSuiteArrayBool:
    return VKind::Bool;
  case kAteSuiteArrayFontRef:
    return VKind::Font;
  case kAteSuiteArrayApplicationPaintRef:
    return VKind::Paint;
  case kAteSuiteArrayArrayReal:
    return VKind::RealArray;
  default:
    return VKind::Int;
  }
}

// Array suites: size and elements.
template <class Ref> HostErr arraySize(Ref r, int32_t* out)
{
  return with<Kind::Array>(r, [&](Object& o) { return write(out, int32_t(o.values.size())); });
}
template <class Ref, class T> HostErr arrayItem(Ref r, int32_t index, T* out)
{
  return with<Kind::Array>(r, [&](Object& o) {
    if (index < 0 || size_t(index) >= o.values.size() || !out)
      return kHostErrBadParameter;
    const Value& v = o.values[size_t(index)];
    if constexpr (std::is_pointer_v<T>)
      *out = objectOf<T>(VKind(o.start), v);
    else
      *out = T(v.number);
    return kHostNoErr;
  });
}

template <AteSuiteIndex S> void arraySuite()
{
  constexpr VKind V = elementKind(S);
  using Ref = std::conditional_t<S == kAteSuiteArrayReal, AteArrayRealRef, AteArrayRef>;
  common<Kind::Array, Ref>(S);
  HostStubProc* t = table(S);
  put(t, 3, &arraySize<Ref>);
  if constexpr (V == VKind::Real)
    put(t, 6, &arrayItem<Ref, float>);
  else if constexpr (V == VKind::Bool)
    put(t, 6, &arrayItem<Ref, bool8>);
  else if constexpr (V == VKind::Font)
    put(t, 6, &arrayItem<Ref, AteFontRef>);
  else if constexpr (V == VKind::Paint)
    put(t, 6, &arrayItem<Ref, AteApplicationPaintRef>);
  else if constexpr (V == VKind::RealArray)
    put(t, 6, &arrayItem<Ref, AteArrayRealRef>);
  else
    put(t, 6, &arrayItem<Ref, int32_t>);
}

// ---- "ATE Story Suite" ----

template <int Pos, class Out, class F> HostErr storyGives(AteStoryRef s, Out* out, F&& make)
{
  return with<Kind::Story>(s, [&](Object& o) { return write(out, static_cast<Out>(make(o))); });
}

HostErr storyPosition3(AteStoryRef s, int32_t* out)
{
  return with<Kind::Story>(s, [&](Object&) { return write(out, int32_t(0)); });
}
HostErr storyStories(AteStoryRef s, AteStoriesRef* out)
{
  return storyGives<5>(s, out, [](Object& o) { return storiesOf(o.frame->doc); });
}
HostErr storyRangeSet(AteStoryRef s, AteTextRangesRef* out)
{
  return storyGives<7>(s, out, [](Object& o) { return rangeSet(piecesOf(o)); });
}
HostErr storyParagraphs(AteStoryRef s, AteParagraphsIteratorRef* out)
{
  return storyGives<8>(s, out, [](Object& o) { return paragraphsOf(piecesOf(o)); });
}
HostErr storyWords(AteStoryRef s, AteWordsIteratorRef* out)
{
  return storyGives<9>(s, out, [](Object& o) { return wordsOf(piecesOf(o)); });
}
HostErr storyRuns(AteStoryRef s, AteTextRunsIteratorRef* out)
{
  return storyGives<10>(s, out, [](Object& o) { return runsOf(piecesOf(o)); });
}
HostErr storyFrames(AteStoryRef s, AteTextFramesIteratorRef* out)
{
  return storyGives<11>(s, out, [](Object& o) { return framesOf(piecesOf(o)); });
}
// One frame per story: index 0 is it, later ones are refused.
HostErr storyFrame(AteStoryRef s, int32_t index, AteTextFrameRef* out)
{
  return with<Kind::Story>(s, [&](Object& o) {
    if (index != 0)
      return kHostErrBadParameter;
    return write(out, static_cast<AteTextFrameRef>(engine().shared(Kind::Frame, o.frame)));
  });
}

// The story attribute: a kind set over a range, a value written at a character.
HostErr storySetKind(AteStoryRef s, AteTextRangeRef range, int32_t kind)
{
  return with<Kind::Story>(s, [&](Object& o) {
    Object* r = engine().find(range, Kind::Range);
    if (!r || r->frame != o.frame)
      return kHostErrBadParameter;
    TextEngine::StoryModel& m = engine().model(o.frame);
    Span sp = span(*r);
    for (int32_t i = sp.first; i < sp.second; ++i)
      m.storyAttribute[size_t(i)].first = kind;
    return kHostNoErr;
  });
}
HostErr storySetValue(AteStoryRef s, int32_t index, int32_t value)
{
  return with<Kind::Story>(s, [&](Object& o) {
    TextEngine::StoryModel& m = engine().model(o.frame);
    if (index < 0 || size_t(index) >= m.storyAttribute.size())
      return kHostErrBadParameter;
    m.storyAttribute[size_t(index)].second = value;
    return kHostNoErr;
  });
}
// Over a range: the attribute of its first character (of the character before an empty range).
HostErr storyGetOverRange(AteStoryRef s, AteTextRangeRef range, int32_t* kind, int32_t* value)
{
  return with<Kind::Story>(s, [&](Object& o) {
    Object* r = engine().find(range, Kind::Range);
    TextEngine::StoryModel& m = engine().model(o.frame);
    if (!r || r->frame != o.frame || !kind || !value || m.storyAttribute.empty())
      return kHostErrBadParameter;
    Span sp = span(*r);
    size_t at = size_t(std::min(sp.first, int32_t(m.storyAttribute.size()) - 1));
    *kind = m.storyAttribute[at].first;
    *value = m.storyAttribute[at].second;
    return kHostNoErr;
  });
}
HostErr storyGetAt(AteStoryRef s, int32_t index, int32_t* value, int32_t* kind)
{
  return with<Kind::Story>(s, [&](Object& o) {
    TextEngine::StoryModel& m = engine().model(o.frame);
    if (index < 0 || size_t(index) >= m.storyAttribute.size() || !kind || !value)
      return kHostErrBadParameter;
    *value = m.storyAttribute[size_t(index)].second;
    *kind = m.storyAttribute[size_t(index)].first;
    return kHostNoErr;
  });
}
HostErr storyPosition19(AteStoryRef s, AteStoryRef* out)
{
  return storyGives<19>(s, out, [](Object& o) { return engine().shared(Kind::Story, o.frame); });
}

// ---- "ATE Stories Suite" ----

HostErr storiesSize(AteStoriesRef r, int32_t* out)
{
  return with<Kind::Stories>(r, [&](Object& o) { return write(out, int32_t(o.items.size())); });
}
HostErr storiesAny(AteStoriesRef r, bool8* out)
{
  return with<Kind::Stories>(r, [&](Object& o) { return write(out, bool8(!o.items.empty())); });
}
HostErr storiesItem(AteStoriesRef r, int32_t index, AteStoryRef* out)
{
  return with<Kind::Stories>(r, [&](Object& o) {
    if (index < 0 || size_t(index) >= o.items.size())
      return kHostErrBadParameter;
    engine().addRef(o.items[size_t(index)], Kind::Story);
    return write(out, as<AteStoryRef>(o.items[size_t(index)]));
  });
}
HostErr storiesFirst(AteStoriesRef r, AteStoryRef* out)
{
  return with<Kind::Stories>(r, [&](Object& o) {
    if (o.items.empty())
      return write(out, AteStoryRef(nullptr));
    return storiesItem(r, 0, out);
  });
}
HostErr storiesRecordStory(AteStoriesRef r, AteStoryRef story)
{
  return with<Kind::Stories>(r, [&](Object&) {
    if (!engine().find(story, Kind::Story))
      return kHostErrBadParameter;
    engine().calls.push_back({8, 0, {}, kAteSuiteStories});
    return kHostNoErr;
  });
}
template <class Out, class F> HostErr storiesGive(AteStoriesRef r, Out* out, F&& make)
{
  return with<Kind::Stories>(r, [&](Object& o) { return write(out, static_cast<Out>(make(o))); });
}
HostErr storiesRanges(AteStoriesRef r, AteTextRangesRef* out)
{
  return storiesGive(r, out, [](Object& o) { return rangeSet(piecesOf(o)); });
}
HostErr storiesParagraphs(AteStoriesRef r, AteParagraphsIteratorRef* out)
{
  return storiesGive(r, out, [](Object& o) { return paragraphsOf(piecesOf(o)); });
}
HostErr storiesWords(AteStoriesRef r, AteWordsIteratorRef* out)
{
  return storiesGive(r, out, [](Object& o) { return wordsOf(piecesOf(o)); });
}
HostErr storiesRuns(AteStoriesRef r, AteTextRunsIteratorRef* out)
{
  return storiesGive(r, out, [](Object& o) { return runsOf(piecesOf(o)); });
}

// ---- "ATE Paragraph Suite" ----

HostErr paraSize(AteParagraphRef p, int32_t* out)
{
  return with<Kind::Paragraph>(p, [&](Object& o) {
    Span s = span(o);
    return write(out, s.second - s.first);
  });
}
template <class Out, class F> HostErr paraGive(AteParagraphRef p, Out* out, F&& make)
{
  return with<Kind::Paragraph>(p, [&](Object& o) { return write(out, static_cast<Out>(make(o))); });
}
HostErr paraStory(AteParagraphRef p, AteStoryRef* out)
{
  return paraGive(p, out, [](Object& o) { return engine().shared(Kind::Story, o.frame); });
}
HostErr paraRange(AteParagraphRef p, AteTextRangeRef* out)
{
  return paraGive(p, out, [](Object& o) {
    Span s = span(o);
    return engine().create(Kind::Range, o.frame, s.first, s.second);
  });
}
HostErr paraRanges(AteParagraphRef p, AteTextRangesRef* out)
{
  return paraGive(p, out, [](Object& o) { return rangeSet(piecesOf(o)); });
}
HostErr paraWords(AteParagraphRef p, AteWordsIteratorRef* out)
{
  return paraGive(p, out, [](Object& o) { return wordsOf(piecesOf(o)); });
}
HostErr paraContents(AteParagraphRef p, char16_t* buffer, int32_t capacity, int32_t* outCount)
{
  return with<Kind::Paragraph>(p, [&](Object& o) {
    if (capacity < 0 || !outCount || (capacity > 0 && !buffer))
      return kHostErrBadParameter;
    Span s = span(o);
    std::u16string text = TextEngine::story(o.frame);
    int32_t n = std::min(s.second - s.first, capacity);
    std::copy_n(text.begin() + s.first, n, buffer);
    *outCount = n;
    return kHostNoErr;
  });
}

// ---- iterators ----

template <Kind K, class Ref> HostErr iterNotDone(Ref r, bool8* out)
{
  return with<K>(r, [&](Object& o) { return write(out, bool8(o.cursor < o.items.size())); });
}
template <Kind K, class Ref> HostErr iterNext(Ref r)
{
  return with<K>(r, [&](Object& o) {
    if (o.cursor < o.items.size())
      ++o.cursor;
    return kHostNoErr;
  });
}
template <Kind K, Kind E, class Ref, class ERef> HostErr iterItem(Ref r, ERef* out)
{
  return with<K>(r, [&](Object& o) {
    if (o.cursor >= o.items.size())
      return kHostErrBadParameter;
    engine().addRef(o.items[o.cursor], E);
    return write(out, as<ERef>(o.items[o.cursor]));
  });
}

template <Kind K, Kind E, class Ref, class ERef, int NotDone, int Next, int Item> void iteratorSuite(AteSuiteIndex index)
{
  common<K, Ref>(index);
  HostStubProc* t = table(index);
  put(t, NotDone, &iterNotDone<K, Ref>);
  put(t, Next, &iterNext<K, Ref>);
  put(t, Item, &iterItem<K, E, Ref, ERef>);
}

HostErr wordsOverSet(AteTextRangesRef set, int32_t, AteWordsIteratorRef* out)
{
  return with<Kind::Ranges>(set, [&](Object& o) {
    return write(out, static_cast<AteWordsIteratorRef>(wordsOf(piecesOf(o))));
  });
}

// Tab-stop and style iterators are made over their set and never advanced.
template <Kind SetKind, class SetRef, class Ref> HostErr setIterator(SetRef set, int32_t, Ref* out)
{
  return with<SetKind>(set, [&](Object&) {
    Object it{Kind::SetIterator};
    engine().addRef(set, SetKind);
    it.items.push_back(set);
    return write(out, static_cast<Ref>(engine().create(std::move(it))));
  });
}

// ---- "ATE TextRanges Suite" ----

template <class Out, class F> HostErr setGive(AteTextRangesRef r, Out* out, F&& make)
{
  return with<Kind::Ranges>(r, [&](Object& o) { return write(out, static_cast<Out>(make(o))); });
}
HostErr setSize(AteTextRangesRef r, int32_t* out)
{
  return with<Kind::Ranges>(r, [&](Object& o) { return write(out, int32_t(o.items.size())); });
}
HostErr setCopy(AteTextRangesRef r, AteTextRangesRef* out)
{
  return setGive(r, out, [](Object& o) { return rangeSet(piecesOf(o)); });
}
HostErr setParagraphs(AteTextRangesRef r, AteParagraphsIteratorRef* out)
{
  return setGive(r, out, [](Object& o) { return paragraphsOf(piecesOf(o)); });
}
HostErr setWords(AteTextRangesRef r, AteWordsIteratorRef* out)
{
  return setGive(r, out, [](Object& o) { return wordsOf(piecesOf(o)); });
}
HostErr setRuns(AteTextRangesRef r, AteTextRunsIteratorRef* out)
{
  return setGive(r, out, [](Object& o) { return runsOf(piecesOf(o)); });
}
HostErr setCharInspector(AteTextRangesRef r, AteCharInspectorRef* out)
{
  return setGive(r, out, [](Object& o) { return inspector(Kind::CharInspector, piecesOf(o)); });
}
HostErr setParaInspector(AteTextRangesRef r, AteParaInspectorRef* out)
{
  return setGive(r, out, [](Object& o) { return inspector(Kind::ParaInspector, piecesOf(o)); });
}
HostErr setCharFeatures(AteTextRangesRef r, AteCharFeaturesRef* out)
{
  return setGive(r, out, [](Object& o) { return featuresObject(Kind::CharFeatures, charAttrsOf(piecesOf(o))); });
}
HostErr setParaFeatures(AteTextRangesRef r, AteParaFeaturesRef* out)
{
  return setGive(r, out, [](Object& o) { return featuresObject(Kind::ParaFeatures, paraAttrsOf(piecesOf(o))); });
}
// Whether the set is empty of characters, and whether it holds any range.
HostErr setEmpty(AteTextRangesRef r, bool8* out)
{
  return with<Kind::Ranges>(r, [&](Object& o) {
    int32_t n = 0;
    for (const Piece& p : piecesOf(o))
      n += p.span.second - p.span.first;
    return write(out, bool8(n == 0));
  });
}
HostErr setAny(AteTextRangesRef r, bool8* out)
{
  return with<Kind::Ranges>(r, [&](Object& o) { return write(out, bool8(!o.items.empty())); });
}
template <bool Replace> HostErr setApplyChar(AteTextRangesRef r, AteCharFeaturesRef f)
{
  return with<Kind::Ranges>(r, [&](Object& o) {
    Object* features = engine().find(f, Kind::CharFeatures);
    if (!features)
      return kHostErrBadParameter;
    Attrs attrs = features->attrs;
    for (const Piece& p : piecesOf(o))
      engine().applyCharAttrs(p.frame, p.span.first, p.span.second, attrs, Replace);
    return kHostNoErr;
  });
}
template <bool Replace> HostErr setApplyPara(AteTextRangesRef r, AteParaFeaturesRef f)
{
  return with<Kind::Ranges>(r, [&](Object& o) {
    Object* features = engine().find(f, Kind::ParaFeatures);
    if (!features)
      return kHostErrBadParameter;
    Attrs attrs = features->attrs;
    for (const Piece& p : piecesOf(o))
      applyParaAttrs(p.frame, p.span, attrs, Replace);
    return kHostNoErr;
  });
}
HostErr setContents(AteTextRangesRef r, char16_t* buffer, int32_t capacity, int32_t* outCount)
{
  return with<Kind::Ranges>(r, [&](Object& o) {
    if (capacity < 0 || !outCount || (capacity > 0 && !buffer))
      return kHostErrBadParameter;
    std::u16string all;
    for (const Piece& p : piecesOf(o))
      all += TextEngine::story(p.frame).substr(size_t(p.span.first), size_t(p.span.second - p.span.first));
    int32_t n = std::min(int32_t(all.size()), capacity);
    std::copy_n(all.begin(), n, buffer);
    *outCount = n;
    return kHostNoErr;
  });
}
HostErr setAdd(AteTextRangesRef r, AteTextRangeRef range)
{
  return with<Kind::Ranges>(r, [&](Object& o) {
    if (!engine().find(range, Kind::Range))
      return kHostErrBadParameter;
    engine().addRef(range, Kind::Range);
    o.items.push_back(range);
    return kHostNoErr;
  });
}
HostErr setItem(AteTextRangesRef r, int32_t index, AteTextRangeRef* out)
{
  return with<Kind::Ranges>(r, [&](Object& o) {
    if (index < 0 || size_t(index) >= o.items.size())
      return kHostErrBadParameter;
    engine().addRef(o.items[size_t(index)], Kind::Range);
    return write(out, as<AteTextRangeRef>(o.items[size_t(index)]));
  });
}
// Takes the range at the index out of the set.
HostErr setRemove(AteTextRangesRef r, int32_t index)
{
  return with<Kind::Ranges>(r, [&](Object& o) {
    if (index < 0 || size_t(index) >= o.items.size())
      return kHostErrBadParameter;
    const void* item = o.items[size_t(index)];
    o.items.erase(o.items.begin() + index);
    return engine().release(item, Kind::Range);
  });
}

// ---- "ATE TextRange Suite", the model's positions ----

template <class Out, class F> HostErr rangeGive(AteTextRangeRef r, Out* out, F&& make)
{
  return with<Kind::Range>(r, [&](Object& o) { return write(out, static_cast<Out>(make(o))); });
}
HostErr rangeSetOf(AteTextRangeRef r, AteTextRangesRef* out)
{
  return rangeGive(r, out, [](Object& o) { return rangeSet(piecesOf(o)); });
}
HostErr rangeFrames(AteTextRangeRef r, AteTextFramesIteratorRef* out)
{
  return rangeGive(r, out, [](Object& o) { return framesOf(piecesOf(o)); });
}
HostErr rangeParagraphs(AteTextRangeRef r, AteParagraphsIteratorRef* out)
{
  return rangeGive(r, out, [](Object& o) { return paragraphsOf(piecesOf(o)); });
}
HostErr rangeWords(AteTextRangeRef r, AteWordsIteratorRef* out)
{
  return rangeGive(r, out, [](Object& o) { return wordsOf(piecesOf(o)); });
}
HostErr rangeRuns(AteTextRangeRef r, AteTextRunsIteratorRef* out)
{
  return rangeGive(r, out, [](Object& o) { return runsOf(piecesOf(o)); });
}
HostErr rangeCharInspector(AteTextRangeRef r, AteCharInspectorRef* out)
{
  return rangeGive(r, out, [](Object& o) { return inspector(Kind::CharInspector, piecesOf(o)); });
}
HostErr rangeParaInspector(AteTextRangeRef r, AteParaInspectorRef* out)
{
  return rangeGive(r, out, [](Object& o) { return inspector(Kind::ParaInspector, piecesOf(o)); });
}
// The styles the range uses: the names its runs (or paragraphs) carry, else the normal style.
template <Kind K, class Out> HostErr rangeStyles(AteTextRangeRef r, Out* out)
{
  return rangeGive(r, out, [](Object&) {
    Object set{K};
    set.names = K == Kind::CharStyles ? engine().charStyles : engine().paraStyles;
    return engine().create(std::move(set));
  });
}
HostErr rangeCharFeatures(AteTextRangeRef r, AteCharFeaturesRef* out)
{
  return rangeGive(r, out, [](Object& o) { return featuresObject(Kind::CharFeatures, charAttrsOf(piecesOf(o))); });
}
HostErr rangeParaFeatures(AteTextRangeRef r, AteParaFeaturesRef* out)
{
  return rangeGive(r, out, [](Object& o) { return featuresObject(Kind::ParaFeatures, paraAttrsOf(piecesOf(o))); });
}
template <bool Replace> HostErr rangeApplyChar(AteTextRangeRef r, AteCharFeaturesRef f)
{
  return with<Kind::Range>(r, [&](Object& o) {
    Object* features = engine().find(f, Kind::CharFeatures);
    if (!features)
      return kHostErrBadParameter;
    Span s = span(o);
    engine().applyCharAttrs(o.frame, s.first, s.second, Attrs(features->attrs), Replace);
    return kHostNoErr;
  });
}
template <bool Replace> HostErr rangeApplyPara(AteTextRangeRef r, AteParaFeaturesRef f)
{
  return with<Kind::Range>(r, [&](Object& o) {
    Object* features = engine().find(f, Kind::ParaFeatures);
    if (!features)
      return kHostErrBadParameter;
    applyParaAttrs(o.frame, span(o), Attrs(features->attrs), Replace);
    return kHostNoErr;
  });
}
HostErr rangeSetStory(AteTextRangeRef r, AteStoryRef story)
{
  return with<Kind::Range>(r, [&](Object& o) {
    Object* s = engine().find(story, Kind::Story);
    if (!s)
      return kHostErrBadParameter;
    o.frame = s->frame;
    Span sp = span(o);
    o.start = sp.first;
    o.end = sp.second;
    return kHostNoErr;
  });
}

// ---- "ATE TabStop Suite" and "ATE TabStops Suite" ----

template <class F> HostErr withTab(AteTabStopRef r, F&& f)
{
  return with<Kind::TabStop>(r, [&](Object& o) { return f(o.tab); });
}
HostErr tabGetAlignment(AteTabStopRef r, int32_t* out)
{
  return withTab(r, [&](TextEngine::TabStopData& t) { return write(out, t.alignment); });
}
HostErr tabSetAlignment(AteTabStopRef r, int32_t v)
{
  return withTab(r, [&](TextEngine::TabStopData& t) {
    t.alignment = v;
    return kHostNoErr;
  });
}
HostErr tabGetPosition(AteTabStopRef r, float* out)
{
  return withTab(r, [&](TextEngine::TabStopData& t) { return write(out, t.position); });
}
HostErr tabSetPosition(AteTabStopRef r, float v)
{
  return withTab(r, [&](TextEngine::TabStopData& t) {
    t.position = v;
    return kHostNoErr;
  });
}
HostErr tabGetAutomatic(AteTabStopRef r, bool8* out)
{
  return withTab(r, [&](TextEngine::TabStopData& t) { return write(out, bool8(t.automatic)); });
}
HostErr tabGetLeader(AteTabStopRef r, char16_t* buffer, int32_t max)
{
  return withTab(r, [&](TextEngine::TabStopData& t) {
    if (!buffer || max < 0)
      return kHostErrBadParameter;
    std::copy_n(t.leader.begin(), std::min(int32_t(t.leader.size()), max), buffer);
    return kHostNoErr;
  });
}
HostErr tabSetLeader(AteTabStopRef r, const char16_t* text)
{
  return withTab(r, [&](TextEngine::TabStopData& t) {
    if (!text)
      return kHostErrBadParameter;
    t.leader = text;
    return kHostNoErr;
  });
}
HostErr tabGetDecimal(AteTabStopRef r, char16_t* out)
{
  return withTab(r, [&](TextEngine::TabStopData& t) { return write(out, t.decimal); });
}
HostErr tabSetDecimal(AteTabStopRef r, char16_t v)
{
  return withTab(r, [&](TextEngine::TabStopData& t) {
    t.decimal = v;
    return kHostNoErr;
  });
}

HostErr tabsSize(AteTabStopsRef r, int32_t* out)
{
  return with<Kind::TabStops>(r, [&](Object& o) { return write(out, int32_t(o.tabs.size())); });
}
// A stop goes in position order; one at the position of another replaces it.
HostErr tabsAdd(AteTabStopsRef r, AteTabStopRef stop)
{
  return with<Kind::TabStops>(r, [&](Object& o) {
    Object* s = engine().find(stop, Kind::TabStop);
    if (!s)
      return kHostErrBadParameter;
    auto at = std::find_if(o.tabs.begin(), o.tabs.end(),
                           [&](const TextEngine::TabStopData& t) { return t.position >= s->tab.position; });
    if (at != o.tabs.end() && at->position == s->tab.position)
      *at = s->tab;
    else
      o.tabs.insert(at, s->tab);
    return kHostNoErr;
  });
}
HostErr tabsItem(AteTabStopsRef r, int32_t index, AteTabStopRef* out)
{
  return with<Kind::TabStops>(r, [&](Object& o) {
    if (index < 0 || size_t(index) >= o.tabs.size())
      return kHostErrBadParameter;
    Object stop{Kind::TabStop};
    stop.tab = o.tabs[size_t(index)];
    return write(out, static_cast<AteTabStopRef>(engine().create(std::move(stop))));
  });
}
HostErr tabsRemove(AteTabStopsRef r, int32_t index)
{
  return with<Kind::TabStops>(r, [&](Object& o) {
    if (index < 0 || size_t(index) >= o.tabs.size())
      return kHostErrBadParameter;
    o.tabs.erase(o.tabs.begin() + index);
    return kHostNoErr;
  });
}
HostErr tabsRemoveAll(AteTabStopsRef r)
{
  return with<Kind::TabStops>(r, [&](Object& o) {
    o.tabs.clear();
    return kHostNoErr;
  });
}

// ---- style sets ----

template <Kind K, class Ref> HostErr stylesSize(Ref r, int32_t* out)
{
  return with<K>(r, [&](Object& o) { return write(out, int32_t(o.names.size())); });
}
template <Kind K, Kind StyleKind, class Ref, class StyleRef, int S> HostErr stylesPosition8(Ref r, StyleRef style, int32_t index)
{
  return with<K>(r, [&](Object& o) {
    if (!engine().find(style, StyleKind) || index < 0 || size_t(index) >= o.names.size())
      return kHostErrBadParameter;
    engine().calls.push_back({8, index, {}, S});
    return kHostNoErr;
  });
}
template <Kind K, class Ref, int S> HostErr stylesPosition7(Ref r, AteTextRangeRef range)
{
  return with<K>(r, [&](Object&) {
    if (!engine().find(range, Kind::Range))
      return kHostErrBadParameter;
    engine().calls.push_back({7, 0, {}, S});
    return kHostNoErr;
  });
}

// ---- "AIATE Paint Suite" and "ATE Font Suite" ----

HostErr paintToRecord(AteApplicationPaintRef paint, ColorRecord* out)
{
  Object* o = engine().find(paint, Kind::Paint);
  if (!o || !out || o->values.empty() || !o->values.front().paint)
    return kHostErrBadParameter;
  *out = *o->values.front().paint;
  return kHostNoErr;
}
// Kind 6 (no colour) has no paint.
HostErr recordToPaint(const ColorRecord* in, AteApplicationPaintRef* out)
{
  if (!in || !out || in->kind == 6)
    return kHostErrBadParameter;
  *out = static_cast<AteApplicationPaintRef>(paintOf(*in));
  return kHostNoErr;
}

HostErr recordToRealArray(const AteRealArrayRecord* in, AteArrayRealRef* out)
{
  if (!in || !out || in->count < 0 || in->count > 6)
    return kHostErrBadParameter;
  std::vector<Value> values;
  for (int i = 0; i < in->count; ++i)
    values.push_back(Value{double(in->values[i])});
  *out = static_cast<AteArrayRealRef>(array(VKind::Real, std::move(values)));
  return kHostNoErr;
}

HostErr fontRelease(AteFontRef f)
{
  return HostApp::instance().area<Fonts>().releaseAteFont(f) ? kHostNoErr : kHostErrBadParameter;
}
bool8 fontIsNull(AteFontRef f)
{
  return HostApp::instance().area<Fonts>().fontOfAteFont(f) ? 0 : 1;
}

void install(HostApp&)
{
  using K = Kind;
  // Stories.
  {
    common<K::Story, AteStoryRef>(kAteSuiteStory);
    HostStubProc* t = table(kAteSuiteStory);
    put(t, 3, &storyPosition3);
    put(t, 5, &storyStories);
    put(t, 7, &storyRangeSet);
    put(t, 8, &storyParagraphs);
    put(t, 9, &storyWords);
    put(t, 10, &storyRuns);
    put(t, 11, &storyFrames);
    put(t, 12, &storyFrame);
    put(t, 13, &storySetKind);
    put(t, 14, &storySetValue);
    put(t, 15, &storyGetOverRange);
    put(t, 16, &storyGetAt);
    put(t, 19, &storyPosition19);
    put(t, 20, &recordOnly<K::Story, kAteSuiteStory, 20, AteStoryRef>);
    put(t, 21, &recordOnly<K::Story, kAteSuiteStory, 21, AteStoryRef>);
  }
  {
    common<K::Stories, AteStoriesRef>(kAteSuiteStories);
    HostStubProc* t = table(kAteSuiteStories);
    put(t, 3, &storiesSize);
    put(t, 6, &storiesAny);
    put(t, 7, &storiesFirst);
    put(t, 8, &storiesRecordStory);
    put(t, 9, &recordOnly<K::Stories, kAteSuiteStories, 9, AteStoriesRef>);
    put(t, 10, &storiesRanges);
    put(t, 11, &storiesRanges);
    put(t, 12, &storiesParagraphs);
    put(t, 13, &storiesWords);
    put(t, 14, &storiesRuns);
    put(t, 16, &storiesItem);
    put(t, 17, &recordOnly<K::Stories, kAteSuiteStories, 17, AteStoriesRef>);
    put(t, 18, &recordOnly<K::Stories, kAteSuiteStories, 18, AteStoriesRef>);
  }
  {
    common<K::Paragraph, AteParagraphRef>(kAteSuiteParagraph);
    HostStubProc* t = table(kAteSuiteParagraph);
    put(t, 3, &paraSize);
    put(t, 4, &paraStory);
    put(t, 5, &paraRange);
    put(t, 6, &paraRanges);
    put(t, 7, &paraRanges);
    put(t, 8, &paraWords);
    put(t, 11, &paraContents);
  }
  iteratorSuite<K::ParagraphsIterator, K::Paragraph, AteParagraphsIteratorRef, AteParagraphRef, 5, 9, 10>(
      kAteSuiteParagraphsIterator);
  iteratorSuite<K::WordsIterator, K::Range, AteWordsIteratorRef, AteTextRangeRef, 4, 9, 10>(kAteSuiteWordsIterator);
  put(table(kAteSuiteWordsIterator), 3, &wordsOverSet);
  iteratorSuite<K::RunsIterator, K::Range, AteTextRunsIteratorRef, AteTextRangeRef, 4, 9, 10>(
      kAteSuiteTextRunsIterator);
  iteratorSuite<K::FramesIterator, K::Frame, AteTextFramesIteratorRef, AteTextFrameRef, 4, 7, 9>(
      kAteSuiteTextFramesIterator);
  {
    common<K::Ranges, AteTextRangesRef>(kAteSuiteTextRanges);
    HostStubProc* t = table(kAteSuiteTextRanges);
    put(t, 3, &createObject<AteTextRangesRef, K::Ranges>);
    put(t, 4, &setSize);
    put(t, 7, &setCopy);
    put(t, 8, &setParagraphs);
    put(t, 9, &setWords);
    put(t, 10, &setRuns);
    put(t, 11, &setCharInspector);
    put(t, 12, &setParaInspector);
    put(t, 13, &recordOnly<K::Ranges, kAteSuiteTextRanges, 13, AteTextRangesRef>);
    put(t, 14, &recordOnly<K::Ranges, kAteSuiteTextRanges, 14, AteTextRangesRef>);
    put(t, 15, &setCharFeatures);
    put(t, 16, &setParaFeatures);
    put(t, 17, &setEmpty);
    put(t, 18, &setAny);
    put(t, 19, &setCharFeatures);
    put(t, 20, &setParaFeatures);
    put(t, 21, &setApplyChar<false>);
    put(t, 22, &setApplyChar<true>);
    put(t, 23, &recordOnly<K::Ranges, kAteSuiteTextRanges, 23, AteTextRangesRef>);
    put(t, 24, &setApplyPara<false>);
    put(t, 25, &setApplyPara<true>);
    put(t, 26, &recordOnly<K::Ranges, kAteSuiteTextRanges, 26, AteTextRangesRef>);
    put(t, 27, &recordValue<K::Ranges, kAteSuiteTextRanges, 27, AteTextRangesRef>);
    put(t, 28, &recordOnly<K::Ranges, kAteSuiteTextRanges, 28, AteTextRangesRef>);
    put(t, 29, &setContents);
    put(t, 31, &recordValue<K::Ranges, kAteSuiteTextRanges, 31, AteTextRangesRef>);
    put(t, 32, &setAdd);
    put(t, 33, &setItem);
    put(t, 34, &recordOnly<K::Ranges, kAteSuiteTextRanges, 34, AteTextRangesRef>);
    put(t, 35, &setRemove);
  }
  {
    HostStubProc* t = table(kAteSuiteTextRange);
    put(t, 9, &rangeSetOf);
    put(t, 10, &rangeFrames);
    put(t, 11, &rangeParagraphs);
    put(t, 12, &rangeWords);
    put(t, 13, &rangeRuns);
    put(t, 14, &rangeCharInspector);
    put(t, 15, &rangeParaInspector);
    put(t, 16, &rangeStyles<K::CharStyles, AteCharStylesRef>);
    put(t, 17, &rangeStyles<K::ParaStyles, AteParaStylesRef>);
    put(t, 22, &rangeCharFeatures);
    put(t, 23, &rangeParaFeatures);
    put(t, 26, &rangeCharFeatures);
    put(t, 27, &rangeParaFeatures);
    put(t, 28, &rangeApplyChar<false>);
    put(t, 29, &rangeApplyChar<true>);
    put(t, 31, &rangeApplyPara<false>);
    put(t, 32, &rangeApplyPara<true>);
    put(t, 34, &rangeSetStory);
  }
  // Features.
  {
    common<K::CharFeatures, AteCharFeaturesRef>(kAteSuiteCharFeatures);
    HostStubProc* t = table(kAteSuiteCharFeatures);
    put(t, 3, &createObject<AteCharFeaturesRef, K::CharFeatures>);
    put(t, 4, &duplicate<K::CharFeatures, AteCharFeaturesRef>);
#define QOR_ATTR(get, set, clear, kind, conv, name, Name)                                                        \
  attribute<K::CharFeatures, AteCharFeaturesRef, get, set, clear, VKind::kind>(t);
    QOR_ATE_CHAR_FEATURES(QOR_ATTR)
#undef QOR_ATTR
  }
  {
    common<K::ParaFeatures, AteParaFeaturesRef>(kAteSuiteParaFeatures);
    HostStubProc* t = table(kAteSuiteParaFeatures);
    put(t, 3, &createObject<AteParaFeaturesRef, K::ParaFeatures>);
    put(t, 4, &duplicate<K::ParaFeatures, AteParaFeaturesRef>);
#define QOR_ATTR(get, set, clear, kind, conv, name, Name)                                                        \
  attribute<K::ParaFeatures, AteParaFeaturesRef, get, set, clear, VKind::kind>(t);
    QOR_ATE_PARA_FEATURES(QOR_ATTR)
#undef QOR_ATTR
#define QOR_GROUP(clear, first, last) put(t, clear, &clearAttrs<K::ParaFeatures, AteParaFeaturesRef, first, last>);
    QOR_ATE_PARA_GROUP_CLEARS(QOR_GROUP)
#undef QOR_GROUP
  }
  // Inspectors and the arrays they hand out.
  {
    common<K::CharInspector, AteCharInspectorRef>(kAteSuiteCharInspector);
    HostStubProc* t = table(kAteSuiteCharInspector);
    put(t, 3, &createObject<AteCharInspectorRef, K::CharInspector>);
#define QOR_INSPECT(pos, attr, arraySuite, name)                                                           \
  if constexpr (kAteSuite##arraySuite == kAteSuiteArrayReal)                                               \
    put(t, pos, &inspectReal<K::CharInspector, AteCharInspectorRef, attr, elementKind(kAteSuite##arraySuite)>); \
  else                                                                                                     \
    put(t, pos, &inspect<K::CharInspector, AteCharInspectorRef, attr, elementKind(kAteSuite##arraySuite)>);
    QOR_ATE_CHAR_INSPECTOR(QOR_INSPECT)
#undef QOR_INSPECT
  }
  {
    common<K::ParaInspector, AteParaInspectorRef>(kAteSuiteParaInspector);
    HostStubProc* t = table(kAteSuiteParaInspector);
    put(t, 3, &createObject<AteParaInspectorRef, K::ParaInspector>);
#define QOR_INSPECT(pos, attr, arraySuite, name)                                                           \
  if constexpr (kAteSuite##arraySuite == kAteSuiteArrayReal)                                               \
    put(t, pos, &inspectReal<K::ParaInspector, AteParaInspectorRef, attr, elementKind(kAteSuite##arraySuite)>); \
  else                                                                                                     \
    put(t, pos, &inspect<K::ParaInspector, AteParaInspectorRef, attr, elementKind(kAteSuite##arraySuite)>);
    QOR_ATE_PARA_INSPECTOR(QOR_INSPECT)
#undef QOR_INSPECT
  }
  arraySuite<kAteSuiteArrayApplicationPaintRef>();
  arraySuite<kAteSuiteArrayArrayReal>();
  arraySuite<kAteSuiteArrayBool>();
  arraySuite<kAteSuiteArrayFigureStyle>();
  arraySuite<kAteSuiteArrayFontBaselineOption>();
  arraySuite<kAteSuiteArrayFontCapsOption>();
  arraySuite<kAteSuiteArrayFontOpenTypePositionOption>();
  arraySuite<kAteSuiteArrayFontRef>();
  arraySuite<kAteSuiteArrayInteger>();
  arraySuite<kAteSuiteArrayLeadingType>();
  arraySuite<kAteSuiteArrayLineCapType>();
  arraySuite<kAteSuiteArrayLineJoinType>();
  arraySuite<kAteSuiteArrayParagraphJustification>();
  arraySuite<kAteSuiteArrayReal>();
  arraySuite<kAteSuiteArrayStrikethroughPosition>();
  arraySuite<kAteSuiteArrayUnderlinePosition>();
  arraySuite<kAteSuiteArrayComposerEngine>();
  common<K::Paint, AteApplicationPaintRef>(kAteSuiteApplicationPaint);
  {
    HostStubProc* t = table(kAteSuiteFont);
    put(t, 1, &fontRelease);
    put(t, 2, &fontIsNull);
  }
  {
    HostStubProc* t = table(kAteSuiteAiatePaint);
    put(t, 0, &paintToRecord);
    put(t, 4, &recordToPaint);
    put(t, 7, &recordToRealArray);
  }
  // Tab stops.
  {
    common<K::TabStop, AteTabStopRef>(kAteSuiteTabStop);
    HostStubProc* t = table(kAteSuiteTabStop);
    put(t, 3, &createObject<AteTabStopRef, K::TabStop>);
    put(t, 4, &tabGetAlignment);
    put(t, 5, &tabSetAlignment);
    put(t, 6, &tabGetPosition);
    put(t, 7, &tabSetPosition);
    put(t, 8, &tabGetAutomatic);
    put(t, 9, &tabGetLeader);
    put(t, 10, &tabSetLeader);
    put(t, 11, &tabGetDecimal);
    put(t, 12, &tabSetDecimal);
  }
  {
    common<K::TabStops, AteTabStopsRef>(kAteSuiteTabStops);
    HostStubProc* t = table(kAteSuiteTabStops);
    put(t, 3, &createObject<AteTabStopsRef, K::TabStops>);
    put(t, 4, &tabsSize);
    put(t, 7, &tabsAdd);
    put(t, 8, &tabsItem);
    put(t, 9, &tabsRemove);
    put(t, 10, &tabsRemoveAll);
  }
  common<K::SetIterator, AteTabStopsIteratorRef>(kAteSuiteTabStopsIterator);
  put(table(kAteSuiteTabStopsIterator), 3, &setIterator<K::TabStops, AteTabStopsRef, AteTabStopsIteratorRef>);
  // Styles.
  common<K::CharStyle, AteCharStyleRef>(kAteSuiteCharStyle);
  common<K::ParaStyle, AteParaStyleRef>(kAteSuiteParaStyle);
  {
    common<K::CharStyles, AteCharStylesRef>(kAteSuiteCharStyles);
    HostStubProc* t = table(kAteSuiteCharStyles);
    put(t, 4, &stylesSize<K::CharStyles, AteCharStylesRef>);
    put(t, 5, &recordOnly<K::CharStyles, kAteSuiteCharStyles, 5, AteCharStylesRef>);
    put(t, 6, &recordOnly<K::CharStyles, kAteSuiteCharStyles, 6, AteCharStylesRef>);
    put(t, 7, &stylesPosition7<K::CharStyles, AteCharStylesRef, kAteSuiteCharStyles>);
    put(t, 8, &stylesPosition8<K::CharStyles, K::CharStyle, AteCharStylesRef, AteCharStyleRef, kAteSuiteCharStyles>);
  }
  {
    common<K::ParaStyles, AteParaStylesRef>(kAteSuiteParaStyles);
    HostStubProc* t = table(kAteSuiteParaStyles);
    put(t, 4, &stylesSize<K::ParaStyles, AteParaStylesRef>);
    put(t, 5, &recordOnly<K::ParaStyles, kAteSuiteParaStyles, 5, AteParaStylesRef>);
    put(t, 6, &recordOnly<K::ParaStyles, kAteSuiteParaStyles, 6, AteParaStylesRef>);
    put(t, 7, &stylesPosition7<K::ParaStyles, AteParaStylesRef, kAteSuiteParaStyles>);
    put(t, 8, &stylesPosition8<K::ParaStyles, K::ParaStyle, AteParaStylesRef, AteParaStyleRef, kAteSuiteParaStyles>);
  }
  common<K::SetIterator, AteCharStylesIteratorRef>(kAteSuiteCharStylesIterator);
  put(table(kAteSuiteCharStylesIterator), 3,
      &setIterator<K::CharStyles, AteCharStylesRef, AteCharStylesIteratorRef>);
  common<K::SetIterator, AteParaStylesIteratorRef>(kAteSuiteParaStylesIterator);
  put(table(kAteSuiteParaStylesIterator), 3,
      &setIterator<K::ParaStyles, AteParaStylesRef, AteParaStylesIteratorRef>);
}

// After the engine's own suites (110).
const AreaInstaller installer(111, &install);

}  // namespace hostsimTextModel_detail

bool TextEngine::Value::operator==(const Value& o) const
{
  auto samePaint = [&] {
    if (!paint || !o.paint)
      return !paint && !o.paint;
    return std::memcmp(paint.get(), o.paint.get(), sizeof(ColorRecord)) == 0;
  };
  auto sameFeatures = [&] {
    if (!features || !o.features)
      return !features && !o.features;
    return *features == *o.features;
  };
  return number == o.number && font == o.font && reals == o.reals && tabs == o.tabs && samePaint() &&
         sameFeatures();
}

TextEngine::StoryModel& TextEngine::model(Art* frame)
{
  StoryModel& m = models_[frame ? frame->handle() : nullptr];
  std::u16string text = story(frame);
  if (m.text == text && !m.runs.empty())
    return m;
  // Cut or stretch the runs to the new text; the last run takes what was added.
  int32_t size = int32_t(text.size());
  std::vector<Run> runs;
  int32_t at = 0;
  for (Run& r : m.runs) {
    if (at >= size)
      break;
    r.length = std::min(r.length, size - at);
    at += r.length;
    runs.push_back(std::move(r));
  }
  if (runs.empty())
    runs.push_back(Run{});
  runs.back().length += size - at;
  m.runs = std::move(runs);
  size_t paragraphs = paragraphSpans(text, 0, size).size();
  m.paragraphs.resize(paragraphs);
  m.storyAttribute.resize(size_t(size));
  m.text = std::move(text);
  return m;
}

TextEngine::Attrs TextEngine::charAttrs(Art* frame, int32_t start, int32_t end)
{
  StoryModel& m = model(frame);
  std::optional<Attrs> common;
  int32_t at = 0;
  for (const Run& r : m.runs) {
    int32_t rs = at, re = at + r.length;
    at = re;
    bool meets = start == end ? (rs <= start && start < re) || (start == re && re == int32_t(m.text.size()))
                              : rs < end && start < re;
    if (!meets)
      continue;
    if (!common) {
      common = r.attrs;
      continue;
    }
    for (auto it = common->begin(); it != common->end();) {
      auto other = r.attrs.find(it->first);
      it = other == r.attrs.end() || other->second != it->second ? common->erase(it) : std::next(it);
    }
  }
  return common ? *common : Attrs();
}

void TextEngine::applyCharAttrs(Art* frame, int32_t start, int32_t end, const Attrs& attrs, bool replace)
{
  StoryModel& m = model(frame);
  // Split the runs at start and end, then change the runs inside.
  std::vector<Run> runs;
  int32_t at = 0;
  for (Run& r : m.runs) {
    int32_t rs = at, re = at + r.length;
    at = re;
    int32_t cuts[] = {rs, std::clamp(start, rs, re), std::clamp(end, rs, re), re};
    for (int i = 0; i < 3; ++i) {
      if (cuts[i + 1] <= cuts[i])
        continue;
      Run piece{cuts[i + 1] - cuts[i], r.attrs};
      if (i == 1) {
        if (replace)
          piece.attrs = attrs;
        else
          for (const auto& [k, v] : attrs)
            piece.attrs[k] = v;
      }
      runs.push_back(std::move(piece));
    }
  }
  // Neighbours that now agree become one run.
  std::vector<Run> merged;
  for (Run& r : runs) {
    if (!merged.empty() && merged.back().attrs == r.attrs)
      merged.back().length += r.length;
    else
      merged.push_back(std::move(r));
  }
  if (merged.empty())
    merged.push_back(Run{0, replace ? attrs : Attrs()});
  m.runs = std::move(merged);
}

std::vector<std::pair<int32_t, int32_t>> TextEngine::paragraphSpans(const std::u16string& text, int32_t start,
                                                                    int32_t end)
{
  std::vector<std::pair<int32_t, int32_t>> out;
  int32_t size = int32_t(text.size());
  int32_t ps = 0;
  for (int32_t i = 0; i <= size; ++i) {
    bool last = i == size;
    if (!last && text[size_t(i)] != u'\r')
      continue;
    int32_t pe = last ? size : i + 1;
    if (last && pe == ps && size > 0 && text[size_t(size - 1)] == u'\r')
      break; // the text ends with '\r': no empty paragraph after it
    bool meets = start == end ? ps <= start && (start < pe || pe == size) : ps < end && start < pe;
    if (meets)
      out.push_back({ps, pe});
    ps = pe;
    if (last)
      break;
  }
  // Spans that meet an empty range at the very end: only the last one.
  if (start == end && out.size() > 1)
    out.erase(out.begin(), out.end() - 1);
  return out;
}

std::vector<std::pair<int32_t, int32_t>> TextEngine::runSpans(Art* frame, int32_t start, int32_t end)
{
  StoryModel& m = model(frame);
  std::vector<std::pair<int32_t, int32_t>> out;
  // Runs end at paragraph ends too.
  std::vector<int32_t> cuts;
  int32_t at = 0;
  for (const Run& r : m.runs)
    cuts.push_back(at += r.length);
  for (auto p : paragraphSpans(m.text, 0, int32_t(m.text.size())))
    cuts.push_back(p.second);
  std::sort(cuts.begin(), cuts.end());
  cuts.erase(std::unique(cuts.begin(), cuts.end()), cuts.end());
  int32_t rs = 0;
  for (int32_t ce : cuts) {
    int32_t s = std::max(rs, start), e = std::min(ce, end);
    if (s < e)
      out.push_back({s, e});
    rs = ce;
  }
  return out;
}

std::vector<std::pair<int32_t, int32_t>> TextEngine::wordSpans(const std::u16string& text, int32_t start,
                                                               int32_t end)
{
  std::vector<std::pair<int32_t, int32_t>> out;
  auto space = [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == u'\n' || c == 0x3000 || c == 0xA0; };
  int32_t i = std::max(start, int32_t(0));
  int32_t e = std::min(end, int32_t(text.size()));
  while (i < e) {
    while (i < e && space(text[size_t(i)]))
      ++i;
    int32_t ws = i;
    while (i < e && !space(text[size_t(i)]))
      ++i;
    if (i > ws)
      out.push_back({ws, i});
  }
  return out;
}

}  // namespace hostsim

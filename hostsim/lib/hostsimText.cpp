#include "hostsimText.h"

#include "hostapi/AteSuites.h"
#include "hostapi/TextFrameSuite.h"
#include "hostsimArt.h"
#include "hostsimDocument.h"
#include "hostsimEncoding.h"

#include <algorithm>
#include <ostream>

namespace hostsim {

namespace hostsimText_detail {

constexpr double kAdvance = 6;
constexpr double kGlyphWidth = 5;
constexpr double kGlyphHeight = 8;
constexpr double kLineStep = TextEngine::kLineStep;

TextEngine& engine()
{
  return HostApp::instance().area<TextEngine>();
}

int32_t clampTo(int32_t value, int32_t size)
{
  return std::clamp(value, int32_t(0), size);
}

int32_t storySize(const Art* frame)
{
  return int32_t(TextEngine::story(frame).size());
}

// Characters without a glyph: white space, control characters, C1 controls and no-break space, and the
// Unicode spaces and separators.
bool invisible(char32_t c)
{
  if (c <= 0x20 || (c >= 0x7F && c <= 0xA0))
    return true;
  return (c >= 0x2000 && c <= 0x200D) || c == 0x2028 || c == 0x2029 || c == 0x202F || c == 0x205F ||
         c == 0x2060 || c == 0x3000;
}

// The code points of a UTF-16 text.
std::u32string codePoints(const std::u16string& s)
{
  std::u32string out;
  for (size_t i = 0; i < s.size(); ++i) {
    char32_t c = s[i];
    if (c >= 0xD800 && c < 0xDC00 && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] < 0xE000)
      c = 0x10000 + ((c - 0xD800) << 10) + (s[++i] - 0xDC00);
    out += c;
  }
  return out;
}

// ---- "ATE TextRange Suite" ----

HostErr rangeAddRef(AteTextRangeRef r) { return engine().addRef(r, TextEngine::Kind::Range); }
HostErr rangeRelease(AteTextRangeRef r) { return engine().release(r, TextEngine::Kind::Range); }
bool8 rangeIsNull(AteTextRangeRef r) { return engine().find(r, TextEngine::Kind::Range) ? 0 : 1; }

template <class F> HostErr withRange(AteTextRangeRef r, F&& f)
{
  TextEngine::Object* range = engine().find(r, TextEngine::Kind::Range);
  if (!range)
    return kHostErrBadParameter;
  int32_t start = 0, end = 0;
  TextEngine::bounds(*range, start, end);
  return f(*range, start, end);
}

HostErr getStart(AteTextRangeRef r, int32_t* out)
{
  return withRange(r, [&](TextEngine::Object&, int32_t start, int32_t) {
    return out ? (*out = start, kHostNoErr) : kHostErrBadParameter;
  });
}

HostErr getEnd(AteTextRangeRef r, int32_t* out)
{
  return withRange(r, [&](TextEngine::Object&, int32_t, int32_t end) {
    return out ? (*out = end, kHostNoErr) : kHostErrBadParameter;
  });
}

HostErr getCharacterCount(AteTextRangeRef r, int32_t* out)
{
  return withRange(r, [&](TextEngine::Object&, int32_t start, int32_t end) {
    return out ? (*out = end - start, kHostNoErr) : kHostErrBadParameter;
  });
}

HostErr setRange(AteTextRangeRef r, int32_t start, int32_t end)
{
  return withRange(r, [&](TextEngine::Object& range, int32_t, int32_t) {
    int32_t size = storySize(range.frame);
    range.start = clampTo(std::min(start, end), size);
    range.end = clampTo(std::max(start, end), size);
    return kHostNoErr;
  });
}

HostErr setStart(AteTextRangeRef r, int32_t start)
{
  return withRange(r, [&](TextEngine::Object&, int32_t, int32_t end) {
    return setRange(r, start, std::max(start, end));
  });
}

HostErr setEnd(AteTextRangeRef r, int32_t end)
{
  return withRange(r, [&](TextEngine::Object&, int32_t start, int32_t) {
    return setRange(r, std::min(start, end), end);
  });
}

HostErr getStory(AteTextRangeRef r, AteStoryRef* out)
{
  return withRange(r, [&](TextEngine::Object& range, int32_t, int32_t) {
    if (!out)
      return kHostErrBadParameter;
    *out = static_cast<AteStoryRef>(engine().shared(TextEngine::Kind::Story, range.frame));
    return kHostNoErr;
  });
}

// The offset of a character index from the range's start, within the range.
HostErr position37(AteTextRangeRef r, int32_t value, int32_t* out)
{
  return withRange(r, [&](TextEngine::Object&, int32_t start, int32_t end) {
    return out ? (*out = std::clamp(start + value, start, end), kHostNoErr) : kHostErrBadParameter;
  });
}

HostErr record(AteTextRangeRef r, int32_t position, int32_t value = 0, std::u16string text = {})
{
  return withRange(r, [&](TextEngine::Object&, int32_t, int32_t) {
    engine().calls.push_back({position, value, std::move(text)});
    return kHostNoErr;
  });
}

template <int Position> HostErr recordOnly(AteTextRangeRef r) { return record(r, Position); }
template <int Position> HostErr recordValue(AteTextRangeRef r, int32_t value) { return record(r, Position, value); }
HostErr position46(AteTextRangeRef r, bool8 flag) { return record(r, 46, flag); }

template <int Position> HostErr recordText(AteTextRangeRef r, const char16_t* text, int32_t length)
{
  if (!text)
    return kHostErrBadParameter;
  return record(r, Position, length, length < 0 ? std::u16string(text) : std::u16string(text, size_t(length)));
}

template <int Position> HostErr recordTextForFlag(AteTextRangeRef r, const char16_t* text, bool8* outFlag)
{
  if (!outFlag)
    return kHostErrBadParameter;
  HostErr err = recordText<Position>(r, text, -1);
  if (!err)
    *outFlag = 1;
  return err;
}

template <int Position> HostErr recordRange(AteTextRangeRef r, AteTextRangeRef other)
{
  TextEngine::Object* o = engine().find(other, TextEngine::Kind::Range);
  if (!o)
    return kHostErrBadParameter;
  int32_t start = 0, end = 0;
  TextEngine::bounds(*o, start, end);
  return record(r, Position, start);
}

HostErr position24(AteTextRangeRef r, bool8* out)
{
  return withRange(r, [&](TextEngine::Object&, int32_t start, int32_t end) {
    return out ? (*out = start == end, kHostNoErr) : kHostErrBadParameter;
  });
}

HostErr position25(AteTextRangeRef r, bool8* out)
{
  return withRange(r, [&](TextEngine::Object& range, int32_t start, int32_t end) {
    return out ? (*out = start == 0 && end == storySize(range.frame), kHostNoErr) : kHostErrBadParameter;
  });
}

HostErr position38(AteTextRangeRef r, AteTextRangeRef* out)
{
  return withRange(r, [&](TextEngine::Object& range, int32_t start, int32_t end) {
    if (!out)
      return kHostErrBadParameter;
    *out = static_cast<AteTextRangeRef>(engine().create(TextEngine::Kind::Range, range.frame, start, end));
    return kHostNoErr;
  });
}

HostErr getContents(AteTextRangeRef r, char16_t* buffer, int32_t capacity, int32_t* outCount)
{
  return withRange(r, [&](TextEngine::Object& range, int32_t start, int32_t end) {
    if (capacity < 0 || !outCount || (capacity > 0 && !buffer))
      return kHostErrBadParameter;
    std::u16string text = TextEngine::story(range.frame);
    int32_t n = std::min(end - start, capacity);
    std::copy_n(text.begin() + start, n, buffer);
    *outCount = n;
    return kHostNoErr;
  });
}

// ---- "ATE Story Suite" ----

HostErr storyAddRef(AteStoryRef s) { return engine().addRef(s, TextEngine::Kind::Story); }
HostErr storyRelease(AteStoryRef s) { return engine().release(s, TextEngine::Kind::Story); }
bool8 storyIsNull(AteStoryRef s) { return engine().find(s, TextEngine::Kind::Story) ? 0 : 1; }

HostErr storySize(AteStoryRef s, int32_t* out)
{
  TextEngine::Object* story = engine().find(s, TextEngine::Kind::Story);
  if (!story || !out)
    return kHostErrBadParameter;
  *out = storySize(story->frame);
  return kHostNoErr;
}

HostErr storyRangeBetween(AteStoryRef s, int32_t start, int32_t end, AteTextRangeRef* out)
{
  TextEngine::Object* story = engine().find(s, TextEngine::Kind::Story);
  if (!story || !out)
    return kHostErrBadParameter;
  int32_t size = storySize(story->frame);
  if (start < 0 || end < start || end > size)
    return kHostErrBadParameter;
  *out = static_cast<AteTextRangeRef>(engine().create(TextEngine::Kind::Range, story->frame, start, end));
  return kHostNoErr;
}

HostErr storyRange(AteStoryRef s, AteTextRangeRef* out)
{
  TextEngine::Object* story = engine().find(s, TextEngine::Kind::Story);
  return storyRangeBetween(s, 0, story ? storySize(story->frame) : 0, out);
}

// ---- "ATE TextFrame Suite" ----

HostErr frameAddRef(AteTextFrameRef f) { return engine().addRef(f, TextEngine::Kind::Frame); }
HostErr frameRelease(AteTextFrameRef f) { return engine().release(f, TextEngine::Kind::Frame); }
bool8 frameIsNull(AteTextFrameRef f) { return engine().find(f, TextEngine::Kind::Frame) ? 0 : 1; }

// One frame holds its whole story, so the frame's range is the story's.
HostErr frameRange(AteTextFrameRef f, int32_t, AteTextRangeRef* out)
{
  TextEngine::Object* frame = engine().find(f, TextEngine::Kind::Frame);
  if (!frame || !out)
    return kHostErrBadParameter;
  *out = static_cast<AteTextRangeRef>(
      engine().create(TextEngine::Kind::Range, frame->frame, 0, storySize(frame->frame)));
  return kHostNoErr;
}

// ---- "AI Text Frame Suite" ----

HostErr artToFrame(ArtHandle h, AteTextFrameRef* out)
{
  Art* a = lookup<Art>(h);
  if (!a || a->type != Art::kTextFrame || !out)
    return kHostErrBadParameter;
  *out = static_cast<AteTextFrameRef>(engine().create(TextEngine::Kind::Frame, a));
  return kHostNoErr;
}

HostErr frameToArt(AteTextFrameRef f, ArtHandle* out)
{
  TextEngine::Object* frame = engine().find(f, TextEngine::Kind::Frame);
  if (!frame || !out)
    return kHostErrBadParameter;
  *out = static_cast<ArtHandle>(frame->frame->handle());
  return kHostNoErr;
}

void install(HostApp& app)
{
  for (const AteSuiteInfo& suite : kAteSuites)
    app.publishTable(suite.name, suite.version, kAteSuiteSlots);

  auto& range = app.publishSuite<AteTextRangeSuite>(kAteSuites[kAteSuiteTextRange].name,
                                                    kAteSuites[kAteSuiteTextRange].version);
  range.addRef = &rangeAddRef;
  range.release = &rangeRelease;
  range.isNull = &rangeIsNull;
  range.getStart = &getStart;
  range.setStart = &setStart;
  range.getEnd = &getEnd;
  range.setEnd = &setEnd;
  range.getCharacterCount = &getCharacterCount;
  range.getStory = &getStory;
  range.setRange = &setRange;
  range.position37 = &position37;
  range.getContents = &getContents;
  range.position18 = &recordTextForFlag<18>;
  range.position19 = &recordTextForFlag<19>;
  range.position20 = &recordOnly<20>;
  range.position21 = &recordOnly<21>;
  range.position24 = &position24;
  range.position25 = &position25;
  range.position30 = &recordOnly<30>;
  range.position33 = &recordOnly<33>;
  range.position36 = &recordValue<36>;
  range.position38 = &position38;
  range.position39 = &recordText<39>;
  range.position40 = &recordText<40>;
  range.position41 = &recordRange<41>;
  range.position42 = &recordRange<42>;
  range.position46 = &position46;
  range.position48 = &recordValue<48>;
  range.position49 = &recordOnly<49>;
  range.position50 = &recordOnly<50>;

  auto& story =
      app.publishSuite<AteStorySuite>(kAteSuites[kAteSuiteStory].name, kAteSuites[kAteSuiteStory].version);
  story.addRef = &storyAddRef;
  story.release = &storyRelease;
  story.isNull = &storyIsNull;
  story.getSize = &storySize;
  story.getTextRange = &storyRange;
  story.getTextRangeBetween = &storyRangeBetween;

  auto& frame = app.publishSuite<AteTextFrameSuite>(kAteSuites[kAteSuiteTextFrame].name,
                                                    kAteSuites[kAteSuiteTextFrame].version);
  frame.addRef = &frameAddRef;
  frame.release = &frameRelease;
  frame.isNull = &frameIsNull;
  frame.getTextRange = &frameRange;

  auto& textFrames = app.publishSuite<TextFrameSuite>(kTextFrameSuiteName, kTextFrameSuiteVersion);
  textFrames.getAteTextFrame = &artToFrame;
  textFrames.getArtOfAteTextFrame = &frameToArt;
}

const AreaInstaller installer(110, &install);

} // namespace hostsimText_detail

TextEngine::TextEngine(HostApp& app) : app_(app) {}

void* TextEngine::create(Kind kind, Art* frame, int32_t start, int32_t end)
{
  Object object{kind};
  object.frame = frame;
  object.start = start;
  object.end = end;
  return create(std::move(object));
}

void* TextEngine::create(Object object)
{
  void* ref = app_.mintHandle<void*>();
  object.refs = 1;
  objects_[ref] = std::move(object);
  return ref;
}

void* TextEngine::shared(Kind kind, Art* frame, int32_t start, int32_t end)
{
  for (auto& [ref, object] : objects_)
    if (object.kind == kind && object.frame == frame && object.start == start && object.end == end) {
      ++object.refs;
      return const_cast<void*>(ref);
    }
  return create(kind, frame, start, end);
}

TextEngine::Object* TextEngine::find(const void* ref, Kind kind)
{
  auto it = objects_.find(ref);
  if (it == objects_.end() || it->second.kind != kind)
    return nullptr;
  bool textObject = kind == Kind::Frame || kind == Kind::Story || kind == Kind::Range || kind == Kind::Paragraph;
  if (textObject && (!it->second.frame || !it->second.frame->live()))
    return nullptr;
  return &it->second;
}

HostErr TextEngine::addRef(const void* ref, Kind kind)
{
  auto it = objects_.find(ref);
  if (it == objects_.end() || it->second.kind != kind)
    return kHostErrBadParameter;
  ++it->second.refs;
  return kHostNoErr;
}

HostErr TextEngine::release(const void* ref, Kind kind)
{
  auto it = objects_.find(ref);
  if (it == objects_.end() || it->second.kind != kind)
    return kHostErrBadParameter;
  if (--it->second.refs <= 0) {
    // What it held goes with it (after it left the table, so a cycle cannot come back to it).
    std::vector<const void*> items = std::move(it->second.items);
    objects_.erase(it);
    for (const void* item : items) {
      auto held = objects_.find(item);
      if (held != objects_.end())
        release(item, held->second.kind);
    }
  }
  return kHostNoErr;
}

int32_t TextEngine::liveRefs() const
{
  int32_t n = 0;
  for (const auto& entry : objects_)
    n += entry.second.refs;
  return n;
}

std::u16string TextEngine::story(const Art* frame)
{
  return frame ? utf8ToUtf16(frame->text) : std::u16string();
}

void TextEngine::bounds(const Object& range, int32_t& start, int32_t& end)
{
  int32_t size = hostsimText_detail::storySize(range.frame);
  start = hostsimText_detail::clampTo(range.start, size);
  end = hostsimText_detail::clampTo(range.end, size);
}

Art* TextEngine::newFrame(Document& doc, const std::string& utf8Story, const Pt& anchor)
{
  using namespace hostsimText_detail;
  Art* frame = doc.newArt(Art::kTextFrame);
  frame->text = utf8Story;
  std::vector<std::string> paragraphs = lines(*frame);
  size_t widest = 0;
  for (const std::string& line : paragraphs)
    widest = std::max(widest, utf8ToUtf16(line).size());
  double left = anchor.h, right = anchor.h + kAdvance * double(widest);
  double top = anchor.v + kGlyphHeight, bottom = anchor.v - kLineStep * double(paragraphs.size() - 1);
  for (Pt p : {Pt{left, top}, Pt{right, top}, Pt{right, bottom}, Pt{left, bottom}})
    frame->segments.push_back({p, p, p, true});
  frame->closed = true;
  return frame;
}

Pt TextEngine::anchor(const Art& frame)
{
  Rect r;
  if (!frame.bounds(r))
    return {};
  return {r.left, r.bottom + hostsimText_detail::kLineStep * double(lines(frame).size() - 1)};
}

std::vector<std::string> TextEngine::lines(const Art& frame)
{
  std::vector<std::string> out(1);
  for (char c : frame.text) {
    if (c == '\r')
      out.emplace_back();
    else
      out.back() += c;
  }
  return out;
}

std::vector<Rect> TextEngine::glyphBoxes(const Art& frame)
{
  using namespace hostsimText_detail;
  std::vector<Rect> boxes;
  Pt first = anchor(frame);
  std::vector<std::string> paragraphs = lines(frame);
  for (size_t k = 0; k < paragraphs.size(); ++k) {
    double baseline = first.v - kLineStep * double(k);
    double x = first.h;
    for (char32_t c : codePoints(utf8ToUtf16(paragraphs[k]))) {
      if (!invisible(c))
        boxes.push_back({x, baseline + kGlyphHeight, x + kGlyphWidth, baseline});
      x += kAdvance;
    }
  }
  return boxes;
}

void TextEngine::report(std::ostream& out) const
{
  if (liveRefs())
    out << "Text-engine references still held: " << liveRefs() << "\n";
}

} // namespace hostsim

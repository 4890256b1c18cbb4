#pragma once
// The simulated host's text engine: text frames whose story is the frame art's text (paragraphs ended by
// '\r', read as UTF-16), engine objects for frames, stories and ranges with reference counts, and the
// layout that places a frame's glyphs. Publishes every text-engine suite; the positions the framework
// calls work on this model, every other position answers 'NIMP'.
//
// Host choices: a range is {story, start, end} in UTF-16 units. setRange, setStart and setEnd clamp
// their values to the story and put a reversed pair in order; every operation on a range reads its
// bounds clamped to the story's current size. The range positions whose meaning is the engine's own are
// recorded (TextEngine::calls); position 38 hands out a new range over the same span, 24 answers whether
// the range is empty and 25 whether it spans the whole story, 18 and 19 answer true. Glyphs: one 5 x 8 box per visible character, 6 units
// apart, lines 10 units apart with the last line sitting on the frame's bottom; white space and control
// characters have no glyph.
#include "hostapi/HostRecords.h"
#include "hostapi/HostTypes.h"
#include "hostsimApp.h"
#include "hostsimGeometry.h"

#include <map>
#include <memory>
#include <string>
#include <vector>

namespace hostsim {

class Art;
class Document;

class TextEngine : public Area
{
public:
  explicit TextEngine(HostApp& app);

  // The distance between the baselines of two lines of a frame.
  static constexpr double kLineStep = 10;

  enum class Kind
  {
    Frame,
    Story,
    Range,
    Paragraph,
    Stories,
    Ranges,
    ParagraphsIterator,
    WordsIterator,
    RunsIterator,
    FramesIterator,
    CharFeatures,
    ParaFeatures,
    CharInspector,
    ParaInspector,
    Array,
    Paint,
    TabStop,
    TabStops,
    SetIterator,
    CharStyles,
    ParaStyles,
    CharStyle,
    ParaStyle,
  };

  struct TabStopData
  {
    int32_t alignment = 0;  // attribute 4, 0..3
    float position = 0;     // attribute 6
    bool automatic = false; // attribute 8
    std::u16string leader;  // attribute 9
    char16_t decimal = u'.'; // attribute 11
    bool operator==(const TabStopData& o) const
    {
      return alignment == o.alignment && position == o.position && automatic == o.automatic &&
             leader == o.leader && decimal == o.decimal;
    }
  };

  // The value of one attribute of a feature set, kept by content (never as an engine reference, so
  // the model itself holds none): numbers, a font key, a colour, reals, tab stops or nested features.
  struct Value
  {
    Value() = default;
    explicit Value(double n) : number(n) {}
    double number = 0;
    FontKey font = nullptr;
    std::shared_ptr<ColorRecord> paint;
    std::vector<double> reals;
    std::vector<TabStopData> tabs;
    std::shared_ptr<std::map<int32_t, Value>> features;
    bool operator==(const Value& o) const;
    bool operator!=(const Value& o) const { return !(*this == o); }
  };
  // Assigned attributes by the position of their getter.
  using Attrs = std::map<int32_t, Value>;

  // The model behind a frame's story: runs of characters sharing their character features, the
  // features of each paragraph, and a story attribute (kind, value) per character.
  struct Run
  {
    int32_t length = 0;
    Attrs attrs;
  };
  struct StoryModel
  {
    std::u16string text;
    std::vector<Run> runs;
    std::vector<Attrs> paragraphs;
    std::vector<std::pair<int32_t, int32_t>> storyAttribute;
  };

  struct Object
  {
    explicit Object(Kind k = Kind::Frame) : kind(k) {}
    Kind kind;
    int32_t refs = 1;
    Art* frame = nullptr;
    int32_t start = 0;
    int32_t end = 0;
    // References this object holds (the ranges of a set, the elements of an iterator); released with it.
    std::vector<const void*> items;
    size_t cursor = 0;
    Attrs attrs;                 // features
    std::vector<Value> values;   // arrays
    TabStopData tab;             // a tab stop
    std::vector<TabStopData> tabs; // a tab-stop set
    std::vector<std::string> names; // a style set
    std::string name;            // a style
  };

  // A new engine object with one reference for the caller.
  void* create(Kind kind, Art* frame, int32_t start = 0, int32_t end = 0);
  // The same, for an object the engine describes in full.
  void* create(Object object);
  // The live object of that kind over that span again (one more reference), else a new one: the engine
  // hands out the same story or paragraph pointer each time.
  void* shared(Kind kind, Art* frame, int32_t start = 0, int32_t end = 0);
  // The live object behind a reference when it has the kind (and, for text objects, its frame art is
  // alive); else null.
  Object* find(const void* ref, Kind kind);
  HostErr addRef(const void* ref, Kind kind);
  HostErr release(const void* ref, Kind kind);
  // A call of a position whose effect the engine keeps to itself: recorded for tests.
  struct Call
  {
    int32_t position;
    int32_t value = 0;
    std::u16string text;
    int32_t suite = -1; // AteSuiteIndex; -1 for the range suite
  };
  std::vector<Call> calls;

  // The model of a frame's story, brought in line with the frame's text first: when the text changed,
  // the runs and paragraphs are cut or stretched to it.
  StoryModel& model(Art* frame);
  // The character features over [start, end): the attributes every run there agrees on.
  Attrs charAttrs(Art* frame, int32_t start, int32_t end);
  // Applies the assigned attributes (replace: also unassigns the others) to the characters.
  void applyCharAttrs(Art* frame, int32_t start, int32_t end, const Attrs& attrs, bool replace);
  // Paragraph spans [start, end) (the closing '\r' included) that meet [start, end).
  static std::vector<std::pair<int32_t, int32_t>> paragraphSpans(const std::u16string& text, int32_t start,
                                                                 int32_t end);
  // The style runs of [start, end), and its words (white space and '\r' separate them).
  std::vector<std::pair<int32_t, int32_t>> runSpans(Art* frame, int32_t start, int32_t end);
  static std::vector<std::pair<int32_t, int32_t>> wordSpans(const std::u16string& text, int32_t start,
                                                            int32_t end);
  // The document's character and paragraph styles, by name.
  std::vector<std::string> charStyles{"Normal Character Style"};
  std::vector<std::string> paraStyles{"Normal Paragraph Style"};

  // References held on live engine objects: zero again once the plug-in let go of everything.
  int32_t liveRefs() const;

  // The story of a text frame as UTF-16.
  static std::u16string story(const Art* frame);
  // A range's bounds clamped to its story.
  static void bounds(const Object& range, int32_t& start, int32_t& end);

  // A new text frame art (not yet in any tree) with its story and the baseline of its first line at
  // the anchor (host coordinates).
  static Art* newFrame(Document& doc, const std::string& utf8Story, const Pt& anchor);
  // The baseline anchor of the frame's first line.
  static Pt anchor(const Art& frame);
  // The paragraphs of the frame's story as UTF-8.
  static std::vector<std::string> lines(const Art& frame);
  // The outline boxes of the frame's visible characters, in text order.
  static std::vector<Rect> glyphBoxes(const Art& frame);

  void report(std::ostream& out) const override;

private:
  HostApp& app_;
  std::map<const void*, Object> objects_;
  std::map<const void*, StoryModel> models_;
};

} // namespace hostsim

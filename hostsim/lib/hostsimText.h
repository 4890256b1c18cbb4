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
#include "hostapi/HostTypes.h"
#include "hostsimApp.h"
#include "hostsimGeometry.h"

#include <map>
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
  };

  struct Object
  {
    Kind kind;
    int32_t refs = 1;
    Art* frame = nullptr;
    int32_t start = 0;
    int32_t end = 0;
  };

  // A new engine object with one reference for the caller.
  void* create(Kind kind, Art* frame, int32_t start = 0, int32_t end = 0);
  // The live object behind a reference when it has the kind and its frame art is alive; else null.
  Object* find(const void* ref, Kind kind);
  HostErr addRef(const void* ref, Kind kind);
  HostErr release(const void* ref, Kind kind);
  // A call of a range position whose effect the engine keeps to itself: recorded for tests.
  struct Call
  {
    int32_t position;
    int32_t value = 0;
    std::u16string text;
  };
  std::vector<Call> calls;

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
};

} // namespace hostsim

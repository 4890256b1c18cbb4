// The text the artwork needs: the text part of art, text ranges over the simulated text engine (their
// contents, bounds and counting), the character under a hit on a text frame, and text in SVG.
#include <memory>

#include "../artwork/artworkFixture.h"
#include "aip/qoraipArt.h"
#include "aip/qoraipHitData.h"
#include "aip/qoraipTextArt.h"
#include "aip/qoraipTextRange.h"
#include "core/qorcoreHitData.h"
#include "core/qorcoreTextRange.h"
#include "hostsimArt.h"
#include "hostsimDocument.h"
#include "hostsimSvg.h"
#include "hostsimText.h"
#include "sdk/qorATEException.h"

namespace textTest {
using qor::aip::ArtboardPoint;

class Text : public artworktest::Artwork {
protected:
  void TearDown() override
  {
    if (qor::aip::PluginGlobals* globals = qor::aip::wrapperGlobals()) {
      EXPECT_EQ(globals->textRangeWrappers.size(), 0u) << "every text range was released";
    }
    EXPECT_EQ(engine().liveRefs(), 0) << "every engine reference was given back";
    Artwork::TearDown();
  }

  hostsim::TextEngine& engine() { return app.area<hostsim::TextEngine>(); }

  // The range of the whole frame with the given id, one count for the caller.
  qor::aip::TextRange* frameRange(const char* id)
  {
    qor::aip::Art art(handleOf(doc->findById(id)));
    return art.textArt()->textRange();
  }

  // A frame whose story is set directly, for texts that SVG cannot carry ("\r\n", control characters).
  hostsim::Art* frameWithStory(const std::string& story)
  {
    hostsim::Art* frame = hostsim::TextEngine::newFrame(*doc, story, {0, 0});
    frame->svgId = "s";
    doc->layers.front()->group->insertFirst(frame);
    return frame;
  }

  struct Release {
    void operator()(qor::aip::TextRange* r) const { r->release(); }
  };
  using RangePtr = std::unique_ptr<qor::aip::TextRange, Release>;

  hostsim::Document* doc = nullptr;
};

TEST_F(Text, TextPartOfTextAndOtherArt)
{
  doc = open("<text id='t' x='10' y='30'>Hello</text><path id='p' d='M0 0 L10 10'/>");
  qor::aip::Art text(handleOf(doc->findById("t")));
  qor::aip::TextArt* part = text.textArt();
  ASSERT_NE(part, nullptr);
  EXPECT_EQ(text.textArt(), part) << "made once and kept";
  EXPECT_EQ(part->art(), &text);
  EXPECT_FALSE(part->ownsArt());
  EXPECT_FALSE(part->ateTextFrame().isNull());
  RangePtr range(part->textRange());
  ASSERT_TRUE(range);
  EXPECT_EQ(range->refCount(), 1);
  EXPECT_EQ(range->start(), 0);
  EXPECT_EQ(range->end(), 5);
  EXPECT_EQ(range->size(), 5);
  EXPECT_EQ(range->contents("\n"), "Hello");

  qor::aip::Art path(handleOf(doc->findById("p")));
  EXPECT_TRUE(path.textArt()->ateTextFrame().isNull());
  EXPECT_EQ(path.textArt()->textRange(), nullptr) << "no text frame, no range";

  // A text part that owns its art deletes it (the sanitizer sees a leak otherwise).
  qor::aip::TextArt owning(new qor::aip::Art(handleOf(doc->findById("t"))), true);
  EXPECT_TRUE(owning.ownsArt());
  RangePtr again(owning.textRange());
  ASSERT_TRUE(again);
  EXPECT_NE(again.get(), range.get()) << "the engine handed out another range";
}

TEST_F(Text, ContentsWriteEveryLineBreakAsTheLineEnding)
{
  doc = open("");
  // Paragraphs end with "\r"; one ends with "\r\n", which counts as one break; a lone "\n" is no break.
  frameWithStory("one\rtwo\r\nthree\na\r");
  RangePtr range(frameRange("s"));
  ASSERT_TRUE(range);
  EXPECT_EQ(range->size(), 17);
  struct Case {
    const char* lineEnding;
    const char* expected;
  } cases[] = {
      {"\n", "one\ntwo\nthree\na\n"},
      {"\r\n", "one\r\ntwo\r\nthree\na\r\n"},
      {"\r", "one\rtwo\rthree\na\r"},
      {"", "onetwothree\na"},
      {" | ", "one | two | three\na | "},
  };
  for (const Case& c : cases)
    EXPECT_EQ(range->contents(c.lineEnding), c.expected) << "line ending \"" << c.lineEnding << "\"";

  range->setRange(4, 4);
  EXPECT_EQ(range->contents("\n"), "") << "an empty range";
}

TEST_F(Text, ContentsOfTextBeyondAsciiCountUtf16Units)
{
  doc = open("");
  frameWithStory("\xC3\xA9\xE2\x82\xAC\xF0\x9D\x84\x9E!");  // e-acute, euro sign, G clef, "!"
  RangePtr range(frameRange("s"));
  ASSERT_TRUE(range);
  EXPECT_EQ(range->size(), 5) << "the clef takes two units";
  EXPECT_EQ(range->contents("\n"), "\xC3\xA9\xE2\x82\xAC\xF0\x9D\x84\x9E!");
  range->setRange(2, 4);
  EXPECT_EQ(range->contents("\n"), "\xF0\x9D\x84\x9E");
}

TEST_F(Text, SetRangeEdgeCases)
{
  doc = open("<text id='t' x='0' y='0'>abcdef</text>");
  RangePtr range(frameRange("t"));
  ASSERT_TRUE(range);
  struct Case {
    const char* what;
    int32_t start, end;
    int32_t expectedStart, expectedEnd;
    const char* contents;
  } cases[] = {
      {"inside", 2, 4, 2, 4, "cd"},
      {"empty", 3, 3, 3, 3, ""},
      {"reversed", 4, 1, 1, 4, "bcd"},
      {"past the end", 4, 99, 4, 6, "ef"},
      {"wholly past the end", 10, 12, 6, 6, ""},
      {"before the start", -3, 2, 0, 2, "ab"},
      {"whole", 0, 6, 0, 6, "abcdef"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    range->setRange(c.start, c.end);
    EXPECT_EQ(range->start(), c.expectedStart);
    EXPECT_EQ(range->end(), c.expectedEnd);
    EXPECT_EQ(range->size(), c.expectedEnd - c.expectedStart);
    EXPECT_EQ(range->contents("\n"), c.contents);
  }
  range->setRange(1, 3);
  range->setStart(5);
  EXPECT_EQ(range->start(), 5);
  EXPECT_EQ(range->end(), 5) << "a start beyond the end takes the end along";
  range->setEnd(2);
  EXPECT_EQ(range->start(), 2);
  EXPECT_EQ(range->end(), 2);
}

TEST_F(Text, ImplementationObjectsAreSharedAndCounted)
{
  doc = open("<text id='t' x='0' y='0'>abc</text>");
  qor::aip::TextRange* impl = frameRange("t");
  ASSERT_TRUE(impl);
  EXPECT_EQ(qor::aip::TextRange::getTextRange(impl->ateTextRange().ref()), impl) << "found again by reference";
  EXPECT_EQ(impl->refCount(), 2);
  impl->release();
  EXPECT_EQ(qor::aip::retain(impl), impl);
  EXPECT_EQ(impl->refCount(), 2);
  impl->release();
  {
    qor::core::TextRange a(qor::core::wrapTextRange(impl));
    qor::core::TextRange b(impl);
    EXPECT_EQ(impl->refCount(), 3);
    EXPECT_TRUE(a == b);
    EXPECT_FALSE(a.isEmpty());
    EXPECT_EQ(a.contents("\n"), "abc");
    qor::core::TextRange empty;
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_TRUE(a != empty);
    EXPECT_EQ(empty.ateTextRange(), nullptr);
    EXPECT_EQ(empty.size(), 0);
    EXPECT_EQ(empty.contents("\n"), "");
    a = a;
    EXPECT_EQ(impl->refCount(), 3) << "assigning a handle to itself changes no count";
    b = empty;
    EXPECT_TRUE(b.isEmpty());
    EXPECT_EQ(impl->refCount(), 2);
    empty = a;
    EXPECT_EQ(impl->refCount(), 3);
    int32_t refs = engine().liveRefs();
    std::unique_ptr<ATE::ITextRange> wrapper = a.ateTextRange();
    ASSERT_TRUE(wrapper);
    EXPECT_EQ(engine().liveRefs(), refs + 1);
    wrapper.reset();
    EXPECT_EQ(engine().liveRefs(), refs);
  }
  EXPECT_EQ(impl->refCount(), 1);
  impl->release();
}

TEST_F(Text, EngineFailuresThrowTheirCode)
{
  doc = open("<text id='t' x='0' y='0'>abc</text>");
  RangePtr range(frameRange("t"));
  ASSERT_TRUE(range);
  doc->disposeArt(doc->findById("t"));
  try {
    range->setRange(0, 1);
    FAIL() << "the engine refused: its frame is gone";
  } catch (const ATE::Exception& e) {
    EXPECT_EQ(e.error, kHostErrBadParameter);
    EXPECT_STREQ(e.what(), "Unknown exception");
  }
  EXPECT_THROW(range->contents("\n"), ATE::Exception);
}

class TextHits : public Text {
protected:
  // The hit record of the whole document at an artboard point (y down).
  static std::unique_ptr<qor::aip::HitData> at(double x, double y)
  {
    return std::make_unique<qor::aip::HitData>(nullptr, ArtboardPoint(x, y), -1, 1, false);
  }
};

TEST_F(TextHits, CharacterUnderTheHit)
{
  // Glyphs are 5 wide every 6 units from x = 10; the first line's baseline is at y = 30, the second's
  // at y = 40, and glyphs stand 8 high on their baseline.
  doc = open("<text id='t' x='10' y='30'><tspan>a b</tspan><tspan x='10' y='40'>cd</tspan></text>");
  struct Case {
    const char* what;
    double x, y;
    int32_t start;
    const char* contents;
  } cases[] = {
      {"first character", 12, 27, 0, "a"},
      {"after a space", 24, 27, 2, "b"},
      {"second line, after the line break", 18, 37, 5, "d"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    auto h = at(c.x, c.y);
    ASSERT_TRUE(h->hit());
    EXPECT_EQ(h->hitPart(), qor::aip::HitData::ObjectPart);
    qor::aip::TextRange* range = h->textRange();
    ASSERT_NE(range, nullptr);
    EXPECT_EQ(h->textRange(), range) << "kept by the record";
    EXPECT_EQ(range->refCount(), 1) << "the record's own count";
    EXPECT_EQ(range->start(), c.start);
    EXPECT_EQ(range->size(), 1);
    EXPECT_EQ(range->contents("\n"), c.contents);
  }
  EXPECT_EQ(doc->layers.size(), 1u);
  EXPECT_EQ(doc->layers.front()->group->childCount(), 1u) << "the outlined copy is gone again";
}

TEST_F(TextHits, RecordCopiesShareTheRangeAndReleaseItOnce)
{
  doc = open("<text id='t' x='10' y='30'>xyz</text>");
  auto h = at(18, 27);
  qor::aip::TextRange* range = h->textRange();
  ASSERT_NE(range, nullptr);
  {
    qor::aip::HitData copy(*h);
    EXPECT_EQ(copy.textRange(), range);
    EXPECT_EQ(range->refCount(), 2) << "a copy takes a further count";
  }
  EXPECT_EQ(range->refCount(), 1) << "and gives it back";

  qor::core::HitData client = qor::core::HitData::HitDataFromImpl(*h);
  EXPECT_EQ(range->refCount(), 2);
  qor::core::HitData assigned;
  assigned = client;
  qor::core::HitData copied(client);
  EXPECT_EQ(range->refCount(), 4);
  assigned = assigned;
  EXPECT_EQ(range->refCount(), 4);
  assigned = qor::core::HitData();
  EXPECT_EQ(range->refCount(), 3) << "the assigned record let its copy go";
  std::unique_ptr<qor::core::TextRange> handle(copied.textRange());
  ASSERT_TRUE(handle);
  EXPECT_EQ(handle->contents("\n"), "y");
  EXPECT_EQ(range->refCount(), 4) << "the client handle holds a count of its own";
  EXPECT_EQ(qor::core::HitData().textRange(), nullptr);
  h.reset();
  EXPECT_EQ(range->refCount(), 3);
  EXPECT_EQ(handle->size(), 1) << "the range outlives the record it came from";
}

TEST_F(TextHits, NoRangeForOtherArtOrMisses)
{
  doc = open("<path d='M0 0 H10 V10 H0 Z'/>");
  auto path = at(5, 5);
  ASSERT_TRUE(path->hit());
  EXPECT_EQ(path->textRange(), nullptr);
  auto miss = at(500, 500);
  EXPECT_FALSE(miss->hit());
  EXPECT_EQ(miss->textRange(), nullptr);
  EXPECT_EQ(qor::core::HitData::HitDataFromImpl(*miss).textRange(), nullptr);
}

TEST_F(TextHits, AHitOnTextInALockedLayerAddsNoLayer)
{
  // Every layer is locked, so the host makes a new layer to hold the outlined copy of the frame.
  doc = open("<g data-locked='true'><text id='t' x='10' y='30'>abc</text></g>");
  ASSERT_EQ(doc->layers.size(), 1u);
  qor::aip::Art frame(handleOf(doc->findById("t")));
  qor::aip::HitData h(&frame, ArtboardPoint(18, 27), -1, 1, false);
  ASSERT_TRUE(h.hit());
  qor::aip::TextRange* range = h.textRange();
  ASSERT_NE(range, nullptr);
  EXPECT_EQ(range->contents("\n"), "b");
  EXPECT_EQ(doc->layers.size(), 1u) << "the layer made for the copy went with it";
}

TEST_F(Text, SvgTextRoundTrip)
{
  doc = open("<text id='one' x='10' y='30' fill='#ff0000'>Hello   world</text>"
             "<text id='two' x='0' y='100'><tspan x='0' y='100'>first</tspan><tspan x='0' y='112'>second</tspan></text>"
             "<text id='inline' x='0' y='50'>A<tspan>BC</tspan>D</text>"
             "<text id='none' x='5' y='5'/>");
  EXPECT_EQ(doc->findById("one")->text, "Hello world") << "white space collapses";
  EXPECT_EQ(doc->findById("two")->text, "first\rsecond") << "a span on a new baseline starts a paragraph";
  EXPECT_EQ(doc->findById("inline")->text, "ABCD") << "text outside the spans is kept";
  EXPECT_EQ(doc->findById("none")->text, "");
  std::string svg = hostsim::Svg::write(*doc);
  EXPECT_NE(svg.find("<text id=\"one\" x=\"10\" y=\"30\" fill=\"#ff0000\">Hello world</text>"), std::string::npos)
      << svg;
  EXPECT_NE(svg.find("first<tspan x=\"0\" y=\"112\">second</tspan>"), std::string::npos) << svg;
  EXPECT_NE(svg.find(">ABCD</text>"), std::string::npos) << svg;

  hostsim::Document again("again");
  std::string error;
  ASSERT_TRUE(hostsim::Svg::read(svg.data(), svg.size(), again, error)) << error;
  for (const char* id : {"one", "two", "inline", "none"}) {
    SCOPED_TRACE(id);
    hostsim::Art* before = doc->findById(id);
    hostsim::Art* after = again.findById(id);
    ASSERT_TRUE(after);
    EXPECT_EQ(after->type, hostsim::Art::kTextFrame);
    EXPECT_EQ(after->text, before->text);
    EXPECT_EQ(hostsim::TextEngine::anchor(*after), hostsim::TextEngine::anchor(*before));
  }
  EXPECT_EQ(hostsim::Svg::write(again), svg);
}

}  // namespace textTest

namespace textTest {

TEST_F(Text, PassThroughOperationsReachTheirPositions)
{
  doc = open("<text id='t' x='0' y='0'>abcdef</text>");
  RangePtr impl(frameRange("t"));
  ASSERT_TRUE(impl);
  qor::core::TextRange range(impl.get());
  qor::core::TextRange other(impl.get());
  qor::core::TextRange empty;
  range.setRange(1, 3);
  using Op = void (*)(qor::core::TextRange&, qor::core::TextRange&);
  struct Case {
    const char* what;
    Op op;
    int32_t position;  // -1: no engine call
    int32_t value;
    std::u16string text;
    bool onEmpty = false;  // the second handle is the empty one
  } cases[] = {
      {"36: 10 is engine 0", [](auto& r, auto&) { r.position36(10); }, 36, 0, u""},
      {"36: 20 is engine 1", [](auto& r, auto&) { r.position36(20); }, 36, 1, u""},
      {"36: 30 calls nothing", [](auto& r, auto&) { r.position36(30); }, -1, 0, u""},
      {"48: 40 is engine 3", [](auto& r, auto&) { r.position48(40); }, 48, 3, u""},
      {"48: 0 calls nothing", [](auto& r, auto&) { r.position48(0); }, -1, 0, u""},
      {"48: 50 calls nothing", [](auto& r, auto&) { r.position48(50); }, -1, 0, u""},
      {"46 without a flag passes false", [](auto& r, auto&) { r.position46(); }, 46, 0, u""},
      {"46 with true", [](auto& r, auto&) { r.position46(true); }, 46, 1, u""},
      {"39 passes zero-terminated UTF-16", [](auto& r, auto&) { r.position39("h\xC3\xA9"); }, 39, -1, u"h\u00e9"},
      {"40 with an empty text", [](auto& r, auto&) { r.position40(""); }, 40, -1, u""},
      {"18", [](auto& r, auto&) { EXPECT_TRUE(r.position18("x")); }, 18, -1, u"x"},
      {"41 passes the other range (the engine answers with its start)", [](auto& r, auto& o) { r.position41(o); },
       41, 1, u""},
      {"42 with an empty range calls nothing", [](auto& r, auto&) { r.position42(qor::core::TextRange()); }, -1, 0,
       u""},
      {"20", [](auto& r, auto&) { r.position20(); }, 20, 0, u""},
      {"50", [](auto& r, auto&) { r.position50(); }, 50, 0, u""},
      {"an empty handle calls nothing", [](auto&, auto& o) { o.position20(); }, -1, 0, u"", true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    engine().calls.clear();
    c.op(range, c.onEmpty ? empty : other);
    if (c.position < 0) {
      EXPECT_TRUE(engine().calls.empty());
      continue;
    }
    ASSERT_EQ(engine().calls.size(), 1u);
    EXPECT_EQ(engine().calls[0].position, c.position);
    EXPECT_EQ(engine().calls[0].value, c.value);
    EXPECT_TRUE(engine().calls[0].text == c.text);
  }

  EXPECT_FALSE(range.position24()) << "not empty";
  EXPECT_FALSE(range.position25()) << "not the whole story";
  EXPECT_FALSE(empty.position24());
  std::unique_ptr<qor::core::TextRange> copy = range.position38();
  ASSERT_TRUE(copy);
  EXPECT_TRUE(*copy != range) << "another engine range";
  EXPECT_EQ(copy->contents("\n"), "bc");
  EXPECT_EQ(empty.position38(), nullptr);
}

}  // namespace textTest

// The text model over the simulated text engine: stories, paragraphs, words and runs of real text,
// range and story sets, character and paragraph features read and written through ranges, inspectors
// over mixed text, tab stops and style sets. Every test ends with every engine reference given back and
// every registry of text objects empty.
#include <memory>

#include "../artwork/artworkFixture.h"
#include "aip/qoraipArt.h"
#include "aip/qoraipArtColor.h"
#include "aip/qoraipFont.h"
#include "aip/qoraipHostStrings.h"
#include "aip/qoraipTextArt.h"
#include "aip/qoraipTextRange.h"
#include "core/qorcoreIntArtData.h"
#include "core/qorcoreTextCharFeatures.h"
#include "core/qorcoreTextFrames.h"
#include "core/qorcoreTextRangeValues.h"
#include "core/qorcoreTextPara.h"
#include "core/qorcoreTextRangeSet.h"
#include "core/qorcoreTextStory.h"
#include "core/qorcoreTextStorySet.h"
#include "core/qorcoreTextStyleSet.h"
#include "core/qorcoreTextTabStop.h"
#include "hostsimDocument.h"
#include "hostsimFonts.h"
#include "hostapi/TextFrameSuite.h"
#include "hostsimText.h"
#include "sdk/qorATEException.h"

namespace textModelTest {

using qor::core::TextPara;
using qor::core::TextRange;
using qor::core::TextWord;

// Deletes the handles of a client list at the end of a scope.
template <class T> struct Owned {
  std::vector<T*> items;
  explicit Owned(std::vector<T*> v) : items(std::move(v)) {}
  ~Owned()
  {
    for (T* t : items)
      delete t;
  }
  size_t size() const { return items.size(); }
  T& operator[](size_t i) const { return *items[i]; }
};

class TextModel : public artworktest::Artwork {
protected:
  void TearDown() override
  {
    if (qor::aip::PluginGlobals* g = qor::aip::wrapperGlobals()) {
      EXPECT_EQ(g->textRangeWrappers.size(), 0u);
      EXPECT_EQ(g->storyWrappers.size(), 0u);
      EXPECT_EQ(g->storySetWrappers.size(), 0u);
      EXPECT_EQ(g->paragraphWrappers.size(), 0u);
      EXPECT_EQ(g->wordWrappers.size(), 0u);
      EXPECT_EQ(g->textRangeSetWrappers.size(), 0u);
      EXPECT_EQ(g->charFeaturesWrappers.size(), 0u);
      EXPECT_EQ(g->paraFeaturesWrappers.size(), 0u);
      EXPECT_EQ(g->charInspectorWrappers.size(), 0u);
      EXPECT_EQ(g->paraInspectorWrappers.size(), 0u);
      EXPECT_EQ(g->tabStopWrappers.size(), 0u);
      EXPECT_EQ(g->tabStopSetWrappers.size(), 0u);
      EXPECT_EQ(g->charStyleSetWrappers.size(), 0u);
      EXPECT_EQ(g->paraStyleSetWrappers.size(), 0u);
    }
    EXPECT_EQ(engine().liveRefs(), 0) << "every engine reference was given back";
    EXPECT_EQ(app.area<hostsim::Fonts>().outstandingAteFonts(), 0);
    Artwork::TearDown();
  }

  hostsim::TextEngine& engine() { return app.area<hostsim::TextEngine>(); }

  // A frame whose story is set directly (paragraphs end with "\r").
  void frame(const char* id, const std::string& story, double y = 0)
  {
    hostsim::Art* f = hostsim::TextEngine::newFrame(*doc, story, {0, y});
    f->svgId = id;
    doc->layers.front()->group->insertFirst(f);
  }

  // A client handle of the range of the whole frame.
  std::unique_ptr<TextRange> range(const char* id)
  {
    qor::aip::Art art(handleOf(doc->findById(id)));
    qor::aip::ObjectRef<qor::aip::TextRange> impl(art.textArt()->textRange());
    return impl ? std::make_unique<TextRange>(impl.get()) : nullptr;
  }

  // The text of a word: the range its engine iterator stands on.
  static std::string wordText(const TextWord& word)
  {
    std::unique_ptr<ATE::IWordsIterator> it = word.ateWordsIterator();
    if (!it || !it->isNotDone())
      return "<none>";
    ATE::ITextRange r = it->item();
    qor::aip::ObjectRef<qor::aip::TextRange> impl(qor::aip::TextRange::getTextRange(r.ref()));
    return impl->contents("\n");
  }

  hostsim::Document* doc = nullptr;
};

TEST_F(TextModel, WalksOverStoriesParagraphsWordsAndRuns)
{
  doc = open("");
  frame("s", "Alpha beta\rGamma  delta epsilon\r\rZeta.");
  std::unique_ptr<TextRange> whole = range("s");
  ASSERT_TRUE(whole);
  std::unique_ptr<qor::core::TextStory> story = whole->story();
  ASSERT_TRUE(story);
  EXPECT_EQ(story->size(), 38);
  std::unique_ptr<qor::core::TextStory> again = whole->story();
  EXPECT_TRUE(*story == *again) << "the engine hands out the same story: one implementation object";

  Owned<TextPara> paragraphs(story->paragraphs());
  ASSERT_EQ(paragraphs.size(), 4u);
  const char* expected[] = {"Alpha beta\n", "Gamma  delta epsilon\n", "\n", "Zeta."};
  for (size_t i = 0; i < 4; ++i) {
    EXPECT_EQ(paragraphs[i].contents("\n"), expected[i]);
    EXPECT_EQ(paragraphs[i].size(), int32_t(qor::aip::utf8ToHostString(expected[i]).toWString().size()));
  }
  std::unique_ptr<qor::core::TextStory> ofParagraph = paragraphs[1].story();
  EXPECT_TRUE(ofParagraph && *ofParagraph == *story);
  Owned<TextWord> wordsOfParagraph(paragraphs[1].words());
  ASSERT_EQ(wordsOfParagraph.size(), 3u);
  EXPECT_EQ(wordText(wordsOfParagraph[2]), "epsilon");

  Owned<TextWord> words(story->words());
  std::vector<std::string> texts;
  for (size_t i = 0; i < words.size(); ++i)
    texts.push_back(wordText(words[i]));
  EXPECT_EQ(texts, (std::vector<std::string>{"Alpha", "beta", "Gamma", "delta", "epsilon", "Zeta."}));
  Owned<TextWord> wordsAgain(story->words());
  EXPECT_TRUE(words[0] != wordsAgain[0]) << "every walk makes words of its own";

  // A range over the middle: the walks keep to it.
  whole->setRange(6, 20);
  Owned<TextPara> touched(whole->paragraphs());
  EXPECT_EQ(touched.size(), 2u);
  Owned<TextWord> inside(whole->words());
  ASSERT_EQ(inside.size(), 3u);
  EXPECT_EQ(wordText(inside[2]), "de") << "a word cut by the range's end";

  // Runs: one per paragraph until features differ inside one.
  Owned<TextRange> runs(story->runs());
  EXPECT_EQ(runs.size(), 4u);

  std::unique_ptr<TextRange> empty;
  EXPECT_TRUE(qor::core::TextStory().paragraphs().empty());
  EXPECT_EQ(qor::core::TextStory().size(), -1);
  EXPECT_EQ(TextPara().size(), -1);
  EXPECT_EQ(TextPara().contents("\n"), "");
  EXPECT_EQ(TextRange().story(), nullptr);
}

TEST_F(TextModel, StoryRangesAndTheStoryAttribute)
{
  doc = open("");
  frame("s", "abcdef");
  std::unique_ptr<qor::core::TextStory> story = range("s")->story();
  ASSERT_TRUE(story);
  std::unique_ptr<TextRange> part = story->textRange(1, 4);
  ASSERT_TRUE(part);
  EXPECT_EQ(part->contents("\n"), "bcd");
  EXPECT_EQ(story->textRange()->contents("\n"), "abcdef");
  EXPECT_THROW(story->textRange(4, 99), ATE::Exception) << "the engine refuses a span beyond the story";
  std::unique_ptr<qor::core::TextStory> same = story->position19();
  EXPECT_TRUE(same && *same == *story);

  // Kinds 10 to 40 are engine 0 to 3; position 16 reads back what 13 and 14 wrote.
  story->position13(*part, 30);
  story->position14(2, 77);
  int32_t kind = 0, value = 0;
  ASSERT_TRUE(story->position16(2, kind, value));
  EXPECT_EQ(kind, 30);
  EXPECT_EQ(value, 77);
  ASSERT_TRUE(story->position15(*part, kind, value));
  EXPECT_EQ(kind, 30);
  EXPECT_EQ(value, 0) << "the first character of the range";
  kind = value = -5;
  EXPECT_FALSE(story->position16(6, kind, value)) << "outside the story: no call";
  EXPECT_FALSE(story->position16(-1, kind, value));
  EXPECT_EQ(kind, -5);
  story->position14(6, 1);  // no call, no throw

  // A negative frame index asks nothing; a missing frame is refused by the engine.
  qor::aip::ObjectRef<qor::aip::TextStory> impl(qor::aip::retain(qor::core::implPointer(*story)));
  EXPECT_EQ(impl->frame(-1), nullptr);
  std::unique_ptr<qor::aip::TextArt> textArt(impl->frame(0));
  ASSERT_TRUE(textArt);
  EXPECT_TRUE(textArt->ownsArt());
  EXPECT_EQ(textArt->art()->hostHandle(), handleOf(doc->findById("s")));
  EXPECT_THROW(impl->frame(1), ATE::Exception);
  std::unique_ptr<qor::aip::WalkList<qor::aip::TextArt>, qor::aip::DropList<qor::aip::TextArt>> frames(
      impl->textFrames());
  ASSERT_EQ(frames->size(), 1u);
  EXPECT_EQ(frames->at(0)->art()->hostHandle(), handleOf(doc->findById("s")));
}

// The client's text frames: each an owning text art with a record of its own over the frame's art;
// a frame whose art the host does not give is left out.
TEST_F(TextModel, ClientTextFramesOwnTheirRecords)
{
  doc = open("<path id='p' d='M0 0 L10 10'/>");
  frame("s", "one\rtwo");
  ArtHandle art = handleOf(doc->findById("s"));
  std::unique_ptr<TextRange> whole = range("s");
  std::unique_ptr<qor::core::TextStory> story = whole->story();
  ASSERT_TRUE(story);

  Owned<qor::core::TextArt> frames(story->textFrames());
  ASSERT_EQ(frames.size(), 1u);
  EXPECT_TRUE(frames[0].ownsArt);
  ASSERT_TRUE(frames[0].art);
  EXPECT_EQ(frames[0].art->hostHandle, art);
  ASSERT_TRUE(frames[0].art->impl);
  EXPECT_EQ(frames[0].art->impl->hostHandle(), art);
  EXPECT_EQ(frames[0].art->text, nullptr) << "the owning text art is not the record's own text part";
  Owned<qor::core::TextArt> ofRange(whole->textFrames());
  ASSERT_EQ(ofRange.size(), 1u);
  EXPECT_EQ(ofRange[0].art->hostHandle, art);

  EXPECT_EQ(story->textFrame(-1), nullptr);
  std::unique_ptr<qor::core::TextArt> first = story->textFrame(0), second = story->textFrame(0);
  ASSERT_TRUE(first && second);
  EXPECT_NE(first->art, second->art) << "each has a record of its own";
  first.reset();
  EXPECT_EQ(second->art->impl->hostHandle(), art) << "deleting one leaves the other and the art";
  EXPECT_TRUE(doc->findById("s"));
  EXPECT_THROW(story->textFrame(1), ATE::Exception) << "the engine refuses a frame past the last";

  // The host gives no art for the frame: left out of the list, no text art for the index.
  TextFrameSuite& suite = app.publishSuite<TextFrameSuite>(kTextFrameSuiteName, kTextFrameSuiteVersion);
  auto give = suite.getArtOfAteTextFrame;
  suite.getArtOfAteTextFrame = [](AteTextFrameRef, ArtHandle*) -> HostErr { return kHostErrBadParameter; };
  EXPECT_TRUE(story->textFrames().empty());
  EXPECT_TRUE(whole->textFrames().empty());
  EXPECT_EQ(story->textFrame(0), nullptr);
  // Art that is no text frame has a null frame, which the host is never asked about.
  static bool askedForNull;
  askedForNull = false;
  suite.getArtOfAteTextFrame = [](AteTextFrameRef frame, ArtHandle* out) -> HostErr {
    askedForNull = askedForNull || !frame;
    *out = nullptr;
    return kHostErrBadParameter;
  };
  qor::aip::TextArt path(new qor::aip::Art(handleOf(doc->findById("p"))), true);
  EXPECT_EQ(path.frameArt(), nullptr);
  EXPECT_FALSE(askedForNull);
  suite.getArtOfAteTextFrame = give;

  qor::core::TextStory empty;
  EXPECT_TRUE(empty.textFrames().empty());
  EXPECT_EQ(empty.textFrame(0), nullptr);
}

TEST_F(TextModel, StorySetsAndRangeSets)
{
  doc = open("");
  frame("one", "first story", 0);
  frame("two", "second\rstory", 50);
  std::unique_ptr<qor::core::TextStory> story = range("one")->story();
  std::unique_ptr<qor::core::TextStorySet> stories = story->stories();
  ASSERT_TRUE(stories);
  ASSERT_EQ(stories->size(), 2);
  EXPECT_TRUE(stories->position6());
  EXPECT_EQ(stories->storyAt(2), nullptr);
  EXPECT_EQ(stories->storyAt(-1), nullptr);
  std::unique_ptr<qor::core::TextStory> a = stories->storyAt(0), b = stories->storyAt(1);
  ASSERT_TRUE(a && b);
  EXPECT_EQ(a->size() + b->size(), 11 + 12);
  EXPECT_TRUE(*a == *story || *b == *story);
  Owned<TextPara> paragraphs(stories->paragraphs());
  EXPECT_EQ(paragraphs.size(), 3u);
  Owned<TextWord> words(stories->words());
  EXPECT_EQ(words.size(), 4u);

  // The set of both stories' ranges: contents are every range's text with nothing between them, and
  // the text is not cut to the number of ranges.
  std::unique_ptr<qor::core::TextRangeSet> set = stories->rangeSet10();
  ASSERT_TRUE(set);
  EXPECT_EQ(set->size(), 2);
  std::string all = set->contents("|");
  EXPECT_TRUE(all == "first storysecond|story" || all == "second|storyfirst story") << all;
  std::unique_ptr<TextRange> second = set->rangeAt(1);
  ASSERT_TRUE(second);
  EXPECT_EQ(set->rangeAt(2), nullptr);
  set->add(*second);
  EXPECT_EQ(set->size(), 3);
  set->position35(0);
  EXPECT_EQ(set->size(), 2);
  set->position35(5);  // outside: no call
  EXPECT_EQ(set->size(), 2);
  Owned<TextRange> runs(set->runs());
  Owned<TextRange> runsOfSecond(second->runs());
  EXPECT_EQ(runs.size(), 2 * runsOfSecond.size()) << "the same range twice is walked twice";

  engine().calls.clear();
  set->position31(30);
  set->position31(35);
  set->position27(-4);
  ASSERT_EQ(engine().calls.size(), 2u) << "31 with a value off the table calls nothing";
  EXPECT_EQ(engine().calls[0].value, 2);
  EXPECT_EQ(engine().calls[1].value, -4);

  qor::core::TextRangeSet empty;
  EXPECT_EQ(empty.size(), -1);
  EXPECT_EQ(empty.contents("\n"), "");
  EXPECT_EQ(qor::core::TextStorySet().size(), -1);
}

TEST_F(TextModel, CharacterFeaturesThroughRanges)
{
  doc = open("");
  frame("s", "Alpha beta");
  std::unique_ptr<TextRange> word = range("s");
  word->setRange(6, 10);
  std::unique_ptr<qor::core::TextCharFeatures> features = word->charFeatures22();
  ASSERT_TRUE(features);
  double size = -1;
  EXPECT_FALSE(features->getCharAttribute6(size)) << "nothing assigned yet";

  hostsim::Fonts& fonts = app.area<hostsim::Fonts>();
  qor::aip::ObjectRef<qor::aip::Font> fontImpl(qor::aip::Font::getOrCreate(fonts.add("Model Serif", "Bold")));
  qor::core::Font font(fontImpl.get());
  features->setFont(font);
  features->setCharAttribute6(0.1);
  features->setCharAttribute11(-40);
  features->setCharAttribute9(true);
  features->setFontCapsOption(25);
  features->setLineCapType(25);
  features->setCharAttribute39(210);
  features->setCharAttribute39(215);
  features->setPaint56(qor::core::ArtColor(0.25));
  features->setRealArray({1, 2, 3, 4, 5, 6, 7, 8});
  features->setAngle(qor::core::Angle(30, 2));
  word->position28(*features);

  // Read back over the same characters through another range.
  std::unique_ptr<TextRange> again = range("s");
  again->setRange(7, 9);
  std::unique_ptr<qor::core::TextCharFeatures> read = again->charFeatures26();
  ASSERT_TRUE(read);
  ASSERT_TRUE(read->getCharAttribute6(size));
  EXPECT_EQ(size, double(0.1f)) << "reals travel as 32-bit floats";
  int32_t i = 0;
  EXPECT_TRUE(read->getCharAttribute11(i));
  EXPECT_EQ(i, -40);
  EXPECT_TRUE(read->getFontCapsOption(i));
  EXPECT_EQ(i, 10) << "25 went as engine 0";
  EXPECT_TRUE(read->getLineCapType(i));
  EXPECT_EQ(i, 100);
  EXPECT_TRUE(read->getCharAttribute39(i));
  EXPECT_EQ(i, 210) << "215 made no call";
  qor::core::Font readFont;
  ASSERT_TRUE(read->getFont(readFont));
  EXPECT_TRUE(readFont == font);
  qor::core::ArtColor paint;
  ASSERT_TRUE(read->getPaint56(paint));
  EXPECT_TRUE(paint == qor::core::ArtColor(0.25));
  std::vector<double> reals{9};
  ASSERT_TRUE(read->getRealArray(reals));
  EXPECT_EQ(reals, (std::vector<double>{1, 2, 3, 4, 5, 6})) << "only six values reach the engine";
  qor::core::Angle angle;
  ASSERT_TRUE(read->getAngle(angle));
  EXPECT_DOUBLE_EQ(angle.degrees(), 30);

  // Over the whole text the attributes differ: unassigned. Enumerations and objects then leave the
  // out parameter alone, plain values still write it.
  std::unique_ptr<TextRange> whole = range("s");
  std::unique_ptr<qor::core::TextCharFeatures> mixed = whole->charFeatures22();
  i = 123;
  EXPECT_FALSE(mixed->getFontCapsOption(i));
  EXPECT_EQ(i, 123);
  reals = {9};
  EXPECT_FALSE(mixed->getRealArray(reals));
  EXPECT_EQ(reals, std::vector<double>{9});
  bool flag = true;
  EXPECT_FALSE(mixed->getCharAttribute9(flag));
  EXPECT_FALSE(flag) << "a plain getter writes what the engine left";

  // Clearing makes one call at the clearer's position and unassigns the attribute.
  read->clearCharAttribute11();
  EXPECT_FALSE(read->getCharAttribute11(i));
  read->clearCharAttribute39();
  EXPECT_FALSE(read->getCharAttribute39(i));

  // position4 makes a separate engine object.
  std::unique_ptr<qor::core::TextCharFeatures> copy = read->position4();
  ASSERT_TRUE(copy);
  EXPECT_TRUE(*copy != *read);
  copy->setCharAttribute6(3);
  ASSERT_TRUE(read->getCharAttribute6(size));
  EXPECT_EQ(size, double(0.1f));

  qor::core::TextCharFeatures empty;
  i = 7;
  EXPECT_FALSE(empty.getCharAttribute11(i));
  EXPECT_EQ(i, 7);
  EXPECT_EQ(empty.position4(), nullptr);
  empty.setCharAttribute11(3);
}

TEST_F(TextModel, RunsFollowTheFeaturesAndInspectorsReportMixedValues)
{
  doc = open("");
  frame("s", "Alpha beta\rGamma");
  std::unique_ptr<TextRange> r = range("s");
  std::unique_ptr<qor::core::TextCharFeatures> f = r->charFeatures22();
  r->setRange(0, 6);
  f->setCharAttribute6(12);
  r->position28(*f);
  r->setRange(6, 16);
  f->setCharAttribute6(18);
  f->setCharAttribute21(true);
  r->position28(*f);

  std::unique_ptr<qor::core::TextStory> story = r->story();
  Owned<TextRange> runs(story->runs());
  ASSERT_EQ(runs.size(), 3u) << "a run ends where the features change and where a paragraph ends";
  EXPECT_EQ(runs[0].contents("|"), "Alpha ");
  EXPECT_EQ(runs[1].contents("|"), "beta|");
  EXPECT_EQ(runs[2].contents("|"), "Gamma");

  r->setRange(0, 16);
  std::unique_ptr<qor::core::TextCharInspector> inspector = r->charInspector();
  ASSERT_TRUE(inspector);
  EXPECT_EQ(inspector->charAttribute6Values(), (std::vector<double>{12, 18}));
  EXPECT_EQ(inspector->charAttribute21Values(), (std::vector<bool>{false, true}));
  EXPECT_EQ(inspector->charAttribute11Values(), (std::vector<int32_t>{0}));
  r->setRange(7, 9);
  EXPECT_EQ(r->charInspector()->charAttribute6Values(), (std::vector<double>{18})) << "one value: not mixed";

  // Paragraph features, and their inspector over two paragraphs.
  r->setRange(0, 3);
  std::unique_ptr<qor::core::TextParaFeatures> pf = r->paraFeatures23();
  ASSERT_TRUE(pf);
  pf->setJustification5(210);
  pf->setParaAttribute20(4.5);
  pf->setLeadingType(20);
  r->position31(*pf);
  r->setRange(0, 16);
  std::unique_ptr<qor::core::TextParaInspector> pi = r->paraInspector();
  ASSERT_TRUE(pi);
  EXPECT_EQ(pi->justification5Values(), (std::vector<int32_t>{210, 100}));
  EXPECT_EQ(pi->paraAttribute20Values(), (std::vector<double>{4.5, 0}));
  EXPECT_EQ(pi->leadingTypes(), (std::vector<int32_t>{20, 10}));
  std::unique_ptr<qor::core::TextParaFeatures> both = r->paraFeatures27();
  int32_t j = 0;
  EXPECT_FALSE(both->getJustification5(j));
  pf->clearFeature101();
  double d = 0;
  EXPECT_FALSE(pf->getParaAttribute20(d)) << "the group clear takes 19 to 21";

  EXPECT_TRUE(qor::core::TextCharInspector().charAttribute6Values().empty());
}

TEST_F(TextModel, TabStopsAddedChangedAndRemoved)
{
  doc = open("");
  frame("s", "Name\tValue\rNext");
  std::unique_ptr<TextRange> r = range("s");  // the engine's suites are acquired by now
  ATE::ITabStops freshSet;
  qor::aip::ObjectRef<qor::aip::TextTabStopSet> setImpl(qor::aip::TextTabStopSet::getTextTabStopSet(freshSet.ref()));
  qor::core::TextTabStopSet stops(setImpl.get());
  EXPECT_EQ(stops.size(), 0);

  auto newStop = [](double position, int32_t alignment) {
    ATE::ITabStop fresh;
    qor::aip::ObjectRef<qor::aip::TextTabStop> impl(qor::aip::TextTabStop::getTextTabStop(fresh.ref()));
    auto stop = std::make_unique<qor::core::TextTabStop>(impl.get());
    stop->setTabStopAttribute6(position);
    stop->setTabStopAttribute4(alignment);
    return stop;
  };
  stops.add(*newStop(72, 20));
  stops.add(*newStop(36, 25));
  ASSERT_EQ(stops.size(), 2);
  std::unique_ptr<qor::core::TextTabStop> first = stops.item(0);
  ASSERT_TRUE(first);
  EXPECT_EQ(first->getTabStopAttribute6(), 36) << "the engine keeps its stops in position order";
  EXPECT_EQ(first->getTabStopAttribute4(), 10) << "25 went as engine 0";
  EXPECT_EQ(stops.item(1)->getTabStopAttribute4(), 20);

  // Changed: a stop at a position taken replaces the one there.
  first->setTabStopAttribute4(40);
  first->setTabStopAttribute9("x\xF0\x9D\x84\x9E");  // x and a character beyond 16 bits
  first->setTabStopAttribute11("ab");
  stops.add(*first);
  ASSERT_EQ(stops.size(), 2);
  std::unique_ptr<qor::core::TextTabStop> changed = stops.item(0);
  EXPECT_EQ(changed->getTabStopAttribute4(), 40);
  EXPECT_EQ(changed->getTabStopAttribute9(), "x\xF0\x9D\x84\x9E") << "every UTF-16 unit is passed";
  EXPECT_EQ(changed->getTabStopAttribute11(), "a");
  changed->setTabStopAttribute11("");
  EXPECT_EQ(changed->getTabStopAttribute11(), "a") << "the empty string sets nothing";

  // The set becomes a paragraph's tab stops and is read back through a range.
  r->setRange(0, 2);
  std::unique_ptr<qor::core::TextParaFeatures> pf = r->paraFeatures23();
  pf->setTabStops(stops);
  r->position31(*pf);
  std::unique_ptr<qor::core::TextParaFeatures> read = range("s")->paraFeatures23();
  qor::core::TextTabStopSet got;
  EXPECT_FALSE(read->getTabStops(got)) << "the second paragraph has none";
  r->setRange(0, 4);
  ASSERT_TRUE(r->paraFeatures23()->getTabStops(got));
  EXPECT_EQ(got.size(), 2);

  // Removed.
  EXPECT_EQ(stops.item(2), nullptr);
  EXPECT_EQ(stops.item(-1), nullptr);
  stops.remove(-1);
  stops.remove(2);
  EXPECT_EQ(stops.size(), 2);
  stops.remove(0);
  EXPECT_EQ(stops.size(), 1);
  EXPECT_EQ(stops.item(0)->getTabStopAttribute6(), 72);
  stops.removeAll();
  EXPECT_EQ(stops.size(), 0);
  EXPECT_EQ(got.size(), 2) << "the paragraph keeps its own stops";
  EXPECT_TRUE(stops.begin().holdsIterator());
  EXPECT_TRUE(qor::core::TextTabStopSet().begin().holdsIterator()) << "over a new, empty engine set";
  EXPECT_EQ(qor::core::TextTabStopSet().size(), -1);
  EXPECT_EQ(qor::core::TextTabStop().getTabStopAttribute11(), "");
}

TEST_F(TextModel, StyleSetsOfARange)
{
  doc = open("");
  frame("s", "styled");
  std::unique_ptr<TextRange> r = range("s");
  auto charStyles = r->charStyleSet();
  auto paraStyles = r->paraStyleSet();
  ASSERT_TRUE(charStyles);
  ASSERT_TRUE(paraStyles);
  EXPECT_EQ(charStyles->size(), 1);
  EXPECT_EQ(paraStyles->size(), 1);
  {
    auto it = charStyles->begin();
    EXPECT_TRUE(it.holdsIterator());
    auto pit = paraStyles->begin();
    EXPECT_TRUE(pit.holdsIterator());
    EXPECT_GT(engine().liveRefs(), 0);
  }
  engine().calls.clear();
  charStyles->position5();
  paraStyles->position7(*r);
  paraStyles->position7(TextRange());
  charStyles->position8(qor::core::TextCharStyle(), 0);
  ASSERT_EQ(engine().calls.size(), 2u) << "nothing for an empty range or style";
  EXPECT_EQ(engine().calls[0].position, 5);
  EXPECT_EQ(engine().calls[0].suite, kAteSuiteCharStyles);
  EXPECT_EQ(engine().calls[1].suite, kAteSuiteParaStyles);
  qor::core::TextCharStyleSet empty;
  EXPECT_EQ(empty.size(), -1);
  EXPECT_FALSE(empty.begin().holdsIterator());
}

TEST_F(TextModel, BridgesWrapAndUnwrapEveryFamily)
{
  doc = open("");
  frame("s", "one two");
  std::unique_ptr<TextRange> r = range("s");
  std::unique_ptr<qor::core::TextStory> story = r->story();
  qor::aip::TextStory* impl = qor::core::implPointer(*story);
  ASSERT_TRUE(impl);
  int32_t before = impl->refCount();
  {
    qor::core::TextStory wrapped = qor::core::wrapTextStory(impl);
    EXPECT_TRUE(wrapped == *story);
    EXPECT_EQ(impl->refCount(), before + 1);
  }
  EXPECT_EQ(impl->refCount(), before);
  std::unique_ptr<qor::core::TextRangeSet> set = r->rangeSet9();
  EXPECT_TRUE(qor::core::wrapTextRangeSet(qor::core::implPointer(*set)) == *set);
  std::unique_ptr<qor::core::TextCharFeatures> f = r->charFeatures22();
  EXPECT_TRUE(qor::core::wrapTextCharFeatures(qor::core::implPointer(*f)) == *f);
  Owned<TextPara> paragraphs(story->paragraphs());
  EXPECT_TRUE(qor::core::wrapTextPara(qor::core::implPointer(paragraphs[0])) == paragraphs[0]);
  EXPECT_EQ(qor::core::implPointer(qor::core::TextStory()), nullptr);
}

}  // namespace textModelTest

namespace textModelTest {

TEST_F(TextModel, ASuiteNotAcquiredFailsInsteadOfBeingCalledThrough)
{
  // No text object was made yet, so no text-engine suite is held: every call is refused with an
  // exception, and the common positions are harmless.
  try {
    ATE::ITabStops set;
    FAIL() << "made a set without the suite";
  } catch (const ATE::Exception& e) {
    EXPECT_NE(e.error, 0);
  }
  ATE::IStory story;
  EXPECT_TRUE(story.isNull());
  ATE::IStory copy(story);
  EXPECT_THROW(copy.getSize(), ATE::Exception);
}

}  // namespace textModelTest

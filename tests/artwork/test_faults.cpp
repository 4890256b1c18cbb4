// Entries, spot colours and the hit test's tolerance and text position, through the plug-in running in
// the simulated host.
#include "aip/qoraipArtSuites.h"
#include "aip/qoraipHitData.h"
#include "aip/qoraipIllustratorEntry.h"
#include "aip/qoraipIllustrator.h"
#include "aip/qoraipDocument.h"
#include "aip/qoraipDocumentView.h"
#include "artworkFixture.h"
#include "core/qorcoreArtColor.h"
#include "hostsimContainers.h"

namespace faultsTest {
using artworktest::Artwork;

TEST_F(Artwork, EntryWrappersReleaseEachReferenceOnce)
{
  hostsim::Document* doc = open("<path id='p' d='M0 0 L1 1'/>");
  hostsim::Counted::resetAudit();
  const ArtSuite* art = nullptr;
  const DictionarySuite* dict = nullptr;
  const ArraySuite* arrays = nullptr;
  const SpBasicSuite* basic = app.basicSuite();
  basic->acquireSuite(kArtSuiteName, kArtSuiteVersion, reinterpret_cast<const void**>(&art));
  basic->acquireSuite(kDictionarySuiteName, kDictionarySuiteVersion, reinterpret_cast<const void**>(&dict));
  basic->acquireSuite(kArraySuiteName, kArraySuiteVersion, reinterpret_cast<const void**>(&arrays));
  DictHandle d = nullptr;
  ASSERT_EQ(art->getArtDictionary(handleOf(doc->findById("p")), &d), 0);
  ArrayHandle list = nullptr;
  arrays->newArray(&list);
  arrays->setArrayInteger(list, 0, -1);
  DictKey listKey = dict->keyFromText("list"), numberKey = dict->keyFromText("n");
  dict->setDictionaryArray(d, listKey, list);
  arrays->releaseArray(list);
  dict->setDictionaryInteger(d, numberKey, -1);

  // Wrappers over counted entry references, read and dropped, for a container entry and a plain one.
  for (DictKey key : {listKey, numberKey}) {
    qor::aip::IllustratorEntry* entry = qor::aip::IllustratorEntry::getOrCreate(dict->getDictionaryEntry(d, key));
    ASSERT_NE(entry, nullptr);
    if (key == numberKey) {
      EXPECT_EQ(entry->asInteger(), -1);
    }
    qor::aip::IllustratorEntry* same = qor::aip::IllustratorEntry::getOrCreate(entry->hostHandle());
    EXPECT_EQ(same, entry);
    same->release();
    entry->release();
  }
  // The dictionary still holds both entries, intact.
  EXPECT_TRUE(dict->dictionaryHasKey(d, listKey));
  ArrayHandle again = nullptr;
  ASSERT_EQ(dict->getDictionaryArray(d, listKey, &again), 0);
  EXPECT_EQ(arrays->getArrayCount(again), 1);
  arrays->releaseArray(again);
  dict->deleteDictionaryEntry(d, listKey);
  dict->deleteDictionaryEntry(d, numberKey);
  dict->releaseDictionary(d);
  EXPECT_EQ(hostsim::Counted::auditFailures(), 0) << "no reference was released twice";
  basic->releaseSuite(kArtSuiteName, kArtSuiteVersion);
  basic->releaseSuite(kDictionarySuiteName, kDictionarySuiteVersion);
  basic->releaseSuite(kArraySuiteName, kArraySuiteVersion);
}

TEST_F(Artwork, SpotColourCreationThatFailsChangesNothing)
{
  open("");
  qor::core::ArtColor colour(qor::aip::ArtColor::ArtColorRGB(0.1, 0.2, 0.3));
  hostsim::Workspace::instance().failNextCustomColor = true;
  EXPECT_FALSE(colour.setCustom("Brand", 1.0, 0));
  EXPECT_EQ(colour.colorType(), 4) << "still the RGB colour";
  EXPECT_FALSE(colour.setCustom("Black", 1.0, 0)) << "reserved name";
  EXPECT_FALSE(colour.setCustom("", 1.0, 0));
  ASSERT_TRUE(colour.setCustom("black", 0.5, 7));
  EXPECT_EQ(colour.colorType(), 1024) << "a spot colour defined in RGB";
  EXPECT_EQ(colour.customName(), "black");
  qor::core::ArtColor none{qor::aip::ArtColor()};
  EXPECT_FALSE(none.setCustom("Brand", 1.0, 0));
}

TEST_F(Artwork, HitToleranceInViewUnits)
{
  // No document, no view: the tolerance stays finite and unchanged.
  EXPECT_EQ(qor::aip::HitData::artworkTolerance(-4, true), 4);
  open("");
  qor::aip::DocumentView* view = qor::aip::Illustrator::instance()->currentDocument()->currentView();
  ASSERT_TRUE(view);
  view->setZoom(2);
  EXPECT_EQ(qor::aip::HitData::artworkTolerance(4, true), 2);
  EXPECT_EQ(qor::aip::HitData::artworkTolerance(4, false), 4);
}

TEST(HitText, GlyphsMapToCharactersNotBytes)
{
  struct Case {
    const char* text;
    int32_t glyph;
    int32_t character;
  } cases[] = {
      {"ab", 1, 1},
      {"a b", 1, 2},
      {"\xC3\xA9" "a b", 2, 3},           // a two-byte character before the hit
      {"\xE2\x80\x83x", 0, 1},            // an em space has no glyph
      {"\xF0\x9F\x98\x80 z", 1, 2},       // a four-byte character, then a space
      {"a\nb", 1, 2},
      {"ab", 2, -1},                      // beyond the text
      {"a   ", 1, -1},
      {"", 0, -1},
      {"\xC3", 0, 0},                     // a cut sequence still counts as one character
  };
  for (const Case& c : cases)
    EXPECT_EQ(qor::aip::HitData::characterOfGlyph(c.text, c.glyph), c.character) << c.text << " glyph " << c.glyph;
}

}  // namespace faultsTest

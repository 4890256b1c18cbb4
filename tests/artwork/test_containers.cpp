// Dictionaries, arrays, entries and unique ids of art, through the client handles over the simulated
// host. The fixture's tear-down checks that every wrapper was released and no host reference was
// released twice.
#include <cmath>
#include <limits>
#include <memory>

#include "aip/qoraipIllustratorDictionary.h"
#include "aip/qoraipUID.h"
#include "artworkFixture.h"
#include "core/qorcoreAiArray.h"
#include "core/qorcoreAiDictionary.h"
#include "core/qorcoreAiEntry.h"
#include "core/qorcoreArt.h"
#include "core/qorcoreUID.h"
#include "hostsimArt.h"
#include "hostsimDocument.h"

namespace containersTest {
using artworktest::Artwork;
using qor::core::Art;
using qor::core::UID;
using qor::core::ai::Array;
using qor::core::ai::Dictionary;
using qor::core::ai::Entry;

class Containers : public Artwork {
protected:
  void SetUp() override
  {
    Artwork::SetUp();
    doc = open("<path id='p' d='M0 0 L10 0'/><path id='Group_x23_1' d='M0 5 L10 5'/>"
               "<path id='A_x5F_B' d='M0 9 L1 9'/><path id='_x31__x32_' d='M0 8 L1 8'/>"
               "<path id='_x5F_x21_' d='M0 7 L1 7'/><path id='ab 12:cd' d='M0 6 L1 6'/>");
  }
  ArtHandle art(const char* id) { return handleOf(doc->findById(id)); }
  hostsim::Dictionary* hostDictionary(const char* id) { return doc->findById(id)->dictionary; }

  hostsim::Document* doc = nullptr;
};

TEST_F(Containers, TypedValuesRoundTripThroughTheArtsDictionary)
{
  Art p(art("p"));
  std::unique_ptr<Dictionary> dict(p.dictionary());
  ASSERT_TRUE(dict);
  bool b = false;
  int64_t i = 0;
  double r = 1;
  std::string text;

  EXPECT_TRUE(dict->setBool("flag", true));
  EXPECT_TRUE(dict->getBool("flag", b));
  EXPECT_TRUE(b);

  struct IntegerCase {
    int64_t stored;
    int64_t read;
  };
  // Only the low 32 bits reach the host; reading sign-extends them.
  for (IntegerCase c : {IntegerCase{-1, -1}, {4294967297LL, 1}, {2147483648LL, -2147483648LL}, {7, 7}}) {
    EXPECT_TRUE(dict->setInteger("n", c.stored));
    EXPECT_TRUE(dict->getInteger("n", i));
    EXPECT_EQ(i, c.read) << c.stored;
  }

  struct RealCase {
    double stored;
    double read;
  };
  constexpr double largest = 3.4028234663852886e38;
  double inf = std::numeric_limits<double>::infinity();
  for (RealCase c : {RealCase{inf, largest}, {-inf, -largest}, {std::nan(""), 0.0}, {1e300, largest}, {0.25, 0.25}}) {
    EXPECT_TRUE(dict->setReal("x", c.stored));
    EXPECT_TRUE(dict->getReal("x", r));
    EXPECT_EQ(r, c.read) << c.stored;
  }

  EXPECT_TRUE(dict->setString("s", "d\xC3\xA9j\xC3\xA0"));
  EXPECT_TRUE(dict->getString("s", text));
  EXPECT_EQ(text, "d\xC3\xA9j\xC3\xA0");

  // Reading as the wrong kind leaves the out value alone.
  r = 5;
  EXPECT_FALSE(dict->getReal("s", r));
  EXPECT_EQ(r, 5);
  EXPECT_FALSE(dict->getBool("missing", b));

  EXPECT_TRUE(dict->hasKey("s"));
  EXPECT_TRUE(dict->deleteEntry("s"));
  EXPECT_FALSE(dict->hasKey("s"));

  // A second handle of the same art's dictionary shares the one wrapper.
  std::unique_ptr<Dictionary> again(p.dictionary());
  EXPECT_TRUE(again->equals(*dict));
  EXPECT_EQ(again->hostHandle(), static_cast<DictHandle>(hostDictionary("p")->handle()));
}

TEST_F(Containers, RefusedKeysAndEmptyHandles)
{
  Art p(art("p"));
  std::unique_ptr<Dictionary> dict(p.dictionary());
  ASSERT_TRUE(dict->setInteger("-hidden", 1) == false);
  for (const char* key : {"", "-", "-x"}) {
    EXPECT_FALSE(dict->setBool(key, true)) << key;
    EXPECT_FALSE(dict->hasKey(key)) << key;
    EXPECT_FALSE(dict->deleteEntry(key)) << key;
    Entry e;
    EXPECT_FALSE(dict->getEntry(key, e)) << key;
  }
  EXPECT_TRUE(hostDictionary("p")->entries.empty()) << "no refused key reached the host";

  Dictionary none;
  bool b = true;
  EXPECT_EQ(none.hostHandle(), nullptr);
  EXPECT_FALSE(none.setBool("k", true));
  EXPECT_FALSE(none.getBool("k", b));
  EXPECT_FALSE(none.hasKey("k"));
  EXPECT_FALSE(none.clear());
  EXPECT_TRUE(b);
  Array noArray;
  EXPECT_EQ(noArray.count(), 0);
  EXPECT_FALSE(noArray.setInteger(0, 1));
  Entry noEntry;
  EXPECT_TRUE(noEntry.isEmpty());
  EXPECT_EQ(noEntry.kind(), 0);
}

TEST_F(Containers, NestedContainersShareOneWrapperPerHostReference)
{
  Art p(art("p"));
  std::unique_ptr<Dictionary> dict(p.dictionary());
  {
    Array list;
    std::unique_ptr<Array> fresh(list.clone());
    ASSERT_NE(fresh->hostHandle(), nullptr) << "a handle without array clones to a new empty array";
    EXPECT_EQ(fresh->count(), 0);
    EXPECT_TRUE(fresh->setInteger(0, 3));
    EXPECT_TRUE(fresh->setString(1, "two"));
    EXPECT_TRUE(dict->setArray("list", *fresh));
  }
  Array first, second;
  ASSERT_TRUE(dict->getArray("list", first));
  ASSERT_TRUE(dict->getArray("list", second));
  EXPECT_TRUE(first.equals(second));
  EXPECT_EQ(first.impl()->count(), 2) << "one wrapper, counted by both handles";
  auto* hostArray = static_cast<hostsim::Array*>(hostsim::Handles::instance().findAny(first.hostHandle()));
  ASSERT_NE(hostArray, nullptr);
  EXPECT_EQ(hostArray->refs, 2) << "the dictionary's and the wrapper's; the second reference went back";

  std::string text;
  int64_t n = 0;
  EXPECT_TRUE(first.getInteger(0, n));
  EXPECT_EQ(n, 3);
  EXPECT_TRUE(first.getString(1, text));
  EXPECT_EQ(text, "two");

  // A dictionary nested in the array, read back through its entry.
  Art other(art("Group_x23_1"));
  std::unique_ptr<Dictionary> otherDict(other.dictionary());
  EXPECT_TRUE(first.setDictionary(2, *otherDict));
  Entry entry;
  ASSERT_TRUE(first.getEntry(2, entry));
  EXPECT_EQ(entry.kind(), qor::core::ai::EntryKindDictionary);
  Dictionary viaEntry, viaArray;
  EXPECT_TRUE(entry.asDictionary(viaEntry));
  EXPECT_TRUE(first.getDictionary(2, viaArray));
  EXPECT_TRUE(viaEntry.equals(*otherDict));
  EXPECT_TRUE(viaArray.equals(*otherDict));
  bool b = false;
  EXPECT_FALSE(entry.asBool(b));
}

TEST_F(Containers, ArraySwapCloneAndClear)
{
  std::unique_ptr<Array> list(Array().clone());
  for (int k = 0; k < 3; ++k)
    ASSERT_TRUE(list->setInteger(k, 10 * k));
  struct SwapCase {
    int32_t a, b;
    bool ok;
  };
  for (SwapCase c : {SwapCase{2, 2, false}, {0, 3, false}, {-1, 0, false}, {0, 2, true}})
    EXPECT_EQ(list->swapEntries(c.a, c.b), c.ok) << c.a << "," << c.b;
  int64_t v = -1;
  EXPECT_TRUE(list->getInteger(0, v));
  EXPECT_EQ(v, 20);

  std::unique_ptr<Array> copy(list->clone());
  EXPECT_FALSE(copy->equals(*list));
  EXPECT_EQ(copy->count(), 3);
  EXPECT_EQ(copy->impl()->count(), 1) << "the copy's one count belongs to its handle";

  Entry e;
  ASSERT_TRUE(list->getEntry(1, e));
  EXPECT_TRUE(copy->appendEntry(e));
  EXPECT_EQ(copy->count(), 4);
  EXPECT_FALSE(list->getEntry(9, e)) << "past the end the host refuses";

  EXPECT_TRUE(list->clear());
  EXPECT_EQ(list->count(), 0);
  EXPECT_TRUE(list->clear()) << "clearing an empty array succeeds at once";
  EXPECT_EQ(copy->count(), 4);
}

TEST_F(Containers, ClearKeepsHiddenKeys)
{
  Art p(art("p"));
  std::unique_ptr<Dictionary> dict(p.dictionary());
  hostsim::Dictionary* host = hostDictionary("p");
  // Hidden keys can only be written by the host itself.
  for (const char* key : {"-a", "-b"})
    host->set(hostsim::Dictionary::key(key), doc->make<hostsim::Entry>(doc, hostsim::Entry::kBoolean));
  EXPECT_TRUE(dict->clear()) << "only hidden keys: nothing to delete";
  EXPECT_EQ(host->entries.size(), 2u);
  EXPECT_TRUE(dict->setBool("a", true));
  EXPECT_TRUE(dict->setReal("b", 2));
  EXPECT_TRUE(dict->setString("c", "3"));
  EXPECT_TRUE(dict->clear());
  EXPECT_EQ(host->entries.size(), 2u);
  EXPECT_TRUE(host->entries.count("-a") && host->entries.count("-b"));
}

TEST_F(Containers, EntryKindsAndStrings)
{
  Art p(art("p"));
  std::unique_ptr<Dictionary> dict(p.dictionary());
  hostsim::Dictionary* host = hostDictionary("p");
  auto put = [&](const char* key, int32_t type) {
    hostsim::Entry* e = doc->make<hostsim::Entry>(doc, type);
    host->set(hostsim::Dictionary::key(key), e);
    return e;
  };
  put("bytes", hostsim::Entry::kByteString)->text = "\xE9t\xE9";
  put("id", hostsim::Entry::kUID);
  put("other", 21);
  put("unknown", 99);

  struct KindCase {
    const char* key;
    int32_t kind;
  };
  ASSERT_TRUE(dict->setString("unicode", "\xE2\x80\xA0"));
  for (KindCase c : {KindCase{"bytes", 40}, {"unicode", 40}, {"id", 310}, {"other", 130}, {"unknown", 0}}) {
    Entry e;
    ASSERT_TRUE(dict->getEntry(c.key, e)) << c.key;
    EXPECT_EQ(e.kind(), c.kind) << c.key;
  }
  std::string text;
  EXPECT_TRUE(dict->getString("bytes", text));
  EXPECT_EQ(text, "\xE9t\xE9") << "host bytes come unchanged";
  EXPECT_TRUE(dict->getString("unicode", text));
  EXPECT_EQ(text, "\xE2\x80\xA0");

  // A bare unique id (not a reference to one) has no reader.
  Entry id;
  ASSERT_TRUE(dict->getEntry("id", id));
  UID uid;
  Art a = Art::ArtEmpty();
  EXPECT_FALSE(id.asUID(uid));
  EXPECT_FALSE(id.asArt(a));
  EXPECT_TRUE(uid.isEmpty());

  // An entry moved from one key to another through the handles.
  Entry moved;
  ASSERT_TRUE(dict->getEntry("unicode", moved));
  EXPECT_TRUE(dict->setEntry("copy", moved));
  EXPECT_TRUE(dict->getString("copy", text));
  EXPECT_EQ(text, "\xE2\x80\xA0");
}

TEST_F(Containers, ArtStoredAsAReferenceToItsUniqueId)
{
  Art p(art("p"));
  Art named(art("Group_x23_1"));
  std::unique_ptr<Dictionary> dict(p.dictionary());
  ASSERT_TRUE(dict->setArt("target", named));
  Art found = Art::ArtEmpty();
  ASSERT_TRUE(dict->getArt("target", found));
  EXPECT_TRUE(found.equals(named));
  EXPECT_EQ(found.data(), named.data()) << "the art found joins the art's record";
  UID uid;
  ASSERT_TRUE(dict->getUID("target", uid));
  EXPECT_EQ(uid.name(), "Group#1");

  std::unique_ptr<Array> list(Array().clone());
  EXPECT_TRUE(list->setArt(0, p));
  EXPECT_TRUE(list->setUID(1, uid));
  Art first = Art::ArtEmpty();
  UID second;
  EXPECT_TRUE(list->getArt(0, first));
  EXPECT_TRUE(first.equals(p));
  EXPECT_TRUE(list->getUID(1, second));
  EXPECT_TRUE(second == uid);
  Entry e;
  ASSERT_TRUE(list->getEntry(1, e));
  EXPECT_EQ(e.kind(), qor::core::ai::EntryKindUID);
  Art viaEntry = Art::ArtEmpty();
  EXPECT_TRUE(e.asArt(viaEntry));
  EXPECT_TRUE(viaEntry.equals(named));

  // Once the art is gone, its id names nothing.
  ASSERT_TRUE(named.dispose());
  Art gone = Art::ArtEmpty();
  EXPECT_FALSE(dict->getArt("target", gone));
}

TEST_F(Containers, UniqueIdsShareOneWrapperAndUnescapeTheirNames)
{
  {
    Art a(art("p"));
    std::unique_ptr<UID> first(a.uid());
    std::unique_ptr<UID> second(a.uid());
    ASSERT_TRUE(first && second);
    EXPECT_TRUE(*first == *second);
    EXPECT_EQ(first->impl()->count(), 2);
    hostsim::UID* host = doc->findById("p")->uid;
    ASSERT_NE(host, nullptr);
    EXPECT_EQ(host->refs, 2) << "the art's and the wrapper's; the second lookup gave its reference back";
    std::unique_ptr<Art> back(first->art());
    ASSERT_TRUE(back);
    EXPECT_TRUE(back->equals(a));
    first.reset();
    EXPECT_EQ(host->refs, 2);
    second.reset();
    EXPECT_EQ(host->refs, 1) << "the last handle gave the wrapper's reference back, once";
  }

  struct NameCase {
    const char* id;
    const char* name;
  };
  for (NameCase c : {NameCase{"Group_x23_1", "Group#1"},
                     {"A_x5F_B", "A_B"},
                     {"_x31__x32_", "12"},
                     {"ab 12:cd", "ab 12:cd"},
                     // The table runs before the underscore: "_x21_" inside "_x5F_x21_" goes first.
                     {"_x5F_x21_", "_x5F!"}}) {
    Art a(art(c.id));
    std::unique_ptr<UID> uid(a.uid());
    ASSERT_TRUE(uid) << c.id;
    EXPECT_EQ(uid->name(), c.name) << c.id;
  }

  UID empty;
  EXPECT_EQ(empty.name(), "");
  EXPECT_EQ(empty.art(), nullptr);
  EXPECT_EQ(empty.hostHandle(), nullptr);
}

TEST_F(Containers, EscapeTableHoldsEveryEscapeOnce)
{
  qor::aip::UID::buildEscapeTable();
  auto* table = qor::aip::wrapperGlobals()->uidNameEscapeTable;
  ASSERT_NE(table, nullptr);
  EXPECT_EQ(table->size(), 103u);
  struct Row {
    const char* character;
    const char* escape;
  };
  for (Row r : {Row{"!", "_x21_"}, {"~", "_x7E_"}, {"\xC2\xB0", "_xB0_"}, {"\xCB\x86", "_x2C6_"},
                {"\xE2\x80\xA0", "_x2020_"}, {"\xEF\xA3\xBF", "_xF8FF_"}, {"\xC2\xB7", "_xB7_"}}) {
    std::string escape;
    EXPECT_TRUE(table->get(r.character, escape)) << r.escape;
    EXPECT_EQ(escape, r.escape);
  }
  for (const char* absent : {":", "_", "0", "a", " "})
    EXPECT_FALSE(table->contains(absent)) << absent;
}

TEST_F(Containers, WithoutADocumentNoUniqueIdIsFoundOrReleased)
{
  ArtHandle p = art("p");
  Art held(p);
  std::unique_ptr<UID> outlived(held.uid());
  ASSERT_TRUE(outlived);
  hostsim::Workspace::instance().close(doc);
  // Released with no document open: the wrapper leaves the registry (the tear-down checks it) without
  // a host reference to give back.
  outlived.reset();
  EXPECT_EQ(qor::aip::UID::fromArt(p), nullptr);
  EXPECT_EQ(qor::aip::wrapperGlobals()->uidScopeDepth, 0);
  EXPECT_EQ(qor::aip::wrapperGlobals()->uidScopeDocument, nullptr);
}

}  // namespace containersTest

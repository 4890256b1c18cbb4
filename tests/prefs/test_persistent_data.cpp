// Persistent values over JSON nodes: typed views, get-or-create, and the array and dictionary edits.
#include "aip/qoraipPersistentArray.h"
#include "aip/qoraipPersistentDictionary.h"
#include "json/qorjsonReader.h"
#include "json/qorjsonWriter.h"
#include "plat/qorplatPersistentBool.h"
#include "plat/qorplatPersistentNumber.h"
#include "plat/qorplatPersistentString.h"
#include "plat/qorplatPersistentVersionedData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

using namespace qor;
using plat::PersistentDataType;

namespace {
std::string compact(const plat::PersistentData &v) { return json::writeJson(v.nodeRef(), false, 0); }
plat::PersistentDictionary parsedDict(const std::string &text) { return plat::PersistentDictionary(json::parseJson(text)); }
} // namespace

TEST(PersistentData, NumbersSanitiseAndKeepBothViews) {
    EXPECT_EQ(plat::PersistentNumber(std::nan(""), "n").doubleValue(), 0.0);
    EXPECT_EQ(plat::PersistentNumber(HUGE_VAL, "n").doubleValue(), 1.7976931348623157e308);
    plat::PersistentNumber n(int64_t(7), "n");
    EXPECT_TRUE(n.setDouble(-2.5));
    EXPECT_EQ(n.int64Value(), -3);
    EXPECT_EQ(n.kind(), PersistentDataType::Number);
    plat::PersistentString s("x", "s");
    EXPECT_FALSE(plat::PersistentBool(json::Node::createString("k", "v")).setValue(true));
    EXPECT_EQ(s.key(), "s");
}

TEST(PersistentData, DictionaryGettersKeepOnlyTheirKind) {
    auto d = parsedDict("{\"five\":\"5\",\"nothing\":null}");
    EXPECT_EQ(std::unique_ptr<plat::PersistentNumber>(d.getNumber("five")), nullptr);
    std::unique_ptr<plat::PersistentString> five(d.getString("five"));
    ASSERT_TRUE(five);
    EXPECT_EQ(five->value(), "5");
    EXPECT_EQ(std::unique_ptr<plat::PersistentData>(d.member("nothing")), nullptr);

    // Created once, found afterwards.
    std::unique_ptr<plat::PersistentBool> x(d.getOrCreateBool("x", true));
    ASSERT_TRUE(x);
    EXPECT_TRUE(x->setValue(false));
    std::unique_ptr<plat::PersistentBool> again(d.getOrCreateBool("x", true));
    EXPECT_FALSE(again->value());
    EXPECT_EQ(again->nodeRef(), x->nodeRef());

    // A key held by another kind (or by null): the new value stays outside the dictionary.
    std::unique_ptr<plat::PersistentString> detached(d.getOrCreateString("nothing", "d"));
    ASSERT_TRUE(detached);
    detached->setValue("changed");
    std::unique_ptr<plat::PersistentNumber> other(d.getOrCreateNumber("five", int64_t(1)));
    other->setInt64(2);
    EXPECT_EQ(compact(d), "{\"five\":\"5\",\"nothing\":null,\"x\":false}");
}

TEST(PersistentData, TakeRemovesTheMemberAndKeepsTheValueAlive) {
    auto d = parsedDict("{\"x\":[1],\"n\":null}");
    std::unique_ptr<plat::PersistentData> x(d.take("x"));
    ASSERT_TRUE(x);
    EXPECT_EQ(compact(*x), "[1]");
    EXPECT_EQ(std::unique_ptr<plat::PersistentData>(d.take("n")), nullptr);
    EXPECT_EQ(compact(d), "{}");
    // A renamed member is still found by the key it was stored under.
    auto r = parsedDict("{\"old\":1}");
    std::unique_ptr<plat::PersistentData> m(r.member("old"));
    m->setKey("new");
    EXPECT_EQ(std::unique_ptr<plat::PersistentData>(r.take("old"))->key(), "new");
    EXPECT_EQ(compact(r), "{}");
}

TEST(PersistentData, ArrayEditsKeepElementsInPlace) {
    struct Case {
        uint32_t index;
        bool inserted;
        const char *after;
    } cases[] = {{1, true, "[\"A\",\"X\",null,\"C\"]"}, {3, true, "[\"A\",null,\"C\",\"X\"]"}, {4, false, "[\"A\",null,\"C\"]"}};
    for (const Case &c : cases) {
        plat::PersistentArray a(json::parseJson("[\"A\",null,\"C\"]"));
        json::NodePtr c0(a.nodeRef()->elementAt(2));
        plat::PersistentString x("X", "");
        EXPECT_EQ(a.insertAt(c.index, &x), c.inserted) << c.index;
        EXPECT_EQ(compact(a), c.after);
        // The later element nodes are the same objects as before.
        json::NodePtr cNow(a.nodeRef()->elementAt(c.index <= 2 && c.inserted ? 3 : 2));
        EXPECT_EQ(cNow.get(), c0.get());
    }
    plat::PersistentArray a(json::parseJson("[1,null]"));
    EXPECT_EQ(std::unique_ptr<plat::PersistentData>(a.removeLast()), nullptr);
    EXPECT_EQ(a.count(), 1u);
    EXPECT_EQ(std::unique_ptr<plat::PersistentData>(a.removeAt(1)), nullptr);
    std::unique_ptr<plat::PersistentNumber> n(a.getOrCreateNumber(0, 5.5));
    EXPECT_EQ(n->int64Value(), 1);
    std::unique_ptr<plat::PersistentString> s(a.getOrCreateString(0, "s"));
    EXPECT_EQ(compact(a), "[\"s\",1]");
    a.clear();
    EXPECT_EQ(a.count(), 0u);
}

TEST(PersistentData, VersionedDataAddsMissingMembersOnly) {
    plat::PersistentVersionedData fresh(json::Node::create(json::Object, ""), PersistentDataType::Preferences);
    EXPECT_EQ(compact(fresh), "{\"__vn\":0,\"__vs\":\"\"}");
    EXPECT_TRUE(fresh.setVersionNumber(-3));
    EXPECT_EQ(fresh.versionNumber(), -3);
    plat::PersistentVersionedData odd(json::parseJson("{\"__vn\":\"x\",\"__vs\":5}"), PersistentDataType::Preferences);
    EXPECT_EQ(odd.versionNumber(), 0);
    EXPECT_FALSE(odd.setVersionNumber(1));
    EXPECT_FALSE(odd.setVersionString("1"));
    EXPECT_EQ(odd.versionString(), "5");
    plat::PersistentVersionedData wide(json::parseJson("{\"__vn\":4294967299}"), PersistentDataType::Preferences);
    EXPECT_EQ(wide.versionNumber(), 3);
}

TEST(PersistentData, HostAwareLookupSeparatesEncodingsFromDictionaries) {
    aip::PersistentDictionary d(json::parseJson(
        "{\"pt\":{\"__x\":1,\"__y\":2},\"plain\":{\"__x\":1},\"list\":[{\"__w\":1,\"__h\":2},{\"a\":1}]}"));
    EXPECT_EQ(std::unique_ptr<plat::PersistentDictionary>(d.getDictionary("pt")), nullptr);
    std::unique_ptr<plat::PersistentDictionary> plain(d.getDictionary("plain"));
    ASSERT_TRUE(plain);
    EXPECT_NE(dynamic_cast<aip::PersistentDictionary *>(plain.get()), nullptr);
    std::unique_ptr<aip::PersistentArray> list(d.getHostArray("list"));
    ASSERT_TRUE(list);
    std::unique_ptr<plat::PersistentData> size(list->elementAt(0));
    ASSERT_TRUE(size);
    EXPECT_EQ(size->kind(), plat::PersistentDataType::Size);
    EXPECT_TRUE(std::unique_ptr<plat::PersistentDictionary>(list->getHostDictionary(1)));
    // A stored host value is never replaced by a dictionary made over its key.
    std::unique_ptr<plat::PersistentDictionary> made(d.getOrCreateDictionary("pt", nullptr));
    EXPECT_EQ(compact(d).find("\"pt\":{\"__x\":1,\"__y\":2}") != std::string::npos, true);
}

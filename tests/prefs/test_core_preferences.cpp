// The typed preference handles, used through the plug-in's globals with the plug-in started in the
// simulated host.
#include "core/qorcoreBoolPref.h"
#include "core/qorcoreCoreGlobals.h"
#include "core/qorcoreDictionaryPref.h"
#include "core/qorcoreNumberPref.h"
#include "core/qorcorePreferences.h"
#include "core/qorcoreStringPref.h"
#include "corePrefsFixture.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace qor::core;

TEST_F(CorePrefs, TheClientsOptionsRoundTripThroughTheFile) {
    {
        Preferences prefs;
        ASSERT_TRUE(prefs.load(path));
        NumberPref dist, freq;
        BoolPref avg;
        StringPref due;
        ASSERT_TRUE(prefs.getOrCreateNumber("pDist", 0.05, dist));
        ASSERT_TRUE(prefs.getOrCreateNumber("vCheckFreq", int64_t(30), freq));
        ASSERT_TRUE(prefs.getOrCreateBool("avgPts", true, avg));
        ASSERT_TRUE(prefs.getOrCreateString("vCheckDue", "2026-12-10", due));
        EXPECT_TRUE(dist.setDouble(30.0));
        EXPECT_TRUE(avg.setBool(false));
        ASSERT_TRUE(prefs.save(path));
        EXPECT_EQ(prefs.saveCount(), 1);
    }
    Preferences again;
    ASSERT_TRUE(Preferences::loadInto(path, again));
    NumberPref dist, freq;
    BoolPref avg;
    StringPref due;
    ASSERT_TRUE(again.getNumber("pDist", dist));
    EXPECT_EQ(dist.int64Value(), 30);
    EXPECT_EQ(dist.dataType(), PrefDataType::Number);
    // A stored value wins over the default.
    ASSERT_TRUE(again.getOrCreateNumber("vCheckFreq", int64_t(45), freq));
    EXPECT_EQ(freq.int64Value(), 30);
    ASSERT_TRUE(again.getBool("avgPts", avg));
    EXPECT_FALSE(avg.boolValue());
    ASSERT_TRUE(again.getString("vCheckDue", due));
    EXPECT_EQ(due.stringValue(), "2026-12-10");
    EXPECT_EQ(due.key(), "vCheckDue");
}

TEST_F(CorePrefs, OtherKindsAndEmptyHandlesAnswerFalse) {
    Preferences empty;
    NumberPref n;
    EXPECT_FALSE(empty.getOrCreateNumber("x", 1.0, n));
    EXPECT_EQ(empty.saveCount(), 0);
    EXPECT_EQ(empty.versionString(), "");
    EXPECT_EQ(n.doubleValue(), 0.0);
    EXPECT_FALSE(n.setDouble(1));

    prefsTest::writeBytes(path, "{\"Prefs\":{\"s\":\"text\",\"pt\":{\"__x\":1,\"__y\":2},\"d\":{\"a\":1}}}");
    Preferences prefs;
    ASSERT_TRUE(prefs.load(path));
    EXPECT_FALSE(prefs.getNumber("s", n));
    // Another kind under the key: the default comes back outside the document.
    ASSERT_TRUE(prefs.getOrCreateNumber("s", 7.0, n));
    EXPECT_TRUE(n.setDouble(8));
    DictionaryPref d;
    EXPECT_FALSE(prefs.getDictionary("pt", d));
    ASSERT_TRUE(prefs.getDictionary("d", d));
    NumberPref inner;
    ASSERT_TRUE(d.getOrCreateNumber("b", int64_t(2), inner));
    ASSERT_TRUE(prefs.save(path));
    EXPECT_NE(prefsTest::readBytes(path).find("\"s\":\"text\""), std::string::npos);
    EXPECT_NE(prefsTest::readBytes(path).find("\t\t\t\"b\":2"), std::string::npos);
    EXPECT_NE(prefsTest::readBytes(path).find("\"__x\":1"), std::string::npos);
}

TEST_F(CorePrefs, HandlesShareRecordsAndCompareByNode) {
    Preferences prefs;
    ASSERT_TRUE(prefs.load(path));
    NumberPref a, b;
    ASSERT_TRUE(prefs.getOrCreateNumber("n", 2.5, a));
    ASSERT_TRUE(prefs.getNumber("n", b));
    EXPECT_TRUE(a == b);
    NumberPref copy(a);
    EXPECT_TRUE(copy.setDouble(-2.5));
    EXPECT_EQ(b.int64Value(), -3);
    EXPECT_TRUE(copy.setDouble(NAN));
    EXPECT_EQ(a.doubleValue(), 0.0);
    std::unique_ptr<PrefData> clone(a.clone());
    EXPECT_TRUE(*clone == a);
    EXPECT_TRUE(NumberPref() == StringPref());
    EXPECT_FALSE(NumberPref() == a);
    NumberPref target(a);
    target = NumberPref();
    EXPECT_TRUE(target == a);

    std::unique_ptr<PrefData> out(new StringPref);
    ASSERT_TRUE(prefs.getPref("n", out));
    EXPECT_EQ(out->dataType(), PrefDataType::Number);
    EXPECT_TRUE(prefs.removePref(*out));
    EXPECT_FALSE(prefs.getPref("n", out));

    // A second handle assigned before a reload keeps the old document.
    Preferences old;
    old = prefs;
    ASSERT_TRUE(prefs.load(path));
    ASSERT_TRUE(prefs.setVersionString("2"));
    EXPECT_EQ(old.versionString(), "");
}

TEST_F(CorePrefs, FromJsonPicksTheHandleClass) {
    struct Case {
        const char *text;
        PrefDataType type;
    } cases[] = {{"3", PrefDataType::Number},
                 {"\"s\"", PrefDataType::String},
                 {"true", PrefDataType::Bool},
                 {"{\"a\":1}", PrefDataType::Dictionary},
                 {"{\"__ct\":0,\"__lens\":[],\"__off\":0}", PrefDataType::DashStyle},
                 {"{\"__ct\":0,\"__lens\":[]}", PrefDataType::Dictionary},
                 {"null", PrefDataType::None},
                 {"[1", PrefDataType::None}};
    for (const Case &c : cases) {
        std::unique_ptr<PrefData> p = PrefData::fromJSON(c.text);
        EXPECT_EQ(p ? p->dataType() : PrefDataType::None, c.type) << c.text;
        if (p) {
            EXPECT_EQ(p->toJSON(), c.text);
        }
    }
    DictionaryPref group(nullptr, "g");
    std::unique_ptr<PrefData> one = PrefData::fromJSON("1"), two = PrefData::fromJSON("2");
    one->setKey("k");
    two->setKey("k");
    std::vector<PrefData *> members{one.get(), nullptr, two.get()};
    DictionaryPref made(&members, "m");
    EXPECT_EQ(made.toJSON(), "{\"k\":1}");
    std::unique_ptr<PrefData> taken;
    ASSERT_TRUE(made.takePref("k", taken));
    EXPECT_FALSE(made.getPref("k", taken));
    EXPECT_EQ(group.key(), "g");
}

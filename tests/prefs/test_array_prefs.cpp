// Array preferences (list operations and typed elements by index) and the member iterators of
// documents and dictionaries.
#include "core/qorcoreArrayPref.h"
#include "core/qorcoreDictionaryPref.h"
#include "core/qorcoreNumberPref.h"
#include "core/qorcorePointPref.h"
#include "core/qorcorePreferences.h"
#include "core/qorcoreRectPref.h"
#include "core/qorcoreStringPref.h"
#include "corePrefsFixture.h"

#include <gtest/gtest.h>

#include <vector>

using namespace qor::core;

namespace arrayPrefsTest {
std::unique_ptr<PrefData> json(const char *text) { return PrefData::fromJSON(text); }
} // namespace arrayPrefsTest

TEST_F(CorePrefs, ArrayListOperations) {
    std::unique_ptr<PrefData> one = arrayPrefsTest::json("1"), text = arrayPrefsTest::json("\"s\"");
    NumberPref empty;
    std::vector<PrefData *> elements{one.get(), nullptr, &empty, text.get()};
    ArrayPref array(&elements, "list");
    EXPECT_EQ(array.toJSON(), "[1,\"s\"]");
    EXPECT_EQ(array.key(), "list");
    EXPECT_EQ(array.dataType(), PrefDataType::Array);
    EXPECT_EQ(array.count(), 2u);

    std::unique_ptr<PrefData> out;
    EXPECT_FALSE(array.elementAt(2, out));
    EXPECT_EQ(out, nullptr);
    ASSERT_TRUE(array.elementAt(1, out));
    EXPECT_EQ(out->dataType(), PrefDataType::String);
    EXPECT_TRUE(*out == *text); // the array and the handle share the element

    std::unique_ptr<PrefData> two = arrayPrefsTest::json("2"), three = arrayPrefsTest::json("3");
    EXPECT_TRUE(array.insertAt(2, *two)); // at count: appends
    EXPECT_FALSE(array.insertAt(4, *three));
    EXPECT_FALSE(array.insertAt(0, empty));
    EXPECT_TRUE(array.insertAt(0, *three));
    EXPECT_EQ(array.toJSON(), "[3,1,\"s\",2]");
    EXPECT_FALSE(array.append(array)); // an array cannot hold itself
    EXPECT_TRUE(array.append(*one)); // the same node twice is allowed
    EXPECT_EQ(array.toJSON(), "[3,1,\"s\",2,1]");

    ASSERT_TRUE(array.removeAt(1, out));
    EXPECT_EQ(out->toJSON(), "1");
    EXPECT_FALSE(array.removeAt(4, out));
    ASSERT_TRUE(array.removeLast(out));
    EXPECT_EQ(array.toJSON(), "[3,\"s\",2]");
    // Handles taken earlier keep their values after the array is cleared.
    static_cast<NumberPref &>(*two).setInt64(22);
    array.clear();
    EXPECT_EQ(array.count(), 0u);
    EXPECT_FALSE(array.removeLast(out));
    EXPECT_EQ(static_cast<NumberPref &>(*two).int64Value(), 22);
    EXPECT_EQ(text->toJSON(), "\"s\"");

    ArrayPref none(ArrayPref::Empty{});
    EXPECT_EQ(none.count(), 0u);
    EXPECT_FALSE(none.append(*one));
    EXPECT_FALSE(none.elementAt(0, out));
}

TEST_F(CorePrefs, ArrayTypedElementsByIndex) {
    std::unique_ptr<PrefData> text = arrayPrefsTest::json("[\"s\",{\"__x\":1,\"__y\":2}]");
    ArrayPref &array = static_cast<ArrayPref &>(*text);
    NumberPref number;
    StringPref string;
    PointPref point;
    DictionaryPref dict;
    EXPECT_TRUE(array.getString(0, string));
    EXPECT_TRUE(array.getPoint(1, point));
    EXPECT_FALSE(array.getDictionary(1, dict));
    EXPECT_FALSE(array.getNumber(0, number));
    // Another kind at the index: the new value goes in front of it.
    ASSERT_TRUE(array.getOrCreateNumber(0, int64_t(5), number));
    EXPECT_EQ(array.toJSON(), "[5,\"s\",{\"__x\":1,\"__y\":2}]");
    EXPECT_EQ(string.stringValue(), "s");
    EXPECT_TRUE(number.setInt64(6));
    // Beyond the end: the default, outside the array.
    ASSERT_TRUE(array.getOrCreatePoint(9, Point(3, 4), point));
    EXPECT_EQ(point.pointValue(), Point(3, 4));
    EXPECT_EQ(array.toJSON(), "[6,\"s\",{\"__x\":1,\"__y\":2}]");
    ASSERT_TRUE(array.getOrCreatePoint(2, Point(3, 4), point));
    EXPECT_EQ(point.pointValue(), Point(1, 2));
}

TEST_F(CorePrefs, NestedContainersAreSavedWithTheDocument) {
    {
        Preferences prefs;
        ASSERT_TRUE(prefs.load(path));
        std::unique_ptr<PrefData> seven = arrayPrefsTest::json("7");
        std::vector<PrefData *> elements{seven.get()};
        ArrayPref array;
        DictionaryPref group;
        ASSERT_TRUE(prefs.getOrCreateArray("list", &elements, array));
        ASSERT_TRUE(prefs.getOrCreateDictionary("group", nullptr, group));
        RectPref rect;
        ArrayPref inner;
        ASSERT_TRUE(array.getOrCreateRect(1, Rect(1, 2, 3, 4), rect));
        ASSERT_TRUE(group.getOrCreateArray("inner", nullptr, inner));
        EXPECT_TRUE(inner.append(*seven));
        ASSERT_TRUE(prefs.save(path));
    }
    Preferences prefs;
    ASSERT_TRUE(prefs.load(path));
    ArrayPref array, inner;
    DictionaryPref group;
    ASSERT_TRUE(prefs.getArray("list", array));
    EXPECT_EQ(array.toJSON(), "[7,{\"__origin\":{\"__x\":1,\"__y\":2},\"__size\":{\"__h\":4,\"__w\":3}}]");
    ASSERT_TRUE(prefs.getDictionary("group", group));
    ASSERT_TRUE(group.getArray("inner", inner));
    EXPECT_EQ(inner.toJSON(), "[7]");
}

TEST_F(CorePrefs, IteratorsWalkMembersInKeyOrder) {
    Preferences empty;
    Preferences::Iterator none = empty.begin();
    std::unique_ptr<PrefData> out;
    EXPECT_TRUE(none.atEnd());
    EXPECT_FALSE(none.current(out));
    EXPECT_TRUE(DictionaryPref(DictionaryPref::Empty{}).begin().atEnd());

    prefsTest::writeBytes(path, "{\"Prefs\":{\"b\":1,\"a\":\"x\",\"C\":{\"__x\":1,\"__y\":2},\"d\":{\"z\":1,\"y\":2}}}");
    Preferences prefs;
    ASSERT_TRUE(prefs.load(path));
    std::vector<std::string> keys;
    std::vector<PrefDataType> types;
    for (Preferences::Iterator it = prefs.begin(); !it.atEnd(); ++it) {
        keys.push_back(it.key());
        ASSERT_TRUE(it.current(out));
        types.push_back(out->dataType());
        // Taking the current member out does not lose the place.
        if (it.key() == "a") {
            EXPECT_TRUE(prefs.removePref(*out));
        }
    }
    // The document keeps its own members beside the client's: upper case < "_" < lower case.
    const std::vector<std::string> expectedKeys{"C", "SaveCount", "__vn", "__vs", "a", "b", "d"};
    const std::vector<PrefDataType> expectedTypes{PrefDataType::Point,  PrefDataType::Number, PrefDataType::Number,
                                                  PrefDataType::String, PrefDataType::String, PrefDataType::Number,
                                                  PrefDataType::Dictionary};
    EXPECT_EQ(keys, expectedKeys);
    EXPECT_EQ(types, expectedTypes);
    EXPECT_FALSE(prefs.getPref("a", out));

    DictionaryPref d;
    ASSERT_TRUE(prefs.getDictionary("d", d));
    DictionaryPref::Iterator it = d.begin();
    DictionaryPref::Iterator copy = it;
    ++it;
    EXPECT_EQ(copy.key(), "y");
    EXPECT_EQ(it.key(), "z");
    ++it;
    EXPECT_TRUE(it.atEnd());
    EXPECT_EQ(it.key(), "");
}

// Handles made while no plug-in runs hold no registered value; their records are still freed.
TEST(PrefsWithoutPlugin, EmptyHandlesFreeTheirRecords) {
    NumberPref number;
    NumberPref copy(number);
    Preferences prefs;
    Preferences other(prefs);
    ArrayPref array;
    EXPECT_TRUE(number.isEmpty());
    EXPECT_TRUE(array.isEmpty());
    EXPECT_TRUE(prefs.isEmpty());
    EXPECT_FALSE(prefs.load("/nonexistent"));
}

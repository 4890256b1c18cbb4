// Geometry, matrix and colour preferences: created in a document, written, saved and read back; empty
// handles and handles over another kind of value read the defaults and refuse writes.
#include "core/qorcoreArtColorPref.h"
#include "core/qorcoreArtboardPointPref.h"
#include "core/qorcoreArtboardRectPref.h"
#include "core/qorcoreColorPref.h"
#include "core/qorcoreDictionaryPref.h"
#include "core/qorcorePointPref.h"
#include "core/qorcorePreferences.h"
#include "core/qorcoreRectPref.h"
#include "core/qorcoreSizePref.h"
#include "core/qorcoreTransformMatrixPref.h"
#include "corePrefsFixture.h"

#include <gtest/gtest.h>

using namespace qor::core;

TEST_F(CorePrefs, ValuePreferencesRoundTripThroughTheFile) {
    {
        Preferences prefs;
        ASSERT_TRUE(prefs.load(path));
        PointPref point;
        SizePref size;
        RectPref rect;
        ArtboardPointPref abPoint;
        ArtboardRectPref abRect;
        TransformMatrixPref matrix;
        ColorPref color;
        ArtColorPref art;
        ASSERT_TRUE(prefs.getOrCreatePoint("point", Point(1, 2), point));
        ASSERT_TRUE(prefs.getOrCreateSize("size", Size(3, 4), size));
        ASSERT_TRUE(prefs.getOrCreateRect("rect", Rect(0, 0, 1, 1), rect));
        ASSERT_TRUE(prefs.getOrCreateArtboardPoint("abPoint", ArtboardPoint(-5, 6.5), abPoint));
        ASSERT_TRUE(prefs.getOrCreateArtboardRect("abRect", ArtboardRect(), abRect));
        ASSERT_TRUE(prefs.getOrCreateTransformMatrix("matrix", TransformMatrix(), matrix));
        ASSERT_TRUE(prefs.getOrCreateColor("color", Color(), color));
        ASSERT_TRUE(prefs.getOrCreateArtColor("art", ArtColor(), art));
        // Writes go through the handles into the document.
        EXPECT_TRUE(rect.setRect(Rect(10, 20, 30, 5)));
        ArtboardRect ar;
        ar.origin = ArtboardPoint(-1.5, 2);
        ar.size = Size(3, 4.25);
        EXPECT_TRUE(abRect.setArtboardRect(ar));
        TransformMatrix m;
        m.a = 2;
        m.b = 0.5;
        m.tx = 100;
        m.ty = -40;
        EXPECT_TRUE(matrix.setTransformMatrix(m));
        Color c;
        c.r = 0.25;
        c.g = 0.5;
        c.b = 0.75;
        c.a = 0.5;
        EXPECT_TRUE(color.setColor(c));
        EXPECT_TRUE(art.setArtColor(ArtColor(0.3).asRGB()));
        ASSERT_TRUE(prefs.save(path));
    }
    const std::string file = prefsTest::readBytes(path);
    EXPECT_NE(file.find("\"rect\":\r\r\n\t\t{\r\r\n\t\t\t\"__origin\":"), std::string::npos) << file;

    Preferences prefs;
    ASSERT_TRUE(prefs.load(path));
    RectPref rect;
    ASSERT_TRUE(prefs.getRect("rect", rect));
    EXPECT_EQ(rect.toJSON(), "{\"__origin\":{\"__x\":10,\"__y\":20},\"__size\":{\"__h\":5,\"__w\":30}}");
    EXPECT_EQ(rect.rectValue(), Rect(10, 20, 30, 5));
    EXPECT_EQ(rect.dataType(), PrefDataType::Rect);
    PointPref point;
    ASSERT_TRUE(prefs.getPoint("point", point));
    EXPECT_EQ(point.pointValue(), Point(1, 2));
    SizePref size;
    ASSERT_TRUE(prefs.getSize("size", size));
    EXPECT_EQ(size.sizeValue(), Size(3, 4));
    ArtboardPointPref abPoint;
    ASSERT_TRUE(prefs.getArtboardPoint("abPoint", abPoint));
    EXPECT_EQ(abPoint.artboardPointValue(), ArtboardPoint(-5, 6.5));
    ArtboardRectPref abRect;
    ASSERT_TRUE(prefs.getArtboardRect("abRect", abRect));
    EXPECT_EQ(abRect.artboardRectValue().origin, ArtboardPoint(-1.5, 2));
    EXPECT_EQ(abRect.artboardRectValue().size, Size(3, 4.25));
    TransformMatrixPref matrix;
    ASSERT_TRUE(prefs.getTransformMatrix("matrix", matrix));
    TransformMatrix m = matrix.transformMatrixValue();
    EXPECT_EQ(m.a, 2);
    EXPECT_EQ(m.b, 0.5);
    EXPECT_EQ(m.c, 0);
    EXPECT_EQ(m.d, 1);
    EXPECT_EQ(m.tx, 100);
    EXPECT_EQ(m.ty, -40);
    ColorPref color;
    ASSERT_TRUE(prefs.getColor("color", color));
    EXPECT_EQ(color.colorValue().g, 0.5);
    EXPECT_EQ(color.colorValue().a, 0.5);
    ArtColorPref art;
    ASSERT_TRUE(prefs.getArtColor("art", art));
    EXPECT_EQ(art.artColorValue().colorType(), ArtColor::TypeRGB);
    EXPECT_EQ(art.artColorValue(), ArtColor(0.3).asRGB());
    EXPECT_EQ(art.dataType(), PrefDataType::ArtColor);
}

TEST_F(CorePrefs, EmptyAndMismatchedValueHandlesReadDefaults) {
    PointPref point;
    EXPECT_EQ(point.pointValue(), Point(0, 0));
    EXPECT_FALSE(point.setPoint(Point(1, 1)));
    EXPECT_EQ(ArtColorPref().artColorValue(), ArtColor(0.0)); // white, not no colour
    EXPECT_EQ(TransformMatrixPref().transformMatrixValue(), TransformMatrix());
    EXPECT_EQ(ColorPref().colorValue(), Color());
    EXPECT_EQ(RectPref().rectValue(), Rect());
    EXPECT_FALSE(SizePref().setSize(Size(1, 1)));
    EXPECT_EQ(PointPref().dataType(), PrefDataType::None);

    Preferences prefs;
    ASSERT_TRUE(prefs.load(path));
    SizePref size, other;
    ASSERT_TRUE(prefs.getOrCreateSize("size", Size(3, 4), size));
    // A handle sharing a size's record checks the value's class, not only its own.
    point = size;
    EXPECT_EQ(point.pointValue(), Point(0, 0));
    EXPECT_FALSE(point.setPoint(Point(7, 7)));
    // Handles sharing one record see each other's writes.
    ASSERT_TRUE(prefs.getSize("size", other));
    EXPECT_TRUE(other.setSize(Size(30, 5)));
    EXPECT_EQ(size.sizeValue(), Size(30, 5));
    EXPECT_EQ(size.toJSON(), "{\"__h\":5,\"__w\":30}");
}

TEST_F(CorePrefs, GettersSeeOnlyTheirOwnKind) {
    prefsTest::writeBytes(path, "{\"Prefs\":{\"pt\":{\"__x\":1,\"__y\":2},\"sz\":{\"__w\":3,\"__h\":4},"
                                "\"abp\":{\"__abx\":1,\"__aby\":2,\"__x\":3,\"__y\":4},\"n\":1}}");
    Preferences prefs;
    ASSERT_TRUE(prefs.load(path));
    PointPref point;
    SizePref size;
    ArtboardPointPref abPoint;
    DictionaryPref dict;
    EXPECT_TRUE(prefs.getPoint("pt", point));
    EXPECT_FALSE(prefs.getDictionary("pt", dict));
    EXPECT_FALSE(prefs.getPoint("sz", point));
    EXPECT_FALSE(prefs.getPoint("n", point));
    // The first encoding whose members are all present decides.
    EXPECT_FALSE(prefs.getPoint("abp", point));
    EXPECT_TRUE(prefs.getArtboardPoint("abp", abPoint));
    // Another kind under the key: the default, outside the document.
    ASSERT_TRUE(prefs.getOrCreateSize("pt", Size(9, 9), size));
    EXPECT_EQ(size.sizeValue(), Size(9, 9));
    EXPECT_TRUE(size.setSize(Size(8, 8)));
    ASSERT_TRUE(prefs.save(path));
    EXPECT_NE(prefsTest::readBytes(path).find("\"__x\":1"), std::string::npos);
    EXPECT_EQ(prefsTest::readBytes(path).find("\"__w\":8"), std::string::npos);

    // fromJSON picks the value classes too.
    struct Case {
        const char *text;
        PrefDataType type;
    } cases[] = {{"{\"__x\":1,\"__y\":2}", PrefDataType::Point},
                 {"{\"__w\":1,\"__h\":2}", PrefDataType::Size},
                 {"{\"__origin\":{},\"__size\":{}}", PrefDataType::Rect},
                 {"{\"__r\":1,\"__g\":1,\"__b\":1,\"__o\":1}", PrefDataType::Color},
                 {"{\"__a\":1,\"__b\":0,\"__c\":0,\"__d\":1,\"__tx\":0,\"__ty\":0}", PrefDataType::TransformMatrix},
                 {"[1,\"a\"]", PrefDataType::Array}};
    for (const Case &c : cases) {
        std::unique_ptr<PrefData> p = PrefData::fromJSON(c.text);
        EXPECT_EQ(p ? p->dataType() : PrefDataType::None, c.type) << c.text;
    }
}

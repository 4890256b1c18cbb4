// The style getters of documents, dictionary preferences and array preferences: a stored style is seen
// only by its own getter, and a style get-or-create places a new value only where nothing is stored.
#include "core/qorcoreArrayPref.h"
#include "core/qorcoreDashStyleMapPref.h"
#include "core/qorcoreDashStylePref.h"
#include "core/qorcoreDictionaryPref.h"
#include "core/qorcoreFillStyleMapPref.h"
#include "core/qorcoreFillStylePref.h"
#include "core/qorcoreNumberPref.h"
#include "core/qorcorePathStyleMapPref.h"
#include "core/qorcorePathStylePref.h"
#include "core/qorcoreStrokeStyleMapPref.h"
#include "core/qorcoreStrokeStylePref.h"
#include "styleFixture.h"

using namespace qor::core;
using prefstylesTest::Styles;

TEST_F(Styles, DocumentStyleGettersFindOnlyTheirOwnKind) {
    StrokeStyle stroke;
    stroke.color = ArtColor(0.5);
    stroke.width = 3;
    stroke.dash.count = 1;
    stroke.dash.lengths[0] = 2;
    {
        Preferences prefs;
        ASSERT_TRUE(prefs.load(path));
        StrokeStylePref s;
        ASSERT_TRUE(prefs.getOrCreateStrokeStyle("stroke", stroke, s));
        EXPECT_EQ(s.key(), "stroke");
        FillStyleMapPref fm;
        ASSERT_TRUE(prefs.getOrCreateFillStyleMap("fillMap", FillStyle::Map(true), fm));
        DashStyleMapPref dm;
        ASSERT_TRUE(prefs.getOrCreateDashStyleMap("dashMap", DashStyle::Map(false), dm));
        NumberPref n;
        ASSERT_TRUE(prefs.getOrCreateNumber("n", int64_t(5), n));
        // Anything under the key refuses a style get-or-create and leaves out alone.
        DashStylePref d;
        EXPECT_FALSE(prefs.getOrCreateDashStyle("n", DashStyle(), d));
        EXPECT_TRUE(d.isEmpty());
        EXPECT_FALSE(prefs.getOrCreatePathStyle("stroke", PathStyle(), *std::make_unique<PathStylePref>()));
        // Writing through the handle reaches the document.
        stroke.width = 4;
        ASSERT_TRUE(s.setStrokeStyle(stroke));
        ASSERT_TRUE(prefs.save(path));
    }
    Preferences prefs;
    ASSERT_TRUE(prefs.load(path));
    StrokeStylePref s;
    ASSERT_TRUE(prefs.getStrokeStyle("stroke", s));
    EXPECT_EQ(s.strokeStyleValue().width, 4);
    EXPECT_EQ(s.strokeStyleValue().dash.lengths[0], 2);
    // A stored stroke is not a fill, and no stored style is a plain dictionary.
    FillStylePref f;
    EXPECT_FALSE(prefs.getFillStyle("stroke", f));
    DictionaryPref plain;
    EXPECT_FALSE(prefs.getDictionary("stroke", plain));
    FillStyleMapPref fm;
    ASSERT_TRUE(prefs.getFillStyleMap("fillMap", fm));
    EXPECT_TRUE(fm.fillStyleMapValue().color);
    StrokeStyleMapPref sm;
    EXPECT_FALSE(prefs.getStrokeStyleMap("fillMap", sm));
    // A stored value wins over the default of a get-or-create.
    DashStyleMapPref dm;
    ASSERT_TRUE(prefs.getOrCreateDashStyleMap("dashMap", DashStyle::Map(true), dm));
    EXPECT_FALSE(dm.dashStyleMapValue().offset);
    PathStylePref p;
    EXPECT_FALSE(prefs.getPathStyle("missing", p));
    Preferences empty;
    EXPECT_FALSE(empty.getPathStyle("stroke", p));
    EXPECT_FALSE(empty.getOrCreatePathStyle("stroke", PathStyle(), p));
}

TEST_F(Styles, DictionaryAndArrayStyleGetters) {
    Preferences prefs;
    ASSERT_TRUE(prefs.load(path));
    DictionaryPref group;
    ASSERT_TRUE(prefs.getOrCreateDictionary("group", nullptr, group));
    PathStyle style;
    style.useStroke = true;
    style.resolution = 300;
    PathStylePref p;
    ASSERT_TRUE(group.getOrCreatePathStyle("path", style, p));
    PathStyleMapPref pm;
    ASSERT_TRUE(group.getOrCreatePathStyleMap("known", PathStyle::Map(true), pm));

    ArrayPref list;
    ASSERT_TRUE(prefs.getOrCreateArray("list", nullptr, list));
    DashStylePref d;
    DashStyle dash;
    dash.count = 2;
    dash.lengths[0] = 6;
    dash.lengths[1] = 3;
    ASSERT_TRUE(list.getOrCreateDashStyle(0, dash, d));
    FillStylePref f;
    ASSERT_TRUE(list.getOrCreateFillStyle(1, FillStyle(), f));
    EXPECT_FALSE(list.getOrCreateFillStyle(0, FillStyle(), f)) << "the place holds a dash";
    ASSERT_TRUE(prefs.save(path));

    Preferences back;
    ASSERT_TRUE(back.load(path));
    DictionaryPref readGroup;
    ASSERT_TRUE(back.getDictionary("group", readGroup));
    PathStylePref readPath;
    ASSERT_TRUE(readGroup.getPathStyle("path", readPath));
    EXPECT_TRUE(readPath.pathStyleValue().useStroke);
    EXPECT_EQ(readPath.pathStyleValue().resolution, 300);
    PathStyleMapPref readMap;
    ASSERT_TRUE(readGroup.getPathStyleMap("known", readMap));
    EXPECT_TRUE(readMap.pathStyleMapValue().stroke.dash.lengths[5]);

    ArrayPref readList;
    ASSERT_TRUE(back.getArray("list", readList));
    EXPECT_EQ(readList.count(), 2u);
    DashStylePref readDash;
    ASSERT_TRUE(readList.getDashStyle(0, readDash));
    EXPECT_EQ(readDash.dashStyleValue().lengths[1], 3);
    EXPECT_EQ(readDash.key(), "");
    FillStylePref readFill;
    ASSERT_TRUE(readList.getFillStyle(1, readFill));
    EXPECT_FALSE(readList.getDashStyle(1, readDash));
}

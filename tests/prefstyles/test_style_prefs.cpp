// Style preferences: each style is kept as a "__"-key object in the preference file, read back field
// by field with defaults for missing or mistyped members, and written in place.
#include "core/qorcoreDashStyleMapPref.h"
#include "core/qorcoreDashStylePref.h"
#include "core/qorcoreDictionaryPref.h"
#include "core/qorcoreFillStyleMapPref.h"
#include "core/qorcoreFillStylePref.h"
#include "core/qorcorePathStyleMapPref.h"
#include "core/qorcorePathStylePref.h"
#include "core/qorcoreStrokeStyleMapPref.h"
#include "core/qorcoreStrokeStylePref.h"
#include "styleFixture.h"

#include <climits>

using namespace qor::core;
using prefstylesTest::Styles;

namespace prefstylesTest {

const char *const grayQuarter = "{\"__c1\":0.25,\"__c2\":0,\"__c3\":0,\"__c4\":0,\"__customFlags\":1,"
                                "\"__customName\":\"\",\"__customTint\":1,\"__customType\":0,\"__type\":0}";

// The count is the number of lengths unless given.
DashStyle dash(std::initializer_list<double> lengths, double offset, int count = INT_MIN) {
    DashStyle d;
    int i = 0;
    for (double l : lengths) d.lengths[i++] = l;
    d.count = int16_t(count == INT_MIN ? i : count);
    d.offset = offset;
    return d;
}

StrokeStyle stroke() {
    StrokeStyle s;
    s.color = ArtColor(0.25);
    s.overprint = true;
    s.width = 2.5;
    s.dash = dash({4, 2}, 1);
    s.cap = RoundCap;
    s.join = BevelJoin;
    s.miterLimit = 4;
    return s;
}

void expectSameDash(const DashStyle &a, const DashStyle &b, const std::string &what) {
    EXPECT_EQ(a.count, b.count) << what;
    EXPECT_EQ(a.offset, b.offset) << what;
    for (int i = 0; i < DashStyle::kMaxLengths; ++i) EXPECT_EQ(a.lengths[i], b.lengths[i]) << what << " length " << i;
}

void expectSameStroke(const StrokeStyle &a, const StrokeStyle &b) {
    EXPECT_TRUE(a.color == b.color);
    EXPECT_EQ(a.overprint, b.overprint);
    EXPECT_EQ(a.width, b.width);
    expectSameDash(a.dash, b.dash, "stroke dash");
    EXPECT_EQ(a.cap, b.cap);
    EXPECT_EQ(a.join, b.join);
    EXPECT_EQ(a.miterLimit, b.miterLimit);
}

} // namespace prefstylesTest

using namespace prefstylesTest;

TEST_F(Styles, ADashStyleIsStoredByteForByteInTheFile) {
    DashStylePref pref(dash({4, 2}, 1), "dash");
    ASSERT_FALSE(pref.isEmpty());
    EXPECT_EQ(pref.dataType(), PrefDataType::DashStyle);
    EXPECT_EQ(pref.toJSON(), "{\"__ct\":2,\"__lens\":[4,2],\"__off\":1}");
    Preferences back = saveAndLoad(pref);
    // Tab indents; on disk each line ends in CR CR LF.
    EXPECT_EQ(prefsTest::readBytes(path), "{\r\r\n\t\"Prefs\":\r\r\n\t{\r\r\n\t\t\"SaveCount\":1,\r\r\n\t\t\"__vn\":0,\r\r\n"
                                          "\t\t\"__vs\":\"\",\r\r\n\t\t\"dash\":\r\r\n\t\t{\r\r\n\t\t\t\"__ct\":2,\r\r\n"
                                          "\t\t\t\"__lens\":\r\r\n\t\t\t[\r\r\n\t\t\t\t4,\r\r\n\t\t\t\t2\r\r\n\t\t\t],\r\r\n"
                                          "\t\t\t\"__off\":1\r\r\n\t\t}\r\r\n\t}\r\r\n}");
    std::unique_ptr<DashStylePref> read = member<DashStylePref>(back, "dash");
    ASSERT_TRUE(read);
    expectSameDash(read->dashStyleValue(), dash({4, 2}, 1), "file");
}

TEST_F(Styles, EveryStyleRoundTripsThroughTheFile) {
    FillStyle fill;
    fill.color = ArtColor(0.25);
    fill.overprint = true;
    PathStyle path;
    path.useFill = true;
    path.fill = fill;
    path.useStroke = true;
    path.stroke = stroke();
    path.evenOdd = true;
    path.resolution = 1200;
    const std::string strokeText = std::string("{\"__cap\":\"round\",\"__col\":") + grayQuarter +
                                   ",\"__dash\":{\"__ct\":2,\"__lens\":[4,2],\"__off\":1},\"__jn\":\"bevel\",\"__ml\":4,"
                                   "\"__oprnt\":true,\"__w\":2.5}";

    FillStylePref fillPref(fill, "fill");
    StrokeStylePref strokePref(stroke(), "stroke");
    PathStylePref pathPref(path, "path");
    EXPECT_EQ(fillPref.toJSON(), std::string("{\"__col\":") + grayQuarter + ",\"__oprnt\":true}");
    EXPECT_EQ(strokePref.toJSON(), strokeText);
    EXPECT_EQ(pathPref.toJSON(), std::string("{\"__eo\":true,\"__f\":") + fillPref.toJSON() +
                                     ",\"__res\":1200,\"__s\":" + strokeText + ",\"__uf\":true,\"__us\":true}");

    Preferences prefs;
    ASSERT_TRUE(prefs.load(this->path));
    for (const PrefData *p : {static_cast<const PrefData *>(&fillPref), static_cast<const PrefData *>(&strokePref),
                              static_cast<const PrefData *>(&pathPref)})
        ASSERT_TRUE(prefs.addPref(*p));
    ASSERT_TRUE(prefs.save(this->path));
    Preferences back;
    ASSERT_TRUE(back.load(this->path));

    std::unique_ptr<FillStylePref> f = member<FillStylePref>(back, "fill");
    ASSERT_TRUE(f) << "a stored fill is recognised by its art colour";
    EXPECT_EQ(f->dataType(), PrefDataType::FillStyle);
    EXPECT_TRUE(f->fillStyleValue().color == fill.color);
    EXPECT_TRUE(f->fillStyleValue().overprint);

    std::unique_ptr<StrokeStylePref> s = member<StrokeStylePref>(back, "stroke");
    ASSERT_TRUE(s);
    expectSameStroke(s->strokeStyleValue(), stroke());

    std::unique_ptr<PathStylePref> p = member<PathStylePref>(back, "path");
    ASSERT_TRUE(p);
    PathStyle read = p->pathStyleValue();
    EXPECT_TRUE(read.useFill && read.useStroke && read.evenOdd);
    EXPECT_EQ(read.resolution, 1200);
    EXPECT_TRUE(read.fill.color == fill.color);
    EXPECT_TRUE(read.fill.overprint);
    expectSameStroke(read.stroke, stroke());
}

TEST_F(Styles, MapsKeepEveryKnownAndUnknownFlag) {
    // Every flag false, every flag true, and a mix that puts each flag next to its opposite.
    PathStyle::Map mixed(false);
    mixed.fill.overprint = true;
    mixed.useStroke = true;
    mixed.stroke.dash.lengths[1] = true;
    mixed.stroke.dash.lengths[5] = true;
    mixed.stroke.dash.offset = true;
    mixed.stroke.join = true;
    mixed.resolution = true;
    const PathStyle::Map cases[] = {PathStyle::Map(false), PathStyle::Map(true), mixed};
    int n = 0;
    for (const PathStyle::Map &m : cases) {
        SCOPED_TRACE(n);
        PathStyleMapPref pref(m, "map" + std::to_string(n++));
        Preferences back = saveAndLoad(pref);
        std::unique_ptr<PathStyleMapPref> read = member<PathStyleMapPref>(back, pref.key());
        ASSERT_TRUE(read);
        PathStyle::Map r = read->pathStyleMapValue();
        EXPECT_EQ(r.useFill, m.useFill);
        EXPECT_EQ(r.fill.color, m.fill.color);
        EXPECT_EQ(r.fill.overprint, m.fill.overprint);
        EXPECT_EQ(r.useStroke, m.useStroke);
        EXPECT_EQ(r.stroke.color, m.stroke.color);
        EXPECT_EQ(r.stroke.overprint, m.stroke.overprint);
        EXPECT_EQ(r.stroke.width, m.stroke.width);
        EXPECT_EQ(r.stroke.dash.count, m.stroke.dash.count);
        EXPECT_EQ(r.stroke.dash.offset, m.stroke.dash.offset);
        for (int i = 0; i < DashStyle::kMaxLengths; ++i) EXPECT_EQ(r.stroke.dash.lengths[i], m.stroke.dash.lengths[i]);
        EXPECT_EQ(r.stroke.cap, m.stroke.cap);
        EXPECT_EQ(r.stroke.join, m.stroke.join);
        EXPECT_EQ(r.stroke.miterLimit, m.stroke.miterLimit);
        EXPECT_EQ(r.evenOdd, m.evenOdd);
        EXPECT_EQ(r.resolution, m.resolution);
    }
    DashStyle::Map dm(false);
    dm.lengths[2] = true;
    EXPECT_EQ(DashStyleMapPref(dm, "d").toJSON(),
              "{\"__ctKn\":false,\"__lensKn\":[false,false,true,false,false,false],\"__offKn\":false}");
    EXPECT_EQ(FillStyleMapPref(FillStyle::Map(true), "f").toJSON(), "{\"__colKn\":true,\"__oprntKn\":true}");
}

TEST_F(Styles, MapsReadMissingShortAndMistypedFlagsAsUnknown) {
    // "__lensKn" is read by index whatever its length; entries of another kind are unknown.
    std::unique_ptr<DashStyleMapPref> d =
        parsed<DashStyleMapPref>("{\"__ctKn\":1,\"__offKn\":true,\"__lensKn\":[true,\"true\",1,true]}");
    ASSERT_TRUE(d);
    DashStyle::Map m = d->dashStyleMapValue();
    EXPECT_FALSE(m.count);
    EXPECT_TRUE(m.offset);
    const bool expected[6] = {true, false, false, true, false, false};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(m.lengths[i], expected[i]) << i;

    std::unique_ptr<StrokeStyleMapPref> s = parsed<StrokeStyleMapPref>("{\"__wKn\":true,\"__dashKn\":[true]}");
    ASSERT_TRUE(s);
    StrokeStyle::Map sm = s->strokeStyleMapValue();
    EXPECT_TRUE(sm.width);
    EXPECT_FALSE(sm.color || sm.overprint || sm.cap || sm.join || sm.miterLimit || sm.dash.count || sm.dash.lengths[0]);
}

TEST_F(Styles, DashCountsAreLimitedToSixEntries) {
    // Written: at most six entries, whatever the count's sign.
    EXPECT_EQ(DashStylePref(dash({1, 2, 3, 4, 5, 6}, 0, 9), "d").toJSON(),
              "{\"__ct\":6,\"__lens\":[1,2,3,4,5,6],\"__off\":0}");
    EXPECT_EQ(DashStylePref(dash({1, 2, 3, 4}, 0.5, -3), "d").toJSON(), "{\"__ct\":3,\"__lens\":[1,2,3],\"__off\":0.5}");

    // Read: the low 16 bits of the count, at most six; lengths only as far as both count and array go.
    struct Case {
        const char *json;
        int16_t count;
        std::vector<double> lengths;
    } cases[] = {
        {"{\"__ct\":10,\"__off\":0,\"__lens\":[1,2,3,4,5,6,7,8]}", 6, {1, 2, 3, 4, 5, 6}},
        {"{\"__ct\":4,\"__off\":0,\"__lens\":[1,2]}", 4, {1, 2, 0, 0, 0, 0}},
        {"{\"__ct\":-2,\"__off\":0,\"__lens\":[1,2]}", -2, {0, 0, 0, 0, 0, 0}},
        {"{\"__ct\":65538,\"__off\":0,\"__lens\":[1,2,3]}", 2, {1, 2, 0, 0, 0, 0}},
        {"{\"__ct\":3,\"__off\":0,\"__lens\":[1,\"2\",3]}", 3, {1, 0, 3, 0, 0, 0}},
        {"{\"__ct\":\"3\",\"__off\":\"1\",\"__lens\":{\"a\":1}}", 0, {0, 0, 0, 0, 0, 0}},
    };
    for (const Case &c : cases) {
        std::unique_ptr<DashStylePref> d = parsed<DashStylePref>(c.json);
        ASSERT_TRUE(d) << c.json;
        DashStyle v = d->dashStyleValue();
        EXPECT_EQ(v.count, c.count) << c.json;
        EXPECT_EQ(v.offset, 0.0) << c.json;
        for (int i = 0; i < 6; ++i) EXPECT_EQ(v.lengths[i], c.lengths[i]) << c.json << " length " << i;
    }
}

TEST_F(Styles, StrokesReadMissingAndMistypedMembersAsDefaults) {
    // Cap and join names are matched exactly; a code without a name is written as "".
    StrokeStyle odd = stroke();
    odd.cap = StrokeCap(130);
    odd.join = StrokeJoin(7);
    StrokeStylePref pref(odd, "s");
    EXPECT_NE(pref.toJSON().find("\"__cap\":\"\""), std::string::npos);
    EXPECT_NE(pref.toJSON().find("\"__jn\":\"\""), std::string::npos);
    EXPECT_EQ(pref.strokeStyleValue().cap, ButtCap);
    EXPECT_EQ(pref.strokeStyleValue().join, MiterJoin);

    std::unique_ptr<StrokeStylePref> s = parsed<StrokeStylePref>(
        "{\"__cap\":\"Round\",\"__jn\":\"round\",\"__w\":\"wide\",\"__oprnt\":1,\"__ml\":true,"
        "\"__col\":{\"__r\":1,\"__g\":0,\"__b\":0,\"__o\":1},\"__dash\":[4,2]}");
    ASSERT_TRUE(s);
    StrokeStyle v = s->strokeStyleValue();
    EXPECT_EQ(v.cap, ButtCap);
    EXPECT_EQ(v.join, RoundJoin);
    EXPECT_EQ(v.width, 0.0);
    EXPECT_FALSE(v.overprint);
    EXPECT_EQ(v.miterLimit, 0.0);
    EXPECT_EQ(v.color.colorType(), ArtColor().colorType()) << "a colour object is no art colour";
    EXPECT_EQ(v.dash.count, 0);

    // A nested dash that is an object but lacks members reads its missing fields as defaults.
    std::unique_ptr<StrokeStylePref> partial = parsed<StrokeStylePref>("{\"__dash\":{\"__off\":3}}");
    ASSERT_TRUE(partial);
    EXPECT_EQ(partial->strokeStyleValue().dash.offset, 3.0);
    EXPECT_EQ(partial->strokeStyleValue().dash.count, 0);
}

TEST_F(Styles, DefaultPathStyleKeepsItsResolution) {
    PathStylePref pref(PathStyle(), "p");
    EXPECT_NE(pref.toJSON().find("\"__res\":800"), std::string::npos);
    Preferences back = saveAndLoad(pref);
    std::unique_ptr<PathStylePref> read = member<PathStylePref>(back, "p");
    ASSERT_TRUE(read);
    PathStyle v = read->pathStyleValue();
    EXPECT_EQ(v.resolution, 800.0);
    EXPECT_EQ(v.stroke.cap, ButtCap);
    EXPECT_EQ(v.stroke.join, MiterJoin);
    EXPECT_FALSE(v.useFill || v.useStroke || v.evenOdd);
    // With every member missing the defaults come back too.
    std::unique_ptr<PathStylePref> bare = parsed<PathStylePref>("{}");
    ASSERT_TRUE(bare);
    EXPECT_EQ(bare->pathStyleValue().resolution, 800.0);
}

TEST_F(Styles, WritingChangesTheDocumentInPlace) {
    PathStyle style;
    style.stroke = stroke();
    PathStylePref made(style, "p");
    Preferences prefs;
    ASSERT_TRUE(prefs.load(path));
    ASSERT_TRUE(prefs.addPref(made));
    ASSERT_TRUE(prefs.save(path));

    // A client added members by hand inside "__s" and at the top of the path style.
    std::string text = prefsTest::readBytes(path);
    text.replace(text.find("\"__w\""), 0, "\"byHand\":1,");
    text.replace(text.find("\"__eo\""), 0, "\"topByHand\":2,");
    prefsTest::writeBytes(path, text);
    Preferences doc;
    ASSERT_TRUE(doc.load(path));
    std::unique_ptr<PathStylePref> p = member<PathStylePref>(doc, "p");
    ASSERT_TRUE(p);
    style.stroke.dash = dash({4, 2, 4, 2}, 0);
    style.stroke.width = 7;
    style.resolution = 600;
    ASSERT_TRUE(p->setPathStyle(style));
    style.stroke.dash = dash({5, 1}, 0);
    ASSERT_TRUE(p->setPathStyle(style));
    ASSERT_TRUE(doc.save(path));

    Preferences back;
    ASSERT_TRUE(back.load(path));
    std::unique_ptr<PathStylePref> read = member<PathStylePref>(back, "p");
    ASSERT_TRUE(read);
    EXPECT_EQ(read->pathStyleValue().resolution, 600);
    EXPECT_EQ(read->pathStyleValue().stroke.width, 7);
    expectSameDash(read->pathStyleValue().stroke.dash, dash({5, 1}, 0), "rewritten");
    // "__s" is replaced as a whole; the dash that shrank from four entries to two keeps exactly two.
    const std::string saved = prefsTest::readBytes(path);
    EXPECT_EQ(saved.find("byHand\""), std::string::npos);
    EXPECT_NE(saved.find("\"topByHand\":2"), std::string::npos);
    EXPECT_NE(read->toJSON().find("\"__lens\":[5,1]"), std::string::npos);
}

TEST_F(Styles, AWriteOverAMemberOfAnotherKindLeavesItAndReportsFalse) {
    std::unique_ptr<DashStylePref> d = parsed<DashStylePref>("{\"__ct\":\"two\",\"__lens\":[9],\"__off\":0}");
    ASSERT_TRUE(d);
    EXPECT_FALSE(d->setDashStyle(dash({4, 2}, 1)));
    // The members of the right kind took the new value; the string stays.
    EXPECT_EQ(d->toJSON(), "{\"__ct\":\"two\",\"__lens\":[4,2],\"__off\":1}");
}

TEST_F(Styles, HandlesShareTheRecordOfTheirStoredObject) {
    Preferences prefs;
    ASSERT_TRUE(prefs.load(path));
    ASSERT_TRUE(prefs.addPref(StrokeStylePref(stroke(), "s")));
    std::unique_ptr<StrokeStylePref> a = member<StrokeStylePref>(prefs, "s");
    std::unique_ptr<StrokeStylePref> b = member<StrokeStylePref>(prefs, "s");
    ASSERT_TRUE(a && b);
    EXPECT_TRUE(*a == *b);
    std::unique_ptr<PrefData> clone(a->clone());
    EXPECT_EQ(clone->dataType(), PrefDataType::StrokeStyle);
    EXPECT_TRUE(dynamic_cast<StrokeStylePref *>(clone.get()));
    EXPECT_TRUE(*clone == *a);

    // Writing through one handle shows through the other.
    StrokeStyle thin = stroke();
    thin.width = 0.25;
    ASSERT_TRUE(a->setStrokeStyle(thin));
    EXPECT_EQ(b->strokeStyleValue().width, 0.25);

    // Adopting a stored object that already has a record shares that record.
    DashStylePref built(dash({3}, 0), "d");
    const size_t registered = PrefData::reachableGlobals()->prefRegistry.size();
    DashStylePref adopted(new qor::aip::PersistentDictionary(qor::json::Node::retain(prefDataImpl(built)->nodeRef())));
    EXPECT_TRUE(adopted == built);
    EXPECT_EQ(PrefData::reachableGlobals()->prefRegistry.size(), registered);
    EXPECT_EQ(prefDataImpl(adopted), prefDataImpl(built));
    EXPECT_TRUE(adopted.setDashStyle(dash({8}, 0)));
    EXPECT_EQ(built.dashStyleValue().lengths[0], 8);
}

TEST_F(Styles, ASpotColourFillIsMadeAgainWhenRead) {
    FillStyle fill;
    fill.color = ArtColor(0.3);
    ASSERT_TRUE(fill.color.setCustom("Brand", 0.5, 1));
    Preferences back = saveAndLoad(FillStylePref(fill, "spot"));
    std::unique_ptr<FillStylePref> read = member<FillStylePref>(back, "spot");
    ASSERT_TRUE(read);
    ArtColor colour = read->fillStyleValue().color;
    EXPECT_EQ(colour.customName(), "Brand");
    EXPECT_EQ(colour.customFlags(), fill.color.customFlags());
    EXPECT_EQ(colour.colorType(), fill.color.colorType());
}

TEST_F(Styles, StoredObjectsAreToldApartByTheirMembers) {
    const std::string col = grayQuarter;
    const std::string dashObj = "{\"__ct\":0,\"__lens\":[],\"__off\":0}";
    const std::string dashMap = "{\"__ctKn\":true,\"__lensKn\":[],\"__offKn\":true}";
    const std::string strokeObj = "{\"__cap\":\"\",\"__col\":" + col + ",\"__dash\":" + dashObj +
                                  ",\"__jn\":\"\",\"__ml\":0,\"__oprnt\":false,\"__w\":0}";
    const std::string strokeMap = "{\"__capKn\":0,\"__colKn\":0,\"__dashKn\":" + dashMap +
                                  ",\"__jnKn\":0,\"__mlKn\":0,\"__oprntKn\":0,\"__wKn\":0}";
    const std::string fillObj = "{\"__col\":" + col + ",\"__oprnt\":0}";
    const std::string fillMap = "{\"__colKn\":0,\"__oprntKn\":0}";
    struct Case {
        std::string json;
        PrefDataType type;
    } cases[] = {
        {dashObj, PrefDataType::DashStyle},
        {dashMap, PrefDataType::DashStyleMap},
        {"{\"__ct\":0,\"__ctKn\":0,\"__lens\":0,\"__lensKn\":0,\"__off\":0,\"__offKn\":0}", PrefDataType::DashStyleMap},
        {"{\"__ct\":0,\"__lens\":[]}", PrefDataType::Dictionary},
        {fillObj, PrefDataType::FillStyle},
        {"{\"__col\":{\"__b\":0,\"__g\":0,\"__o\":1,\"__r\":0},\"__oprnt\":0}", PrefDataType::FillStyle},
        {"{\"__col\":1,\"__oprnt\":0}", PrefDataType::Dictionary},
        {fillMap, PrefDataType::FillStyleMap},
        {strokeObj, PrefDataType::StrokeStyle},
        {strokeMap, PrefDataType::StrokeStyleMap},
        {"{\"__eo\":0,\"__f\":" + fillObj + ",\"__res\":0,\"__s\":" + strokeObj + ",\"__uf\":0,\"__us\":0}",
         PrefDataType::PathStyle},
        {"{\"__eoKn\":0,\"__fKn\":" + fillMap + ",\"__resKn\":0,\"__sKn\":" + strokeMap + ",\"__ufKn\":0,\"__usKn\":0}",
         PrefDataType::PathStyleMap},
        {"{\"__eo\":0,\"__f\":" + fillMap + ",\"__res\":0,\"__s\":" + strokeObj + ",\"__uf\":0,\"__us\":0}",
         PrefDataType::Dictionary},
    };
    for (const Case &c : cases) {
        std::unique_ptr<PrefData> p = PrefData::fromJSON(c.json);
        ASSERT_TRUE(p) << c.json;
        EXPECT_EQ(p->dataType(), c.type) << c.json;
    }
}

TEST_F(Styles, EmptyHandlesReadDefaultsAndRefuseWrites) {
    FillStylePref empty;
    EXPECT_TRUE(empty.isEmpty());
    EXPECT_FALSE(empty.setFillStyle(FillStyle()));
    EXPECT_EQ(empty.fillStyleValue().color.colorType(), ArtColor().colorType());
    EXPECT_FALSE(empty.fillStyleValue().overprint);
    EXPECT_EQ(empty.toJSON(), "");
    // A handle over a value that is no object reads defaults too.
    std::unique_ptr<PrefData> number = PrefData::fromJSON("3");
    StrokeStylePref overNumber(*number);
    EXPECT_EQ(overNumber.strokeStyleValue().width, 0.0);
    EXPECT_FALSE(overNumber.setStrokeStyle(stroke()));
    EXPECT_EQ(number->toJSON(), "3");
}

TEST(StylesWithoutPlugin, HandlesStayEmptyWithoutTheGlobals) {
    ASSERT_EQ(PrefData::reachableGlobals(), nullptr);
    DashStylePref built(DashStyle(), "d");
    EXPECT_TRUE(built.isEmpty());
    EXPECT_FALSE(built.setDashStyle(DashStyle()));
    PathStyleMapPref map(PathStyle::Map(true), "m");
    EXPECT_TRUE(map.isEmpty());
    EXPECT_FALSE(map.pathStyleMapValue().stroke.dash.lengths[0]);
}

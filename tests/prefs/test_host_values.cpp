// Host values stored in preference documents: each encoding writes, saves, loads and reads back the
// same value, and stored objects are recognised by their members.
#include "aip/qoraipPersistentArray.h"
#include "aip/qoraipPersistentArtColor.h"
#include "aip/qoraipPersistentArtboardPoint.h"
#include "aip/qoraipPersistentArtboardRect.h"
#include "aip/qoraipPersistentColor.h"
#include "aip/qoraipPersistentDictionary.h"
#include "aip/qoraipPersistentMatrix.h"
#include "aip/qoraipPersistentPoint.h"
#include "aip/qoraipPersistentRect.h"
#include "aip/qoraipPersistentSize.h"
#include "aip/qoraipPreferences.h"
#include "artwork/artworkFixture.h"
#include "json/qorjsonReader.h"
#include "json/qorjsonWriter.h"
#include "plat/qorplatPersistentBool.h"
#include "prefsTestSupport.h"

#include <gtest/gtest.h>

#include <memory>

using namespace qor;



class HostValues : public artworktest::Artwork {
protected:
    template <class T>
    using Own = std::unique_ptr<T>;
    // Saves the document and loads the file again.
    static std::unique_ptr<aip::Preferences> reload(aip::Preferences &doc, const std::string &path) {
        EXPECT_TRUE(doc.save(path));
        return std::unique_ptr<aip::Preferences>(aip::loadPreferencesFile(path));
    }
    static std::string compact(const plat::PersistentData &v) { return json::writeJson(v.nodeRef(), false, 0); }
    prefsTest::TempFolder dir;
};

TEST_F(HostValues, GeometryValuesRoundTripThroughTheFile) {
    const std::string path = dir.file("Preferences");
    std::unique_ptr<aip::Preferences> doc(aip::loadPreferencesFile(path));
    Own<aip::PersistentRect>(doc->getOrCreateRect("rect", aip::Rect(10, 20, 30, 5)));
    Own<aip::PersistentArtboardRect>(doc->getOrCreateArtboardRect("abRect", aip::ArtboardRect(-1.5, 2, 3, 4.25)));
    Own<aip::PersistentPoint>(doc->getOrCreatePoint("point", aip::Point(0.05, -7)));
    Own<aip::PersistentArtboardPoint>(doc->getOrCreateArtboardPoint("abPoint", aip::ArtboardPoint(1e6, 1.0 / 3)));
    Own<aip::PersistentSize>(doc->getOrCreateSize("size", aip::Size(30, 5)));
    Own<aip::PersistentMatrix>(doc->getOrCreateMatrix("matrix", aip::TransformMatrix(2, 0.5, -0.25, 3, 100, -40)));
    Own<aip::PersistentColor>(doc->getOrCreateColor("color", aip::Color(0.1, 0.2, 0.3, 0.75)));

    std::unique_ptr<aip::Preferences> back = reload(*doc, path);
    Own<aip::PersistentRect> rect(back->getRect("rect"));
    ASSERT_TRUE(rect);
    EXPECT_EQ(compact(*rect), "{\"__origin\":{\"__x\":10,\"__y\":20},\"__size\":{\"__h\":5,\"__w\":30}}");
    aip::Rect r = rect->value();
    EXPECT_EQ(r.origin.x, 10);
    EXPECT_EQ(r.origin.y, 20);
    EXPECT_EQ(r.size.width, 30);
    EXPECT_EQ(r.size.height, 5);
    Own<aip::PersistentArtboardRect> abRect(back->getArtboardRect("abRect"));
    ASSERT_TRUE(abRect);
    EXPECT_EQ(abRect->value().origin.x, -1.5);
    EXPECT_EQ(abRect->value().size.height, 4.25);
    Own<aip::PersistentPoint> point(back->getPoint("point"));
    ASSERT_TRUE(point);
    EXPECT_EQ(point->value().x, 0.05);
    EXPECT_EQ(point->value().y, -7);
    Own<aip::PersistentArtboardPoint> abPoint(back->getArtboardPoint("abPoint"));
    ASSERT_TRUE(abPoint);
    EXPECT_EQ(abPoint->value().y, 1.0 / 3);
    Own<aip::PersistentSize> size(back->getSize("size"));
    ASSERT_TRUE(size);
    EXPECT_EQ(compact(*size), "{\"__h\":5,\"__w\":30}");
    Own<aip::PersistentMatrix> matrix(back->getMatrix("matrix"));
    ASSERT_TRUE(matrix);
    aip::TransformMatrix m = matrix->value();
    EXPECT_EQ(m.b, 0.5);
    EXPECT_EQ(m.c, -0.25);
    EXPECT_EQ(m.ty, -40);
    Own<aip::PersistentColor> color(back->getColor("color"));
    ASSERT_TRUE(color);
    EXPECT_EQ(color->value().g, 0.2);
    EXPECT_EQ(color->value().a, 0.75);
    // A value of one kind is not found by the getter of another, nor as a dictionary.
    EXPECT_EQ(Own<aip::PersistentSize>(back->getSize("point")), nullptr);
    EXPECT_EQ(Own<plat::PersistentDictionary>(back->getDictionary("point")), nullptr);
}

TEST_F(HostValues, StoredObjectsAreRecognisedByTheirMembersInOrder) {
    struct Case {
        const char *json;
        plat::PersistentDataType kind;
    } cases[] = {
        {"{\"__abx\":1,\"__aby\":2,\"__x\":3,\"__y\":4}", plat::PersistentDataType::ArtboardPoint},
        {"{\"__r\":1,\"__g\":0,\"__b\":0,\"__o\":1,\"__a\":1,\"__c\":0,\"__d\":1,\"__tx\":0,\"__ty\":0}",
         plat::PersistentDataType::Color},
        {"{\"__a\":1,\"__b\":0,\"__c\":0,\"__d\":1,\"__tx\":0,\"__ty\":0,\"__x\":1,\"__y\":1}",
         plat::PersistentDataType::Matrix},
        {"{\"__x\":\"text\",\"__y\":2}", plat::PersistentDataType::Point},
        {"{\"__origin\":{},\"__size\":{}}", plat::PersistentDataType::Rect},
        {"{\"__w\":1}", plat::PersistentDataType::Dictionary},
    };
    for (const Case &c : cases) {
        Own<plat::PersistentData> v(aip::PersistentDictionary::wrapHostAware(json::parseJson(c.json)));
        ASSERT_TRUE(v) << c.json;
        EXPECT_EQ(v->kind(), c.kind) << c.json;
    }
    // A member of the wrong kind reads as its default and is left as it was; a missing one is added.
    Own<aip::PersistentPoint> point(new aip::PersistentPoint(json::parseJson("{\"__x\":\"text\"}")));
    EXPECT_EQ(point->value().x, 0);
    EXPECT_EQ(compact(*point), "{\"__x\":\"text\",\"__y\":0}");
    EXPECT_FALSE(point->setValue(aip::Point(1, 2))) << "x cannot reach the stored object";
    EXPECT_EQ(compact(*point), "{\"__x\":\"text\",\"__y\":2}");
    // Nested objects that are no point or size stay as they are and read as zero.
    Own<aip::PersistentRect> rect(new aip::PersistentRect(json::parseJson("{\"__origin\":{},\"__size\":{\"__w\":3,\"__h\":4}}")));
    EXPECT_EQ(compact(*rect), "{\"__origin\":{},\"__size\":{\"__h\":4,\"__w\":3}}");
    EXPECT_EQ(rect->value().origin.x, 0);
    EXPECT_EQ(rect->value().size.height, 4);
}

TEST_F(HostValues, ArrayElementsAreHostValuesAndGetOrCreateInserts) {
    Own<aip::PersistentArray> arr(
        static_cast<aip::PersistentArray *>(aip::PersistentDictionary::wrapHostAware(json::parseJson("[true,7]"))));
    Own<aip::PersistentPoint> made(arr->getOrCreatePoint(1, aip::Point(3, 4)));
    EXPECT_EQ(compact(*arr), "[true,{\"__x\":3,\"__y\":4},7]");
    Own<aip::PersistentPoint> found(arr->getPoint(1));
    ASSERT_TRUE(found);
    EXPECT_EQ(found->nodeRef(), made->nodeRef());
    EXPECT_EQ(Own<aip::PersistentPoint>(arr->getPoint(0)), nullptr);
}

TEST_F(HostValues, ArtColoursOfEveryModelRoundTrip) {
    open("");
    struct Case {
        const char *what;
        aip::ArtColor colour;
        int64_t type;
    } cases[] = {
        {"gray", aip::ArtColor::ArtColorGray(0.25), 0},
        {"cmyk", aip::ArtColor::ArtColorCMYK(0.1, 0.2, 0.3, 0.4), 1},
        {"rgb", aip::ArtColor::ArtColorRGB(0.5, 0.25, 1), 5},
        {"lab", aip::ArtColor::ArtColorLab(50, -20, 30), aip::PersistentArtColor::labType},
        {"hsb", aip::ArtColor::ArtColorHSB(1.5, 0.5, 0.75), aip::PersistentArtColor::hsbType},
        {"none", aip::ArtColor::none(), 6},
    };
    for (const Case &c : cases) {
        aip::PersistentArtColor stored(c.colour, "c");
        json::NodePtr type(stored.nodeRef()->member("__type"));
        EXPECT_EQ(type->int64Value(), c.type) << c.what;
        aip::PersistentArtColor back(json::parseJson(json::writeJson(stored.nodeRef(), true, 0)));
        EXPECT_TRUE(back.value() == c.colour) << c.what;
        EXPECT_EQ(back.value().kindFlags(), c.colour.kindFlags()) << c.what;
    }
}

TEST_F(HostValues, SpotColoursKeepNameTintAndFlags) {
    open("");
    aip::ArtColor spot = aip::ArtColor::ArtColorRGB(0.1, 0.2, 0.3);
    ASSERT_TRUE(spot.setCustom("Brand", 0.5, 3));
    aip::PersistentArtColor stored(spot, "spot");
    // The host keeps spot colour values in single precision.
    EXPECT_EQ(compact(stored), "{\"__c1\":0.10000000149011612,\"__c2\":0.20000000298023224,\"__c3\":0.30000001192092896,"
                               "\"__c4\":0,\"__customFlags\":3,\"__customName\":\"Brand\",\"__customTint\":0.5,"
                               "\"__customType\":1,\"__type\":3}");
    aip::PersistentArtColor back(json::parseJson(compact(stored)));
    aip::ArtColor read = back.value();
    EXPECT_EQ(read.kindFlags(), aip::ArtColor::KindCustomRGB);
    EXPECT_EQ(read.customName(), "Brand");
    EXPECT_EQ(read.customFlags(), 3);
    EXPECT_EQ(read.hostColor().custom.tint, 0.5);
}

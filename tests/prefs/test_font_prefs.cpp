// Font preferences: a font is stored by its full name with a size; a stored name that is not installed
// reads as the host's default font and stays in the file.
#include "aip/qoraipBasePlugin.h"
#include "aip/qoraipFont.h"
#include "aip/qoraipIllustrator.h"
#include "aip/qoraipPluginGlobals.h"
#include "core/qorcoreArrayPref.h"
#include "core/qorcoreDictionaryPref.h"
#include "core/qorcoreFont.h"
#include "core/qorcoreFontPref.h"
#include "core/qorcorePreferences.h"
#include "corePrefsFixture.h"

#include <gtest/gtest.h>

using namespace qor::core;

namespace fontPrefsTest {
// A client font of an installed font, by full name.
Font installed(const std::string &name) {
    qor::aip::Font *found = qor::aip::Illustrator::instance()->fontByName(name);
    EXPECT_NE(found, nullptr) << name;
    Font font = found ? Font(found) : Font();
    qor::aip::Font::resetRef(found);
    return font;
}
bool noFontObjectsLeft() { return qor::aip::BasePlugin::instance()->globals()->fontWrappers.isEmpty(); }
} // namespace fontPrefsTest

TEST_F(CorePrefs, FontsRoundTripByFullName) {
    {
        Preferences prefs;
        ASSERT_TRUE(prefs.load(path));
        FontPref font, fallback;
        ASSERT_TRUE(prefs.getOrCreateFont("font", Font(), 9.5, font));
        // An empty font stores the default font.
        ASSERT_NE(font.fontValue(), nullptr);
        EXPECT_EQ(font.fontValue()->fullName(), "Tahoma");
        EXPECT_EQ(font.dataType(), PrefDataType::Font);
        EXPECT_TRUE(font.setFont(fontPrefsTest::installed("DejaVu Sans Bold")));
        EXPECT_TRUE(font.setFontSize(14));
        EXPECT_EQ(font.toJSON(), "{\"__face\":\"DejaVu Sans Bold\",\"__size\":14}");
        EXPECT_FALSE(font.setFont(Font()));
        ASSERT_TRUE(prefs.save(path));
    }
    Preferences prefs;
    ASSERT_TRUE(prefs.load(path));
    FontPref font;
    ASSERT_TRUE(prefs.getFont("font", font));
    std::unique_ptr<Font> value = font.fontValue();
    ASSERT_NE(value, nullptr);
    EXPECT_EQ(value->fullName(), "DejaVu Sans Bold");
    EXPECT_EQ(font.fontSize(), 14);
}

TEST_F(CorePrefs, AFontThatIsNotInstalledReadsAsTheDefault) {
    prefsTest::writeBytes(path, "{\"Prefs\":{\"f\":{\"__face\":\"No Such Font\",\"__size\":10},\"n\":1,"
                                "\"list\":[{\"__face\":\"DejaVu Sans\",\"__size\":8}]}}");
    {
        Preferences prefs;
        ASSERT_TRUE(prefs.load(path));
        FontPref font;
        ASSERT_TRUE(prefs.getFont("f", font));
        EXPECT_EQ(font.fontValue()->fullName(), "Tahoma");
        EXPECT_EQ(font.fontSize(), 10);
        EXPECT_FALSE(prefs.getFont("n", font));
        ArrayPref list;
        ASSERT_TRUE(prefs.getArray("list", list));
        ASSERT_TRUE(list.getFont(0, font));
        EXPECT_EQ(font.fontValue()->fullName(), "DejaVu Sans");
        ASSERT_TRUE(prefs.save(path));
    }
    EXPECT_NE(prefsTest::readBytes(path).find("\"__face\":\"No Such Font\""), std::string::npos);
    EXPECT_TRUE(fontPrefsTest::noFontObjectsLeft());

    FontPref empty;
    EXPECT_EQ(empty.fontValue(), nullptr);
    EXPECT_EQ(empty.fontSize(), 0.0);
    EXPECT_FALSE(empty.setFontSize(1));
    std::unique_ptr<PrefData> fromText = PrefData::fromJSON("{\"__face\":\"DejaVu Sans\",\"__size\":8}");
    ASSERT_NE(fromText, nullptr);
    EXPECT_EQ(fromText->dataType(), PrefDataType::Font);
}

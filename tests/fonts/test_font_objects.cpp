// Font objects shared per host font key, the client font and typeface handles over them, and what
// the host's font suite tells about a font.
#include "core/qorcoreFont.h"
#include "core/qorcoreTypeface.h"
#include "fontsTestSupport.h"

#include <gtest/gtest.h>

namespace test_font_objects {

using qor::aip::Font;
using fontstest::Held;

class FontObjects : public fontstest::StartedPlugin
{
};

TEST_F(FontObjects, OneObjectPerKeyFreedWhenTheLastCountGoes)
{
  FontKey key = keyOf("DejaVu Sans");
  ASSERT_NE(key, nullptr) << "DejaVu fonts are installed by scripts/setup";
  Font* first = Font::getOrCreate(key);
  Font* second = Font::getOrCreate(key);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first, second);
  EXPECT_EQ(first->count(), 2);
  EXPECT_EQ(registered(key), first);
  first->release();
  EXPECT_EQ(registered(key), first);
  second->release();
  EXPECT_EQ(registered(key), nullptr);

  Held third(Font::getOrCreate(key));
  EXPECT_EQ(third->count(), 1);
  EXPECT_EQ(registered(key), third.font);

  EXPECT_EQ(Font::getOrCreate(nullptr), nullptr);
  Font* none = nullptr;
  Font::resetRef(none);
  EXPECT_EQ(none, nullptr);
}

TEST_F(FontObjects, ClientHandlesShareTheRegisteredObject)
{
  FontKey key = keyOf("DejaVu Sans Mono");
  ASSERT_NE(key, nullptr);
  Held impl(Font::getOrCreate(key));
  {
    qor::core::Font a(impl.font);
    qor::core::Font b = qor::core::wrapFont(impl.font);
    EXPECT_TRUE(a == b);
    EXPECT_EQ(qor::core::implPointer(a), impl.font);
    EXPECT_EQ(impl->count(), 3);
    qor::core::Font empty;
    EXPECT_TRUE(empty != a);
    EXPECT_TRUE(empty == qor::core::Font());
    empty = a;
    EXPECT_EQ(impl->count(), 4);
    empty = empty;
    EXPECT_EQ(impl->count(), 4);
    qor::core::Font copy(empty);
    EXPECT_EQ(copy.key(), key);
    EXPECT_EQ(impl->count(), 5);
    empty = qor::core::Font();
    EXPECT_EQ(impl->count(), 4);
  }
  EXPECT_EQ(impl->count(), 1);
}

TEST_F(FontObjects, DefaultFontAndNamesOfARealFont)
{
  Held fallback(Font::defaultFont());
  ASSERT_NE(fallback.font, nullptr);
  EXPECT_EQ(fallback->fullName(), "Tahoma");

  Held real(Font::getOrCreate(keyOf("DejaVu Sans Bold")));
  ASSERT_NE(real.font, nullptr);
  qor::core::Font handle(real.font);
  EXPECT_EQ(handle.fullName(), "DejaVu Sans Bold");
  EXPECT_EQ(handle.faceName(), "DejaVu Sans");
  EXPECT_EQ(handle.position50(), "DejaVuSans-Bold");

  qor::core::Font empty;
  EXPECT_EQ(empty.fullName(), "");
  EXPECT_EQ(empty.faceName(), "");
  EXPECT_EQ(empty.key(), nullptr);
  EXPECT_FALSE(empty.position28());
}

TEST_F(FontObjects, ANameFillingTheWholeBufferComesBackTerminated)
{
  const std::string longName(5000, 'x');
  Held font(Font::getOrCreate(fonts().add("Long", "Regular", longName)));
  EXPECT_EQ(font->fullName(), std::string(4095, 'x'));
}

TEST_F(FontObjects, InfoConvertsTheHostsWords)
{
  FontKey key = keyOf("DejaVu Serif");
  ASSERT_NE(key, nullptr);
  Held impl(Font::getOrCreate(key));
  qor::core::Font font(impl.font);
  struct Case
  {
    int word;
    int32_t value;
    int32_t qor::core::Font::Info::*field;
    int32_t expected;
  } cases[] = {
      {1, 0, &qor::core::Font::Info::kind1, 10},    {1, 1, &qor::core::Font::Info::kind1, 20},
      {1, 2, &qor::core::Font::Info::kind1, 0},     {2, 2, &qor::core::Font::Info::kind2, 30},
      {3, -2, &qor::core::Font::Info::kind3, 10},   {3, 25, &qor::core::Font::Info::kind3, 50},
      {3, 3, &qor::core::Font::Info::kind3, 60},    {3, 32, &qor::core::Font::Info::kind3, 140},
      {3, 85, &qor::core::Font::Info::kind3, 130},  {3, 8, &qor::core::Font::Info::kind3, 0},
      {9, 3, &qor::core::Font::Info::kind9, 40},    {9, 4, &qor::core::Font::Info::kind9, 0},
  };
  for (const Case& c : cases) {
    FontInfoRecord record{};
    record.words[3] = 99; // not in the table, so kind3 stays 0 unless a case sets it
    record.words[c.word] = c.value;
    fonts().edit(key)->info = record;
    EXPECT_EQ(font.info().*(c.field), c.expected) << "word " << c.word << " = " << c.value;
  }

  FontInfoRecord flags{};
  for (int word : {4, 7, 10, 14})
    flags.words[word] = -5;
  flags.words[6] = 1; // unused
  fonts().edit(key)->info = flags;
  qor::core::Font::Info info = font.info();
  EXPECT_TRUE(info.flag4 && info.flag7 && info.flag10 && info.flag14);
  EXPECT_FALSE(info.flag5 || info.flag8 || info.flag11 || info.flag12 || info.flag13);
  EXPECT_EQ(info.kind1, 10) << "word 1 is 0";

  qor::core::Font::Info none = qor::core::Font().info();
  EXPECT_EQ(none.kind1, 0);
  EXPECT_FALSE(none.flag4);

  fonts().edit(key)->query28 = 7;
  EXPECT_TRUE(font.position28());
  fonts().edit(key)->query28 = 0;
  EXPECT_FALSE(font.position28());
}

TEST_F(FontObjects, TypefaceRoundTrip)
{
  Held impl(Font::getOrCreate(keyOf("DejaVu Sans Bold")));
  qor::core::Font font(impl.font);
  qor::core::Typeface family;
  EXPECT_TRUE(family.isEmpty());
  int32_t style = -9;
  ASSERT_TRUE(font.typeface(family, style));
  EXPECT_FALSE(family.isEmpty());
  EXPECT_EQ(family.name(), "DejaVu Sans");
  EXPECT_GE(family.styleCount(), 2);
  std::unique_ptr<qor::core::Font> again = family.font(style);
  ASSERT_NE(again, nullptr);
  EXPECT_TRUE(*again == font);
  EXPECT_EQ(family.font(family.styleCount()), nullptr) << "a style the host rejects";

  qor::core::Typeface copy;
  copy = family;
  EXPECT_TRUE(copy == family);
  EXPECT_EQ(copy.key(), family.key());
  EXPECT_TRUE(copy != qor::core::Typeface());

  // A 16-bit style of -1 widens with its sign.
  fonts().edit(font.key())->styleIndex = -1;
  ASSERT_TRUE(font.typeface(family, style));
  EXPECT_EQ(style, -1);

  // A font the host does not know leaves the caller's typeface and style alone.
  Held unknown(Font::getOrCreate(reinterpret_cast<FontKey>(std::uintptr_t(0x10))));
  qor::core::Font stranger(unknown.font);
  EXPECT_FALSE(stranger.typeface(family, style));
  EXPECT_EQ(family.name(), "DejaVu Sans");
  EXPECT_EQ(style, -1);
  EXPECT_EQ(stranger.fullName(), "") << "a host error leaves the zeroed buffer";
  EXPECT_EQ(stranger.faceName(), "");

  qor::core::Typeface none(nullptr);
  EXPECT_EQ(none.styleCount(), -1);
  EXPECT_EQ(none.name(), "");
  EXPECT_EQ(none.font(0), nullptr);
}

TEST_F(FontObjects, TextEngineFontRoundTrip)
{
  Held font(Font::getOrCreate(keyOf("DejaVu Serif")));
  AteFontRef ateFont = font->toATEFont();
  ASSERT_NE(ateFont, nullptr);
  Held back(Font::fromATEFont(ateFont));
  EXPECT_EQ(back.font, font.font);
  EXPECT_EQ(font->count(), 2);
  EXPECT_TRUE(fonts().releaseAteFont(ateFont)) << "the reference handed out is counted";
  EXPECT_EQ(Font::fromATEFont(nullptr), nullptr);
}

// Without the font suite every question has its empty answer and nothing calls through a null table.
TEST(RefusedFontSuite, FontsGiveEmptyAnswers)
{
  lifecycletest::StartupLogFile log;
  hostsim::HostApp app;
  app.refuseSuite(kFontSuiteName, kFontSuiteVersion);
  app.connect(&PluginMain, QOR_PLUGIN_MODULE);
  app.startup();
  app.applicationStarted();
  ASSERT_NE(qor::aip::BasePlugin::instance(), nullptr);
  EXPECT_EQ(Font::defaultFont(), nullptr);
  EXPECT_EQ(Font::fromATEFont(reinterpret_cast<AteFontRef>(std::uintptr_t(0x10))), nullptr);
  {
    Held font(Font::getOrCreate(app.area<hostsim::Fonts>().defaultFont()));
    ASSERT_NE(font.font, nullptr);
    qor::core::Font handle(font.font);
    EXPECT_EQ(handle.fullName(), "");
    // The record stays zero-filled, and a zero word has a value of its own.
    EXPECT_EQ(handle.info().kind1, 10);
    EXPECT_EQ(handle.info().kind3, 20);
    EXPECT_EQ(font->toATEFont(), nullptr);
    qor::core::Typeface family;
    int32_t style = 3;
    EXPECT_FALSE(handle.typeface(family, style));
    EXPECT_EQ(style, 3);
  }
  EXPECT_TRUE(qor::aip::BasePlugin::instance()->globals()->fontWrappers.isEmpty());
  app.applicationShutdown();
  app.shutdown();
}

TEST(NoPlugin, NoFontObjectsAreMade)
{
  hostsim::HostApp app;
  EXPECT_EQ(Font::getOrCreate(app.area<hostsim::Fonts>().defaultFont()), nullptr);
  EXPECT_EQ(Font::defaultFont(), nullptr);
  EXPECT_EQ(qor::core::Font().createPlatformFont(12), nullptr);
}

} // namespace test_font_objects

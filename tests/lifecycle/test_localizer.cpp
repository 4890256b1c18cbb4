#include <gtest/gtest.h>

#include <string>

#include "aip/qoraipLocalizer.h"
#include "aip/qoraipStandardButtonTexts.h"
#include "core/qorcoreConstants.h"

namespace {

using qor::plat::Locale;

TEST(Localizer, NewestTextWinsAndDefaultStandsIn)
{
  qor::plat::Localizer localizer(Locale(210));
  localizer.set("Key", Locale(150), "A");
  localizer.set("Key", Locale(150), "B");
  EXPECT_EQ(localizer.get("Key", Locale(150)), "B");
  EXPECT_EQ(localizer.get("Key", Locale(300)), "");
  localizer.set("Key", Locale(210), "default");
  EXPECT_EQ(localizer.get("Key", Locale(300)), "default");
  localizer.set("Key", Locale(300), "japanese");
  localizer.remove("Key", Locale(210));
  EXPECT_EQ(localizer.get("Key", Locale(400)), "");
  localizer.setDefaultLocale(Locale(300));
  EXPECT_EQ(localizer.get("Key", Locale(400)), "japanese");
  EXPECT_EQ(localizer.get("Never", Locale(210)), "");
  EXPECT_NE(localizer.findKey("Key"), nullptr);
}

TEST(Localizer, HostLanguageCodesMapToLocales)
{
  struct Case
  {
    int32_t host;
    int32_t locale;
  } cases[] = {{4, 190}, {8, 300}, {9, 470}, {10, 480}, {12, 100}, {34, 110},
               {41, 260}, {3, 210}, {42, 210}, {0, 210}, {-1, 210}};
  for (const Case& c : cases)
    EXPECT_EQ(qor::aip::Localizer::localeForHostLanguage(c.host), c.locale) << c.host;
}

// The button texts as a user sees them for a host language code.
std::vector<std::string> buttonsFor(const qor::plat::Localizer& localizer, int32_t hostLanguage)
{
  Locale locale = qor::aip::Localizer::localeForHostLanguage(hostLanguage);
  std::vector<std::string> texts;
  for (const std::string* key : {&qor::core::yesButtonTextKey, &qor::core::noButtonTextKey, &qor::core::okButtonTextKey,
                                  &qor::core::cancelButtonTextKey, &qor::core::dontShowAgainButtonTextKey})
    texts.push_back(localizer.get(*key, locale));
  return texts;
}

TEST(StandardButtonTexts, TextsPerHostLanguage)
{
  qor::aip::Localizer localizer;
  qor::aip::registerStandardButtonTexts(localizer);
  const std::vector<std::string> english = {"Yes", "No", "OK", "Cancel", "Don't show again"};
  EXPECT_EQ(buttonsFor(localizer, 8), (std::vector<std::string>{u8"\u306F\u3044", u8"\u306A\u3057", "OK",
                                                                u8"\u30AD\u30E3\u30F3\u30BB\u30EB",
                                                                u8"\u6B21\u304B\u3089\u975E\u8868\u793A"}));
  EXPECT_EQ(buttonsFor(localizer, 9), (std::vector<std::string>{u8"\u662F", u8"\u5426", u8"\u786E\u5B9A",
                                                                u8"\u53D6\u6D88", u8"\u4E0D\u518D\u663E\u793A"}));
  EXPECT_EQ(buttonsFor(localizer, 10),
            (std::vector<std::string>{u8"\u662F", u8"\u5426", "OK", u8"\u53D6\u6D88", "Don't show again"}));
  for (int32_t host : {39, 40, 41, 3, 42, 12, 5})
    EXPECT_EQ(buttonsFor(localizer, host), english) << host;
  EXPECT_EQ(buttonsFor(localizer, 8)[3].size(), 15u);
}

}  // namespace

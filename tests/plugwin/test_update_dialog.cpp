// The update dialog's settings: the days typed into its field and the automatic-check box, as "Not
// Now" stores them, and the field's keystroke filter.
#include "plugwinFixture.h"
#include "win/WinTest.h"

namespace plugwintest {

namespace {

const char dialogTitle[] = "Update Junctate";
const char recommendText[] = "Update checks to this version of Junctate are recommended at least every 30 days.";
const char disableText[] =
    "Are you sure you want to disable this? Update checks to this version of Junctate are recommended at least "
    "every 30 days.";

HWND frequencyField(HWND dialog)
{
  for (HWND window : children(dialog)) {
    char16_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (std::u16string(name) == u"Edit")
      return window;
  }
  return nullptr;
}

void typeDays(HWND field, const std::u16string& text)
{
  qorwin::click(field, 2, 2);
  SendMessageW(field, EM_SETSEL, 0, -1);
  qorwin::postText(text);
  qorwin::pump();
}

}  // namespace

struct Days
{
  const char* name;
  std::u16string typed;
  std::string stored;
  bool advised;
};

void PrintTo(const Days& d, std::ostream* out)
{
  *out << d.name;
}

class NotNow : public PlugWin, public ::testing::WithParamInterface<Days>
{
};

TEST_P(NotNow, StoresTheDaysTypedClampedAndAdvisesBeyond30)
{
  const Days& d = GetParam();
  server.on("/check/currentversion.php", {200, "17", {}, qortest::HttpServer::Mode::Answer});
  startWithSite();
  answer(dialogTitle, [&](HWND dialog) {
    HWND field = frequencyField(dialog);
    ASSERT_NE(field, nullptr);
    EXPECT_EQ(windowText(field), "30");
    EXPECT_EQ(GetFocus(), field) << "the field has the focus while checks are on";
    typeDays(field, d.typed);
    press("Not Now")(dialog);
  });
  ASSERT_TRUE(check(false));
  EXPECT_EQ(prefValue("vCheckFreq"), d.stored);
  EXPECT_EQ(showedText(recommendText), d.advised);
  EXPECT_EQ(prefValue("vCheckDue"), dayText(std::stoi(d.stored)));
}

INSTANTIATE_TEST_SUITE_P(Dialog, NotNow,
                         ::testing::Values(Days{"Fortyfive", u"45", "45", true}, Days{"FiveHundred", u"500", "180", true},
                                           Days{"Zero", u"0", "1", false}, Days{"Seven", u"7", "7", false},
                                           Days{"Huge", u"99999999999", "180", true}),
                         [](const ::testing::TestParamInfo<Days>& info) { return std::string(info.param.name); });

TEST_F(PlugWin, TheCheckBoxSwitchesTheFieldAndAsksBeforeTurningChecksOff)
{
  server.on("/check/currentversion.php", {200, "17", {}, qortest::HttpServer::Mode::Answer});
  startWithSite();
  bool disabledWhenOff = false, focusedWhenOn = false;
  answer(dialogTitle, [&](HWND dialog) {
    HWND box = child(dialog, "Check for updates every");
    ASSERT_NE(box, nullptr);
    clickCentre(box);
    qorwin::pump();
    disabledWhenOff = !IsWindowEnabled(frequencyField(dialog));
    clickCentre(box);
    qorwin::pump();
    focusedWhenOn = IsWindowEnabled(frequencyField(dialog)) && GetFocus() == frequencyField(dialog);
    clickCentre(box);
    qorwin::pump();
    press("Not Now")(dialog);
  });
  ASSERT_TRUE(check(false));
  EXPECT_TRUE(disabledWhenOff);
  EXPECT_TRUE(focusedWhenOn);
  EXPECT_TRUE(showedText(disableText));
  EXPECT_EQ(prefValue("autoVCheck"), "false");
}

TEST_F(PlugWin, TheDaysFieldUndoesLettersAndTakesDeletions)
{
  server.on("/check/currentversion.php", {200, "17", {}, qortest::HttpServer::Mode::Answer});
  startWithSite();
  std::string afterLetter, afterDelete, afterBackspace, afterClearing;
  answer(dialogTitle, [&](HWND dialog) {
    HWND field = frequencyField(dialog);
    typeDays(field, u"12x3");
    afterLetter = windowText(field);
    SendMessageW(field, EM_SETSEL, 0, 1);
    qorwin::postKey(VK_DELETE);
    qorwin::pump();
    afterDelete = windowText(field);
    SendMessageW(field, EM_SETSEL, 1, 1);
    qorwin::postText(u"\b");
    qorwin::pump();
    afterBackspace = windowText(field);
    SendMessageW(field, EM_SETSEL, 0, -1);
    qorwin::postText(u"\b");
    qorwin::pump();
    afterClearing = windowText(field);
    press("Not Now")(dialog);
  });
  ASSERT_TRUE(check(false));
  EXPECT_EQ(afterLetter, "123") << "typing goes on after the undone letter";
  EXPECT_EQ(afterDelete, "23");
  EXPECT_EQ(afterBackspace, "3");
  EXPECT_EQ(afterClearing, "");
  EXPECT_EQ(prefValue("vCheckFreq"), "30") << "an empty field keeps the days there were";
}

}  // namespace plugwintest

// The About box: opened from its item in the maker's shared About group, its title image opens the
// maker's site and leaves it open, its page buttons open their page and close it, and "Check for
// updates" closes it before the check starts.
#include "plugwinFixture.h"
#include "win/WinTest.h"

namespace plugwintest {

namespace {

const char aboutTitle[] = "About Junctate";
const char aboutItem[] = "About About Tessfold Plugins Junctate...";

}  // namespace

struct AboutCase
{
  const char* name;
  const char* button;
  const char* opens;  // path on the site, or null
};

void PrintTo(const AboutCase& c, std::ostream* out)
{
  *out << c.name;
}

class AboutButtons : public PlugWin, public ::testing::WithParamInterface<AboutCase>
{
};

TEST_P(AboutButtons, EachButtonDoesItsPartAndTheTitleImageOpensTheSite)
{
  const AboutCase& c = GetParam();
  startWithSite();
  bool openAfterImage = false, closedByButton = false;
  answer(aboutTitle, [&](HWND dialog) {
    clickCentre(childAt(dialog, 150, 50));
    openAfterImage = IsWindowVisible(dialog);
    press(c.button)(dialog);
    qorwin::pump();
    closedByButton = !IsWindowVisible(dialog) || qorwin::modalDepth() == 0;
    if (!closedByButton)
      PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  });
  ASSERT_EQ(app.area<hostsim::MenuItems>().choose(aboutItem), 0);
  qorwin::advance(2000);
  ASSERT_EQ(titles(), std::vector<std::string>{aboutTitle});
  EXPECT_TRUE(openAfterImage) << "the title image leaves the dialog open";
  EXPECT_TRUE(closedByButton);
  std::vector<std::string> expected{server.url("/")};
  if (c.opens)
    expected.push_back(server.url(c.opens));
  EXPECT_EQ(opened(), expected);
  const Shown& about = shown[0];
  for (const char* text : {"Version 16.2.3", "Check for updates", "Documentation", "Support", "Acknowledgements", "OK"})
    EXPECT_NE(std::find(about.texts.begin(), about.texts.end(), text), about.texts.end()) << text;
}

INSTANTIATE_TEST_SUITE_P(About, AboutButtons,
                         ::testing::Values(AboutCase{"Documentation", "Documentation", "/documentation/junctate-docs/"},
                                           AboutCase{"Support", "Support", "/support/"},
                                           AboutCase{"OK", "OK", nullptr}),
                         [](const ::testing::TestParamInfo<AboutCase>& info) { return std::string(info.param.name); });

TEST_F(PlugWin, AcknowledgementsShowAnAlertOverTheOpenAboutBox)
{
  startWithSite();
  answer(aboutTitle, [&](HWND dialog) {
    press("Acknowledgements")(dialog);
    EXPECT_TRUE(IsWindowVisible(dialog));
    PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  });
  ASSERT_EQ(app.area<hostsim::MenuItems>().choose(aboutItem), 0);
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_EQ(shown[1].depth, 2) << "the alert runs inside the About box";
  EXPECT_TRUE(showedText(std::string("This product was built using Corvane CORE \n(") + tf::frameworkAddress + ")"));
}

TEST_F(PlugWin, CheckForUpdatesClosesTheAboutBoxAndTheAnswerComesLater)
{
  server.on("/check/currentversion.php", {200, "16.23", {}, qortest::HttpServer::Mode::Answer});
  startWithSite();
  answer(aboutTitle, press("Check for updates"));
  ASSERT_EQ(app.area<hostsim::MenuItems>().choose(aboutItem), 0);
  ASSERT_TRUE(finishRequest());
  ASSERT_EQ(titles(), (std::vector<std::string>{aboutTitle, "Update Junctate"}));
  EXPECT_EQ(shown[1].depth, 1) << "the About box was closed first";
  EXPECT_TRUE(showedText("Your Junctate plugin is up to date."));
  EXPECT_EQ(prefValue("vCheckDue"), dayText(30));
}

}  // namespace plugwintest

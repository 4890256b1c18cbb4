// Golden pictures of the plug-in's own windows as the host shows them: the options panel in the light
// and the dark theme, the About box and the update dialog.
#include "hostsimPanels.h"
#include "hostsimTheme.h"
#include "plugwinFixture.h"
#include "support/golden.h"
#include "win/WinTest.h"

namespace plugwintest {

class PanelPictures : public PlugWin, public ::testing::WithParamInterface<bool>
{
};

// With a document open, so that the widgets are enabled; one field was typed into and committed.
TEST_P(PanelPictures, TheOptionsPanelWithItsButtonsLabelsAndFields)
{
  const bool dark = GetParam();
  app.area<hostsim::Theme>().setDark(dark);
  startWithSite();
  ASSERT_EQ(app.area<hostsim::MenuItems>().choose("Tool Palettes Junctate"), 0);
  open("<path id='a' d='M0 0 L10 0'/>", {"a"});
  app.sendNotification("AI Document Changed Notifier");
  const hostsim::Panels::Panel* panel = app.area<hostsim::Panels>().findByTitle("Junctate");
  ASSERT_NE(panel, nullptr);
  HWND angle = childAt(panel->content, 120, 52);
  ASSERT_NE(angle, nullptr);
  qorwin::click(angle, 2, 2);
  SendMessageW(angle, EM_SETSEL, 0, -1);
  qorwin::postText(u"90\r");
  qorwin::pump();
  ASSERT_EQ(windowText(angle), "90");
  EXPECT_TRUE(qortest::matchesGolden(qorwin::snapshot(panel->frame), dark ? "panel_dark" : "panel_light"));
}

INSTANTIATE_TEST_SUITE_P(Theme, PanelPictures, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Dark" : "Light"; });

TEST_F(PlugWin, TheAboutBox)
{
  startWithSite();
  qorwin::Picture picture;
  answer("About Junctate", [&](HWND dialog) {
    picture = qorwin::snapshot(dialog);
    press("OK")(dialog);
  });
  ASSERT_EQ(app.area<hostsim::MenuItems>().choose("About About Tessfold Plugins Junctate..."), 0);
  EXPECT_TRUE(qortest::matchesGolden(picture, "about_light"));
}

TEST_F(PlugWin, TheUpdateDialog)
{
  server.on("/check/currentversion.php", {200, "17", {}, qortest::HttpServer::Mode::Answer});
  startWithSite();
  qorwin::Picture picture;
  answer("Update Junctate", [&](HWND dialog) {
    picture = qorwin::snapshot(dialog);
    press("Not Now")(dialog);
  });
  ASSERT_TRUE(check(false));
  EXPECT_TRUE(qortest::matchesGolden(picture, "update_light"));
}

}  // namespace plugwintest

// The options panel as the host shows it: its window-menu item toggles it and carries a check mark
// while it shows, its widgets follow whether a document is open, and it goes with the plug-in.
#include "hostsimPanels.h"
#include "plugwinFixture.h"
#include "win/WinTest.h"

namespace plugwintest {

class OptionsPanel : public PlugWin
{
protected:
  hostsim::Panels::Panel* hostPanel() { return app.area<hostsim::Panels>().findByTitle("Junctate"); }
  bool checked()
  {
    auto& items = app.area<hostsim::MenuItems>();
    MenuItemHandle handle = items.findItem("Tool Palettes Junctate");
    items.update(handle);
    return app.area<hostsim::Menus>().findItem(handle)->checked;
  }
  bool buttonEnabled(const std::string& text)
  {
    HWND button = child(hostPanel()->content, text);
    return button && IsWindowEnabled(button);
  }
};

TEST_F(OptionsPanel, ThePaletteItemShowsAndHidesThePanelWithACheckMark)
{
  startWithSite();
  ASSERT_NE(hostPanel(), nullptr);
  EXPECT_FALSE(hostPanel()->shown);
  EXPECT_FALSE(checked());
  ASSERT_EQ(app.area<hostsim::MenuItems>().choose("Tool Palettes Junctate"), 0);
  EXPECT_TRUE(hostPanel()->shown);
  EXPECT_TRUE(checked());
  ASSERT_EQ(app.area<hostsim::MenuItems>().choose("Tool Palettes Junctate"), 0);
  EXPECT_FALSE(hostPanel()->shown);
  EXPECT_FALSE(checked());
  // The host's own window menu reaches the same panel.
  ASSERT_TRUE(app.area<hostsim::Panels>().chooseWindowMenuItem("Junctate"));
  EXPECT_TRUE(checked());
}

TEST_F(OptionsPanel, TheWidgetsAreDisabledUntilADocumentOpens)
{
  startWithSite();
  ASSERT_EQ(app.area<hostsim::MenuItems>().choose("Tool Palettes Junctate"), 0);
  EXPECT_FALSE(buttonEnabled("Junctate"));
  EXPECT_FALSE(buttonEnabled("Assimilate"));
  open("<path id='a' d='M0 0 L10 0'/>", {});
  app.sendNotification("AI Document Changed Notifier");
  EXPECT_TRUE(buttonEnabled("Junctate"));
  EXPECT_TRUE(buttonEnabled("Assimilate"));
}

TEST_F(OptionsPanel, ThePanelsButtonsRunTheCommands)
{
  startWithSite();
  ASSERT_EQ(app.area<hostsim::MenuItems>().choose("Tool Palettes Junctate"), 0);
  hostsim::Document* doc = open("<path id='a' d='M0 0 L10 0'/><path id='b' d='M10.01 0 L20 0'/>", {"a", "b"});
  app.sendNotification("AI Document Changed Notifier");
  size_t paths = 0;
  doc->forEachArt([&](hostsim::Art* art) { paths += art->type == hostsim::Art::kPath; });
  ASSERT_EQ(paths, 2u);
  clickCentre(child(hostPanel()->content, "Junctate"));
  paths = 0;
  doc->forEachArt([&](hostsim::Art* art) { paths += art->type == hostsim::Art::kPath; });
  EXPECT_EQ(paths, 1u) << "the two paths were joined";
}

TEST_F(OptionsPanel, ShutdownRemovesAPanelNeverShown)
{
  startWithSite();
  ASSERT_EQ(app.area<hostsim::Panels>().liveCount(), 1u);
  stop();
  EXPECT_EQ(app.area<hostsim::Panels>().liveCount(), 0u);
  EXPECT_EQ(item("Tool Palettes Junctate"), nullptr);
}

}  // namespace plugwintest

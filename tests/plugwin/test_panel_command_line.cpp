// The hostsim program driving the options panel through its widgets: a typed distance is used by the
// join and stored, bad text gets what the panel's filters and commits make of it, and the panel's
// actions say why they cannot run.
#include <filesystem>
#include <sstream>

#include "hostsimRunner.h"
#include "plugin/pluginFixture.h"
#include "win/WinTest.h"

namespace plugwintest {

struct CliRun
{
  int code = -1;
  std::string out, err;
};

class PanelCommandLine : public ::testing::Test
{
protected:
  void SetUp() override { setenv("LOCALAPPDATA", appData.path().c_str(), 1); }

  CliRun run(std::vector<std::string> args)
  {
    args.insert(args.begin(), {"hostsim", QOR_PLUGIN_MODULE});
    std::vector<const char*> argv;
    for (const std::string& a : args)
      argv.push_back(a.c_str());
    std::ostringstream out, err;
    CliRun r;
    r.code = hostsim::runCommandLine(int(argv.size()), argv.data(), out, err);
    r.out = out.str();
    r.err = err.str();
    return r;
  }
  std::string drawing()
  {
    const std::string file = appData.file("near.svg");
    prefsTest::writeBytes(file, "<svg xmlns='http://www.w3.org/2000/svg'><path id='a' d='M0 0 L10 0'/>"
                                "<path id='b' d='M10.2 0 L20 0'/></svg>");
    return file;
  }
  std::string pref(const std::string& key)
  {
    return plugintest::prefValue(prefsTest::readBytes(appData.path() + "/Tessfold/Junctate 16/Preferences"), key);
  }

  prefsTest::TempFolder appData;
};

TEST_F(PanelCommandLine, ATypedDistanceIsUsedByTheJoinAndStored)
{
  const std::string out = appData.file("out.svg");
  CliRun r = run({"--open", drawing(), "--select", "all", "--type", "Distance=0.3", "--click", "Junctate", "--save", out});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("2 paths in, 1 out, 1 join made"), std::string::npos) << r.out;
  EXPECT_EQ(pref("pDist"), "0.3");
  // The next run starts with it.
  r = run({"--open", drawing(), "--select", "all", "--menu", "Objects Paths Popup>Junctate"});
  EXPECT_NE(r.out.find("1 join made"), std::string::npos) << r.out;
  // Tab commits as Enter does, and Assimilate (the selected path takes in the others) the typed options.
  r = run({"--open", drawing(), "--select", "a", "--type-tab", "Distance=0.25", "--type-tab", "Angle=10", "--click",
           "Assimilate"});
  ASSERT_EQ(r.code, 0) << r.err;
  EXPECT_NE(r.out.find("1 join made"), std::string::npos) << r.out;
  EXPECT_EQ(pref("pDist"), "0.25");
  EXPECT_EQ(pref("pAngle"), "10");
}

struct BadText
{
  const char* name;
  std::string argument;
  std::string shows;  // what the action reports the field shows, "" when it shows the typed text
  std::string key;
  std::string stored;
};

void PrintTo(const BadText& b, std::ostream* out)
{
  *out << b.name;
}

class BadTexts : public PanelCommandLine, public ::testing::WithParamInterface<BadText>
{
};

TEST_P(BadTexts, GetWhatTheFiltersAndCommitsMakeOfThem)
{
  const BadText& b = GetParam();
  CliRun r = run({"--open", drawing(), "--select", "all", "--type", b.argument, "--click", "Junctate"});
  ASSERT_EQ(r.code, 0) << r.err;
  const std::string field = b.argument.substr(0, b.argument.find('='));
  if (b.shows.empty()) {
    EXPECT_EQ(r.err.find("--type: the field"), std::string::npos) << r.err;
  } else {
    EXPECT_NE(r.err.find("the field \"" + field + "\" shows \"" + b.shows + "\""), std::string::npos) << r.err;
  }
  EXPECT_EQ(pref(b.key), b.stored);
}

INSTANTIATE_TEST_SUITE_P(
    Panel, BadTexts,
    ::testing::Values(
        // The first keystroke of a run is taken as it is; the letters after it are undone, and the
        // commit shows the option in force for text that is no number.
        BadText{"Letters", "Angle=abc", "120", "pAngle", "120"},
        BadText{"HugeExponent", "Angle=1e999", "180", "pAngle", "180"},
        BadText{"ExponentInDistance", "Distance=1e999", "1999", "pDist", "1999"},
        BadText{"Empty", "Smooth=", "0", "pSmooth", "0"},
        BadText{"StraightAbove1", "Straight=2", ".0001", "pStraight", "0.0001"},
        BadText{"TwoPoints", "Distance=1.2.3", "0.05", "pDist", "0.05"},
        // A minus is taken only as that first keystroke; the distance has no limit, the straights do.
        BadText{"MinusAsTheFirstKeystroke", "Distance=-1", "", "pDist", "-1"},
        BadText{"MinusInStraight", "Straight=-1", ".0001", "pStraight", "0.0001"},
        BadText{"EmptyDistance", "Distance=", "0", "pDist", "0"}),
    [](const ::testing::TestParamInfo<BadText>& info) { return std::string(info.param.name); });

TEST_F(PanelCommandLine, ThePanelIsWrittenAsAPictureAsTheActionsLeftIt)
{
  const std::string png = appData.file("panel.png");
  CliRun r = run({"--open", drawing(), "--type", "Angle=90", "--snapshot", "Junctate", png});
  ASSERT_EQ(r.code, 0) << r.err;
  const qorwin::Picture picture = qorwin::Picture::loadPng(png);
  ASSERT_FALSE(picture.empty());
  EXPECT_GE(picture.width, 240);
  EXPECT_GE(picture.height, 120);
}

TEST_F(PanelCommandLine, PanelActionsSayWhyTheyCannotRun)
{
  CliRun r = run({"--type", "Distance=0.3"});
  EXPECT_NE(r.code, 0);
  EXPECT_NE(r.err.find("the field \"Distance\" is disabled (no drawing is open"), std::string::npos) << r.err;
  r = run({"--open", drawing(), "--type", "Width=3"});
  EXPECT_NE(r.code, 0);
  EXPECT_NE(r.err.find("no field \"Width\""), std::string::npos) << r.err;
  r = run({"--open", drawing(), "--click", "Join"});
  EXPECT_NE(r.code, 0);
  EXPECT_NE(r.err.find("no button \"Join\""), std::string::npos) << r.err;
  r = run({"--panel", "Layers"});
  EXPECT_NE(r.code, 0);
  EXPECT_NE(r.err.find("no panel \"Layers\""), std::string::npos) << r.err;
  r = run({"--open", drawing(), "--type", "Distance"});
  EXPECT_NE(r.code, 0);
  EXPECT_NE(r.err.find("expected FIELD=TEXT"), std::string::npos) << r.err;
}

}  // namespace plugwintest

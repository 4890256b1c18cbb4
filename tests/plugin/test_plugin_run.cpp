// The simulated host program driving the built module from its command line: a menu command on an
// example drawing, and options that live on in the preference file between two runs.
#include <cstdlib>

#include "pluginFixture.h"

namespace plugintest {

class Run : public ::testing::Test {
protected:
  // Runs hostsim on the module with these arguments; returns its exit code.
  int hostsim(const std::string& arguments)
  {
    const std::string command = "LOCALAPPDATA='" + appData.path() + "' '" QOR_HOSTSIM_PROGRAM "' '" QOR_PLUGIN_MODULE
                                "' --quiet --report " +
                                arguments + " >'" + appData.file("out") + "' 2>'" + appData.file("err") + "'";
    const int status = std::system(command.c_str());
    out = prefsTest::readBytes(appData.file("out"));
    err = prefsTest::readBytes(appData.file("err"));
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  static std::string example(const char* name) { return std::string("'" QOR_SOURCE_DIR "/examples/") + name + "'"; }
  std::string saved(const char* name) { return prefsTest::readBytes(appData.file(name)); }
  std::string prefsPath() const { return appData.path() + "/Tessfold/Junctate 16/Preferences"; }

  static int pathCount(const std::string& svg)
  {
    int n = 0;
    for (size_t at = svg.find("<path "); at != std::string::npos; at = svg.find("<path ", at + 1))
      ++n;
    return n;
  }
  // The d attribute of the path with this id, or "".
  static std::string pathData(const std::string& svg, const std::string& id)
  {
    const std::string start = "<path id=\"" + id + "\" d=\"";
    size_t at = svg.find(start);
    if (at == std::string::npos)
      return std::string();
    at += start.size();
    return svg.substr(at, svg.find('"', at) - at);
  }

  prefsTest::TempFolder appData;
  std::string out, err;
};

TEST_F(Run, JunctateFromThePathMenuJoinsTheExampleDrawing)
{
  ASSERT_EQ(hostsim("--open " + example("sketch.svg") + " --select all --menu 'Objects Paths Popup>Junctate' --save '" +
                    appData.file("joined.svg") + "'"),
            0)
      << err;
  const std::string svg = saved("joined.svg");
  EXPECT_EQ(pathCount(svg), 6) << out << err;
  EXPECT_EQ(pathData(svg, "line1"), "M120 180 L200 180") << "the straight junction is dropped";
  const std::string box = pathData(svg, "top");
  EXPECT_EQ(box.back(), 'Z') << "the box closes: " << box;
  EXPECT_EQ(pathData(svg, "wave1").substr(0, 9), "M20 60 C4");
  EXPECT_NE(pathData(svg, "wave1").find(" 200 60"), std::string::npos) << "the wave runs to its far end";
  for (const char* absorbed : {"wave2", "wave3", "right", "bottom", "left", "line2"})
    EXPECT_EQ(pathData(svg, absorbed), "") << absorbed;
  for (const char* kept : {"vee1", "vee2", "lone"})
    EXPECT_NE(pathData(svg, kept), "") << kept;
  EXPECT_NE(out.find("Objects Paths Popup Junctate \"Junctate\""), std::string::npos) << out;
}

TEST_F(Run, TheOptionsOfOneRunAreReadByTheNext)
{
  const std::string join = " --select all --menu 'Objects Paths Popup>Junctate' --save '" +
                           appData.file("joined.svg") + "'";
  ASSERT_EQ(hostsim("--open " + example("near-misses.svg") + join), 0) << err;
  EXPECT_EQ(pathCount(saved("joined.svg")), 5) << "gaps of 1 and more stay open at 0.05";
  std::string prefs = prefsTest::readBytes(prefsPath());
  EXPECT_EQ(prefValue(prefs, "pDist"), "0.05");
  EXPECT_EQ(prefValue(prefs, "pAngle"), "120");

  const size_t at = prefs.find("\"pDist\":0.05");
  ASSERT_NE(at, std::string::npos);
  prefs.replace(at, 12, "\"pDist\":2.5");
  prefsTest::writeBytes(prefsPath(), prefs);
  ASSERT_EQ(hostsim("--open " + example("near-misses.svg") + join), 0) << err;
  EXPECT_EQ(pathCount(saved("joined.svg")), 3) << "both near misses joined; the hidden path stays";
  EXPECT_EQ(prefValue(prefsTest::readBytes(prefsPath()), "pDist"), "2.5");
  EXPECT_EQ(out.find("Welcome"), std::string::npos) << "the second run found its file";
}

TEST_F(Run, TheMenuActionRefusesWhatAUserCouldNotChoose)
{
  const struct
  {
    const char* arguments;
    const char* message;
  } cases[] = {
      {"--menu Junctate", "names several items; choose one of:\n  Tool Palettes>Junctate\n  Objects Paths Popup>Junctate"},
      {"--menu Jun", "no menu item \"Jun\""},
      {"--menu 'Objects Paths Popup>Assimilate'", "\"Objects Paths Popup>Assimilate\" is disabled"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(hostsim("--open " + example("sketch.svg") + " " + c.arguments), 1) << c.arguments;
    EXPECT_NE(err.find(c.message), std::string::npos) << c.arguments << "\n" << err;
  }
}

}  // namespace plugintest

// The hostsim program's document options and the example drawings.
#include "hostsimDocumentOptions.h"
#include "hostsimSvg.h"
#include "hostsimWorkspace.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace documentOptionsTest {
using namespace hostsim;

TEST(DocumentOptions, OpenSelectSave)
{
  std::string in = std::string(QOR_SOURCE_DIR) + "/examples/open-paths.svg";
  std::string out = (std::filesystem::temp_directory_path() / ("opts" + std::to_string(::getpid()) + ".svg")).string();
  const char* args[] = {"hostsim", "--open", in.c_str(), "--select", "top,left", "--save", out.c_str(), "x.so"};
  char** argv = const_cast<char**>(args);
  DocumentOptions opts;
  std::string error;
  int taken = 0;
  for (int i = 1; i < 8; ++i)
    if (opts.take(8, argv, i, error))
      ++taken;
  EXPECT_EQ(taken, 3);
  EXPECT_TRUE(error.empty());
  ASSERT_TRUE(opts.open(error)) << error;
  Document* doc = Workspace::instance().current();
  EXPECT_TRUE(doc->findById("top")->attrs & Art::kSelected);
  EXPECT_TRUE(doc->findById("left")->attrs & Art::kSelected);
  EXPECT_FALSE(doc->findById("right")->attrs & Art::kSelected);
  ASSERT_TRUE(opts.save(error)) << error;
  EXPECT_TRUE(std::filesystem::exists(out));
  std::filesystem::remove(out);

  DocumentOptions missing;
  const char* bad[] = {"hostsim", "--select"};
  int i = 1;
  EXPECT_TRUE(missing.take(2, const_cast<char**>(bad), i, error));
  EXPECT_NE(error.find("--select"), std::string::npos);
  DocumentOptions unknownId;
  unknownId.selection = {"nope"};
  unknownId.selectGiven = true;
  EXPECT_FALSE(unknownId.open(error));
}

TEST(DocumentOptions, ExamplesRead)
{
  for (const auto& entry : std::filesystem::directory_iterator(std::string(QOR_SOURCE_DIR) + "/examples")) {
    if (entry.path().extension() != ".svg")
      continue;
    std::string error;
    EXPECT_TRUE(Workspace::instance().openSvg(entry.path().string(), error)) << error;
  }
}

} // namespace documentOptionsTest

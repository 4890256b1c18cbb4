// The hostsim program's document actions and the example drawings.
#include "hostsimDocumentOptions.h"
#include "hostsimSvg.h"
#include "hostsimWorkspace.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

namespace documentOptionsTest {
using namespace hostsim;

TEST(DocumentOptions, OpenSelectSave)
{
  std::string in = std::string(QOR_SOURCE_DIR) + "/examples/open-paths.svg";
  std::string out = (std::filesystem::temp_directory_path() / ("opts" + std::to_string(::getpid()) + ".svg")).string();
  std::ostringstream err;
  ASSERT_TRUE(DocumentOptions::open(in, err)) << err.str();
  ASSERT_TRUE(DocumentOptions::select("top,,left", err)) << err.str();
  Document* doc = Workspace::instance().current();
  EXPECT_TRUE(doc->findById("top")->attrs & Art::kSelected);
  EXPECT_TRUE(doc->findById("left")->attrs & Art::kSelected);
  EXPECT_FALSE(doc->findById("right")->attrs & Art::kSelected);
  ASSERT_TRUE(DocumentOptions::save(out, err)) << err.str();
  EXPECT_TRUE(std::filesystem::exists(out));
  std::filesystem::remove(out);

  EXPECT_FALSE(DocumentOptions::select("nope", err));
  EXPECT_NE(err.str().find("\"nope\""), std::string::npos);
  EXPECT_FALSE(DocumentOptions::open("/nonexistent/x.svg", err));
  EXPECT_NE(err.str().find("x.svg"), std::string::npos);
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

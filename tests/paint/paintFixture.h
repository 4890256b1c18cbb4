// The plug-in started in-process in the simulated host, as for the artwork tests, with a check at
// tear-down that every gradient, pattern and art-style handle was let go.
#pragma once

#include "artwork/artworkFixture.h"

namespace painttest {

class Paint : public artworktest::Artwork {
protected:
  void TearDown() override
  {
    if (CoreGlobals* globals = qor::core::handleGlobals()) {
      EXPECT_EQ(globals->gradientRegistry.size(), 0u);
      EXPECT_EQ(globals->patternRegistry.size(), 0u);
      EXPECT_EQ(globals->artStyleRegistry.size(), 0u);
    }
    Artwork::TearDown();
  }
};

// Components compared at the precision the host's conversion keeps.
inline void expectNear(const std::vector<double>& actual, const std::vector<double>& expected, const char* what)
{
  ASSERT_EQ(actual.size(), expected.size()) << what;
  for (size_t i = 0; i < actual.size(); ++i)
    EXPECT_NEAR(actual[i], expected[i], 1e-6) << what << ", component " << i;
}

} // namespace painttest

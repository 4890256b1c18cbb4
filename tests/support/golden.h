// Golden pictures: a picture of a window compared with a committed reference PNG under tests/goldens/.
// A failing comparison writes the actual picture and a difference picture (differing pixels red over
// a faded copy) into the build's golden-output folder and names them in the failure. With
// QOR_UPDATE_GOLDENS=1 in the environment the references are rewritten instead.
#pragma once

#include "win/WinTest.h"

#include <gtest/gtest.h>
#include <string>

namespace qortest {

// A pixel differs when one of its channels differs by more than channelTolerance; the pictures match
// when they have the same size and at most maxDifferent pixels differ.
::testing::AssertionResult matchesGolden(const qorwin::Picture& actual, const std::string& name,
                                         int channelTolerance = 24, int maxDifferent = 8);

} // namespace qortest

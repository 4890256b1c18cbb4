// Including every declaration compiles the layout checks of every suite table and record.
#include "hostapi/HostApi.h"

#include <gtest/gtest.h>
#include <type_traits>

TEST(HostApi, FourCharacterCodesPutTheFirstCharacterHighest)
{
  struct Case
  {
    uint32_t code;
    uint32_t expected;
  };
  const Case cases[] = {
      {fourCharCode("SUFE"), 0x53554645u},        {fourCharCode("NIMP"), 0x4E494D50u},
      {fourCharCode("PNGI"), 0x504E4749u},        {fourCharCode("SVG "), 0x53564720u},
      {fourCharCode("SPCk"), kMessageCheckValue}, {fourCharCode("\xff\x80\x01\x00"), 0xFF800100u},
  };
  for (const Case& c : cases)
    EXPECT_EQ(c.code, c.expected);
  EXPECT_EQ(kHostErrNotFound, 0x4E464E44);
  EXPECT_EQ(kHostErrBadParameter, 0x5041524D);
}

TEST(HostApi, HandleKindsAreDistinctTypes)
{
  EXPECT_FALSE((std::is_same_v<ArtHandle, LayerHandle>));
  EXPECT_FALSE((std::is_convertible_v<ArtHandle, LayerHandle>));
  EXPECT_FALSE((std::is_convertible_v<HostString, ArtHandle>));
}

TEST(HostApi, SuiteNamesAndVersions)
{
  EXPECT_STREQ(kArtSuiteName, "AI Art Suite");
  EXPECT_EQ(kArtSuiteVersion, 19);
  EXPECT_EQ(kDocumentSuiteVersion16, 16);
  EXPECT_EQ(kDocumentSuiteVersion19, 19);
  EXPECT_STREQ(kIsolationModeSuiteName, "AI Isolation Mode");
  EXPECT_STREQ(kSpPluginsSuiteName, "SP Plug-ins Suite");
  EXPECT_EQ(std::size(kOnlyAcquiredSuites), 12u);
}

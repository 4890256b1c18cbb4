// Suites the plug-in acquires without calling any of their functions: their names and versions.
#pragma once

#include <cstdint>

inline constexpr const char kAteTextUtilSuiteName[] = "AI ATE Text Util Suite";
inline constexpr int32_t kAteTextUtilSuiteVersion = 4;
inline constexpr const char kArtboardRangeSuiteName[] = "AI Artboard Range Suite";
inline constexpr int32_t kArtboardRangeSuiteVersion = 4;
inline constexpr const char kFileFormatSuiteName[] = "AI File Format Suite";
inline constexpr int32_t kFileFormatSuiteVersion = 14;
inline constexpr const char kFoldersSuiteName[] = "AI Folders Suite";
inline constexpr int32_t kFoldersSuiteVersion = 5;
inline constexpr const char kLiveEffectSuiteName[] = "AI Live Effect Suite";
inline constexpr int32_t kLiveEffectSuiteVersion = 6;
inline constexpr const char kMaskSuiteName[] = "AI Mask Suite";
inline constexpr int32_t kMaskSuiteVersion = 5;
inline constexpr const char kMeshSuiteName[] = "AI Mesh Suite";
inline constexpr int32_t kMeshSuiteVersion = 6;
inline constexpr const char kPlacedSuiteName[] = "AI Placed Suite";
inline constexpr int32_t kPlacedSuiteVersion = 9;
inline constexpr const char kRasterSuiteName[] = "AI Raster Suite";
inline constexpr int32_t kRasterSuiteVersion = 10;
inline constexpr const char kToolboxSuiteName[] = "AI Toolbox Suite";
inline constexpr int32_t kToolboxSuiteVersion = 6;
inline constexpr const char kUIDPoolSuiteName[] = "AI UID Pool Suite";
inline constexpr int32_t kUIDPoolSuiteVersion = 7;
inline constexpr const char kSpSuitesSuiteName[] = "SP Suites Suite";
inline constexpr int32_t kSpSuitesSuiteVersion = 2;

struct OnlyAcquiredSuite
{
  const char* name;
  int32_t version;
};

inline constexpr OnlyAcquiredSuite kOnlyAcquiredSuites[] = {
    {kAteTextUtilSuiteName, kAteTextUtilSuiteVersion},
    {kArtboardRangeSuiteName, kArtboardRangeSuiteVersion},
    {kFileFormatSuiteName, kFileFormatSuiteVersion},
    {kFoldersSuiteName, kFoldersSuiteVersion},
    {kLiveEffectSuiteName, kLiveEffectSuiteVersion},
    {kMaskSuiteName, kMaskSuiteVersion},
    {kMeshSuiteName, kMeshSuiteVersion},
    {kPlacedSuiteName, kPlacedSuiteVersion},
    {kRasterSuiteName, kRasterSuiteVersion},
    {kToolboxSuiteName, kToolboxSuiteVersion},
    {kUIDPoolSuiteName, kUIDPoolSuiteVersion},
    {kSpSuitesSuiteName, kSpSuitesSuiteVersion},
};

// Function table of the host's "AI File Path Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kFilePathSuiteName[] = "AI File Path Suite";
inline constexpr int32_t kFilePathSuiteVersion = 5;

extern "C" {
struct FilePathSuite
{
  HostStubProc reserved0;
  HostErr (*releaseFilePath)(FilePathHandle path);
  HostStubProc reserved2;
  HostStubProc reserved3;
  HostStubProc reserved4;
  HostStubProc reserved5;
  HostStubProc reserved6;
  HostStubProc reserved7;
  HostStubProc reserved8;
  HostStubProc reserved9;
  HostStubProc reserved10;
  HostStubProc reserved11;
  HostStubProc reserved12;
  HostStubProc reserved13;
  HostStubProc reserved14;
  // Builds a path object from a path text.
  HostErr (*filePathFromText)(HostString pathText, bool8 flag, FilePathHandle* outPath);
  HostErr (*filePathFromFileSpec)(const HostFileSpec* spec, FilePathHandle* outPath);
  // The last path component.
  HostErr (*getFilePathFileName)(FilePathHandle path, bool8 flag, HostString* outName);
  HostStubProc reserved18;
  HostStubProc reserved19;
  // The whole path.
  HostErr (*getFilePathFullPath)(FilePathHandle path, bool8 flag, HostString* outPath);
};
}

static_assert(offsetof(FilePathSuite, releaseFilePath) == 1 * sizeof(void*));
static_assert(offsetof(FilePathSuite, filePathFromText) == 15 * sizeof(void*));
static_assert(offsetof(FilePathSuite, filePathFromFileSpec) == 16 * sizeof(void*));
static_assert(offsetof(FilePathSuite, getFilePathFileName) == 17 * sizeof(void*));
static_assert(offsetof(FilePathSuite, getFilePathFullPath) == 20 * sizeof(void*));
static_assert(sizeof(FilePathSuite) == 21 * sizeof(void*));

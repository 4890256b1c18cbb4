// Function table of the host's "AI Annotator Drawer Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kAnnotatorDrawerSuiteName[] = "AI Annotator Drawer Suite";
inline constexpr int32_t kAnnotatorDrawerSuiteVersion = 5;

extern "C" {
struct AnnotatorDrawerSuite
{
  // Channels are 0-65535.
  HostErr (*setDrawColor)(AnnotatorDrawer drawer, const Rgb16Color* color);
  HostStubProc reserved1;
  HostErr (*setDrawLineWidth)(AnnotatorDrawer drawer, double width);
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
  HostStubProc reserved15;
  HostErr (*setDrawFontSize)(AnnotatorDrawer drawer, double points);
  HostStubProc reserved17;
  HostStubProc reserved18;
  HostErr (*setDrawFont)(AnnotatorDrawer drawer, FontKey font);
  HostStubProc reserved20;
  HostStubProc reserved21;
  HostStubProc reserved22;
  HostStubProc reserved23;
  HostStubProc reserved24;
  HostStubProc reserved25;
  HostStubProc reserved26;
  HostStubProc reserved27;
  HostStubProc reserved28;
  HostStubProc reserved29;
  HostStubProc reserved30;
  HostStubProc reserved31;
  HostStubProc reserved32;
  HostStubProc reserved33;
  HostErr (*setDrawOpacity)(AnnotatorDrawer drawer, double opacity);
};
}

static_assert(offsetof(AnnotatorDrawerSuite, setDrawColor) == 0 * sizeof(void*));
static_assert(offsetof(AnnotatorDrawerSuite, setDrawLineWidth) == 2 * sizeof(void*));
static_assert(offsetof(AnnotatorDrawerSuite, setDrawFontSize) == 16 * sizeof(void*));
static_assert(offsetof(AnnotatorDrawerSuite, setDrawFont) == 19 * sizeof(void*));
static_assert(offsetof(AnnotatorDrawerSuite, setDrawOpacity) == 34 * sizeof(void*));
static_assert(sizeof(AnnotatorDrawerSuite) == 35 * sizeof(void*));

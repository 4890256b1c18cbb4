// Function table of the host's "AI Real Bezier Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kRealBezierSuiteName[] = "AI Real Bezier Suite";
inline constexpr int32_t kRealBezierSuiteVersion = 4;

extern "C" {
struct RealBezierSuite
{
  HostStubProc reserved0;
  HostStubProc reserved1;
  HostStubProc reserved2;
  HostErr (*bezierPointAt)(const BezierRecord* curve, double t, RealPoint* outPoint);
  HostStubProc reserved4;
  HostStubProc reserved5;
  // First = p0 … t, second = t … p3.
  HostErr (*splitBezier)(const BezierRecord* curve, double t, BezierRecord* outFirst,
                         BezierRecord* outSecond);
  HostStubProc reserved7;
  // Arc length.
  double (*bezierLength)(const BezierRecord* curve, double flatness);
  HostStubProc reserved9;
  int16_t (*reshapeBezierThroughPoint)(BezierRecord* inOutCurve, const RealPoint* point, double t);
  // Called only for 0 ≤ length ≤ total.
  HostErr (*bezierParameterAtLength)(const BezierRecord* curve, double length, double totalLength,
                                     double flatness, double* outT);
};
}

static_assert(offsetof(RealBezierSuite, bezierPointAt) == 3 * sizeof(void*));
static_assert(offsetof(RealBezierSuite, splitBezier) == 6 * sizeof(void*));
static_assert(offsetof(RealBezierSuite, bezierLength) == 8 * sizeof(void*));
static_assert(offsetof(RealBezierSuite, reshapeBezierThroughPoint) == 10 * sizeof(void*));
static_assert(offsetof(RealBezierSuite, bezierParameterAtLength) == 11 * sizeof(void*));
static_assert(sizeof(RealBezierSuite) == 12 * sizeof(void*));

// Function table of the host's "AI Transform Art Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kTransformArtSuiteName[] = "AI Transform Art Suite";
inline constexpr int32_t kTransformArtSuiteVersion = 3;

extern "C" {
struct TransformArtSuite
{
  // Applies the matrix (row-vector convention, host y-up) to the art's geometry; flags 1 or 65 for plain
  // transforms, 17 or 81 for stroke scaling (identity matrix, line scale = factor), others passed through.
  HostErr (*transformArt)(ArtHandle art, const RealMatrix* matrix, double lineScale, int32_t transformFlags);
};
}

static_assert(offsetof(TransformArtSuite, transformArt) == 0 * sizeof(void*));
static_assert(sizeof(TransformArtSuite) == 1 * sizeof(void*));

// Function table of the host's "AI Document View Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kDocumentViewSuiteName[] = "AI Document View Suite";
inline constexpr int32_t kDocumentViewSuiteVersion = 13;

extern "C" {
struct DocumentViewSuite
{
  // Visible area in document coordinates.
  HostErr (*getViewBounds)(DocViewHandle view, RealRect* outBounds);
  HostErr (*getViewCenter)(DocViewHandle view, RealPoint* outCenter);
  HostErr (*setViewCenter)(DocViewHandle view, const RealPoint* center);
  HostErr (*getViewZoom)(DocViewHandle view, double* outZoom);
  HostErr (*setViewZoom)(DocViewHandle view, double zoom);
  HostErr (*artworkPointToViewPoint)(DocViewHandle view, const RealPoint* artwork, IntPoint* outView);
  HostErr (*viewPointToArtworkPoint)(DocViewHandle view, const IntPoint* viewPoint, RealPoint* outArtwork);
  // Views of the current document (no view argument).
  HostErr (*countViews)(int32_t* outCount);
  // View 0 is the current view.
  HostErr (*getNthView)(int32_t index, DocViewHandle* outView);
  HostStubProc reserved9;
  HostStubProc reserved10;
  // Host modes 0–3.
  HostErr (*setViewMode)(DocViewHandle view, int32_t mode);
  HostErr (*getViewMode)(DocViewHandle view, int32_t* outMode);
};
}

static_assert(offsetof(DocumentViewSuite, getViewBounds) == 0 * sizeof(void*));
static_assert(offsetof(DocumentViewSuite, getViewCenter) == 1 * sizeof(void*));
static_assert(offsetof(DocumentViewSuite, setViewCenter) == 2 * sizeof(void*));
static_assert(offsetof(DocumentViewSuite, getViewZoom) == 3 * sizeof(void*));
static_assert(offsetof(DocumentViewSuite, setViewZoom) == 4 * sizeof(void*));
static_assert(offsetof(DocumentViewSuite, artworkPointToViewPoint) == 5 * sizeof(void*));
static_assert(offsetof(DocumentViewSuite, viewPointToArtworkPoint) == 6 * sizeof(void*));
static_assert(offsetof(DocumentViewSuite, countViews) == 7 * sizeof(void*));
static_assert(offsetof(DocumentViewSuite, getNthView) == 8 * sizeof(void*));
static_assert(offsetof(DocumentViewSuite, setViewMode) == 11 * sizeof(void*));
static_assert(offsetof(DocumentViewSuite, getViewMode) == 12 * sizeof(void*));
static_assert(sizeof(DocumentViewSuite) == 13 * sizeof(void*));

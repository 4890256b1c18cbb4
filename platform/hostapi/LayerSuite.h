// Function table of the host's "AI Layer Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kLayerSuiteName[] = "AI Layer Suite";
inline constexpr int32_t kLayerSuiteVersion = 13;

extern "C" {
struct LayerSuite
{
  // Number of top-level layers.
  HostErr (*countLayers)(int32_t* outCount);
  // Index 0 is the topmost layer.
  HostErr (*getNthLayer)(int32_t index, LayerHandle* outLayer);
  HostErr (*getCurrentLayer)(LayerHandle* outLayer);
  HostStubProc reserved3;
  // Topmost layer.
  HostErr (*getFirstLayer)(LayerHandle* outLayer);
  // Next at the same level, null at the end.
  HostErr (*getNextLayer)(LayerHandle layer, LayerHandle* outNext);
  HostErr (*insertLayer)(LayerHandle relative, int32_t paintOrder, LayerHandle* outLayer);
  HostErr (*deleteLayer)(LayerHandle layer);
  HostErr (*getLayerTitle)(LayerHandle layer, HostString* outTitle);
  HostErr (*setLayerTitle)(LayerHandle layer, HostString title);
  HostErr (*getLayerColor)(LayerHandle layer, Rgb16Color* outColor);
  HostErr (*setLayerColor)(LayerHandle layer, Rgb16Color color);
  HostErr (*getLayerVisible)(LayerHandle layer, bool8* outVisible);
  // Show (true) or hide (false).
  HostErr (*setLayerVisible)(LayerHandle layer, bool8 visible);
  HostErr (*getLayerPreview)(LayerHandle layer, bool8* outPreview);
  HostErr (*setLayerPreview)(LayerHandle layer, bool8 preview);
  // True when the layer is not locked.
  HostErr (*getLayerEditable)(LayerHandle layer, bool8* outEditable);
  HostErr (*setLayerEditable)(LayerHandle layer, bool8 editable);
  HostErr (*getLayerPrinted)(LayerHandle layer, bool8* outPrinted);
  HostErr (*setLayerPrinted)(LayerHandle layer, bool8 printed);
  HostErr (*getLayerDimPlacedImages)(LayerHandle layer, bool8* outDim);
  HostErr (*setLayerDimPlacedImages)(LayerHandle layer, bool8 dim);
  HostStubProc reserved22;
  HostStubProc reserved23;
  HostStubProc reserved24;
  HostErr (*layerHasArt)(LayerHandle layer, bool8* outHasArt);
  HostErr (*layerHasSelectedArt)(LayerHandle layer, bool8* outHasSelected);
  HostErr (*deselectLayerArt)(LayerHandle layer);
  HostStubProc reserved28;
  HostStubProc reserved29;
  HostStubProc reserved30;
  // Previous at the same level; the layer iterator starts here.
  HostErr (*getPreviousLayer)(LayerHandle layer, LayerHandle* outPrevious);
  HostStubProc reserved32;
  HostStubProc reserved33;
  HostErr (*getFirstSublayer)(LayerHandle layer, LayerHandle* outChild);
  // Null for a top-level layer.
  HostErr (*getParentLayer)(LayerHandle layer, LayerHandle* outParent);
  HostStubProc reserved36;
  // Applied only to a sublayer without sublayers; afterwards the layer no longer exists.
  HostErr (*dissolveSublayer)(LayerHandle layer);
  // The next layer in pre-order.
  HostErr (*getLayerPreorderNext)(LayerHandle layer, LayerHandle* outLayer);
};
}

static_assert(offsetof(LayerSuite, countLayers) == 0 * sizeof(void*));
static_assert(offsetof(LayerSuite, getNthLayer) == 1 * sizeof(void*));
static_assert(offsetof(LayerSuite, getCurrentLayer) == 2 * sizeof(void*));
static_assert(offsetof(LayerSuite, getFirstLayer) == 4 * sizeof(void*));
static_assert(offsetof(LayerSuite, getNextLayer) == 5 * sizeof(void*));
static_assert(offsetof(LayerSuite, insertLayer) == 6 * sizeof(void*));
static_assert(offsetof(LayerSuite, deleteLayer) == 7 * sizeof(void*));
static_assert(offsetof(LayerSuite, getLayerTitle) == 8 * sizeof(void*));
static_assert(offsetof(LayerSuite, setLayerTitle) == 9 * sizeof(void*));
static_assert(offsetof(LayerSuite, getLayerColor) == 10 * sizeof(void*));
static_assert(offsetof(LayerSuite, setLayerColor) == 11 * sizeof(void*));
static_assert(offsetof(LayerSuite, getLayerVisible) == 12 * sizeof(void*));
static_assert(offsetof(LayerSuite, setLayerVisible) == 13 * sizeof(void*));
static_assert(offsetof(LayerSuite, getLayerPreview) == 14 * sizeof(void*));
static_assert(offsetof(LayerSuite, setLayerPreview) == 15 * sizeof(void*));
static_assert(offsetof(LayerSuite, getLayerEditable) == 16 * sizeof(void*));
static_assert(offsetof(LayerSuite, setLayerEditable) == 17 * sizeof(void*));
static_assert(offsetof(LayerSuite, getLayerPrinted) == 18 * sizeof(void*));
static_assert(offsetof(LayerSuite, setLayerPrinted) == 19 * sizeof(void*));
static_assert(offsetof(LayerSuite, getLayerDimPlacedImages) == 20 * sizeof(void*));
static_assert(offsetof(LayerSuite, setLayerDimPlacedImages) == 21 * sizeof(void*));
static_assert(offsetof(LayerSuite, layerHasArt) == 25 * sizeof(void*));
static_assert(offsetof(LayerSuite, layerHasSelectedArt) == 26 * sizeof(void*));
static_assert(offsetof(LayerSuite, deselectLayerArt) == 27 * sizeof(void*));
static_assert(offsetof(LayerSuite, getPreviousLayer) == 31 * sizeof(void*));
static_assert(offsetof(LayerSuite, getFirstSublayer) == 34 * sizeof(void*));
static_assert(offsetof(LayerSuite, getParentLayer) == 35 * sizeof(void*));
static_assert(offsetof(LayerSuite, dissolveSublayer) == 37 * sizeof(void*));
static_assert(offsetof(LayerSuite, getLayerPreorderNext) == 38 * sizeof(void*));
static_assert(sizeof(LayerSuite) == 39 * sizeof(void*));

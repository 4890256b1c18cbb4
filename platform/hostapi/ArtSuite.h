// Function table of the host's "AI Art Suite".
#pragma once

#include "hostapi/HostRecords.h"

#include <cstddef>

inline constexpr const char kArtSuiteName[] = "AI Art Suite";
inline constexpr int32_t kArtSuiteVersion = 19;

extern "C" {
struct ArtSuite
{
  HostStubProc reserved0;
  // Removes the art (and its subtree) from the document.
  HostErr (*disposeArt)(ArtHandle art);
  // Orders: 1 above target, 2 below, 3 inside on top, 4 inside at the bottom, 5 above everything, 6 below
  // everything.
  HostErr (*reorderArt)(ArtHandle art, int32_t paintOrder, ArtHandle target);
  // Deep copy placed by the paint orders of reorderArt.
  HostErr (*duplicateArt)(ArtHandle art, int32_t paintOrder, ArtHandle target, ArtHandle* outCopy);
  // The layer's group art.
  HostErr (*getFirstArtOfLayer)(LayerHandle layer, ArtHandle* outGroup);
  // The layer holding the art; for a layer's group art, that layer.
  HostErr (*getLayerOfArt)(ArtHandle art, LayerHandle* outLayer);
  // Types: 1 group, 2 path, 3 compound path, 7 placed, 9 raster, 10 plug-in group, 11 mesh, 12 text frame, 13
  // symbol instance, 14 foreign object, 15 legacy text.
  HostErr (*getArtType)(ArtHandle art, int16_t* outType);
  // Bits: 0x1 selected, 0x2 locked, 0x4 hidden, 0x8 fully selected, 0x1000 clipping mask.
  HostErr (*getArtUserAttributes)(ArtHandle art, int32_t mask, int32_t* outAttributes);
  HostErr (*setArtUserAttributes)(ArtHandle art, int32_t mask, int32_t values);
  // Null at the top.
  HostErr (*getArtParent)(ArtHandle art, ArtHandle* outParent);
  // Null without children.
  HostErr (*getArtFirstChild)(ArtHandle art, ArtHandle* outChild);
  // Null after the last.
  HostErr (*getArtNextSibling)(ArtHandle art, ArtHandle* outSibling);
  // Null before the first.
  HostErr (*getArtPriorSibling)(ArtHandle art, ArtHandle* outSibling);
  HostStubProc reserved13;
  HostErr (*updateArtBounds)(ArtHandle art);
  HostErr (*getArtCenterPointVisible)(ArtHandle art, bool8* outVisible);
  HostErr (*setArtCenterPointVisible)(ArtHandle art, bool8 visible);
  // Bounds (transformed by the matrix when given).
  HostErr (*getArtBounds)(ArtHandle art, const RealMatrix* matrix, int32_t boundsFlags, RealRect* outBounds);
  HostErr (*updateArtLink)(ArtHandle art, bool8 force, bool8* outUpdated);
  // Non-zero while the art exists in the document; false for a disposed handle.
  bool8 (*isArtValid)(ArtHandle art, bool8 flag);
  HostStubProc reserved20;
  HostStubProc reserved21;
  HostStubProc reserved22;
  bool8 (*artHasFill)(ArtHandle art);
  bool8 (*artHasStroke)(ArtHandle art);
  HostStubProc reserved25;
  HostStubProc reserved26;
  HostStubProc reserved27;
  HostStubProc reserved28;
  HostErr (*artQuery29)(ArtHandle art);
  HostStubProc reserved30;
  HostStubProc reserved31;
  // The art's dictionary, created on demand, with a new counted reference.
  HostErr (*getArtDictionary)(ArtHandle art, DictHandle* outDict);
  HostStubProc reserved33;
  HostStubProc reserved34;
  HostStubProc reserved35;
  HostStubProc reserved36;
  // True for a layer's group art.
  HostErr (*isArtLayerGroup)(ArtHandle art, bool8* outIsLayerGroup);
  HostStubProc reserved38;
  HostStubProc reserved39;
  bool8 (*isArtStyled)(ArtHandle art);
  HostStubProc reserved41;
  HostStubProc reserved42;
  HostErr (*getArtLastChild)(ArtHandle art, ArtHandle* outChild);
  HostStubProc reserved44;
  HostStubProc reserved45;
  HostStubProc reserved46;
  HostStubProc reserved47;
  HostStubProc reserved48;
  HostStubProc reserved49;
  HostStubProc reserved50;
  HostStubProc reserved51;
  HostStubProc reserved52;
  HostStubProc reserved53;
  HostStubProc reserved54;
  HostStubProc reserved55;
  HostStubProc reserved56;
  HostStubProc reserved57;
  HostStubProc reserved58;
  HostStubProc reserved59;
  HostStubProc reserved60;
  HostStubProc reserved61;
  HostStubProc reserved62;
  HostStubProc reserved63;
  HostStubProc reserved64;
  HostStubProc reserved65;
  HostStubProc reserved66;
  HostStubProc reserved67;
  HostStubProc reserved68;
  HostStubProc reserved69;
  HostStubProc reserved70;
  HostStubProc reserved71;
  HostStubProc reserved72;
  HostStubProc reserved73;
  // Meaning is the host's; only the call matters.
  HostErr (*artCall74)(ArtHandle art);
};
}

static_assert(offsetof(ArtSuite, disposeArt) == 1 * sizeof(void*));
static_assert(offsetof(ArtSuite, reorderArt) == 2 * sizeof(void*));
static_assert(offsetof(ArtSuite, duplicateArt) == 3 * sizeof(void*));
static_assert(offsetof(ArtSuite, getFirstArtOfLayer) == 4 * sizeof(void*));
static_assert(offsetof(ArtSuite, getLayerOfArt) == 5 * sizeof(void*));
static_assert(offsetof(ArtSuite, getArtType) == 6 * sizeof(void*));
static_assert(offsetof(ArtSuite, getArtUserAttributes) == 7 * sizeof(void*));
static_assert(offsetof(ArtSuite, setArtUserAttributes) == 8 * sizeof(void*));
static_assert(offsetof(ArtSuite, getArtParent) == 9 * sizeof(void*));
static_assert(offsetof(ArtSuite, getArtFirstChild) == 10 * sizeof(void*));
static_assert(offsetof(ArtSuite, getArtNextSibling) == 11 * sizeof(void*));
static_assert(offsetof(ArtSuite, getArtPriorSibling) == 12 * sizeof(void*));
static_assert(offsetof(ArtSuite, updateArtBounds) == 14 * sizeof(void*));
static_assert(offsetof(ArtSuite, getArtCenterPointVisible) == 15 * sizeof(void*));
static_assert(offsetof(ArtSuite, setArtCenterPointVisible) == 16 * sizeof(void*));
static_assert(offsetof(ArtSuite, getArtBounds) == 17 * sizeof(void*));
static_assert(offsetof(ArtSuite, updateArtLink) == 18 * sizeof(void*));
static_assert(offsetof(ArtSuite, isArtValid) == 19 * sizeof(void*));
static_assert(offsetof(ArtSuite, artHasFill) == 23 * sizeof(void*));
static_assert(offsetof(ArtSuite, artHasStroke) == 24 * sizeof(void*));
static_assert(offsetof(ArtSuite, artQuery29) == 29 * sizeof(void*));
static_assert(offsetof(ArtSuite, getArtDictionary) == 32 * sizeof(void*));
static_assert(offsetof(ArtSuite, isArtLayerGroup) == 37 * sizeof(void*));
static_assert(offsetof(ArtSuite, isArtStyled) == 40 * sizeof(void*));
static_assert(offsetof(ArtSuite, getArtLastChild) == 43 * sizeof(void*));
static_assert(offsetof(ArtSuite, artCall74) == 74 * sizeof(void*));
static_assert(sizeof(ArtSuite) == 75 * sizeof(void*));

// Data records that cross the host interface through suite calls: geometry, colours, art and style
// records and the host's service records. Coordinates are the host's: y grows upwards.
#pragma once

#include "hostapi/HostTypes.h"

#include <cstddef>

// ---- Geometry ----

struct RealPoint
{
  double h;
  double v;
};

struct IntPoint
{
  int32_t h;
  int32_t v;
};

// Upright when top >= bottom.
struct RealRect
{
  double left;
  double top;
  double right;
  double bottom;
};

struct IntRect
{
  int32_t left;
  int32_t top;
  int32_t right;
  int32_t bottom;
};

// Row vectors: x' = a x + c y + tx, y' = b x + d y + ty.
struct RealMatrix
{
  double a;
  double b;
  double c;
  double d;
  double tx;
  double ty;
};

struct SizeRecord
{
  double width;
  double height;
};

// `in` is the control point of the curve arriving at the anchor, `out` that of the curve leaving it.
struct PathSegment
{
  RealPoint anchor;
  RealPoint in;
  RealPoint out;
  bool8 corner;
};

struct BezierRecord
{
  RealPoint p0;
  RealPoint p1;
  RealPoint p2;
  RealPoint p3;
};

// ---- Colours ----

enum ColorKind : int32_t
{
  kGrayColor = 0,
  kFourColor = 1,
  kPatternColor = 2,
  kCustomColor = 3,
  kGradientColor = 4,
  kThreeColor = 5,
  kNoneColor = 6,
};

struct GrayColorValue
{
  double gray; // 0 white ... 1 black
};

struct FourColorValue
{
  double cyan;
  double magenta;
  double yellow;
  double black;
};

struct ThreeColorValue
{
  double red;
  double green;
  double blue;
};

struct CustomColorValue
{
  CustomColorHandle color;
  double tint;
};

// Angles in degrees, scales in percent (100 = unscaled).
struct PatternColorValue
{
  PatternHandle pattern;
  double shiftDistance;
  double shiftAngle;
  double scaleX;
  double scaleY;
  double rotation;
  bool8 reflect;
  double reflectAngle;
  double shearAngle;
  double shearAxis;
  RealMatrix transform;
};

struct GradientColorValue
{
  GradientHandle gradient;
  RealPoint origin;
  double angle; // degrees
  double length;
  RealMatrix matrix;
  double highlightAngle; // degrees
  double highlightLength;
};

struct ColorRecord
{
  int32_t kind; // ColorKind
  union {
    GrayColorValue gray;
    FourColorValue cmyk;
    ThreeColorValue rgb;
    CustomColorValue custom;
    PatternColorValue pattern;
    GradientColorValue gradient;
  };
};

struct CustomColorRecord
{
  int32_t kind;     // 0 CMYK, 1 RGB, 2 Lab
  double values[4]; // c, m, y, k / r, g, b / L, a, b
  uint16_t flags;
};

// Positions are in percent.
struct GradientStopRecord
{
  double position1;
  double position2;
  ColorRecord color;
  double opacity;
};

struct Rgb16Color
{
  uint16_t red;
  uint16_t green;
  uint16_t blue;
};

// Alpha first; components 0-1.
struct ThemeColorRecord
{
  double alpha;
  double red;
  double green;
  double blue;
};

struct ColorConvertOptions
{
  int32_t flags;
};

// The first `count` values (at most 6) are used.
struct RealArrayRecord
{
  int16_t count;
  int16_t padding;
  int32_t reserved;
  float values[6];
};

// ---- Art and style records ----

struct MatchSpec
{
  int16_t type; // -1 matches any type
  int32_t whichAttributes;
  int32_t attributes;
};

struct PluginGroupDescription
{
  int32_t majorVersion;
  int32_t minorVersion;
  const char* description;
};

struct FillRecord
{
  ColorRecord color;
  bool8 overprint;
};

struct DashRecord
{
  double lengths[6];
  int16_t count;
  double offset;
};

struct StrokeRecord
{
  ColorRecord color;
  bool8 overprint;
  double width;
  DashRecord dash;
  int32_t cap;  // 0-2
  int32_t join; // 0-2
  double miterLimit;
};

struct PathStyleRecord
{
  bool8 fillUsed;
  FillRecord fill;
  bool8 strokeUsed;
  StrokeRecord stroke;
  bool8 evenOdd;
  double resolution;
};

// The meaning of each word is the host's.
struct FontInfoRecord
{
  int32_t words[15];
};

// ---- Host service records ----

// A block allocated with the SP Blocks suite and the number of characters or bytes in it.
struct SPBlockBuffer
{
  int32_t count;
  void* block;
};

// The module's full path as zero-terminated UTF-8.
struct HostFileSpec
{
  char path[600];
};

struct MenuItemSpec
{
  const char* groupName;
  HostString itemText;
};

struct ArtboardListHolder
{
  ArtboardListRef ref;
};

struct ArtboardPropsHolder
{
  ArtboardPropsRef ref;
};

// The platform event record that comes with tool messages.
struct HostEvent
{
  uint16_t what;
  uint16_t reserved2;
  uint32_t message;
  uint32_t when;
  int32_t whereH;
  int32_t whereV;
  uint16_t modifiers; // kHostEventShift, kHostEventAlt, kHostEventControl
  uint16_t reserved22;
};

inline constexpr uint16_t kHostEventControl = 0x0100;
inline constexpr uint16_t kHostEventShift = 0x0200;
inline constexpr uint16_t kHostEventAlt = 0x0800;

// Resource types served by the data-filter suite.
inline constexpr int32_t kPngResourceType = int32_t(fourCharCode("PNGI"));
inline constexpr int32_t kSvgResourceType = int32_t(fourCharCode("SVG "));
inline constexpr int32_t kSvgUnderscoreResourceType = int32_t(fourCharCode("SVG_"));
inline constexpr int32_t kSpaceSvgResourceType = int32_t(fourCharCode(" SVG"));
// "SVG" right-aligned: the type the build stores SVG resources under.
inline constexpr int32_t kZeroSvgResourceType = 0x00535647;

static_assert(sizeof(RealPoint) == 16);
static_assert(sizeof(IntPoint) == 8);
static_assert(sizeof(RealRect) == 32);
static_assert(sizeof(IntRect) == 16);
static_assert(sizeof(RealMatrix) == 48);
static_assert(sizeof(PathSegment) == 56 && offsetof(PathSegment, corner) == 48);
static_assert(sizeof(BezierRecord) == 64);
static_assert(sizeof(ColorRecord) == 136 && offsetof(ColorRecord, gray) == 8);
static_assert(offsetof(PatternColorValue, reflect) == 48 && offsetof(PatternColorValue, transform) == 80);
static_assert(offsetof(GradientColorValue, highlightLength) == 96);
static_assert(sizeof(CustomColorRecord) == 48);
static_assert(sizeof(GradientStopRecord) == 160);
static_assert(sizeof(Rgb16Color) == 6);
static_assert(sizeof(ThemeColorRecord) == 32);
static_assert(sizeof(RealArrayRecord) == 32);
static_assert(sizeof(MatchSpec) == 12);
static_assert(sizeof(FontInfoRecord) == 60);
static_assert(sizeof(HostFileSpec) == 600);
static_assert(sizeof(HostEvent) == 24);

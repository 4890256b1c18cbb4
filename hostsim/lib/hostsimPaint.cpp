#include "hostsimPaint.h"

namespace hostsim {

ColorRecord PaintColor::record() const
{
  ColorRecord r{};
  r.kind = kind;
  switch (kind) {
  case kCustomColor:
    r.custom = {static_cast<CustomColorHandle>(object), values[1]};
    break;
  case kGradientColor:
    r.gradient = {static_cast<GradientHandle>(object),
                  {origin.h, origin.v},
                  angle,
                  length,
                  {matrix.a, matrix.b, matrix.c, matrix.d, matrix.tx, matrix.ty},
                  highlightAngle,
                  highlightLength};
    break;
  case kPatternColor:
    r.pattern = {static_cast<PatternHandle>(object),
                 shiftDistance,
                 shiftAngle,
                 scaleX,
                 scaleY,
                 rotation,
                 static_cast<bool8>(reflect ? 1 : 0),
                 reflectAngle,
                 shearAngle,
                 shearAxis,
                 {matrix.a, matrix.b, matrix.c, matrix.d, matrix.tx, matrix.ty}};
    break;
  default:
    r.cmyk = {values[0], values[1], values[2], values[3]};
  }
  return r;
}

PaintColor PaintColor::fromRecord(const ColorRecord& r)
{
  PaintColor c;
  c.kind = r.kind;
  auto matrixOf = [](const RealMatrix& m) { return Matrix{m.a, m.b, m.c, m.d, m.tx, m.ty}; };
  switch (r.kind) {
  case kCustomColor:
    c.object = r.custom.color;
    c.values[1] = r.custom.tint;
    break;
  case kGradientColor:
    c.object = r.gradient.gradient;
    c.origin = {r.gradient.origin.h, r.gradient.origin.v};
    c.angle = r.gradient.angle;
    c.length = r.gradient.length;
    c.matrix = matrixOf(r.gradient.matrix);
    c.highlightAngle = r.gradient.highlightAngle;
    c.highlightLength = r.gradient.highlightLength;
    break;
  case kPatternColor:
    c.object = r.pattern.pattern;
    c.shiftDistance = r.pattern.shiftDistance;
    c.shiftAngle = r.pattern.shiftAngle;
    c.scaleX = r.pattern.scaleX;
    c.scaleY = r.pattern.scaleY;
    c.rotation = r.pattern.rotation;
    c.reflect = r.pattern.reflect != 0;
    c.reflectAngle = r.pattern.reflectAngle;
    c.shearAngle = r.pattern.shearAngle;
    c.shearAxis = r.pattern.shearAxis;
    c.matrix = matrixOf(r.pattern.transform);
    break;
  default:
    c.values[0] = r.cmyk.cyan;
    c.values[1] = r.cmyk.magenta;
    c.values[2] = r.cmyk.yellow;
    c.values[3] = r.cmyk.black;
  }
  return c;
}

} // namespace hostsim

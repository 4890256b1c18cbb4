#pragma once
// Plain geometry of the simulated host's document model, in host units with y up.
#include <cmath>
#include <vector>

namespace hostsim {

struct Pt
{
  double h = 0;
  double v = 0;
  bool operator==(const Pt& o) const { return h == o.h && v == o.v; }
  bool operator!=(const Pt& o) const { return !(*this == o); }
};

// Upright when top >= bottom.
struct Rect
{
  double left = 0;
  double top = 0;
  double right = 0;
  double bottom = 0;
};

// Row-vector convention: x' = a·x + c·y + tx, y' = b·x + d·y + ty.
struct Matrix
{
  double a = 1, b = 0, c = 0, d = 1, tx = 0, ty = 0;
  Pt apply(Pt p) const { return {a * p.h + c * p.v + tx, b * p.h + d * p.v + ty}; }
  // This transform followed by o.
  Matrix then(const Matrix& o) const
  {
    return {a * o.a + b * o.c, a * o.b + b * o.d,          c * o.a + d * o.c,
            c * o.b + d * o.d, tx * o.a + ty * o.c + o.tx, tx * o.b + ty * o.d + o.ty};
  }
  bool identity() const { return a == 1 && b == 0 && c == 0 && d == 1 && tx == 0 && ty == 0; }
};

// One anchor of a path: the control point of the curve arriving (in) and of the curve leaving (out).
struct Segment
{
  Pt p;
  Pt in;
  Pt out;
  bool corner = true;
};

class Geometry
{
public:
  static constexpr double kFlatness = 0.009999999776482582;

  // Tight bounds of the cubic p0..p3, merged into r (valid tells whether r holds anything yet).
  static void addCubicBounds(const Pt& p0, const Pt& p1, const Pt& p2, const Pt& p3, Rect& r, bool& valid);
  static double cubicLength(const Pt& p0, const Pt& p1, const Pt& p2, const Pt& p3, double flatness);
  // Twice the signed area swept by the cubic (Green's theorem), counter-clockwise positive.
  static double cubicArea2(const Pt& p0, const Pt& p1, const Pt& p2, const Pt& p3);
  static Pt cubicPoint(const Pt& p0, const Pt& p1, const Pt& p2, const Pt& p3, double t);
  static void splitCubic(const Pt* c, double t, Pt* left, Pt* right);

  static double pathArea(const std::vector<Segment>& segs);
  static double pathLength(const std::vector<Segment>& segs, bool closed, double flatness);
  static bool pathBounds(const std::vector<Segment>& segs, bool closed, Rect& r, bool& valid);
  // True geometric reversal: segment order reversed and each segment's in and out swapped.
  static void reverse(std::vector<Segment>& segs);
  // Smooth when the handles are collinear with the anchor and on opposite sides.
  static bool isCorner(const Segment& s);
};

} // namespace hostsim

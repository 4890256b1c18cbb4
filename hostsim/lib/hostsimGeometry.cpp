#include "hostsimGeometry.h"

#include <algorithm>

namespace hostsim {

namespace hostsimGeometry_detail {

void addPoint(const Pt& p, Rect& r, bool& valid)
{
  if (!valid) {
    r = {p.h, p.v, p.h, p.v};
    valid = true;
    return;
  }
  r.left = std::min(r.left, p.h);
  r.right = std::max(r.right, p.h);
  r.top = std::max(r.top, p.v);
  r.bottom = std::min(r.bottom, p.v);
}

// Parameters in (0, 1) where the derivative of one coordinate of a cubic is zero.
int extremes(double a, double b, double c, double d, double* out)
{
  // derivative / 3 = A t^2 + B t + C
  double A = -a + 3 * b - 3 * c + d;
  double B = 2 * (a - 2 * b + c);
  double C = b - a;
  int n = 0;
  auto keep = [&](double t) {
    if (t > 0 && t < 1)
      out[n++] = t;
  };
  if (std::fabs(A) < 1e-12) {
    if (std::fabs(B) > 1e-12)
      keep(-C / B);
    return n;
  }
  double disc = B * B - 4 * A * C;
  if (disc < 0)
    return 0;
  double s = std::sqrt(disc);
  keep((-B + s) / (2 * A));
  keep((-B - s) / (2 * A));
  return n;
}

double flatLength(const Pt* c, double flatness, int depth)
{
  double chord = std::hypot(c[3].h - c[0].h, c[3].v - c[0].v);
  double poly = std::hypot(c[1].h - c[0].h, c[1].v - c[0].v) + std::hypot(c[2].h - c[1].h, c[2].v - c[1].v) +
                std::hypot(c[3].h - c[2].h, c[3].v - c[2].v);
  if (depth > 24 || poly - chord <= flatness * 0.01)
    return (2 * chord + poly) / 3;
  Pt l[4], r[4];
  Geometry::splitCubic(c, 0.5, l, r);
  return flatLength(l, flatness, depth + 1) + flatLength(r, flatness, depth + 1);
}

} // namespace hostsimGeometry_detail

Pt Geometry::cubicPoint(const Pt& p0, const Pt& p1, const Pt& p2, const Pt& p3, double t)
{
  double u = 1 - t;
  double b0 = u * u * u, b1 = 3 * u * u * t, b2 = 3 * u * t * t, b3 = t * t * t;
  return {b0 * p0.h + b1 * p1.h + b2 * p2.h + b3 * p3.h, b0 * p0.v + b1 * p1.v + b2 * p2.v + b3 * p3.v};
}

void Geometry::splitCubic(const Pt* c, double t, Pt* left, Pt* right)
{
  auto lerp = [t](const Pt& a, const Pt& b) { return Pt{a.h + (b.h - a.h) * t, a.v + (b.v - a.v) * t}; };
  Pt ab = lerp(c[0], c[1]), bc = lerp(c[1], c[2]), cd = lerp(c[2], c[3]);
  Pt abc = lerp(ab, bc), bcd = lerp(bc, cd);
  Pt m = lerp(abc, bcd);
  left[0] = c[0], left[1] = ab, left[2] = abc, left[3] = m;
  right[0] = m, right[1] = bcd, right[2] = cd, right[3] = c[3];
}

void Geometry::addCubicBounds(const Pt& p0, const Pt& p1, const Pt& p2, const Pt& p3, Rect& r, bool& valid)
{
  using namespace hostsimGeometry_detail;
  addPoint(p0, r, valid);
  addPoint(p3, r, valid);
  double ts[4];
  int n = extremes(p0.h, p1.h, p2.h, p3.h, ts);
  n += extremes(p0.v, p1.v, p2.v, p3.v, ts + n);
  for (int i = 0; i < n; ++i)
    addPoint(cubicPoint(p0, p1, p2, p3, ts[i]), r, valid);
}

double Geometry::cubicLength(const Pt& p0, const Pt& p1, const Pt& p2, const Pt& p3, double flatness)
{
  Pt c[4] = {p0, p1, p2, p3};
  if (!(flatness > 0))
    flatness = kFlatness;
  return hostsimGeometry_detail::flatLength(c, flatness, 0);
}

double Geometry::cubicArea2(const Pt& p0, const Pt& p1, const Pt& p2, const Pt& p3)
{
  // x·y' − y·x' is a polynomial of degree 5: three-point Gauss–Legendre is exact.
  static const double nodes[3] = {0.5 - 0.5 * std::sqrt(0.6), 0.5, 0.5 + 0.5 * std::sqrt(0.6)};
  static const double weights[3] = {5.0 / 18, 8.0 / 18, 5.0 / 18};
  double sum = 0;
  for (int i = 0; i < 3; ++i) {
    double t = nodes[i], u = 1 - t;
    Pt p = cubicPoint(p0, p1, p2, p3, t);
    double dx = 3 * (u * u * (p1.h - p0.h) + 2 * u * t * (p2.h - p1.h) + t * t * (p3.h - p2.h));
    double dy = 3 * (u * u * (p1.v - p0.v) + 2 * u * t * (p2.v - p1.v) + t * t * (p3.v - p2.v));
    sum += weights[i] * (p.h * dy - p.v * dx);
  }
  return sum;
}

double Geometry::pathArea(const std::vector<Segment>& segs)
{
  size_t n = segs.size();
  if (n < 2)
    return 0;
  double twice = 0;
  for (size_t i = 0; i < n; ++i) {
    const Segment& a = segs[i];
    const Segment& b = segs[(i + 1) % n];
    twice += cubicArea2(a.p, a.out, b.in, b.p);
  }
  return twice / 2;
}

double Geometry::pathLength(const std::vector<Segment>& segs, bool closed, double flatness)
{
  size_t n = segs.size();
  if (n < 2)
    return 0;
  double total = 0;
  size_t pieces = closed ? n : n - 1;
  for (size_t i = 0; i < pieces; ++i) {
    const Segment& a = segs[i];
    const Segment& b = segs[(i + 1) % n];
    total += cubicLength(a.p, a.out, b.in, b.p, flatness);
  }
  return total;
}

bool Geometry::pathBounds(const std::vector<Segment>& segs, bool closed, Rect& r, bool& valid)
{
  size_t n = segs.size();
  if (n == 0)
    return valid;
  if (n == 1) {
    hostsimGeometry_detail::addPoint(segs[0].p, r, valid);
    return valid;
  }
  size_t pieces = closed ? n : n - 1;
  for (size_t i = 0; i < pieces; ++i) {
    const Segment& a = segs[i];
    const Segment& b = segs[(i + 1) % n];
    addCubicBounds(a.p, a.out, b.in, b.p, r, valid);
  }
  return valid;
}

void Geometry::reverse(std::vector<Segment>& segs)
{
  std::reverse(segs.begin(), segs.end());
  for (Segment& s : segs)
    std::swap(s.in, s.out);
}

bool Geometry::isCorner(const Segment& s)
{
  if (s.in == s.p || s.out == s.p)
    return true;
  double ax = s.in.h - s.p.h, ay = s.in.v - s.p.v;
  double bx = s.out.h - s.p.h, by = s.out.v - s.p.v;
  double cross = ax * by - ay * bx;
  double dot = ax * bx + ay * by;
  double scale = std::hypot(ax, ay) * std::hypot(bx, by);
  return !(dot < 0 && std::fabs(cross) <= 1e-9 * scale);
}

} // namespace hostsim

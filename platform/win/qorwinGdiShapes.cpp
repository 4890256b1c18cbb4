// Shapes of the GDI built on its lines: PolyDraw's figures of lines and Beziers.
#include "win/WinGdi.h"

#include <algorithm>
#include <cmath>

namespace qorwinGdiShapes_detail {

// Segments a cubic Bezier is drawn with: enough that no segment is much longer than two pixels.
int bezierSteps(const POINT& a, const POINT& b, const POINT& c, const POINT& d)
{
  auto dist = [](const POINT& p, const POINT& q) { return std::hypot(double(q.x - p.x), double(q.y - p.y)); };
  const double length = dist(a, b) + dist(b, c) + dist(c, d);
  return std::max(1, std::min(64, static_cast<int>(std::ceil(length / 2.0))));
}

} // namespace qorwinGdiShapes_detail

BOOL PolyDraw(HDC dc, const POINT* points, const BYTE* types, int count)
{
  if (!dc || count < 0 || (count > 0 && (!points || !types)))
    return FALSE;
  // Every type is checked before anything is drawn, as are the Beziers' three points.
  for (int i = 0; i < count; ++i) {
    const BYTE kind = types[i] & ~PT_CLOSEFIGURE;
    if (kind == PT_BEZIERTO) {
      if (i + 2 >= count || (types[i + 1] & ~PT_CLOSEFIGURE) != PT_BEZIERTO ||
          (types[i + 2] & ~PT_CLOSEFIGURE) != PT_BEZIERTO)
        return FALSE;
      i += 2;
    } else if (kind != PT_LINETO && types[i] != PT_MOVETO) {
      return FALSE;
    }
  }
  POINT start{0, 0};
  MoveToEx(dc, 0, 0, &start);
  MoveToEx(dc, start.x, start.y, nullptr);
  POINT current = start;
  for (int i = 0; i < count; ++i) {
    const BYTE type = types[i];
    if (type == PT_MOVETO) {
      MoveToEx(dc, points[i].x, points[i].y, nullptr);
      start = current = points[i];
      continue;
    }
    if ((type & ~PT_CLOSEFIGURE) == PT_LINETO) {
      LineTo(dc, points[i].x, points[i].y);
      current = points[i];
    } else {
      const POINT& b = points[i];
      const POINT& c = points[i + 1];
      const POINT& d = points[i + 2];
      const int steps = qorwinGdiShapes_detail::bezierSteps(current, b, c, d);
      for (int k = 1; k <= steps; ++k) {
        const double t = double(k) / steps, u = 1.0 - t;
        const double x = u * u * u * current.x + 3 * u * u * t * b.x + 3 * u * t * t * c.x + t * t * t * d.x;
        const double y = u * u * u * current.y + 3 * u * u * t * b.y + 3 * u * t * t * c.y + t * t * t * d.y;
        LineTo(dc, static_cast<int>(std::lround(x)), static_cast<int>(std::lround(y)));
      }
      current = d;
      i += 2;
    }
    if (types[i] & PT_CLOSEFIGURE) {
      LineTo(dc, start.x, start.y);
      current = start;
    }
  }
  return TRUE;
}

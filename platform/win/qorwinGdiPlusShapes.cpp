// GDI+ shapes made of paths: ellipses and polygons, filled as their paths are.
#include "win/GdiPlus.h"

namespace Gdiplus {

Status Graphics::FillEllipse(const Brush* brush, REAL x, REAL y, REAL width, REAL height)
{
  GraphicsPath path;
  path.AddArc(x, y, width, height, 0.0f, 360.0f);
  path.CloseFigure();
  return FillPath(brush, &path);
}

Status Graphics::FillEllipse(const Brush* brush, INT x, INT y, INT width, INT height)
{
  return FillEllipse(brush, REAL(x), REAL(y), REAL(width), REAL(height));
}

Status Graphics::FillPolygon(const Brush* brush, const PointF* points, INT count, FillMode mode)
{
  if (!points || count < 3)
    return InvalidParameter;
  GraphicsPath path(mode);
  for (INT i = 0; i + 1 < count; ++i)
    path.AddLine(points[i].X, points[i].Y, points[i + 1].X, points[i + 1].Y);
  path.CloseFigure();
  return FillPath(brush, &path);
}

} // namespace Gdiplus

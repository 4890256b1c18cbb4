// GDI+ shapes made of paths: ellipses and polygons, filled as their paths are.
#include "win/GdiPlus.h"
#include "win/WinTest.h"

#include <cairo.h>

#include <cmath>

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

Status Graphics::DrawPath(const Pen* pen, const GraphicsPath* path)
{
  if (!pen || !path)
    return InvalidParameter;
  const Color color = pen->GetColor();
  cairo_surface_t* scratch = nullptr;
  cairo_t* cr = static_cast<cairo_t*>(cairo_);
  if (window_ && !cairo_) {
    scratch = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, nullptr);
    cr = cairo_create(scratch);
  } else if (!cairo_) {
    return WrongState;
  }
  cairo_save(cr);
  tracePath(cr, path);
  cairo_set_line_width(cr, pen->GetWidth() > 0 ? pen->GetWidth() : 1.0);
  cairo_set_antialias(cr, smoothing_ == SmoothingModeAntiAlias || smoothing_ == SmoothingModeHighQuality
                              ? CAIRO_ANTIALIAS_DEFAULT
                              : CAIRO_ANTIALIAS_NONE);
  if (window_) {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    cairo_stroke_extents(cr, &x1, &y1, &x2, &y2);
    record(qorwin::GdiPlusRecord::DrawPath,
           Rect(INT(std::floor(x1)), INT(std::floor(y1)), INT(std::ceil(x2) - std::floor(x1)),
                INT(std::ceil(y2) - std::floor(y1))),
           color.GetValue(), nullptr);
  }
  if (scratch) {
    cairo_restore(cr);
    cairo_destroy(cr);
    cairo_surface_destroy(scratch);
    return Ok;
  }
  cairo_set_source_rgba(cr, color.GetR() / 255.0, color.GetG() / 255.0, color.GetB() / 255.0, color.GetA() / 255.0);
  cairo_stroke(cr);
  cairo_restore(cr);
  return Ok;
}

Status Graphics::DrawLine(const Pen* pen, REAL x1, REAL y1, REAL x2, REAL y2)
{
  GraphicsPath path;
  path.AddLine(x1, y1, x2, y2);
  return DrawPath(pen, &path);
}

Status Graphics::DrawEllipse(const Pen* pen, REAL x, REAL y, REAL width, REAL height)
{
  GraphicsPath path;
  path.AddArc(x, y, width, height, 0.0f, 360.0f);
  path.CloseFigure();
  return DrawPath(pen, &path);
}

} // namespace Gdiplus

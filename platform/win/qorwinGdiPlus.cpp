// GDI+ over Cairo. Bitmaps are Cairo ARGB32 image surfaces (premultiplied, as GDI+ keeps its
// 32bppPARGB working format); PNG data is decoded with Cairo's own PNG reader.
#include "qorwinPaint.h"
#include "win/GdiPlus.h"
#include "win/WinGdi.h"

#include <cairo.h>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <map>
#include <mutex>
#include <string>

namespace qorwinGdiPlus_detail {

class MemStream : public IStream
{
public:
  MemStream(const BYTE* data, UINT size) : bytes_(reinterpret_cast<const char*>(data), size) {}
  ULONG AddRef() override { return ++count_; }
  ULONG Release() override
  {
    const ULONG left = --count_;
    if (left == 0)
      delete this;
    return left;
  }
  LONG Read(void* out, ULONG size, ULONG* read) override
  {
    const size_t n = std::min<size_t>(size, bytes_.size() - position_);
    std::memcpy(out, bytes_.data() + position_, n);
    position_ += n;
    if (read)
      *read = ULONG(n);
    return n == size ? 0 : 1; // S_FALSE at the end, as the shell's streams answer
  }

private:
  std::string bytes_;
  size_t position_ = 0;
  std::atomic<ULONG> count_{1};
};

cairo_status_t readStream(void* closure, unsigned char* data, unsigned int length)
{
  ULONG read = 0;
  static_cast<IStream*>(closure)->Read(data, length, &read);
  return read == length ? CAIRO_STATUS_SUCCESS : CAIRO_STATUS_READ_ERROR;
}

cairo_surface_t* surfaceOf(void* surface)
{
  return static_cast<cairo_surface_t*>(surface);
}

cairo_t* cairoOf(void* cr)
{
  return static_cast<cairo_t*>(cr);
}

void setSource(cairo_t* cr, const Gdiplus::Color& color)
{
  cairo_set_source_rgba(cr, color.GetR() / 255.0, color.GetG() / 255.0, color.GetB() / 255.0, color.GetA() / 255.0);
}

bool solidColor(const Gdiplus::Brush* brush, Gdiplus::Color* color)
{
  const auto* solid = dynamic_cast<const Gdiplus::SolidBrush*>(brush);
  if (!solid)
    return false;
  *color = solid->GetColor();
  return true;
}

struct Records
{
  std::mutex lock;
  std::map<HWND, std::vector<qorwin::GdiPlusRecord>> byWindow;
};

Records& records()
{
  static Records* all = new Records(); // never destroyed: drawing may happen during static destruction
  return *all;
}

} // namespace qorwinGdiPlus_detail

IStream* SHCreateMemStream(const BYTE* data, UINT size)
{
  if (!data)
    return nullptr;
  return new qorwinGdiPlus_detail::MemStream(data, size);
}

namespace Gdiplus {

Image::~Image()
{
  if (surface_)
    cairo_surface_destroy(qorwinGdiPlus_detail::surfaceOf(surface_));
}

UINT Image::GetWidth() const
{
  return surface_ ? UINT(cairo_image_surface_get_width(qorwinGdiPlus_detail::surfaceOf(surface_))) : 0;
}

UINT Image::GetHeight() const
{
  return surface_ ? UINT(cairo_image_surface_get_height(qorwinGdiPlus_detail::surfaceOf(surface_))) : 0;
}

Bitmap::Bitmap(IStream* stream, BOOL)
{
  if (!stream) {
    status_ = InvalidParameter;
    return;
  }
  cairo_surface_t* surface = cairo_image_surface_create_from_png_stream(qorwinGdiPlus_detail::readStream, stream);
  if (cairo_surface_status(surface) != CAIRO_STATUS_SUCCESS) {
    cairo_surface_destroy(surface);
    status_ = UnknownImageFormat;
    return;
  }
  // Always hold ARGB32, whatever the PNG's own layout, so pixel reads and drawing have one form.
  surface = qorwin_detail::inArgb32(surface);
  surface_ = surface;
}

Bitmap::Bitmap(INT width, INT height, PixelFormat format)
{
  format_ = format;
  if (width <= 0 || height <= 0) {
    status_ = InvalidParameter;
    return;
  }
  surface_ = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
}

Bitmap::Bitmap(INT width, INT height, INT stride, PixelFormat format, const BYTE* pixels)
{
  format_ = format;
  if (width <= 0 || height <= 0 || !pixels || stride < width * 4) {
    status_ = InvalidParameter;
    return;
  }
  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  cairo_surface_flush(surface);
  unsigned char* target = cairo_image_surface_get_data(surface);
  const int targetStride = cairo_image_surface_get_stride(surface);
  const bool opaque = format != PixelFormat32bppARGB;
  for (int y = 0; y < height; ++y) {
    auto* out = reinterpret_cast<uint32_t*>(target + y * targetStride);
    const BYTE* in = pixels + y * stride;
    for (int x = 0; x < width; ++x) {
      const uint32_t a = opaque ? 255 : in[x * 4 + 3];
      const uint32_t r = in[x * 4 + 2] * a / 255, g = in[x * 4 + 1] * a / 255, b = in[x * 4] * a / 255;
      out[x] = a << 24 | r << 16 | g << 8 | b;
    }
  }
  cairo_surface_mark_dirty(surface);
  surface_ = surface;
}

Bitmap* Bitmap::Clone(const Rect& rect, PixelFormat format) const
{
  if (!surface_ || rect.X < 0 || rect.Y < 0 || rect.Width <= 0 || rect.Height <= 0 ||
      UINT(rect.X + rect.Width) > GetWidth() || UINT(rect.Y + rect.Height) > GetHeight())
    return nullptr;
  auto* copy = new Bitmap(rect.Width, rect.Height, format);
  cairo_t* cr = cairo_create(qorwinGdiPlus_detail::surfaceOf(copy->surface_));
  cairo_set_source_surface(cr, qorwinGdiPlus_detail::surfaceOf(surface_), -rect.X, -rect.Y);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_paint(cr);
  cairo_destroy(cr);
  return copy;
}

Status Bitmap::GetPixel(INT x, INT y, Color* color) const
{
  if (!surface_ || !color || x < 0 || y < 0 || UINT(x) >= GetWidth() || UINT(y) >= GetHeight())
    return InvalidParameter;
  cairo_surface_t* surface = qorwinGdiPlus_detail::surfaceOf(surface_);
  cairo_surface_flush(surface);
  const uint32_t p = reinterpret_cast<const uint32_t*>(cairo_image_surface_get_data(surface) +
                                                       y * cairo_image_surface_get_stride(surface))[x];
  *color = Color(qorwin_detail::unpremultiplied(p));
  return Ok;
}

Status Bitmap::SetPixel(INT x, INT y, const Color& color)
{
  if (!surface_ || x < 0 || y < 0 || UINT(x) >= GetWidth() || UINT(y) >= GetHeight())
    return InvalidParameter;
  cairo_surface_t* surface = qorwinGdiPlus_detail::surfaceOf(surface_);
  cairo_surface_flush(surface);
  const uint32_t a = color.GetA();
  reinterpret_cast<uint32_t*>(cairo_image_surface_get_data(surface) + y * cairo_image_surface_get_stride(surface))[x] =
      a << 24 | (color.GetR() * a / 255) << 16 | (color.GetG() * a / 255) << 8 | color.GetB() * a / 255;
  cairo_surface_mark_dirty(surface);
  return Ok;
}

Status GraphicsPath::AddLine(REAL x1, REAL y1, REAL x2, REAL y2)
{
  parts_.push_back({0, x1, y1, x2, y2, 0, 0, 0, 0});
  return Ok;
}

Status GraphicsPath::AddArc(REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle)
{
  if (width <= 0 || height <= 0)
    return InvalidParameter;
  parts_.push_back({1, x, y, width, height, startAngle, sweepAngle, 0, 0});
  return Ok;
}

Status GraphicsPath::AddRectangle(const RectF& rect)
{
  StartFigure();
  AddLine(rect.X, rect.Y, rect.X + rect.Width, rect.Y);
  AddLine(rect.X + rect.Width, rect.Y + rect.Height, rect.X, rect.Y + rect.Height);
  return CloseFigure();
}

Status GraphicsPath::AddBezier(REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3, REAL x4, REAL y4)
{
  parts_.push_back({4, x1, y1, x2, y2, x3, y3, x4, y4});
  return Ok;
}

Status GraphicsPath::CloseFigure()
{
  parts_.push_back({2, 0, 0, 0, 0, 0, 0, 0, 0});
  return Ok;
}

Status GraphicsPath::StartFigure()
{
  parts_.push_back({3, 0, 0, 0, 0, 0, 0, 0, 0});
  return Ok;
}

Graphics::Graphics(Image* image)
{
  if (!image || !image->surface_) {
    status_ = InvalidParameter;
    return;
  }
  cairo_ = cairo_create(qorwinGdiPlus_detail::surfaceOf(image->surface_));
  cairo_set_antialias(qorwinGdiPlus_detail::cairoOf(cairo_), CAIRO_ANTIALIAS_NONE);
}

Graphics::Graphics(HDC dc) : window_(WindowFromDC(dc))
{
  if (!dc)
    status_ = InvalidParameter;
  else
    cairo_ = qorwin_detail::dcCairo(dc);
}

void Graphics::record(int op, const Rect& rect, ARGB color, const Image* image)
{
  qorwin::GdiPlusRecord entry{qorwin::GdiPlusRecord::Op(op), rect, color};
  if (image) {
    entry.imageWidth = image->GetWidth();
    entry.imageHeight = image->GetHeight();
    Color corner, center;
    if (const auto* bitmap = dynamic_cast<const Bitmap*>(image)) {
      if (bitmap->GetPixel(0, 0, &corner) == Ok)
        entry.imageCorner = corner.GetValue();
      if (bitmap->GetPixel(INT(entry.imageWidth / 2), INT(entry.imageHeight / 2), &center) == Ok)
        entry.imageCenter = center.GetValue();
    }
  }
  auto& all = qorwinGdiPlus_detail::records();
  std::lock_guard<std::mutex> hold(all.lock);
  all.byWindow[window_].push_back(entry);
}

Graphics::~Graphics()
{
  if (cairo_)
    cairo_destroy(qorwinGdiPlus_detail::cairoOf(cairo_));
}

Status Graphics::Clear(const Color& color)
{
  if (window_)
    record(qorwin::GdiPlusRecord::Clear, Rect(), color.GetValue(), nullptr);
  if (!cairo_)
    return window_ ? Ok : WrongState;
  cairo_t* cr = qorwinGdiPlus_detail::cairoOf(cairo_);
  cairo_save(cr);
  qorwinGdiPlus_detail::setSource(cr, color);
  cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_paint(cr);
  cairo_restore(cr);
  return Ok;
}

Status Graphics::FillRectangle(const Brush* brush, INT x, INT y, INT width, INT height)
{
  Color color;
  if (!qorwinGdiPlus_detail::solidColor(brush, &color))
    return InvalidParameter;
  if (window_)
    record(qorwin::GdiPlusRecord::FillRectangle, Rect(x, y, width, height), color.GetValue(), nullptr);
  if (!cairo_)
    return window_ ? Ok : WrongState;
  cairo_t* cr = qorwinGdiPlus_detail::cairoOf(cairo_);
  cairo_save(cr);
  qorwinGdiPlus_detail::setSource(cr, color);
  if (compositing_ == CompositingModeSourceCopy)
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_rectangle(cr, x, y, width, height);
  cairo_fill(cr);
  cairo_restore(cr);
  return Ok;
}

void Graphics::tracePath(void* context, const GraphicsPath* path)
{
  cairo_t* cr = qorwinGdiPlus_detail::cairoOf(context);
  cairo_new_path(cr);
  bool figureOpen = false;
  for (const GraphicsPath::Part& part : path->parts_) {
    switch (part.kind) {
    case 0:
      if (figureOpen)
        cairo_line_to(cr, part.a, part.b);
      else
        cairo_move_to(cr, part.a, part.b);
      cairo_line_to(cr, part.c, part.d);
      figureOpen = true;
      break;
    case 1: {
      const double start = part.e * M_PI / 180.0, end = (part.e + part.f) * M_PI / 180.0;
      if (!figureOpen)
        cairo_new_sub_path(cr);
      cairo_save(cr);
      cairo_translate(cr, part.a + part.c / 2.0, part.b + part.d / 2.0);
      cairo_scale(cr, part.c / 2.0, part.d / 2.0);
      if (part.f >= 0)
        cairo_arc(cr, 0, 0, 1, start, end);
      else
        cairo_arc_negative(cr, 0, 0, 1, start, end);
      cairo_restore(cr);
      figureOpen = true;
      break;
    }
    case 4:
      if (figureOpen)
        cairo_line_to(cr, part.a, part.b);
      else
        cairo_move_to(cr, part.a, part.b);
      cairo_curve_to(cr, part.c, part.d, part.e, part.f, part.g, part.h);
      figureOpen = true;
      break;
    case 2:
      if (figureOpen)
        cairo_close_path(cr);
      figureOpen = false;
      break;
    default:
      figureOpen = false;
      break;
    }
  }
}

Status Graphics::FillPath(const Brush* brush, const GraphicsPath* path)
{
  Color color;
  if (!path || !qorwinGdiPlus_detail::solidColor(brush, &color))
    return InvalidParameter;
  cairo_surface_t* scratch = nullptr;
  cairo_t* cr = qorwinGdiPlus_detail::cairoOf(cairo_);
  if (window_ && !cairo_) {
    // The path is laid out on a scratch surface only to find its bounds for the record.
    scratch = cairo_recording_surface_create(CAIRO_CONTENT_COLOR_ALPHA, nullptr);
    cr = cairo_create(scratch);
  } else if (!cairo_) {
    return WrongState;
  }
  cairo_save(cr);
  tracePath(cr, path);
  cairo_set_fill_rule(cr, path->mode_ == FillModeWinding ? CAIRO_FILL_RULE_WINDING : CAIRO_FILL_RULE_EVEN_ODD);
  cairo_set_antialias(cr, smoothing_ == SmoothingModeAntiAlias || smoothing_ == SmoothingModeHighQuality
                              ? CAIRO_ANTIALIAS_DEFAULT
                              : CAIRO_ANTIALIAS_NONE);
  if (window_) {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    cairo_path_extents(cr, &x1, &y1, &x2, &y2);
    record(qorwin::GdiPlusRecord::FillPath,
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
  qorwinGdiPlus_detail::setSource(cr, color);
  cairo_fill(cr);
  cairo_restore(cr);
  return Ok;
}

Status Graphics::DrawImage(Image* image, INT x, INT y, INT width, INT height)
{
  if (!image || !image->surface_ || width <= 0 || height <= 0)
    return InvalidParameter;
  if (window_)
    record(qorwin::GdiPlusRecord::DrawImage, Rect(x, y, width, height), 0, image);
  if (!cairo_)
    return window_ ? Ok : WrongState;
  cairo_t* cr = qorwinGdiPlus_detail::cairoOf(cairo_);
  cairo_save(cr);
  cairo_translate(cr, x, y);
  cairo_scale(cr, double(width) / image->GetWidth(), double(height) / image->GetHeight());
  cairo_set_source_surface(cr, qorwinGdiPlus_detail::surfaceOf(image->surface_), 0, 0);
  cairo_pattern_set_filter(cairo_get_source(cr), CAIRO_FILTER_GOOD);
  if (compositing_ == CompositingModeSourceCopy)
    cairo_set_operator(cr, CAIRO_OPERATOR_SOURCE);
  cairo_rectangle(cr, 0, 0, image->GetWidth(), image->GetHeight());
  cairo_fill(cr);
  cairo_restore(cr);
  return Ok;
}

Status Graphics::DrawImage(Image* image, INT x, INT y)
{
  if (!image)
    return InvalidParameter;
  return DrawImage(image, x, y, INT(image->GetWidth()), INT(image->GetHeight()));
}

Status Graphics::SetSmoothingMode(SmoothingMode mode)
{
  smoothing_ = mode;
  return Ok;
}

Status Graphics::SetCompositingMode(CompositingMode mode)
{
  compositing_ = mode;
  return Ok;
}

} // namespace Gdiplus

namespace qorwin {

std::vector<GdiPlusRecord> gdiPlusRecords(HWND window)
{
  auto& all = qorwinGdiPlus_detail::records();
  std::lock_guard<std::mutex> hold(all.lock);
  auto found = all.byWindow.find(window);
  return found == all.byWindow.end() ? std::vector<GdiPlusRecord>() : found->second;
}

void clearGdiPlusRecords()
{
  auto& all = qorwinGdiPlus_detail::records();
  std::lock_guard<std::mutex> hold(all.lock);
  all.byWindow.clear();
}

} // namespace qorwin

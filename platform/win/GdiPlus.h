// GDI+ of the Windows layer: ARGB bitmaps decoded from PNG streams, solid fills, paths and image
// drawing, over Cairo image surfaces. Only what the framework's image widgets and painters use.
#pragma once

#include "win/WinTypes.h"

#include <vector>

// A read-only byte stream, as the shell's memory streams are. The stream keeps its own copy.
struct IStream
{
  virtual ULONG AddRef() = 0;
  virtual ULONG Release() = 0;
  // Copies up to size bytes from the current position; *read (when given) gets the count.
  virtual LONG Read(void* out, ULONG size, ULONG* read) = 0;

protected:
  virtual ~IStream() = default;
};

// A new stream (reference count 1) over a copy of the bytes; null for a null buffer.
IStream* SHCreateMemStream(const BYTE* data, UINT size);

namespace Gdiplus {

typedef float REAL;
typedef DWORD ARGB;
typedef INT PixelFormat;

enum Status
{
  Ok = 0,
  GenericError = 1,
  InvalidParameter = 2,
  OutOfMemory = 3,
  NotImplemented = 6,
  WrongState = 8,
  UnknownImageFormat = 13,
};

#define PixelFormat24bppRGB 0x00021808
#define PixelFormat32bppRGB 0x00022009
#define PixelFormat32bppARGB 0x0026200A

enum SmoothingMode
{
  SmoothingModeDefault = 0,
  SmoothingModeHighSpeed = 1,
  SmoothingModeHighQuality = 2,
  SmoothingModeNone = 3,
  SmoothingModeAntiAlias = 4,
};

enum CompositingMode
{
  CompositingModeSourceOver = 0,
  CompositingModeSourceCopy = 1,
};

enum FillMode
{
  FillModeAlternate = 0,
  FillModeWinding = 1,
};

class Color
{
public:
  Color() : argb_(0xFF000000u) {}
  Color(BYTE r, BYTE g, BYTE b) : argb_(MakeARGB(255, r, g, b)) {}
  Color(BYTE a, BYTE r, BYTE g, BYTE b) : argb_(MakeARGB(a, r, g, b)) {}
  explicit Color(ARGB argb) : argb_(argb) {}

  BYTE GetA() const { return BYTE(argb_ >> 24); }
  BYTE GetR() const { return BYTE(argb_ >> 16); }
  BYTE GetG() const { return BYTE(argb_ >> 8); }
  BYTE GetB() const { return BYTE(argb_); }
  ARGB GetValue() const { return argb_; }
  bool operator==(const Color& other) const { return argb_ == other.argb_; }

  static ARGB MakeARGB(BYTE a, BYTE r, BYTE g, BYTE b) { return ARGB(a) << 24 | ARGB(r) << 16 | ARGB(g) << 8 | b; }

private:
  ARGB argb_;
};

struct Rect
{
  INT X = 0, Y = 0, Width = 0, Height = 0;
  Rect() = default;
  Rect(INT x, INT y, INT width, INT height) : X(x), Y(y), Width(width), Height(height) {}
};

struct RectF
{
  REAL X = 0, Y = 0, Width = 0, Height = 0;
  RectF() = default;
  RectF(REAL x, REAL y, REAL width, REAL height) : X(x), Y(y), Width(width), Height(height) {}
};

struct PointF
{
  REAL X = 0, Y = 0;
  PointF() = default;
  PointF(REAL x, REAL y) : X(x), Y(y) {}
};

class Graphics;

class Image
{
public:
  Image(const Image&) = delete;
  Image& operator=(const Image&) = delete;
  virtual ~Image();

  UINT GetWidth() const;
  UINT GetHeight() const;
  PixelFormat GetPixelFormat() const { return format_; }
  Status GetLastStatus() const { return status_; }

protected:
  Image() = default;
  friend class Graphics;
  void* surface_ = nullptr; // the Cairo image surface, premultiplied ARGB
  PixelFormat format_ = PixelFormat32bppARGB;
  Status status_ = Ok;
};

class Bitmap : public Image
{
public:
  // Decodes a PNG stream; GetLastStatus tells whether it worked. Colour management is never applied.
  Bitmap(IStream* stream, BOOL useEmbeddedColorManagement = FALSE);
  // A new bitmap cleared to transparent black.
  Bitmap(INT width, INT height, PixelFormat format = PixelFormat32bppARGB);
  // A copy of the pixels of a top-down 32-bit BGRX or BGRA buffer (as a DIB section holds them).
  Bitmap(INT width, INT height, INT stride, PixelFormat format, const BYTE* pixels);

  // A new bitmap with the pixels of the rectangle; null when it lies outside.
  Bitmap* Clone(const Rect& rect, PixelFormat format) const;
  // The colour of a pixel, not premultiplied.
  Status GetPixel(INT x, INT y, Color* color) const;
  Status SetPixel(INT x, INT y, const Color& color);
};

class Brush
{
public:
  virtual ~Brush() = default;
};

class SolidBrush : public Brush
{
public:
  explicit SolidBrush(const Color& color) : color_(color) {}
  Color GetColor() const { return color_; }

private:
  Color color_;
};

// Figures of lines and elliptic arcs; each figure starts where its first part starts.
class GraphicsPath
{
public:
  explicit GraphicsPath(FillMode mode = FillModeAlternate) : mode_(mode) {}

  Status AddLine(REAL x1, REAL y1, REAL x2, REAL y2);
  // An arc of the ellipse inscribed in the rectangle, angles in degrees clockwise from the x axis.
  Status AddArc(REAL x, REAL y, REAL width, REAL height, REAL startAngle, REAL sweepAngle);
  Status AddRectangle(const RectF& rect);
  Status AddBezier(REAL x1, REAL y1, REAL x2, REAL y2, REAL x3, REAL y3, REAL x4, REAL y4);
  Status CloseFigure();
  Status StartFigure();
  FillMode GetFillMode() const { return mode_; }

private:
  friend class Graphics;
  struct Part
  {
    int kind; // 0 line, 1 arc, 2 close, 3 start figure, 4 cubic Bezier
    REAL a, b, c, d, e, f, g, h;
  };
  FillMode mode_;
  std::vector<Part> parts_;
};

class Graphics
{
public:
  // Draws on the bitmap.
  explicit Graphics(Image* image);
  // Draws on a device context's pixels; the layer also records what is drawn there (qorwin::gdiPlusRecords).
  explicit Graphics(HDC dc);
  Graphics(const Graphics&) = delete;
  Graphics& operator=(const Graphics&) = delete;
  ~Graphics();
  static Graphics* FromImage(Image* image) { return new Graphics(image); }

  Status Clear(const Color& color);
  Status FillRectangle(const Brush* brush, INT x, INT y, INT width, INT height);
  Status FillPath(const Brush* brush, const GraphicsPath* path);
  // Shapes made of a path and filled as FillPath fills it (qorwinGdiPlusShapes.cpp).
  Status FillEllipse(const Brush* brush, REAL x, REAL y, REAL width, REAL height);
  Status FillEllipse(const Brush* brush, INT x, INT y, INT width, INT height);
  Status FillPolygon(const Brush* brush, const PointF* points, INT count, FillMode mode = FillModeAlternate);
  Status DrawImage(Image* image, INT x, INT y, INT width, INT height);
  Status DrawImage(Image* image, INT x, INT y);
  Status SetSmoothingMode(SmoothingMode mode);
  Status SetCompositingMode(CompositingMode mode);
  Status GetLastStatus() const { return status_; }

private:
  void record(int op, const Rect& rect, ARGB color, const Image* image);

  void* cairo_ = nullptr;
  HWND window_ = nullptr; // the drawing DC's window, when drawing on a DC
  SmoothingMode smoothing_ = SmoothingModeNone;
  CompositingMode compositing_ = CompositingModeSourceOver;
  Status status_ = Ok;
};

} // namespace Gdiplus

namespace qorwin {

// What GDI+ drew on the device contexts of a window, oldest first, in the window's client pixels.
struct GdiPlusRecord
{
  enum Op
  {
    Clear,
    FillRectangle,
    FillPath,  // rect: the path's bounds
    DrawImage, // rect: where the image went; image size, its top-left and centre pixels
  } op;
  Gdiplus::Rect rect;
  Gdiplus::ARGB color = 0;
  UINT imageWidth = 0, imageHeight = 0;
  Gdiplus::ARGB imageCorner = 0, imageCenter = 0;
};
std::vector<GdiPlusRecord> gdiPlusRecords(HWND window);
void clearGdiPlusRecords();

} // namespace qorwin

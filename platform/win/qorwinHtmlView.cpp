// The HTML view: loading by a posted message, the body's markup, and drawing its background and SVG
// image with librsvg (see win/AfxHtml.h).
#include "win/AfxHtml.h"
#include "win/GdiPlus.h"

#include <cairo.h>
#include <librsvg/rsvg.h>

#include <cstdlib>
#include <memory>

namespace qorwinHtmlView_detail {

UINT completeMessage()
{
  static const UINT message = RegisterWindowMessageW(u"QorHtmlViewDocumentComplete");
  return message;
}

std::string toUtf8(const std::u16string& text)
{
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(size_t(size > 0 ? size : 0), '\0');
  if (size > 0)
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), &out[0], size, nullptr, nullptr);
  return out;
}

// The number after `key` (as in "width: 30px"), or the fallback.
long numberAfter(const std::string& text, size_t from, const std::string& key, long fallback)
{
  const size_t at = text.find(key, from);
  if (at == std::string::npos)
    return fallback;
  return std::strtol(text.c_str() + at + key.size(), nullptr, 10);
}

struct Page
{
  int red = 255, green = 255, blue = 255;
  long width = 0, height = 0; // the image's box; 0 when the page has none
  std::string svg;
};

// What this model of a page knows: the body's background colour, the box of the element that holds
// the image (its width and height in pixels) and the inline SVG document.
Page readPage(const std::string& body)
{
  Page page;
  const std::string colourKey = "background-color: rgb(";
  const size_t colour = body.find(colourKey);
  if (colour != std::string::npos) {
    const char* p = body.c_str() + colour + colourKey.size();
    char* end = nullptr;
    page.red = int(std::strtol(p, &end, 10));
    page.green = int(std::strtol(end + (*end == ',' ? 1 : 0), &end, 10));
    page.blue = int(std::strtol(end + (*end == ',' ? 1 : 0), &end, 10));
  }
  const size_t start = body.find("<svg");
  const size_t close = body.rfind("</svg>");
  if (start == std::string::npos)
    return page;
  const size_t stop = close != std::string::npos && close > start ? close + 6 : body.find("/>", start) + 2;
  if (stop < start + 2)
    return page;
  page.svg = body.substr(start, stop - start);
  // The box is the last element opened before the image that states a width.
  const size_t box = body.rfind("<div", start);
  const size_t from = box == std::string::npos ? 0 : box;
  page.width = numberAfter(body, from, "width: ", 0);
  page.height = numberAfter(body, from, "height: ", 0);
  return page;
}

} // namespace qorwinHtmlView_detail


void CHtmlView::Navigate(LPCWSTR url, DWORD, LPCWSTR, LPCWSTR, LPVOID, DWORD)
{
  m_bDocument = false;
  m_body.clear();
  m_url = url ? url : u"";
  PostMessage(qorwinHtmlView_detail::completeMessage());
}

void CHtmlView::OnDocumentComplete(LPCWSTR) {}

LRESULT CHtmlView::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
  LRESULT browsed = 0;
  if (browserMessage(message, wParam, lParam, &browsed))
    return browsed;
  if (message == qorwinHtmlView_detail::completeMessage()) {
    m_bDocument = true;
    const std::u16string url = m_url;
    OnDocumentComplete(url.c_str());
    return 0;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

HRESULT CHtmlView::PutBodyInnerHTML(const std::u16string& html)
{
  if (!m_bDocument)
    return E_FAIL;
  m_body = qorwinHtmlView_detail::toUtf8(html);
  return S_OK;
}

HRESULT CHtmlView::DrawDocument(Gdiplus::Bitmap* canvas, const RECT& bounds)
{
  using namespace qorwinHtmlView_detail;
  const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
  if (!m_bDocument || !canvas || width <= 0 || height <= 0)
    return E_FAIL;
  const Page page = readPage(m_body);

  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  std::unique_ptr<cairo_surface_t, void (*)(cairo_surface_t*)> surfaceOwner(surface, cairo_surface_destroy);
  cairo_t* cr = cairo_create(surface);
  std::unique_ptr<cairo_t, void (*)(cairo_t*)> crOwner(cr, cairo_destroy);
  cairo_set_source_rgb(cr, page.red / 255.0, page.green / 255.0, page.blue / 255.0);
  cairo_paint(cr);

  if (!page.svg.empty() && page.width > 0 && page.height > 0) {
    GError* error = nullptr;
    RsvgHandle* image =
        rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(page.svg.data()), page.svg.size(), &error);
    if (!image) {
      if (error)
        g_error_free(error);
      return E_FAIL;
    }
    // The image fills its box, keeping its proportions; what overflows the box is hidden.
    cairo_rectangle(cr, 0, 0, double(page.width), double(page.height));
    cairo_clip(cr);
    const RsvgRectangle viewport{0, 0, double(page.width), double(page.height)};
    const gboolean drawn = rsvg_handle_render_document(image, cr, &viewport, &error);
    g_object_unref(image);
    if (!drawn) {
      if (error)
        g_error_free(error);
      return E_FAIL;
    }
  } else if (page.svg.empty() && m_body.find("<svg") != std::string::npos) {
    return E_FAIL;
  }
  cairo_surface_flush(surface);
  // The page is opaque: its pixels go over as they are.
  Gdiplus::Bitmap drawnPage(width, height, cairo_image_surface_get_stride(surface), PixelFormat32bppRGB,
                            cairo_image_surface_get_data(surface));
  if (drawnPage.GetLastStatus() != Gdiplus::Ok)
    return E_FAIL;
  Gdiplus::Graphics graphics(canvas);
  return graphics.DrawImage(&drawnPage, bounds.left, bounds.top, width, height) == Gdiplus::Ok ? S_OK : E_FAIL;
}

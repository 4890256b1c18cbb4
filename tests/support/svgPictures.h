// Drawings rendered as the renderer's command line draws them at a width of 256, and the share of pixels
// in which two renderings differ: "the same" is at most 0.5% of pixels differing by more than 32 of 255
// in any channel.
#pragma once

#include <cairo.h>
#include <librsvg/rsvg.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace svgPictures {

constexpr int kWidth = 256;
constexpr int kChannelTolerance = 32;
constexpr double kPixelTolerance = 0.005;

struct Image
{
  int width = 0, height = 0;
  std::vector<uint32_t> pixels; // premultiplied ARGB
};

// Renders as the renderer's command line does at a width of 256: the intrinsic size, else the view box,
// scaled to that width. False when the renderer cannot read or draw it.
inline bool render(const std::string& text, const std::string& basePath, Image& out, std::string& error)
{
  GInputStream* stream = g_memory_input_stream_new_from_data(text.data(), static_cast<gssize>(text.size()), nullptr);
  GFile* base = g_file_new_for_path(basePath.c_str());
  GError* err = nullptr;
  RsvgHandle* handle = rsvg_handle_new_from_stream_sync(stream, base, RSVG_HANDLE_FLAGS_NONE, nullptr, &err);
  g_object_unref(base);
  g_object_unref(stream);
  if (!handle) {
    error = err ? err->message : "unreadable";
    if (err)
      g_error_free(err);
    return false;
  }
  double w = 0, h = 0;
  if (!rsvg_handle_get_intrinsic_size_in_pixels(handle, &w, &h)) {
    gboolean hasW, hasH, hasViewBox;
    RsvgLength lw, lh;
    RsvgRectangle vb;
    rsvg_handle_get_intrinsic_dimensions(handle, &hasW, &lw, &hasH, &lh, &hasViewBox, &vb);
    w = hasViewBox ? vb.width : kWidth;
    h = hasViewBox ? vb.height : kWidth;
  }
  bool ok = w > 0 && h > 0 && std::isfinite(w) && std::isfinite(h);
  if (ok) {
    out.width = kWidth;
    out.height = std::clamp(static_cast<int>(std::lround(kWidth * h / w)), 1, 4 * kWidth);
    cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, out.width, out.height);
    cairo_t* cr = cairo_create(surface);
    RsvgRectangle viewport{0, 0, static_cast<double>(out.width), static_cast<double>(out.height)};
    ok = rsvg_handle_render_document(handle, cr, &viewport, &err);
    if (!ok) {
      error = err ? err->message : "not drawn";
      if (err)
        g_error_free(err);
    }
    cairo_destroy(cr);
    cairo_surface_flush(surface);
    out.pixels.resize(static_cast<size_t>(out.width) * out.height);
    const unsigned char* data = cairo_image_surface_get_data(surface);
    int stride = cairo_image_surface_get_stride(surface);
    for (int y = 0; y < out.height; ++y)
      std::memcpy(&out.pixels[static_cast<size_t>(y) * out.width], data + static_cast<size_t>(y) * stride,
                  sizeof(uint32_t) * out.width);
    cairo_surface_destroy(surface);
  } else {
    error = "no size";
  }
  g_object_unref(handle);
  return ok;
}

inline double differingFraction(const Image& a, const Image& b)
{
  if (a.width != b.width || a.height != b.height)
    return 1;
  size_t differ = 0;
  for (size_t i = 0; i < a.pixels.size(); ++i)
    for (int shift = 0; shift < 32; shift += 8) {
      int x = (a.pixels[i] >> shift) & 0xff, y = (b.pixels[i] >> shift) & 0xff;
      if (std::abs(x - y) > kChannelTolerance) {
        ++differ;
        break;
      }
    }
  return a.pixels.empty() ? 0 : static_cast<double>(differ) / a.pixels.size();
}

// Renders in a child process: the renderer's font library keeps caches it never frees, which a leak
// checker at the end of this process would count.
inline bool renderApart(const std::string& text, const std::string& basePath, Image& out, std::string& error)
{
  int p[2];
  if (::pipe(p) != 0)
    return false;
  pid_t pid = ::fork();
  if (pid == 0) {
    ::close(p[0]);
    Image image;
    std::string message;
    bool ok = render(text, basePath, image, message);
    int32_t head[3] = {ok ? 1 : 0, image.width, image.height};
    std::string bytes(reinterpret_cast<const char*>(head), sizeof head);
    bytes.append(reinterpret_cast<const char*>(image.pixels.data()), image.pixels.size() * sizeof(uint32_t));
    bytes += message;
    for (size_t at = 0; at < bytes.size();) {
      ssize_t n = ::write(p[1], bytes.data() + at, bytes.size() - at);
      if (n <= 0)
        ::_exit(1);
      at += static_cast<size_t>(n);
    }
    ::_exit(0);
  }
  ::close(p[1]);
  std::string bytes;
  char buf[65536];
  for (ssize_t n; (n = ::read(p[0], buf, sizeof buf)) > 0;)
    bytes.append(buf, static_cast<size_t>(n));
  ::close(p[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  int32_t head[3] = {0, 0, 0};
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0 || bytes.size() < sizeof head) {
    error = "the renderer's process failed";
    return false;
  }
  std::memcpy(head, bytes.data(), sizeof head);
  size_t pixels = static_cast<size_t>(std::max(head[1], 0)) * static_cast<size_t>(std::max(head[2], 0));
  if (bytes.size() < sizeof head + pixels * sizeof(uint32_t)) {
    error = "short picture";
    return false;
  }
  out.width = head[1];
  out.height = head[2];
  out.pixels.resize(pixels);
  std::memcpy(out.pixels.data(), bytes.data() + sizeof head, pixels * sizeof(uint32_t));
  error = bytes.substr(sizeof head + pixels * sizeof(uint32_t));
  return head[0] != 0;
}

} // namespace svgPictures

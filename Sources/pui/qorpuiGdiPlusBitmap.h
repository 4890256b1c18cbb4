// A GDI+ bitmap owned by the framework, and its resource form that decodes PNG bytes from memory.
#pragma once

#include <cstdint>

namespace Gdiplus {
class Bitmap;
}

namespace qor {
namespace pui {

class CGdiPlusBitmap
{
public:
  CGdiPlusBitmap() = default;
  // Takes the bitmap over.
  explicit CGdiPlusBitmap(Gdiplus::Bitmap* bitmap) : bitmap(bitmap) {}
  CGdiPlusBitmap(const CGdiPlusBitmap&) = delete;
  CGdiPlusBitmap& operator=(const CGdiPlusBitmap&) = delete;
  virtual ~CGdiPlusBitmap();

  Gdiplus::Bitmap* bitmap = nullptr;
};

class CGdiPlusBitmapResource : public CGdiPlusBitmap
{
public:
  using CGdiPlusBitmap::CGdiPlusBitmap;
  // Decodes the bytes (PNG); false, with no bitmap held, when they are missing or undecodable.
  bool loadFromMemory(const char* bytes, uint32_t size);
};

// Loads the plug-in's "PNGI" resource of this id into the bitmap; false for id 0, a null bitmap, a
// missing plug-in or resource, or bytes that do not decode.
bool loadPngResource(uint16_t id, CGdiPlusBitmapResource* bitmap);

}  // namespace pui
}  // namespace qor

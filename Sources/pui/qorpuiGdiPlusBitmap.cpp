#include "pui/qorpuiGdiPlusBitmap.h"

#include "aip/qoraipBasePlugin.h"
#include "win/GdiPlus.h"

namespace qor {
namespace pui {

CGdiPlusBitmap::~CGdiPlusBitmap()
{
  delete bitmap;
}

bool CGdiPlusBitmapResource::loadFromMemory(const char* bytes, uint32_t size)
{
  delete bitmap;
  bitmap = nullptr;
  if (size == 0 || !bytes)
    return false;
  IStream* stream = SHCreateMemStream(reinterpret_cast<const BYTE*>(bytes), size);
  if (!stream)
    return false;
  auto* decoded = new Gdiplus::Bitmap(stream, FALSE);
  stream->Release();
  if (decoded->GetLastStatus() != Gdiplus::Ok) {
    delete decoded;
    return false;
  }
  bitmap = decoded;
  return true;
}

bool loadPngResource(uint16_t id, CGdiPlusBitmapResource* bitmap)
{
  aip::BasePlugin* plugin = aip::BasePlugin::instance();
  if (id == 0 || !bitmap || !plugin)
    return false;
  char* bytes = nullptr;
  int32_t size = 0;
  if (!plugin->loadResourceById(int32_t(0x504E4749), int16_t(id), &bytes, &size))  // "PNGI"
    return false;
  // A resource that does not decode is a failure, not an empty success: painters then draw nothing.
  const bool loaded = bitmap->loadFromMemory(bytes, uint32_t(size));
  delete[] bytes;
  return loaded;
}

}  // namespace pui
}  // namespace qor

#include "core/qorcoreTypeface.h"

#include "aip/qoraipFont.h"
#include "core/qorcoreFont.h"

namespace qor {
namespace core {

Typeface::Typeface(TypefaceKey key) : data(new __IntTypefaceData)
{
  aip::Font::acquireFontSuite();
  data->key = key;
}

Typeface::Typeface(const Typeface& other) : data(new __IntTypefaceData) { data->key = other.key(); }

Typeface::~Typeface() { delete data; }

Typeface& Typeface::operator=(const Typeface& other)
{
  if (!data)
    data = new __IntTypefaceData;
  data->key = other.key();
  return *this;
}

bool Typeface::isEmpty() const { return !data || !data->key; }
TypefaceKey Typeface::key() const { return data ? data->key : nullptr; }

bool Typeface::operator==(const Typeface& other) const
{
  if (!data)
    return !other.data;
  return other.data && data->key == other.data->key;
}

bool Typeface::operator!=(const Typeface& other) const { return !(*this == other); }

int32_t Typeface::styleCount() const { return isEmpty() ? -1 : aip::Font::styleCount(data->key); }

std::unique_ptr<Font> Typeface::font(int32_t style) const
{
  if (isEmpty())
    return nullptr;
  aip::Font* found = aip::Font::getOrCreate(aip::Font::styleFont(data->key, style));
  if (!found)
    return nullptr;
  auto handle = std::make_unique<Font>(found);
  found->release();
  return handle;
}

std::string Typeface::name() const { return isEmpty() ? std::string() : aip::Font::typefaceName(data->key); }

} // namespace core
} // namespace qor

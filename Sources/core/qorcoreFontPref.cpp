#include "core/qorcoreFontPref.h"

#include "aip/qoraipPersistentFont.h"

namespace qor {
namespace core {

std::unique_ptr<Font> FontPref::fontValue() const
{
  aip::PersistentFont* stored = this->stored<aip::PersistentFont>();
  return stored && stored->font() ? std::make_unique<Font>(wrapFont(stored->font())) : nullptr;
}

bool FontPref::setFont(const Font& font)
{
  aip::PersistentFont* stored = this->stored<aip::PersistentFont>();
  return stored && stored->setFont(implPointer(font));
}

double FontPref::fontSize() const
{
  aip::PersistentFont* stored = this->stored<aip::PersistentFont>();
  return stored ? stored->size() : 0.0;
}

bool FontPref::setFontSize(double size)
{
  aip::PersistentFont* stored = this->stored<aip::PersistentFont>();
  return stored && stored->setSize(size);
}

} // namespace core
} // namespace qor

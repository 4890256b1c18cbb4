#include "aip/qoraipPersistentFont.h"

#include "aip/qoraipFont.h"
#include "aip/qoraipIllustrator.h"

namespace qor {
namespace aip {

namespace qoraipPersistentFont_detail {
enum : size_t { face, size };

std::string defaultFullName() {
    Font *fallback = Font::defaultFont();
    std::string name = fallback ? fallback->fullName() : std::string();
    Font::resetRef(fallback);
    return name;
}

// The installed font of that name with one count for the caller, else the default font.
Font *installedOrDefault(const std::string &name) {
    Illustrator *host = Illustrator::instance();
    Font *found = host ? host->fontByName(name) : nullptr;
    return found ? found : Font::defaultFont();
}
} // namespace qoraipPersistentFont_detail

PersistentFont::PersistentFont(json::Node *adopted)
    : PersistentFields(adopted, plat::PersistentDataType::Font,
                       {text("__face", qoraipPersistentFont_detail::defaultFullName().c_str()), real("__size", 12.0)}) {
    font_ = Font::defaultFont();
    const std::string stored = textAt(qoraipPersistentFont_detail::face);
    if (!font_ || stored != font_->fullName()) {
        Font::resetRef(font_);
        font_ = qoraipPersistentFont_detail::installedOrDefault(stored);
    }
}

PersistentFont::PersistentFont(Font *font, double size, const std::string &key)
    : PersistentFont(json::Node::create(json::Object, key)) {
    Font *fallback = font ? nullptr : Font::defaultFont();
    setFont(font ? font : fallback);
    Font::resetRef(fallback);
    setSize(size);
}

PersistentFont::~PersistentFont() { Font::resetRef(font_); }

Font *PersistentFont::font() const { return font_; }

bool PersistentFont::setFont(Font *font) {
    if (!font) return false;
    font->retain();
    Font::resetRef(font_);
    font_ = font;
    return setTextAt(qoraipPersistentFont_detail::face, font->fullName());
}

bool PersistentFont::setFontByName(const std::string &name) {
    Font *found = qoraipPersistentFont_detail::installedOrDefault(name);
    const bool written = setFont(found);
    Font::resetRef(found);
    return written;
}

double PersistentFont::size() const { return realAt(qoraipPersistentFont_detail::size); }

bool PersistentFont::setSize(double size) { return setRealAt(qoraipPersistentFont_detail::size, size); }

} // namespace aip
} // namespace qor

// A font and a size stored as an object: "__face" the font's full name and "__size" the size in points.
// The object keeps a counted host font; a stored name that is not installed reads as the host's default
// font, while the name stays in the file until the font is set again.
#pragma once

#include <string>

#include "aip/qoraipPersistentFields.h"

namespace qor {
namespace aip {

class Font;

class PersistentFont : public PersistentFields {
public:
    explicit PersistentFont(json::Node *adopted);
    // A null font stores the default font.
    PersistentFont(Font *font, double size, const std::string &key);
    ~PersistentFont() override;

    // The cached font, still held by this object; null when the host gave none.
    virtual Font *font() const;
    // False for a null font; otherwise the font is kept (one count) and its full name stored.
    virtual bool setFont(Font *font);
    // The installed font of that name, else the default font.
    virtual bool setFontByName(const std::string &name);
    virtual double size() const;
    virtual bool setSize(double size);

private:
    Font *font_ = nullptr;
};

} // namespace aip
} // namespace qor

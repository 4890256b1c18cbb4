#include "aip/qoraipHitData.h"

#include <cctype>
#include <cmath>

#include "aip/qoraipDocument.h"
#include "aip/qoraipDocumentView.h"
#include "aip/qoraipIllustrator.h"

namespace qor {
namespace aip {

namespace qoraipHitData_detail {
// Decodes one UTF-8 character at i; returns its code point and advances i (at least one byte).
uint32_t next(const std::string& s, size_t& i)
{
    auto byte = [&](size_t k) { return k < s.size() ? static_cast<unsigned char>(s[k]) : 0u; };
    unsigned char c = byte(i);
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC2 && c < 0xE0 ? 1 : 0;
    uint32_t cp = extra == 0 ? c : extra == 1 ? (c & 0x1F) : extra == 2 ? (c & 0x0F) : (c & 0x07);
    size_t k = i + 1;
    int n = 0;
    for (; n < extra && (byte(k) & 0xC0) == 0x80; ++n, ++k)
        cp = (cp << 6) | (byte(k) & 0x3F);
    i = k;
    // A cut or stray sequence stands for one visible replacement character.
    return n < extra || (extra == 0 && c >= 0x80) ? 0xFFFD : cp;
}

// Characters without a glyph: ASCII white space and control characters (tested as unsigned values),
// C1 controls and no-break space, and the Unicode spaces and separators.
bool invisible(uint32_t cp)
{
    if (cp < 0x80)
        return std::isspace(static_cast<int>(cp)) || std::iscntrl(static_cast<int>(cp));
    if (cp <= 0xA0)
        return true;
    return (cp >= 0x2000 && cp <= 0x200D) || cp == 0x2028 || cp == 0x2029 || cp == 0x202F || cp == 0x205F ||
           cp == 0x2060 || cp == 0x3000;
}
}  // namespace qoraipHitData_detail

double HitData::artworkTolerance(double tolerance, bool inViewUnits)
{
    double tol = std::fabs(tolerance);
    if (!inViewUnits)
        return tol;
    Illustrator* app = Illustrator::instance();
    Document* doc = app ? app->currentDocument() : nullptr;
    DocumentView* view = doc ? doc->currentView() : nullptr;
    double zoom = view ? view->zoom() : 0;
    if (!(zoom > 0) || !std::isfinite(zoom))
        return tol;
    return tol / zoom;
}

int32_t HitData::characterOfGlyph(const std::string& utf8, int32_t glyph)
{
    if (glyph < 0)
        return -1;
    int32_t g = glyph;
    int32_t position = 0;
    size_t i = 0;
    // Positions count characters, as the glyph index and the text range do, never bytes.
    while (position <= g) {
        if (i >= utf8.size())
            return -1;
        if (qoraipHitData_detail::invisible(qoraipHitData_detail::next(utf8, i)))
            ++g;
        ++position;
    }
    return g;
}

}  // namespace aip
}  // namespace qor

#include "aip/qoraipRect.h"

#include "geo/qorgeoNumeric.h"

namespace qor {
namespace aip {

namespace qoraipRect_detail {

// The 32-bit difference, wrapping as 32-bit integer arithmetic does instead of overflowing.
inline double difference32(int32_t hi, int32_t lo)
{
    return static_cast<int32_t>(static_cast<uint32_t>(hi) - static_cast<uint32_t>(lo));
}

inline LONG low32(int64_t v)
{
    return static_cast<LONG>(static_cast<uint32_t>(v));
}

}  // namespace qoraipRect_detail

Rect::Rect(const RECT& r)
    : geo::Rect(r.left, r.top, qoraipRect_detail::difference32(r.right, r.left),
                qoraipRect_detail::difference32(r.bottom, r.top))
{
}

void Rect::toIntRect(RECT& out) const
{
    out.left = qoraipRect_detail::low32(geo::roundToInt(origin.x));
    out.top = qoraipRect_detail::low32(geo::roundToInt(origin.y));
    out.right = qoraipRect_detail::low32(geo::roundToInt(origin.x + size.width));
    out.bottom = qoraipRect_detail::low32(geo::roundToInt(origin.y + size.height));
}

}  // namespace aip
}  // namespace qor

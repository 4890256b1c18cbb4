#include "aip/qoraipPoint.h"

#include "geo/qorgeoNumeric.h"

namespace qor {
namespace aip {

IntPoint Point::toIntPoint() const
{
    IntPoint p;
    p.h = static_cast<int32_t>(static_cast<uint32_t>(geo::roundToInt(x)));
    p.v = static_cast<int32_t>(static_cast<uint32_t>(geo::roundToInt(y)));
    return p;
}

}  // namespace aip
}  // namespace qor

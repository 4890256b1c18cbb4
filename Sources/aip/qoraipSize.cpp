#include "aip/qoraipSize.h"

namespace qor {
namespace aip {

void Size::toHostSize(SizeRecord& out) const
{
    out.width = width;
    out.height = height;
}

}  // namespace aip
}  // namespace qor

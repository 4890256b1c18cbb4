#include "core/qorcoreStrokeStyle.h"

namespace qor {
namespace core {

StrokeStyle::Map::Map(bool known)
    : color(known), overprint(known), width(known), dash(known), cap(known), join(known), miterLimit(known)
{
}

StrokeStyle::StrokeStyle() : overprint(false), width(0.0), cap(ButtCap), join(MiterJoin), miterLimit(0.0) {}

}  // namespace core
}  // namespace qor

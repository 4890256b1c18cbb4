#include "core/qorcorePathStyle.h"

namespace qor {
namespace core {

PathStyle::Map::Map(bool known)
    : useFill(known), fill(known), useStroke(known), stroke(known), evenOdd(known), resolution(known)
{
}

PathStyle::PathStyle() : useFill(false), useStroke(false), evenOdd(false), resolution(800.0) {}

}  // namespace core
}  // namespace qor

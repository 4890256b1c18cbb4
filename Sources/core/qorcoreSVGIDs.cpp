#include "core/qorcoreSVGIDs.h"

namespace qor {
namespace core {

SVGIDs::~SVGIDs() = default;
SVGWithRolloverIDs::~SVGWithRolloverIDs() = default;

}  // namespace core
}  // namespace qor

#include "core/qorcoreDashStyle.h"

namespace qor {
namespace core {

DashStyle::Map::Map(bool known) : count(known), offset(known)
{
    for (bool& l : lengths)
        l = known;
}

DashStyle::DashStyle() : count(0), offset(0.0)
{
    for (double& l : lengths)
        l = 0.0;
}

}  // namespace core
}  // namespace qor

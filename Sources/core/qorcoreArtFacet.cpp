#include "core/qorcoreArtFacet.h"

#include "aip/qoraipArtSuites.h"
#include "aip/qoraipSuite.h"
#include "aip/qoraipSuitePointers.h"

namespace qor {
namespace core {

ArtFacet::ArtFacet(__IntArtData* owner, Kind kind) : owner_(owner), kind_(kind)
{
    switch (kind) {
    case CustomArt:
        aip::acquireSuite(aip::pluginGroupSuite, kPluginGroupSuiteName, kPluginGroupSuiteVersion);
        break;
    case Mask:
        aip::acquireSuite(&aip::maskSuite, kMaskSuiteName, kMaskSuiteVersion);
        break;
    case Mesh:
        aip::acquireSuite(&aip::meshSuite, kMeshSuiteName, kMeshSuiteVersion);
        break;
    case Placed:
        aip::acquireSuite(&aip::placedSuite, kPlacedSuiteName, kPlacedSuiteVersion);
        break;
    case Raster:
        aip::acquireSuite(&aip::rasterSuite, kRasterSuiteName, kRasterSuiteVersion);
        break;
    }
}

}  // namespace core
}  // namespace qor

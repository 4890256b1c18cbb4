#include "aip/qoraipHostRefs.h"

#include <cmath>

#include "aip/qoraipBasePlugin.h"
#include "aip/qoraipDocument.h"
#include "aip/qoraipSuitePointers.h"
#include "geo/qorgeoNumeric.h"

namespace qor {
namespace aip {

PluginGlobals* wrapperGlobals()
{
  BasePlugin* plugin = BasePlugin::instance();
  return plugin ? plugin->globals() : nullptr;
}

bool hostHasDocument()
{
  Document::acquireDocumentSuite();
  DocumentHandle doc = nullptr;
  return documentSuite && documentSuite->getCurrentDocument(&doc) == 0 && doc;
}

double safeHostReal(double value)
{
  constexpr double largest = 3.4028234663852886e38;
  return geo::clamp(geo::replaceInfinity(geo::replaceNaN(value, 0.0), largest), -largest, largest);
}

} // namespace aip
} // namespace qor

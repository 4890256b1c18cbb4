#include "aip/qoraipTextEngineSuites.h"

#include "aip/qoraipArtSuites.h"
#include "aip/qoraipSuite.h"

namespace qor {
namespace aip {

const void* ateSuitePointers[kAteSuiteCount] = {};

void acquireTextEngineSuites(AteFirstSuite first)
{
  if (first == AteFirstSuite::paint)
    acquireSuite(&ateSuitePointers[kAteSuiteAiatePaint], kAteSuites[kAteSuiteAiatePaint].name,
                 kAteSuites[kAteSuiteAiatePaint].version);
  else if (first == AteFirstSuite::textFrame)
    acquireSuite(textFrameSuite, kTextFrameSuiteName, kTextFrameSuiteVersion);
  for (int i = kAteSuiteAiatePaint + 1; i < kAteSuiteCount; ++i)
    acquireSuite(&ateSuitePointers[i], kAteSuites[i].name, kAteSuites[i].version);
}

}  // namespace aip
}  // namespace qor

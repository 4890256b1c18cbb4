// The text engine's suites: one global pointer per suite, filled lazily by one acquisition block that
// the text objects run at every get-or-create and every text part's construction, and emptied by the
// suite registry's sweep at shutdown.
#pragma once

#include "hostapi/AteSuites.h"

namespace qor {
namespace aip {

// Indexed by AteSuiteIndex; null until acquired.
extern const void* ateSuitePointers[kAteSuiteCount];

// The host suite some users of the block acquire before the text-engine suites.
enum class AteFirstSuite { none, paint, textFrame };

// Acquires, in the list's order, every suite whose pointer is still null.
void acquireTextEngineSuites(AteFirstSuite first);

template <class SuiteTable>
const SuiteTable* ateSuite(AteSuiteIndex index)
{
  return static_cast<const SuiteTable*>(ateSuitePointers[index]);
}

}  // namespace aip
}  // namespace qor

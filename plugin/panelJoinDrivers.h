// The drivers of the two join commands: gather the candidate open paths of the visible, unlocked
// layers, run the pair joins under the host's progress bar, then select and close what remains.
#pragma once

#include <vector>

#include "hostapi/HostTypes.h"
#include "hostapi/UserSuite.h"

namespace qor {
namespace core {
class Art;
}
}  // namespace qor

namespace panel {

// The open paths of a command: selected ones, and the others. An absorbed path's entry becomes 0.
extern std::vector<ArtHandle> selectedPaths;
extern std::vector<ArtHandle> otherPaths;

// The host's user suite for progress and cancel; filled at start-up, may be null (no progress then).
extern const UserSuite* userSuite;

void gatherOpenPaths();
void collectPaths(const qor::core::Art& group, std::vector<ArtHandle>& selected, std::vector<ArtHandle>& other);

void runJunctate(double distance, double angle, double smooth, double straight);
void runAssimilate(double distance, double angle, double smooth, double straight);

}  // namespace panel

#pragma once
// Writes a whole file so that a reader finds either the old contents or the new, never a part of them:
// the bytes go to a temporary file of a unique name beside the target, which is flushed to disk and then
// renamed over the target; the folder is synced after the rename. An existing target keeps its mode.
#include <string>

namespace hostsim {

class AtomicFile
{
public:
  // On failure sets error to "cannot write PATH: REASON" and leaves the target as it was.
  static bool write(const std::string& path, const std::string& bytes, std::string& error);
};

} // namespace hostsim

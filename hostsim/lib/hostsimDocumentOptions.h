#pragma once
// The hostsim program's document actions: --open FILE.svg, --select all|ID[,ID...] and --save FILE.svg,
// run in command-line order with the other actions.
#include <iosfwd>
#include <string>
#include <vector>

namespace hostsim {

class DocumentOptions {
public:
  static bool open(const std::string& path, std::ostream& err);
  // "all", or ids separated by commas.
  static bool select(const std::string& list, std::ostream& err);
  static bool save(const std::string& path, std::ostream& err);
  static std::vector<std::string> splitIds(const std::string& list);
};

} // namespace hostsim

#pragma once
// The hostsim program's document options: --open FILE.svg, --select all|ID[,ID...] and --save FILE.svg.
// The program hands each argument to take(); it opens the drawing before the plug-in runs and saves it
// after.
#include <string>
#include <vector>

namespace hostsim {

class DocumentOptions {
public:
  // Consumes argv[i] (and its value) when it is a document option; false otherwise. error names a missing
  // value.
  bool take(int argc, char** argv, int& i, std::string& error);
  // Opens the drawing and applies the selection; true when there was nothing to open.
  bool open(std::string& error);
  // Saves the current document when --save was given.
  bool save(std::string& error);
  static const char* usage();

  std::string openPath;
  std::string savePath;
  std::vector<std::string> selection;
  bool selectGiven = false;
};

} // namespace hostsim

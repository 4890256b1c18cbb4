#include "hostsimDocumentOptions.h"

#include "hostsimWorkspace.h"

#include <cstring>

namespace hostsim {

bool DocumentOptions::take(int argc, char** argv, int& i, std::string& error)
{
  const char* arg = argv[i];
  std::string* target = nullptr;
  if (!std::strcmp(arg, "--open"))
    target = &openPath;
  else if (!std::strcmp(arg, "--save"))
    target = &savePath;
  else if (std::strcmp(arg, "--select") != 0)
    return false;
  if (i + 1 >= argc) {
    error = std::string(arg) + " needs a value";
    return true;
  }
  std::string value = argv[++i];
  if (target) {
    *target = value;
    return true;
  }
  selectGiven = true;
  size_t start = 0;
  while (start <= value.size()) {
    size_t comma = value.find(',', start);
    if (comma == std::string::npos)
      comma = value.size();
    if (comma > start)
      selection.push_back(value.substr(start, comma - start));
    start = comma + 1;
  }
  return true;
}

bool DocumentOptions::open(std::string& error)
{
  Workspace& ws = Workspace::instance();
  if (!openPath.empty() && !ws.openSvg(openPath, error))
    return false;
  if (selectGiven)
    return ws.select(selection, error);
  return true;
}

bool DocumentOptions::save(std::string& error)
{
  if (savePath.empty())
    return true;
  return Workspace::instance().saveSvg(Workspace::instance().current(), savePath, error);
}

const char* DocumentOptions::usage()
{
  return "  --open FILE.svg           open a drawing as the current document\n"
         "  --select all|ID[,ID...]   select all art, or the art with these ids\n"
         "  --save FILE.svg           save the current document when the run ends\n";
}

} // namespace hostsim

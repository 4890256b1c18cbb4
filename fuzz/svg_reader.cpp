// Feeds arbitrary bytes to the simulated host's SVG reader; what it reads must write and read back.
#include "hostsimDocument.h"
#include "hostsimSvg.h"

#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  hostsim::Document doc("fuzz");
  std::string error;
  if (!hostsim::Svg::read(reinterpret_cast<const char*>(data), size, doc, error)) {
    if (error.empty())
      std::abort();
    return 0;
  }
  std::string text = hostsim::Svg::write(doc);
  hostsim::Document again("again");
  if (!hostsim::Svg::read(text.data(), text.size(), again, error))
    std::abort();
  return 0;
}

#include "hostsimBlocks.h"

#include <cstdlib>
#include <ostream>

namespace hostsim {

Blocks::~Blocks()
{
  for (void* block : live_)
    std::free(block);
}

void* Blocks::allocate(size_t byteCount)
{
  void* block = std::calloc(byteCount ? byteCount : 1, 1);
  if (block)
    live_.insert(block);
  return block;
}

bool Blocks::free(void* block)
{
  if (!live_.erase(block)) {
    ++badFrees_;
    return false;
  }
  std::free(block);
  return true;
}

void Blocks::report(std::ostream& out) const
{
  if (!live_.empty())
    out << "Memory blocks not freed: " << live_.size() << "\n";
  if (badFrees_)
    out << "Frees of unknown memory blocks: " << badFrees_ << "\n";
}

} // namespace hostsim

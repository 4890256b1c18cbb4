#include "hostsimRunSummary.h"

#include "hostsimDocument.h"
#include "hostsimWorkspace.h"

#include <cstring>

namespace hostsim {

namespace hostsimRunSummary_detail {

void mix(uint64_t& hash, uint64_t value)
{
  hash = (hash ^ value) * 0x100000001b3ull;
}

void mix(uint64_t& hash, double value)
{
  uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof bits);
  mix(hash, bits);
}

std::string plural(size_t n, const char* one, const char* many)
{
  return std::to_string(n) + " " + (n == 1 ? one : many);
}

} // namespace hostsimRunSummary_detail

RunSummary::Counts RunSummary::Counts::of(const Document* doc)
{
  using namespace hostsimRunSummary_detail;
  Counts counts;
  counts.fingerprint = 0xcbf29ce484222325ull;
  if (!doc)
    return counts;
  doc->forEachArt([&](Art* art) {
    mix(counts.fingerprint, uint64_t(art->type) << 1 | uint64_t(art->closed));
    if (art->type != Art::kPath)
      return;
    ++counts.paths;
    counts.closed += art->closed;
    mix(counts.fingerprint, uint64_t(art->segments.size()));
    for (const Segment& s : art->segments)
      for (double v : {s.p.h, s.p.v, s.in.h, s.in.v, s.out.h, s.out.v})
        mix(counts.fingerprint, v);
  });
  return counts;
}

void RunSummary::opened(const Document* doc, const std::string& path)
{
  doc_ = doc;
  opened_ = path;
  in_ = Counts::of(doc);
  saved_.clear();
}

std::string RunSummary::line() const
{
  using namespace hostsimRunSummary_detail;
  if (!doc_)
    return "no drawing was opened";
  const Counts out = Counts::of(doc_);
  std::string text = opened_ + ": " + plural(in_.paths, "path", "paths") + " in, " + std::to_string(out.paths) +
                     " out, " + plural(in_.paths > out.paths ? in_.paths - out.paths : 0, "join", "joins") +
                     " made, " + plural(out.closed > in_.closed ? out.closed - in_.closed : 0, "path", "paths") +
                     " closed; ";
  return text + (saved_.empty() ? "the result was not saved (--save FILE.svg saves it)" : "result: " + saved_);
}

} // namespace hostsim

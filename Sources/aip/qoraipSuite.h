// One acquisition of a host suite: the registry counts references per (name, version), keeps the
// suites actually acquired in order, and releases them all in one sweep at shutdown.
#pragma once

#include <cstdint>
#include <string>

#include "hostapi/HostApi.h"

namespace qor {
namespace aip {

// The host's basic suite, taken from every host message before anything else happens.
extern const SpBasicSuite* hostBasicSuite;

class Suite
{
public:
  Suite(const std::string& name, int32_t version, const void** pointerAddress);
  Suite(const Suite&) = delete;
  Suite& operator=(const Suite&) = delete;
  virtual ~Suite();

  virtual std::string name() const;
  virtual int32_t version() const;
  virtual bool equals(const Suite* other) const;
  virtual int32_t refCount() const;
  virtual bool acquire();
  virtual bool release();
  virtual const void* suitePointer() const;

  // Releases every acquired suite in the reverse order of first acquisition.
  static void releaseAllSuites();

private:
  std::string suiteName;
  int32_t suiteVersion;
  const void** suitePointerAddress;
};

// The acquisition idiom: only when the variable is empty, acquire the suite into it. Returns
// whether the variable holds the suite afterwards.
bool acquireSuite(const void** variable, const char* name, int32_t version);

template <typename SuiteTable>
bool acquireSuite(const SuiteTable*& variable, const char* name, int32_t version)
{
  return acquireSuite(reinterpret_cast<const void**>(&variable), name, version);
}

}  // namespace aip
}  // namespace qor

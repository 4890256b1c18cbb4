#include <cstdint>

// The host's entry point. Answers 0 to every call until the lifecycle is built.
extern "C" __attribute__((visibility("default"))) int32_t PluginMain(const char*, const char*, void*)
{
  return 0;
}

#include <dlfcn.h>

#include <cstdint>
#include <cstdio>

// Loads a plug-in module and reports whether it exports PluginMain.
int main(int argc, char** argv)
{
  if (argc < 2) {
    std::fprintf(stderr, "usage: hostsim MODULE\n");
    return 2;
  }
  void* module = dlopen(argv[1], RTLD_NOW | RTLD_LOCAL);
  if (!module) {
    std::fprintf(stderr, "hostsim: %s\n", dlerror());
    return 1;
  }
  bool found = dlsym(module, "PluginMain") != nullptr;
  std::printf("%s: PluginMain %s\n", argv[1], found ? "found" : "missing");
  dlclose(module);
  return found ? 0 : 1;
}

#include "hostsimPluginModule.h"

#include <dlfcn.h>
#include <filesystem>

namespace hostsim {

PluginModule::PluginModule(const std::string& path)
{
  std::error_code error;
  std::filesystem::path absolute = std::filesystem::absolute(path, error);
  path_ = error ? path : absolute.lexically_normal().string();
  handle_ = dlopen(path_.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (!handle_) {
    const char* message = dlerror();
    error_ = message ? message : "cannot load " + path_;
    return;
  }
  entry_ = reinterpret_cast<PluginMainProc>(dlsym(handle_, "PluginMain"));
  if (!entry_)
    error_ = path_ + ": no PluginMain";
}

PluginModule::~PluginModule()
{
  if (handle_)
    dlclose(handle_);
}

} // namespace hostsim

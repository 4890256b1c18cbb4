// A plug-in module loaded the way the host loads it: dlopen, then the entry point "PluginMain".
#pragma once

#include "hostapi/MessageRecords.h"

#include <string>

namespace hostsim {

class PluginModule
{
public:
  explicit PluginModule(const std::string& path);
  ~PluginModule();
  PluginModule(const PluginModule&) = delete;
  PluginModule& operator=(const PluginModule&) = delete;

  bool isLoaded() const { return entry_ != nullptr; }
  PluginMainProc entry() const { return entry_; }
  // The absolute path of the module file.
  const std::string& path() const { return path_; }
  // Why loading failed.
  const std::string& error() const { return error_; }

private:
  void* handle_ = nullptr;
  PluginMainProc entry_ = nullptr;
  std::string path_;
  std::string error_;
};

} // namespace hostsim

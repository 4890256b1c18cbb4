#pragma once
// The hostsim program's menu action, --menu TEXT|GROUP>TEXT (see hostsimMenuOptions.cpp).
#include <string>
#include <vector>

namespace hostsim {

class HostApp;

class MenuOptions
{
public:
  // The plug-in's menu items as --menu can name them: the text alone where it is unique, else GROUP>TEXT.
  static std::vector<std::string> choosableNames(HostApp& app);
};

} // namespace hostsim

// The plug-in's About item: placed in a menu group that all of the maker's plug-ins share under the
// host's About menu, created by whichever of them loads first.
#pragma once

#include <string>

#include "core/qorcoreMenuGroup.h"
#include "core/qorcoreMenuItem.h"

namespace tf {

class tfPrefs;

class About
{
public:
  About();
  About(const About&) = delete;
  About& operator=(const About&) = delete;
  ~About();

  // What the About item runs. The About dialog is a window of the widget toolkit, which this build
  // does not have yet, so nothing opens.
  void showDialog();

  static const char groupName[];

  tfPrefs* prefs = nullptr;
  std::string versionText;
  std::string noticeText;
  qor::core::MenuGroup aboutGroup;
  qor::core::MenuItem aboutItem;
};

// Finds the shared group by its header text, or creates it, then adds the plug-in's item to it.
void installAboutMenu(About& about);

}  // namespace tf

// The plug-in's About box: its item, placed in a menu group that all of the maker's plug-ins share
// under the host's About menu (created by whichever of them loads first), and the modal About dialog
// with the title image, the version and notice lines and buttons to the maker's pages.
#pragma once

#include <string>

#include "core/qorcoreButton.h"
#include "core/qorcoreLabel.h"
#include "core/qorcoreMenuGroup.h"
#include "core/qorcoreMenuItem.h"
#include "core/qorcoreModalDialog.h"

namespace tf {

class tfPrefs;

class About
{
public:
  About();
  About(const About&) = delete;
  About& operator=(const About&) = delete;
  ~About();

  // What the About item runs: the dialog, modally (nothing before it is built).
  void showDialog();
  // Opens the maker's web site; the dialog stays open.
  void onTitleImageClick();
  void onAcknowledgements();
  // Open their page, then close the dialog.
  void onDocumentation();
  void onSupport();
  // Closes the dialog, then starts a check the user asked for.
  void onCheckForUpdates();
  void closeDialog();

  static const char groupName[];
  static const char acknowledgementText[];

  tfPrefs* prefs = nullptr;
  std::string versionText;
  std::string noticeText;
  qor::core::MenuGroup aboutGroup;
  qor::core::MenuItem aboutItem;
  qor::core::Label versionLabel;
  qor::core::Label noticeLabel;
  qor::core::Button acknowledgementsButton;
  qor::core::Button documentationButton;
  qor::core::Button supportButton;
  qor::core::ModalDialog dialog;
};

// Finds the shared group by its header text, or creates it, then adds the plug-in's item to it.
void installAboutMenu(About& about);
// Builds the About dialog once.
void buildAboutDialog(About& about);

}  // namespace tf

#include "tfAbout.h"

#include <memory>

#include "aip/qoraipMsgEnv.h"
#include "core/qorcoreCallback.h"

namespace tf {

namespace tfAbout_detail {

// The host's menu group at the index, as a handle the caller owns; null on a host error.
std::unique_ptr<qor::core::MenuGroup> menuGroupAt(const MenuSuite& suite, int32_t index)
{
  ::MenuGroupHandle group = nullptr;
  if (suite.getNthMenuGroup(index, &group) != 0 || !group)
    return nullptr;
  return std::make_unique<qor::core::MenuGroup>(group, nullptr);
}

}  // namespace tfAbout_detail

const char About::groupName[] = "About Tessfold Plugins";

About::About() : versionText("Version 16.2.3"), noticeText("Copyright Tessfold. All rights reserved.") {}

About::~About() = default;

void About::showDialog() {}

void installAboutMenu(About& about)
{
  if (const MenuSuite* suite = qor::aip::msgMenuSuite()) {
    int32_t count = 0;
    if (suite->countMenuGroups(&count) != 0)
      count = 0;
    for (int32_t i = 0; i < count; ++i) {
      std::unique_ptr<qor::core::MenuGroup> group = tfAbout_detail::menuGroupAt(*suite, i);
      if (group && !group->hasNoHeaderItem() && group->text() == About::groupName) {
        about.aboutGroup = *group;
        break;
      }
    }
  }
  if (about.aboutGroup.isEmpty()) {
    qor::core::MenuGroup created(qor::core::AboutBuiltinMenuGroup, About::groupName, true, false, false, false);
    about.aboutGroup = created;
  }
  about.aboutItem = qor::core::MenuItem(about.aboutGroup, "Junctate...",
                                        qor::core::__Callback<About>(&about, &About::showDialog));
}

}  // namespace tf

#include "tfAbout.h"

#include <memory>

#include "core/qorcoreCallback.h"
#include "core/qorcoreIllustrator.h"

namespace tf {

const char About::groupName[] = "About Tessfold Plugins";

About::About() : versionText("Version 16.2.3"), noticeText("Copyright Tessfold. All rights reserved.") {}

About::~About() = default;

void About::showDialog() {}

void installAboutMenu(About& about)
{
  if (qor::core::Illustrator* host = qor::core::Illustrator::instance()) {
    const int32_t count = host->menuGroupCount();
    for (int32_t i = 0; i < count; ++i) {
      std::unique_ptr<qor::core::MenuGroup> group(host->menuGroupAtIndex(i));
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

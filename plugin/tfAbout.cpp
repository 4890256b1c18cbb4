#include "tfAbout.h"

#include <memory>

#include "core/qorcoreAlert.h"
#include "core/qorcoreCallback.h"
#include "core/qorcoreIllustrator.h"
#include "tfPrefs.h"
#include "tfSite.h"

namespace tf {

namespace tfAbout_detail {

using Handler = qor::core::__Callback<About>;

void openPage(const std::string& path)
{
  if (qor::core::Illustrator* host = qor::core::Illustrator::instance())
    host->openURL(siteAddress() + path);
}

qor::core::Button addButton(qor::core::ModalDialog& dialog, double x, double y, const std::string& text,
                            double width, int32_t style, const Handler& click)
{
  qor::core::Button button(qor::core::Point(x, y), text, width);
  button.setStyle(style);
  button.setClickCallback(click);
  dialog.addWidget(button);
  return button;
}

qor::core::Label addLine(qor::core::ModalDialog& dialog, double y, const std::string& text)
{
  qor::core::Label label(qor::core::Point(20, y), text, 270);
  label.setEnabled(true);
  label.setBold(false);
  dialog.addWidget(label);
  return label;
}

}  // namespace tfAbout_detail

const char About::groupName[] = "About Tessfold Plugins";
const char About::acknowledgementText[] = "This product was built using Corvane CORE ";

About::About() : versionText("Version 16.2.3"), noticeText("Copyright Tessfold. All rights reserved.") {}

About::~About() = default;

void About::showDialog()
{
  dialog.show();
}

void About::onTitleImageClick()
{
  tfAbout_detail::openPage("");
}

void About::onAcknowledgements()
{
  qor::core::alert(std::string(acknowledgementText) + "\n" + "(" + frameworkAddress + ")");
  acknowledgementsButton.unfocus();
}

void About::onDocumentation()
{
  tfAbout_detail::openPage("documentation/junctate-docs/");
  closeDialog();
}

void About::onSupport()
{
  tfAbout_detail::openPage("support/");
  closeDialog();
}

void About::onCheckForUpdates()
{
  closeDialog();
  if (prefs)
    prefs->checkForUpdate(true);
}

void About::closeDialog()
{
  dialog.dismiss();
}

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
                                        tfAbout_detail::Handler(&about, &About::showDialog));
}

void buildAboutDialog(About& about)
{
  using tfAbout_detail::addButton;
  using tfAbout_detail::addLine;
  using tfAbout_detail::Handler;
  if (!about.dialog.isEmpty())
    return;
  qor::core::ModalDialog& dialog = about.dialog;
  dialog = qor::core::ModalDialog(std::string("About ") + "Junctate", qor::core::Size(300, 264));
  // Outside the dialog's width: Enter and Esc land on a button that closes it.
  addButton(dialog, 310, 0, "", 0, 10, Handler(&about, &About::closeDialog));

  qor::core::Label title =
      qor::core::LabelWithImage(qor::core::Rect(0, 0, 300, 104), qor::core::ImageWithRolloverIDs(16500, 16500, 16500, 16500));
  title.setClickCallback(Handler(&about, &About::onTitleImageClick));
  dialog.addWidget(title);

  about.versionLabel.assignShared(addLine(dialog, 116, about.versionText));
  about.noticeLabel.assignShared(addLine(dialog, 130, about.noticeText));
  addButton(dialog, 20, 196, "Check for updates", 155, 30, Handler(&about, &About::onCheckForUpdates));
  about.documentationButton.assignShared(
      addButton(dialog, 20, 224, "Documentation", 155, 30, Handler(&about, &About::onDocumentation)));
  about.documentationButton.setTooltip("Open online documentation in your browser");
  about.supportButton.assignShared(addButton(dialog, 185, 224, "Support", 95, 30, Handler(&about, &About::onSupport)));
  about.supportButton.setTooltip("Open online support in your browser");
  about.acknowledgementsButton.assignShared(
      addButton(dialog, 20, 252, "Acknowledgements", 155, 30, Handler(&about, &About::onAcknowledgements)));
  addButton(dialog, 185, 252, "OK", 95, 20, Handler(&about, &About::closeDialog));
  dialog.setSize(qor::core::Size(300, 288));
}

}  // namespace tf

// Golden pictures of every widget kind built so far in one modal dialog (text and shaped labels, an
// image label, text and image buttons, check boxes on, off and mixed, text fields with text and a
// selection) in the light and the dark theme, with the focus and the pointer on widgets, and all
// disabled; and a host panel holding the options panel's kinds of widgets.
#include "fieldsFixture.h"

#include "core/qorcoreButton.h"
#include "core/qorcoreCheckbox.h"
#include "core/qorcoreLabel.h"
#include "core/qorcorePanel.h"
#include "core/qorcoreTextField.h"
#include "hostsimPanels.h"
#include "pui/qorpuiButton.h"
#include "pui/qorpuiCheckbox.h"
#include "pui/qorpuiLabel.h"
#include "pui/qorpuiModalDialog.h"
#include "pui/qorpuiPanel.h"
#include "pui/qorpuiTextField.h"
#include "support/golden.h"

namespace fieldstest {
namespace pictures {

using qor::aip::Point;
using qor::aip::Rect;

class FieldPictures : public Started, public ::testing::WithParamInterface<bool>
{
protected:
  void SetUp() override
  {
    Started::SetUp();
    app.area<hostsim::Theme>().setDark(dark());
    start();
  }
  bool dark() const { return GetParam(); }
  std::string named(const std::string& what) const { return what + (dark() ? "_dark" : "_light"); }
};

// The dialog's widgets; `active` puts the focus on the distance field with part of its text selected
// and the pointer over the text button; otherwise every widget is disabled.
struct AllKinds
{
  AllKinds()
      : heading(Point(12, 12), 296, "Join open paths whose ends lie within:"),
        distanceLabel(Point(12, 41), 70, "Distance:"),
        distance(Point(90, 37), 120, "0.05 pt"),
        angleLabel(Point(12, 71), 70, "Angle:"),
        angle(Point(90, 67), 120, "120\xC2\xB0"),
        icon(Rect(250, 40, 40, 40), iconIds()),
        closePaths(Point(12, 104), 120, "Close paths", 1),
        straights(Point(150, 104), 150, "Merge straights", 0),
        someLayers(Point(12, 128), 120, "Some layers", -1),
        badge(Point(150, 129), 44, "New"),
        preview(Point(12, 156), 80, "Preview", nullptr),
        reset(Point(104, 155), 30, "", nullptr)
  {
    distanceLabel.setAttachedTextField(&distance);
    angleLabel.setAttachedTextField(&angle);
    badge.setBackgroundShape(qor::pui::Label::CapsuleShape);
    badge.setJustification(2);
    const qor::aip::Color blue(0.16, 0.45, 0.85, 1.0), white(1.0, 1.0, 1.0, 1.0);
    badge.setShapeColors(blue, blue);
    badge.setTextColors(white, white);
    qor::pui::ImageIds resetIds;
    resetIds.ids[0] = resetIds.ids[5] = 2501;
    resetIds.hoverHighlight = true;
    reset.setImageIds(resetIds);
  }
  static qor::pui::ImageIds iconIds()
  {
    qor::pui::ImageIds ids;
    ids.ids[0] = 200;
    ids.ids[5] = 210;
    return ids;
  }
  std::vector<qor::pui::Widget*> all()
  {
    return {&heading, &distanceLabel, &distance, &angleLabel, &angle, &icon,
            &closePaths, &straights, &someLayers, &badge, &preview, &reset};
  }

  qor::pui::Label heading, distanceLabel;
  qor::pui::TextField distance;
  qor::pui::Label angleLabel;
  qor::pui::TextField angle;
  qor::pui::Label icon;
  qor::pui::Checkbox closePaths, straights, someLayers;
  qor::pui::Label badge;
  qor::pui::Button preview, reset;
};

qorwin::Picture dialogPicture(bool active)
{
  qor::pui::ModalDialog::ButtonOptions ok, cancel;
  ok.show = cancel.show = true;
  qor::pui::ModalDialog dialog("Join Options", qor::aip::Size(320, 222), ok, cancel);
  AllKinds widgets;
  for (qor::pui::Widget* widget : widgets.all()) {
    dialog.addWidget(widget);
    if (!active)
      widget->setEnabled(false);
  }
  qorwin::Picture picture;
  qorwin::setModalHook([&](HWND shown) {
    if (active) {
      widgets.distance.setSelection(0, 4);
      qorwin::mouseMove(widgets.preview.control()->m_hWnd, 10, 10);
    }
    picture = qorwin::snapshot(shown);
    PostMessageW(shown, WM_COMMAND, IDCANCEL, 0);
  });
  dialog.show();
  for (qor::pui::Widget* widget : widgets.all())
    dialog.removeWidget(widget);
  return picture;
}

TEST_P(FieldPictures, EveryWidgetKindInADialogWithFocusAndHover)
{
  EXPECT_TRUE(qortest::matchesGolden(dialogPicture(true), named("fields_dialog")));
}

TEST_P(FieldPictures, EveryWidgetKindInADialogDisabled)
{
  EXPECT_TRUE(qortest::matchesGolden(dialogPicture(false), named("fields_dialog_disabled")));
}

TEST_P(FieldPictures, AHostPanelWithLabelsFieldsACheckBoxAndAButton)
{
  using qor::core::Point;
  qor::core::Panel panel("Junctate", qor::core::Size(240, 120), false, false, qor::core::ImageIDs());
  qor::core::Label distanceLabel(Point(8, 12), "Distance:", 70);
  qor::core::TextField distance(Point(84, 8), "0.05 pt", 80);
  qor::core::Label angleLabel(Point(8, 38), "Angle:", 70);
  qor::core::TextField angle(Point(84, 34), "120\xC2\xB0", 80);
  qor::core::Checkbox closePaths(Point(8, 64), "Close paths", 120, 1);
  qor::core::Button join(Point(150, 86), "Join", 80);
  distanceLabel.setAttachedTextField(distance);
  angleLabel.setAttachedTextField(angle);
  for (const qor::core::Widget* widget : std::initializer_list<const qor::core::Widget*>{
           &distanceLabel, &distance, &angleLabel, &angle, &closePaths, &join})
    panel.addWidget(*widget);
  panel.show();
  qorwin::pump();
  hostsim::Panels::Panel* host = app.area<hostsim::Panels>().find(panel.hostPanel());
  ASSERT_TRUE(host);
  EXPECT_TRUE(qortest::matchesGolden(qorwin::snapshot(host->frame), named("fields_panel")));
  panel.destroy();
}

INSTANTIATE_TEST_SUITE_P(Themes, FieldPictures, ::testing::Bool(),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Dark" : "Light"; });

}  // namespace pictures
}  // namespace fieldstest

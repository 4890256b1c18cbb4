// Golden pictures of a dialog holding the value widgets, in the light and the dark theme: a group box
// with a radio group (one button on, one focused, one disabled), a divider, a slider and a stepper.
#include <memory>

#include "hostsimTheme.h"
#include "pui/qorpuiBox.h"
#include "pui/qorpuiLabel.h"
#include "pui/qorpuiModalDialog.h"
#include "pui/qorpuiRadioButton.h"
#include "pui/qorpuiRadioButtonGroup.h"
#include "pui/qorpuiSlider.h"
#include "pui/qorpuiStepper.h"
#include "support/golden.h"
#include "valuewidgetsFixture.h"

namespace valuewidgetstest {

using qor::aip::Point;
using qor::aip::Rect;

class ValuePictures : public Started, public ::testing::WithParamInterface<bool>
{
protected:
  void SetUp() override
  {
    Started::SetUp();
    app.area<hostsim::Theme>().setDark(GetParam());
    start();
  }
  std::string named(const std::string& what) const { return what + (GetParam() ? "_dark" : "_light"); }
};

TEST_P(ValuePictures, ADialogWithEveryValueWidget)
{
  qor::pui::ModalDialog::ButtonOptions ok, cancel;
  ok.show = cancel.show = true;
  qor::pui::ModalDialog dialog("Join Options", qor::aip::Size(340, 200), ok, cancel);
  qor::pui::Box group(Rect(14, 10, 150, 100), "Join by");
  qor::pui::RadioButtonGroup choice;
  qor::pui::RadioButton nearest(Point(24, 30), 130, "Nearest ends", 1, nullptr);
  qor::pui::RadioButton tangents(Point(24, 52), 130, "Matching tangents", 0, nullptr);
  qor::pui::RadioButton order(Point(24, 74), 130, "Drawing order", 0, nullptr);
  order.setEnabled(false);
  for (qor::pui::RadioButton* radio : {&nearest, &tangents, &order})
    choice.add(radio);
  choice.setSelected(&nearest);
  qor::pui::Box divider(Point(180, 16), 90, false);
  qor::pui::Label distance(Point(194, 14), 130, "Distance");
  qor::pui::Slider slider(Point(190, 34), 120, 0.4);
  qor::pui::Stepper stepper(Point(314, 32));
  qor::pui::Label angle(Point(194, 64), 130, "Angle");
  qor::pui::Slider focused(Point(190, 84), 140, 0.75);
  qor::pui::Box line(Point(14, 126), 312, true);
  for (qor::pui::Widget* widget : std::initializer_list<qor::pui::Widget*>{
           &group, &nearest, &tangents, &order, &divider, &distance, &slider, &stepper, &angle, &focused, &line})
    dialog.addWidget(widget);
  qorwin::Picture picture;
  qorwin::setModalHook([&](HWND shown) {
    focused.focus();
    qorwin::mouseMove(stepper.control()->m_hWnd, 8, 4);
    picture = qorwin::snapshot(shown);
    PostMessageW(shown, WM_COMMAND, IDCANCEL, 0);
  });
  dialog.show();
  EXPECT_TRUE(qortest::matchesGolden(picture, named("values_dialog")));
}

INSTANTIATE_TEST_SUITE_P(Themes, ValuePictures, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Dark" : "Light"; });

}  // namespace valuewidgetstest

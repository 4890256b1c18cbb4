// Golden pictures of a dialog holding the value widgets, in the light and the dark theme: a group box
// with a radio group (one button on, one disabled), a divider, sliders (one focused), a stepper, a
// colour well given its colour by a scripted pick, and a custom widget drawing a small preview.
#include <memory>

#include "hostsimColorPicker.h"
#include "hostsimColorPicker.h"
#include "hostsimTheme.h"
#include "pui/qorpuiColorWell.h"
#include "pui/qorpuiCustomWidget.h"
#include "pui/qorpuiTextView.h"
#include "pui/qorpuiWebView.h"
#include "utils/qorutilsStrings.h"
#include "pui/qorpuiColorWell.h"
#include "pui/qorpuiCustomWidget.h"
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
  qor::pui::ModalDialog dialog("Join Options", qor::aip::Size(340, 240), ok, cancel);
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
  qor::pui::Label colour(Point(20, 128), 60, "Colour");
  qor::pui::ColorWell well(Rect(20, 146, 50, 20), qor::aip::ArtColor::ArtColorRGB(0.5, 0.5, 0.5));
  qor::pui::CustomWidget preview(Rect(110, 122, 216, 50));
  preview.setDrawCallback(new FunctionCallback([&preview] {
    preview.setColor(qor::aip::Color(0.2, 0.5, 0.9, 1));
    preview.drawRoundedRect(Rect(2, 2, 212, 46), 8, false);
    const Point path[] = {{14, 36}, {60, 12}, {110, 30}, {160, 10}, {200, 34}};
    preview.drawPolygon(path, 5, false);
    preview.setColor(qor::aip::Color(0.9, 0.4, 0.1, 1));
    for (const Point& end : {path[0], path[4]})
      preview.drawEllipse(Rect(end.x - 3, end.y - 3, 6, 6), true);
  }));
  qor::pui::Box line(Point(14, 184), 312, true);
  for (qor::pui::Widget* widget : std::initializer_list<qor::pui::Widget*>{&group, &nearest, &tangents, &order,
                                                                          &divider, &distance, &slider, &stepper,
                                                                          &angle, &focused, &colour, &well,
                                                                          &preview, &line})
    dialog.addWidget(widget);
  hostsim::ColorPicker::Answer pick;
  ASSERT_TRUE(hostsim::ColorPicker::parseAnswer("rgb:0,128,255", pick));
  app.area<hostsim::ColorPicker>().queueAnswer(pick);
  qorwin::Picture picture;
  qorwin::setModalHook([&](HWND shown) {
    qorwin::click(well.control()->m_hWnd, 10, 10);
    focused.focus();
    qorwin::mouseMove(stepper.control()->m_hWnd, 8, 4);
    picture = qorwin::snapshot(shown);
    PostMessageW(shown, WM_COMMAND, IDCANCEL, 0);
  });
  dialog.show();
  EXPECT_TRUE(qortest::matchesGolden(picture, named("values_dialog")));
}

TEST_P(ValuePictures, ADialogWithTextColourCustomAndWebWidgets)
{
  qor::pui::ModalDialog::ButtonOptions ok, cancel;
  ok.show = cancel.show = true;
  qor::pui::ModalDialog dialog("Notes", qor::aip::Size(340, 300), ok, cancel);
  qor::pui::Label colourLabel(Point(14, 14), 50, "Colour");
  qor::pui::ColorWell well(Rect(70, 10, 40, 22), qor::aip::ArtColor::ArtColorRGB(0, 0, 1));
  qor::pui::Label notesLabel(Point(14, 44), 50, "Notes");
  qor::pui::TextView notes(Rect(70, 42, 250, 70), "Joined 12 paths\nClosed 3 of them\nSkipped the locked layer", true);
  notesLabel.setAttachedTextView(&notes);
  qor::pui::Label drag(Point(14, 130), 50, "Ends");
  drag.setDraggable(true);
  qor::pui::CustomWidget target(Rect(70, 124, 100, 60));
  target.setAcceptsDrops(true);
  std::string dropped;
  target.setDropCallback(new FunctionCallback([&] {
    dropped = target.droppedText();
    target.redraw();
  }));
  target.setDrawCallback(new FunctionCallback([&] {
    target.setColor(qor::aip::Color(0.2, 0.4, 0.8, 1));
    target.drawRoundedRect(Rect(2, 2, 96, 56), 8, false);
    if (!dropped.empty()) {
      target.setColor(qor::aip::Color(0.9, 0.5, 0.1, 1));
      target.drawEllipse(Rect(30, 12, 40, 36), true);
    }
  }));
  qor::pui::WebView web(Rect(180, 124, 140, 110));
  for (qor::pui::Widget* widget : std::initializer_list<qor::pui::Widget*>{
           &colourLabel, &well, &notesLabel, &notes, &drag, &target, &web})
    dialog.addWidget(widget);
  web.loadURL("data:text/html,<title>Report</title><p>Joined paths</p><p>Second line</p>");
  hostsim::ColorPicker::Answer answer;
  ASSERT_TRUE(hostsim::ColorPicker::parseAnswer("rgb:255,128,0", answer));
  app.area<hostsim::ColorPicker>().queueAnswer(answer);
  qorwin::Picture picture;
  qorwin::setModalHook([&](HWND shown) {
    qorwin::click(well.control()->m_hWnd, 5, 5);
    EXPECT_TRUE(qorwin::dragAndDrop(drag.control()->m_hWnd, 5, 5, {{target.control()->m_hWnd, 40, 30, MK_LBUTTON}}));
    qorwin::click(notesLabel.control()->m_hWnd, 5, 5);
    qorwin::pump();
    EXPECT_EQ(GetFocus(), notes.control()->m_hWnd);
    picture = qorwin::snapshot(shown);
    PostMessageW(shown, WM_COMMAND, IDCANCEL, 0);
  });
  dialog.show();
  EXPECT_EQ(dropped, "Ends");
  EXPECT_EQ(qor::pui::colorWellText(well.color()), "RGB(255,128,0)");
  EXPECT_TRUE(qortest::matchesGolden(picture, named("values_more_dialog")));
}

INSTANTIATE_TEST_SUITE_P(Themes, ValuePictures, ::testing::Values(false, true),
                         [](const ::testing::TestParamInfo<bool>& info) { return info.param ? "Dark" : "Light"; });

}  // namespace valuewidgetstest

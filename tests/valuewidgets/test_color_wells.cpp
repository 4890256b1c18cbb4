// Colour wells: the colour texts they drag and take, the host's picker driven by a click (confirm,
// cancel, neutral colours kept as gray, the modal parent in dialogs), what they paint, drags between
// wells, and the client handle.
#include <cmath>
#include <memory>

#include "core/qorcoreColorWell.h"
#include "hostsimColorPicker.h"
#include "pui/qorpuiColorWell.h"
#include "pui/qorpuiModalDialog.h"
#include "valuewidgetsFixture.h"

namespace valuewidgetstest {

using qor::aip::ArtColor;
using qor::aip::Rect;
using qor::pui::ColorWell;

class ColorWells : public Started
{
protected:
  void SetUp() override
  {
    Started::SetUp();
    start();
    place = std::make_unique<TestWindow>();
    well = std::make_unique<ColorWell>(Rect(10, 10, 30, 20), ArtColor::ArtColorRGB(0, 0, 1));
    well->setValueChangedCallback(logs("changed"));
    place->window->addWidget(well.get());
  }
  void TearDown() override
  {
    well.reset();
    place.reset();
    Started::TearDown();
  }
  HWND hwnd() const { return well->control()->m_hWnd; }
  hostsim::ColorPicker& picker() { return app.area<hostsim::ColorPicker>(); }
  void answer(const std::string& text)
  {
    hostsim::ColorPicker::Answer a;
    ASSERT_TRUE(hostsim::ColorPicker::parseAnswer(text, a)) << text;
    picker().queueAnswer(a);
  }

  std::unique_ptr<TestWindow> place;
  std::unique_ptr<ColorWell> well;
};

TEST_F(ColorWells, ColourTextsBothWays)
{
  const std::pair<ArtColor, const char*> written[] = {
      {ArtColor::ArtColorRGB(1, 0, 0), "RGB(255,0,0)"},
      {ArtColor::ArtColorCMYK(0, 0.5, 1, 0), "CMYK(0%,50%,100%,0%)"},
      {ArtColor::ArtColorGray(0.25), "Gray(25%)"},
      {ArtColor::ArtColorHSB(2 * M_PI / 3, 1, 1), "HSB(120\xC2\xB0,100%,100%)"},
      {ArtColor::ArtColorLab(50, -20, 30), "Lab(50,108,158)"},
      {ArtColor::none(), "None"},
  };
  for (const auto& [color, text] : written) {
    EXPECT_EQ(qor::pui::colorWellText(color), text);
    ArtColor read = ArtColor::ArtColorGray(0.5);
    ASSERT_TRUE(qor::pui::parseColorWellText(text, read)) << text;
    EXPECT_EQ(qor::pui::colorWellText(read), text) << "read back";
  }
  // Cut short, lower case, spaces, a missing sign: nothing is read.
  for (const char* bad : {"RGB(", "rgb(1,2,3)", "RGB(1, 2, 3)", "Gray(50)", "CMYK(1%,2%,3%)", "HSB(120,1%,1%)",
                          "Hello", ""}) {
    ArtColor untouched = ArtColor::ArtColorGray(0.5);
    EXPECT_FALSE(qor::pui::parseColorWellText(bad, untouched)) << bad;
  }
  ArtColor trailing;
  EXPECT_TRUE(qor::pui::parseColorWellText("RGB(1,2,3) and more", trailing)) << "anything may follow";
}

TEST_F(ColorWells, DroppedNumbersStayWithinTheirModel)
{
  // Out of range numbers, or a run of digits too long for any integer, are held at the model's limit.
  const std::pair<const char*, const char*> cases[] = {
      {"RGB(999,0,0)", "RGB(255,0,0)"},
      {"RGB(99999999999999999999999999,5,0)", "RGB(255,5,0)"},
      {"Gray(250%)", "Gray(100%)"},
      {"CMYK(0%,0%,0%,400%)", "CMYK(0%,0%,0%,100%)"},
  };
  for (const auto& [dropped, kept] : cases) {
    ArtColor read;
    ASSERT_TRUE(qor::pui::parseColorWellText(dropped, read)) << dropped;
    EXPECT_EQ(qor::pui::colorWellText(read), kept) << dropped;
  }
  well->fireDrop("RGB(999,0,0)", qor::aip::Point());
  EXPECT_EQ(qorwin::pixel(hwnd(), 10, 10), RGB(255, 0, 0)) << "the packed colour does not spill into green";
}

TEST_F(ColorWells, AClickConfirmsAPickedColourAndReportsIt)
{
  answer("rgb:255,128,0");
  qorwin::click(hwnd(), 5, 5);
  EXPECT_EQ(qor::pui::colorWellText(well->color()), "RGB(255,128,0)");
  EXPECT_EQ(logText(), "changed");
  EXPECT_EQ(picker().eventNames(), "picker clear") << "no modal parent outside dialogs";
  EXPECT_EQ(picker().events()[0].offered.kind, kThreeColor);
  EXPECT_TRUE(near(qorwin::pixel(hwnd(), 10, 10), RGB(255, 128, 0), 2));
}

TEST_F(ColorWells, NeutralColoursAreKeptAsGray)
{
  answer("rgb:128,128,128");
  qorwin::click(hwnd(), 5, 5);
  EXPECT_EQ(well->color().kindFlags(), ArtColor::KindGray);
  // A gray well opens the picker on its RGB form.
  answer("default");
  qorwin::click(hwnd(), 5, 5);
  ASSERT_EQ(picker().events().size(), 4u);
  EXPECT_EQ(picker().events()[2].offered.kind, kThreeColor);
  EXPECT_EQ(logText(), "changed changed") << "confirming the very same colour reports it too";
}

TEST_F(ColorWells, ACancelledPickChangesNothing)
{
  answer("cancel");
  qorwin::click(hwnd(), 5, 5);
  EXPECT_EQ(qor::pui::colorWellText(well->color()), "RGB(0,0,255)");
  EXPECT_EQ(logText(), "");
  EXPECT_EQ(picker().eventNames(), "picker clear");
  qorwin::click(hwnd(), 5, 5, true);
  EXPECT_EQ(picker().events().size(), 2u) << "the right button opens nothing";
}

TEST_F(ColorWells, InAModalDialogThePickerGetsTheDialogsParent)
{
  qor::pui::ModalDialog dialog("Colour", qor::aip::Size(200, 80));
  ColorWell inDialog(Rect(20, 20, 30, 20), ArtColor::ArtColorRGB(1, 0, 0));
  dialog.addWidget(&inDialog);
  answer("gray:50");
  HWND expectedParent = nullptr;
  qorwin::setModalHook([&](HWND shown) {
    expectedParent = GetParent(inDialog.window()->nativeWindow()->m_hWnd);
    qorwin::click(inDialog.control()->m_hWnd, 5, 5);
    PostMessageW(shown, WM_COMMAND, IDCANCEL, 0);
  });
  dialog.show();
  EXPECT_EQ(picker().eventNames(), "parent picker clear");
  EXPECT_EQ(picker().events()[0].parent, expectedParent);
  EXPECT_EQ(qor::pui::colorWellText(inDialog.color()), "Gray(50%)");
}

TEST_F(ColorWells, WhatAWellPaints)
{
  well->setColor(ArtColor::none());
  // A one-pixel black border; white with a red slash from the top right to the bottom left.
  EXPECT_EQ(qorwin::pixel(hwnd(), 0, 0), RGB(0, 0, 0));
  EXPECT_EQ(qorwin::pixel(hwnd(), 2, 2), RGB(255, 255, 255));
  EXPECT_EQ(qorwin::pixel(hwnd(), 28, 1), COLORREF(0x1100FF));
  EXPECT_EQ(qorwin::pixel(hwnd(), 1, 18), COLORREF(0x1100FF));
  well->setEnabled(false);
  EXPECT_EQ(qorwin::pixel(hwnd(), 0, 0), COLORREF(0x808080));
  EXPECT_EQ(qorwin::pixel(hwnd(), 28, 1), COLORREF(0x8E7FFF));
  well->setEnabled(true);
  well->setColor(ArtColor::ArtColorRGB(0, 0, 1));
  well->focus();
  EXPECT_EQ(qorwin::pixel(hwnd(), 0, 0), role(10, 70));
  EXPECT_EQ(qorwin::pixel(hwnd(), 10, 10), RGB(0, 0, 255));
}

TEST_F(ColorWells, ADraggedWellColoursAnotherWithoutAnEvent)
{
  ColorWell target(Rect(100, 10, 30, 20), ArtColor::ArtColorGray(0.5));
  target.setAcceptsDrops(true);
  place->window->addWidget(&target);
  well->setColor(ArtColor::ArtColorRGB(1, 0, 0));
  well->setDraggable(true);
  HWND to = target.control()->m_hWnd;
  qorwin::scriptDrag({{to, 5, 5, MK_LBUTTON}, {to, 6, 6, MK_LBUTTON}});
  qorwin::setKeyDown(VK_LBUTTON, true);
  qorwin::mouseMove(hwnd(), 5, 5);
  qorwin::mouseDown(hwnd(), 5, 5);
  qorwin::mouseMove(hwnd(), 6, 9);
  EXPECT_TRUE(qorwin::dragPending()) << "not yet 2 away on both axes";
  qorwin::mouseMove(hwnd(), 8, 9);
  qorwin::setKeyDown(VK_LBUTTON, false);
  EXPECT_FALSE(qorwin::dragPending());
  EXPECT_EQ(qor::pui::colorWellText(target.color()), "RGB(255,0,0)");
  EXPECT_EQ(logText(), "");
  EXPECT_EQ(picker().events().size(), 0u) << "a drag opens no picker";

  // A disabled well takes nothing.
  target.setEnabled(false);
  target.fireDrop("Gray(10%)", qor::aip::Point());
  EXPECT_EQ(qor::pui::colorWellText(target.color()), "RGB(255,0,0)");
}

TEST_F(ColorWells, TheClientHandle)
{
  std::unique_ptr<qor::core::Widget> wrapped(qor::core::wrapWidget(well.get()));
  auto* handle = dynamic_cast<qor::core::ColorWell*>(wrapped.get());
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(handle->type(), qor::core::ColorWellWidgetType);
  log.clear();
  handle->setColor(qor::core::ArtColor(0.25));
  EXPECT_EQ(qor::pui::colorWellText(well->color()), "Gray(25%)");
  EXPECT_EQ(logText(), "") << "a colour set by code runs no callback";
  handle->setColor(qor::core::ArtColor());
  EXPECT_EQ(qor::pui::colorWellText(well->color()), "None") << "no colour is a colour a well takes";
  handle->setValueChangedCallback(clientLogs("client"));
  handle->fireValueChanged();
  EXPECT_EQ(logText(), "client");

  std::unique_ptr<qor::core::Widget> same(handle->duplicate());
  std::unique_ptr<qor::core::Widget> copy(handle->clone());
  auto* copied = dynamic_cast<qor::core::ColorWell*>(copy.get());
  ASSERT_NE(copied, nullptr);
  copied->setColor(qor::core::ArtColor(1.0));
  EXPECT_EQ(qor::pui::colorWellText(well->color()), "None") << "a clone changes independently";
  EXPECT_TRUE(dynamic_cast<qor::core::ColorWell*>(same.get())->color() == handle->color());

  qor::core::ColorWell empty;
  EXPECT_EQ(empty.type(), qor::core::UnknownWidgetType);
  EXPECT_TRUE(empty.color() == qor::core::ArtColor::gray100());
  EXPECT_EQ(empty.valueChangedCallback(), nullptr);
}

TEST(ColorPickerAnswers, AreReadFromTheirText)
{
  const std::pair<const char*, bool> cases[] = {{"default", true},  {"cancel", true},    {"gray:50", true},
                                                {"rgb:255,0,10", true}, {"cmyk:0,50,100,0", true},
                                                {"rgb:256,0,0", false}, {"rgb:1,2", false}, {"red", false},
                                                {"gray:", false}};
  for (const auto& [text, ok] : cases) {
    hostsim::ColorPicker::Answer answer;
    EXPECT_EQ(hostsim::ColorPicker::parseAnswer(text, answer), ok) << text;
  }
  hostsim::ColorPicker::Answer red;
  ASSERT_TRUE(hostsim::ColorPicker::parseAnswer("rgb:255,0,0", red));
  EXPECT_EQ(red.kind, hostsim::ColorPicker::Answer::Pick);
  EXPECT_DOUBLE_EQ(red.color.rgb.red, 1.0);
}

}  // namespace valuewidgetstest

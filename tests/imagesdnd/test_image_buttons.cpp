// Image buttons: the picture each state draws (normal, rollover, dark, disabled), hover coming and
// going with the pointer, and the client handle's images, style and hover flag.
#include "core/qorcoreButton.h"
#include "core/qorcoreImageIDs.h"
#include "hostsimTheme.h"
#include "imagesdndFixture.h"
#include "pui/qorpuiButton.h"
#include "win/GdiPlus.h"

namespace imagesdndtest {

using qor::aip::Point;

class ImageButtons : public Started
{
protected:
  void SetUp() override
  {
    Started::SetUp();
    start();
    place = std::make_unique<TestWindow>();
    button = std::make_unique<qor::pui::Button>(Point(10, 10), 60, "Go", nullptr);
    // Pictures told apart by their widths: 20, 30, 40 and 300 pixels.
    qor::pui::ImageIds ids = button->imageIds();
    ids.ids[0] = 2501;  // normal light
    ids.ids[5] = 2503;  // normal dark
    ids.ids[10] = 2502; // rollover light
    ids.ids[15] = 16500; // rollover dark
    button->setImageIds(ids);
    place->window->addWidget(button.get());
  }
  void TearDown() override
  {
    button.reset();
    place.reset();
    Started::TearDown();
  }
  HWND control() const { return button->control()->m_hWnd; }

  // The width of the picture the button draws now; 0 when it draws none.
  UINT drawnPictureWidth()
  {
    qorwin::clearGdiPlusRecords();
    qorwin::paint(control());
    for (const qorwin::GdiPlusRecord& record : qorwin::gdiPlusRecords(control()))
      if (record.op == qorwin::GdiPlusRecord::DrawImage)
        return record.imageWidth;
    return 0;
  }

  std::unique_ptr<TestWindow> place;
  std::unique_ptr<qor::pui::Button> button;
};

TEST_F(ImageButtons, EachStateDrawsItsPicture)
{
  ASSERT_NE(dynamic_cast<qor::pui::WinMfcImageButton*>(button->control()), nullptr);
  struct Case
  {
    const char* what;
    bool dark;
    bool hovered;
    bool enabled;
    UINT width;
  };
  const Case cases[] = {
      {"light", false, false, true, 20},       {"light hovered", false, true, true, 30},
      {"dark", true, false, true, 40},         {"dark hovered", true, true, true, 300},
      {"light disabled", false, false, false, 20}, {"dark disabled", true, false, false, 40},
  };
  for (const Case& c : cases) {
    app.area<hostsim::Theme>().setDark(c.dark);
    button->setEnabled(c.enabled);
    button->setHovered(c.hovered);
    EXPECT_EQ(drawnPictureWidth(), c.width) << c.what;
  }

  // Without rollover pictures a hovered button keeps its normal one.
  qor::pui::ImageIds plain;
  plain.ids[0] = 2501;
  plain.hoverHighlight = true;
  button->setImageIds(plain);
  app.area<hostsim::Theme>().setDark(false);
  button->setEnabled(true);
  button->setHovered(true);
  EXPECT_EQ(drawnPictureWidth(), 20u);
}

TEST_F(ImageButtons, DisabledButtonHasAGreyBorderAndAVeiledPicture)
{
  button->setEnabled(false);
  qorwin::clearDrawRecords();
  EXPECT_EQ(drawnPictureWidth(), 20u);
  const std::vector<qorwin::DrawRecord> records = qorwin::drawRecords(control());
  ASSERT_GE(records.size(), 2u);
  EXPECT_EQ(records[0].op, qorwin::DrawRecord::FillRect);
  EXPECT_EQ(records[1].op, qorwin::DrawRecord::FillRect);
  EXPECT_EQ(records[1].rect.left, records[0].rect.left + 1) << "a one-pixel border";
  EXPECT_NE(records[0].color, records[1].color);
}

TEST_F(ImageButtons, PointerEnteringAndLeavingSwitchesTheRolloverPicture)
{
  EXPECT_EQ(drawnPictureWidth(), 20u);
  qorwin::mouseMove(control(), 5, 5);
  EXPECT_TRUE(button->isHovered());
  EXPECT_EQ(drawnPictureWidth(), 30u);
  qorwin::mouseMove(place->top, 300, 200);
  EXPECT_FALSE(button->isHovered());
  EXPECT_EQ(drawnPictureWidth(), 20u);
}

TEST_F(ImageButtons, ImageButtonHasNoTitle)
{
  EXPECT_EQ(button->text(), "");
  button->setText("Other");
  EXPECT_EQ(button->text(), "");
  std::unique_ptr<qor::pui::Widget> copy(button->clone());
  auto* copied = dynamic_cast<qor::pui::Button*>(copy.get());
  ASSERT_NE(copied, nullptr);
  EXPECT_EQ(copied->imageIds().ids[15], 16500);
  EXPECT_TRUE(copied->imageIds().hoverHighlight);
}

TEST_F(ImageButtons, ClientHandleKeepsItsHoverFlagAcrossNewImages)
{
  qor::core::Button handle(qor::core::Point(0, 0), "Go", 50);
  EXPECT_EQ(handle.style(), 30);
  EXPECT_TRUE(handle.hoverHighlight()) << "a new button highlights on hover";
  handle.setStyle(15);
  EXPECT_EQ(handle.style(), 30);
  handle.setStyle(20);
  EXPECT_EQ(handle.style(), 20);

  EXPECT_EQ(handle.text(), "Go");
  handle.setImageIDs(qor::core::ImageWithRolloverIDs(2501, 2502, 2503, 16500));
  EXPECT_TRUE(handle.hoverHighlight());
  EXPECT_EQ(handle.imageIDs(), qor::core::ImageWithRolloverIDs(2501, 2502, 2503, 16500));
  EXPECT_EQ(handle.text(), "") << "an image button shows no title";
  handle.setHoverHighlight(false);
  EXPECT_FALSE(handle.hoverHighlight());
  handle.setImageIDs(qor::core::ImageWithRolloverIDs(2501, 0, 0, 0));
  EXPECT_FALSE(handle.hoverHighlight());

  qor::core::Button empty;
  EXPECT_EQ(empty.style(), 0);
  EXPECT_FALSE(empty.hoverHighlight());
  EXPECT_EQ(empty.imageIDs(), qor::core::ImageWithRolloverIDs());
}

}  // namespace imagesdndtest

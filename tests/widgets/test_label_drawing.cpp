// What labels draw: single-line text centred vertically, wrapped text from the top, the background
// shapes and the veiled image of a disabled image label.
#include "aip/qoraipIllustrator.h"
#include "core/qorcoreLabel.h"
#include "core/qorcoreModalDialog.h"
#include "pui/qorpuiLabel.h"
#include "widgetsFixture.h"
#include "win/GdiPlus.h"

namespace widgetstest {

using qor::core::Label;
using qor::core::Point;

class LabelDrawing : public Started {
protected:
  void SetUp() override
  {
    Started::SetUp();
    start();
    dialog = std::make_unique<qor::core::ModalDialog>("Labels", qor::core::Size(300, 200));
  }
  void TearDown() override
  {
    dialog.reset();
    Started::TearDown();
  }
  // Places the label in a dialog and paints it while the dialog shows; the GDI records of its control.
  std::vector<qorwin::DrawRecord> paint(Label& label)
  {
    if (!label.window()) {
      EXPECT_TRUE(dialog->addWidget(label));
    }
    HWND control = label.platformWidget()->GetSafeHwnd();
    std::vector<qorwin::DrawRecord> records;
    qorwin::setModalHook([&](HWND shown) {
      qorwin::clearDrawRecords();
      qorwin::clearGdiPlusRecords();
      qorwin::paint(control);
      records = qorwin::drawRecords(control);
      PostMessageW(shown, WM_COMMAND, IDCANCEL, 0);
    });
    dialog->show();
    qorwin::setModalHook(nullptr);
    return records;
  }
  static const qorwin::DrawRecord* text(const std::vector<qorwin::DrawRecord>& records)
  {
    for (const qorwin::DrawRecord& record : records)
      if (record.op == qorwin::DrawRecord::Text)
        return &record;
    return nullptr;
  }
  std::unique_ptr<qor::core::ModalDialog> dialog;
};

TEST_F(LabelDrawing, FittingTextIsCentredOnOneLineAndLongTextWraps)
{
  Label fits(Point(10, 10), "Short", 200);
  std::vector<qorwin::DrawRecord> records = paint(fits);
  const qorwin::DrawRecord* drawn = text(records);
  ASSERT_TRUE(drawn);
  EXPECT_EQ(drawn->text, u"Short");
  EXPECT_TRUE(drawn->format & DT_SINGLELINE);
  EXPECT_TRUE(drawn->format & DT_VCENTER);
  EXPECT_EQ(drawn->backgroundMode, TRANSPARENT);

  Label wraps(Point(10, 40), "selected paths whose endpoints are within:", 60);
  wraps.setHeight(60);
  records = paint(wraps);
  drawn = text(records);
  ASSERT_TRUE(drawn);
  EXPECT_TRUE(drawn->format & DT_WORDBREAK);
  EXPECT_FALSE(drawn->format & DT_SINGLELINE);
}

TEST_F(LabelDrawing, CapsuleShapeIsFilledBelowAPulledInBottom)
{
  Label label(Point(10, 10), "Tag", 60);
  label.setBackgroundShape(30);
  paint(label);
  HWND control = label.platformWidget()->GetSafeHwnd();
  const std::vector<qorwin::GdiPlusRecord> records = qorwin::gdiPlusRecords(control);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].op, qorwin::GdiPlusRecord::FillPath);
  EXPECT_EQ(records[0].rect.Height, 13) << "a 14-pixel label loses its bottom row";
  EXPECT_EQ(records[0].color, Gdiplus::Color(0, 0, 0).GetValue()) << "opaque black by default";
}

TEST_F(LabelDrawing, DisabledImageIsDrawnVeiled)
{
  Label image = qor::core::LabelWithImage(qor::core::Rect(10, 10, 40, 40), qor::core::ImageWithRolloverIDs(200, 0, 210, 0));
  paint(image);
  HWND control = image.platformWidget()->GetSafeHwnd();
  std::vector<qorwin::GdiPlusRecord> records = qorwin::gdiPlusRecords(control);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].op, qorwin::GdiPlusRecord::DrawImage);
  EXPECT_EQ(records[0].rect.X, (40 - 30) / 2) << "centred";
  EXPECT_EQ(records[0].rect.Width, 30);
  EXPECT_EQ(Gdiplus::Color(records[0].imageCorner).GetA(), 0) << "the icon's corner is transparent";

  image.setEnabled(false);
  paint(image);
  records = qorwin::gdiPlusRecords(control);
  ASSERT_EQ(records.size(), 1u);
  EXPECT_EQ(records[0].rect.Width, 30);
  // Where the image is transparent, the veil over its base colour gives the background again.
  const qor::aip::ThemeColor background = qor::aip::Illustrator::instance()->themeColor(20, 10);
  const Gdiplus::Color corner(records[0].imageCorner);
  EXPECT_EQ(corner.GetA(), 255);
  EXPECT_NEAR(corner.GetR(), background.red * 255, 1.5);
  EXPECT_NEAR(corner.GetG(), background.green * 255, 1.5);
  EXPECT_NEAR(corner.GetB(), background.blue * 255, 1.5);
}

}  // namespace widgetstest

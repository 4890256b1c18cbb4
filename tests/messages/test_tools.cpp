// Tool messages as the core layer reads them: the private copy of a tool message and the mouse-drag
// filter measured in screen units.
#include <cstring>

#include "MessagesFixture.h"
#include "aip/qoraipDocument.h"
#include "aip/qoraipDocumentView.h"
#include "aip/qoraipIllustrator.h"
#include "aip/qoraipToolMessageData.h"
#include "core/qorcorePlugin.h"
#include "hostsimBlocks.h"
#include "hostsimWorkspace.h"

namespace messagesTest_tools {

using messagesTest::PluginFixture;
using messagesTest::Probe;

class Tools : public PluginFixture
{
};

TEST_F(Tools, PrivateCopyDuplicatesTheExtraEntriesIntoAHostBlock)
{
  ToolExtraEntry entries[2];
  for (int i = 0; i < 2; ++i)
    std::memset(entries[i].bytes, 0x40 + i, sizeof entries[i].bytes);
  ::ToolMessage record{};
  record.cursor = {12, 34};
  record.pressure = 99;
  record.extraCount = 2;
  record.extraEntries = entries;
  hostsim::Blocks& blocks = app->area<hostsim::Blocks>();
  size_t before = blocks.liveCount();
  {
    qor::aip::ToolMessageData copy(record);
    EXPECT_EQ(copy.cursor(), qor::aip::ArtboardPoint(12, -34));
    EXPECT_EQ(copy.message().pressure, 99);
    ASSERT_NE(copy.message().extraEntries, nullptr);
    EXPECT_NE(copy.message().extraEntries, entries);
    EXPECT_EQ(std::memcmp(copy.message().extraEntries, entries, sizeof entries), 0);
    EXPECT_EQ(blocks.liveCount(), before + 1);
    entries[0].bytes[0] = 0;
    EXPECT_EQ(copy.message().extraEntries[0].bytes[0], 0x40) << "a copy, not a view";
  }
  EXPECT_EQ(blocks.liveCount(), before);
  EXPECT_EQ(blocks.badFrees(), 0);

  for (int32_t count : {0, -1, INT32_MAX}) {
    record.extraCount = count;
    qor::aip::ToolMessageData none(record);
    EXPECT_EQ(none.message().extraEntries, nullptr) << count;
    EXPECT_EQ(blocks.liveCount(), before);
  }
}

TEST_F(Tools, DragsWithinTwoScreenUnitsOfTheMouseDownAreDropped)
{
  Probe dragged;
  qor::core::Plugin::instance()->setAfterMouseDragCallback(dragged.callback());
  auto send = [this](const char* selector, double h, double v) {
    ::ToolMessage record{};
    record.cursor = {h, v};
    app->callPlugin("AI Tool", selector, &record);
  };
  send("AI Mouse Down", 10, 10);
  send("AI Mouse Drag", 30, 30);
  EXPECT_EQ(dragged.runs, 0) << "no document view to measure with";

  std::string error;
  ASSERT_TRUE(hostsim::Workspace::instance().openSvgText("<svg xmlns='http://www.w3.org/2000/svg'/>", "d", error));
  qor::aip::Illustrator::instance()->currentDocument()->currentView()->setZoom(4);
  // At zoom 4 two screen units are 0.5 document units.
  send("AI Mouse Down", 10, 10);
  send("AI Mouse Drag", 10.49, 9.51);
  EXPECT_EQ(dragged.runs, 0);
  send("AI Mouse Drag", 10.5, 10);
  EXPECT_EQ(dragged.runs, 1) << "exactly two screen units pass";
  send("AI Mouse Drag", 10, 9.5);
  EXPECT_EQ(dragged.runs, 2);
}

} // namespace messagesTest_tools

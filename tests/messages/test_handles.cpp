// Typed messages read from host records, and the notifier, tool and file-format handles.
#include "MessagesFixture.h"
#include "aip/qoraipNotifier.h"
#include "core/qorcoreFileFormat.h"
#include "core/qorcoreMessage.h"
#include "core/qorcoreModalDialog.h"
#include "core/qorcoreNotification.h"
#include "core/qorcoreNotifier.h"
#include "core/qorcoreTool.h"
#include "hostsimAnnotations.h"
#include "hostsimNotifiers.h"
#include "aip/qoraipSize.h"
#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiModalDialog.h"
#include "pui/qorpuiUiGlobals.h"
#include "pui/qorpuiWindowLists.h"
#include "utils/qorutilsCallback.h"

namespace messagesTest_handles {

using namespace qor::core;
using messagesTest::PluginFixture;
using messagesTest::Probe;

class Handles : public PluginFixture
{
};

TEST_F(Handles, ToolMessageValues)
{
  struct Case
  {
    int16_t raw;
    double value;
  };
  for (Case c : {Case{127, 0.5}, Case{255, 1.0}, Case{0, 0.0}, Case{-1, -1 / 255.0}}) {
    ::ToolMessage record{};
    record.pressure = c.raw;
    record.stylusWheel = c.raw;
    Tool tool;
    qor::core::ToolMessage message(tool, ToolMouseDownMessageType, &record);
    EXPECT_DOUBLE_EQ(message.record().pressure, c.value) << c.raw;
    EXPECT_DOUBLE_EQ(message.record().stylusWheel, c.value) << c.raw;
  }
  HostEvent event{};
  event.modifiers = 0x0A00;
  ::ToolMessage record{};
  record.event = &event;
  record.tilt = 90;
  record.cursor = {3, 4};
  Tool tool;
  qor::core::ToolMessage shiftAlt(tool, ToolMouseDragMessageType, &record);
  EXPECT_EQ(shiftAlt.record().modifiers, ShiftModifierKey | AltModifierKey);
  EXPECT_NEAR(shiftAlt.record().tilt.radians(), 3.14159265358979 / 2, 1e-12);
  EXPECT_DOUBLE_EQ(shiftAlt.record().tilt.degrees(), 90);
  EXPECT_EQ(shiftAlt.record().bearing.radians(), 0);
  EXPECT_EQ(shiftAlt.record().cursor, ArtboardPoint(3, -4)) << "the artboard's vertical runs the other way";
  event.modifiers = 0x0100;
  EXPECT_EQ(qor::core::ToolMessage(tool, ToolMouseUpMessageType, &record).record().modifiers, CtrlModifierKey);
  record.event = nullptr;
  EXPECT_EQ(qor::core::ToolMessage(tool, ToolMouseUpMessageType, &record).record().modifiers, 0u);
}

TEST_F(Handles, MessagesAreValidOnlyForTheirOwnTypesAndARecord)
{
  MenuItem item;
  ::MenuMessage menu{};
  qor::core::MenuMessage noRecord(item, MenuGoMessageType, nullptr);
  EXPECT_EQ(noRecord.type(), NoMessageType);
  EXPECT_EQ(noRecord.menuItem(), nullptr);
  qor::core::MenuMessage update(item, MenuUpdateMessageType, &menu);
  EXPECT_EQ(update.type(), MenuUpdateMessageType);
  EXPECT_NE(update.menuItem(), nullptr);
  EXPECT_EQ(ActionMessage(AnnotatorDrawMessageType, &menu).type(), NoMessageType);
  EXPECT_EQ(CustomMessage("a", "b", CustomMessageType, nullptr).type(), CustomMessageType);
  EXPECT_EQ(LiveEffectGoMessage(LiveEffectGoLiveMessageType, &menu).type(), NoMessageType);
  ::FileFormatMessage noFormat{};
  EXPECT_EQ(qor::core::FileFormatMessage(FileFormatGoMessageType, &noFormat).type(), NoMessageType);
  noFormat.fileFormat = reinterpret_cast<FileFormatHandle>(0x50);
  qor::core::FileFormatMessage withFormat(FileFormatSetParametersMessageType, &noFormat);
  EXPECT_EQ(withFormat.type(), FileFormatSetParametersMessageType);
  EXPECT_EQ(withFormat.fileFormat().hostHandle(), noFormat.fileFormat);

  RealRect rects[3] = {{10, 20, 30, 60}, {0, 0, 1, 1}, {5, 5, 5, 5}};
  ::AnnotationMessage annotation{};
  annotation.rects = rects;
  annotation.rectCount = 3;
  annotation.secondFlag = 1;
  Annotator annotator;
  AnnotatorMessage drawn(annotator, AnnotatorDrawMessageType, &annotation);
  ASSERT_EQ(drawn.record().rects.size(), 3u);
  EXPECT_EQ(drawn.record().rects[0].x, 10);
  EXPECT_EQ(drawn.record().rects[0].y, 20);
  EXPECT_EQ(drawn.record().rects[0].width, 20);
  EXPECT_EQ(drawn.record().rects[0].height, 40);
  EXPECT_TRUE(drawn.record().secondFlag);
  EXPECT_FALSE(drawn.record().firstFlag);
  EXPECT_TRUE(drawn.record().view.isEmpty());
  annotation.view = reinterpret_cast<DocViewHandle>(0x61);
  AnnotatorMessage viewed(annotator, AnnotatorInvalidateMessageType, &annotation);
  EXPECT_EQ(viewed.record().view.hostHandle(), annotation.view);
}

TEST_F(Handles, SymbolSetNotificationsOnlyForTheirType)
{
  Probe probe;
  Notifier symbols(ArtSymbolSetChangedNotifierType, probe.callback());
  Notifier other(ArtSelectionChangedNotifierType, probe.callback());
  SymbolSetChangedNotifyData empty{0, 0, nullptr, nullptr};
  ::NotifierMessage record{};
  record.notifyData = &empty;
  NotifyMessage withData(symbols, NotifyMessageType, &record);
  ASSERT_NE(withData.notification(), nullptr);
  EXPECT_EQ(withData.notification()->type(), ArtSymbolSetChangedNotifierType);
  EXPECT_TRUE(static_cast<const ArtSymbolSetChangedNotification*>(withData.notification())->firstList().empty());
  EXPECT_EQ(NotifyMessage(other, NotifyMessageType, &record).notification(), nullptr);
}

TEST_F(Handles, NotifierHandlesShareOneContainer)
{
  Probe a, b;
  Notifier first(ArtSymbolSetChangedNotifierType, a.callback());
  Notifier copy(first);
  Notifier separate(ArtSymbolSetChangedNotifierType, a.callback());
  Notifier empty1, empty2;
  EXPECT_TRUE(copy == first);
  EXPECT_EQ(copy.containerId(), first.containerId());
  EXPECT_FALSE(separate == first);
  EXPECT_TRUE(empty1 == empty2);
  EXPECT_FALSE(empty1 == first);
  EXPECT_EQ(empty1.type(), NoNotifierType);
  // A copy consumes an id of its own although it shares the container.
  EXPECT_EQ(separate.containerId(), first.containerId() + 2);
  empty1 = first;
  EXPECT_TRUE(empty1 == first);
  first.setCallback(b.callback());
  copy.callback()->execute();
  EXPECT_EQ(b.runs, 1);
  // The argument may be the stored callback itself.
  copy.setCallback(*copy.callback());
  copy.callback()->execute();
  EXPECT_EQ(b.runs, 2);
  EXPECT_TRUE(globals().notifierRegistry.contains(first.containerId()));
}

TEST_F(Handles, NotifierNamesReachTheHostInItsEightBitEncoding)
{
  Probe probe;
  qor::aip::Notifier notifier("Caf\xC3\xA9", "AI Art Selection Changed Notifier", nullptr);
  EXPECT_EQ(notifier.name(), "Caf\xE9");
  EXPECT_TRUE(notifier.isActive());
  auto* held = new qor::aip::Notifier("With callback", "AI Art Selection Changed Notifier",
                                      new qor::utils::__Callback<Probe>(&probe, &Probe::run));
  NotifierHandle handle = held->hostHandle();
  delete held;
  EXPECT_FALSE(app->area<hostsim::Notifiers>().find(handle)->active);
}

class FixedTool : public __IntToolSubclass
{
public:
  explicit FixedTool(ToolHandle handle) { toolHandle = handle; }
  int32_t number() const override { return 7; }
  int32_t options() const override { return 0x3FF; }
  int32_t kind() const override { return 20; }
  ToolValuePair alternatePair() const override { return stored; }
  void setAlternatePair(const ToolValuePair& pair) override { stored = pair; }
  ToolValuePair stored{1, 2};
};

TEST_F(Handles, ToolHandlesForwardToTheImplementation)
{
  Tool empty(reinterpret_cast<ToolHandle>(0x900));
  EXPECT_TRUE(empty.isEmpty());
  EXPECT_EQ(empty.number(), -2);
  EXPECT_EQ(empty.textA(), "");
  EXPECT_TRUE(empty.pointsA().empty());

  ToolHandle host = reinterpret_cast<ToolHandle>(0x910);
  auto* data = new __IntToolData();
  data->hostHandle = host;
  data->impl = new FixedTool(host);
  globals().toolRegistry.insert(host, data);
  {
    Tool tool(host);
    data->refCount = 1; // the registering implementation holds no handle of its own here
    EXPECT_FALSE(tool.isEmpty());
    EXPECT_EQ(tool.number(), 7);
    EXPECT_EQ(tool.options(), 0x1FF);
    tool.setPairFirst(5);
    EXPECT_EQ(tool.pairFirst(), 5);
    EXPECT_EQ(tool.pairSecond(), 2);
    tool.setOptions(0x3FF);
    EXPECT_EQ(app->area<hostsim::Annotations>().toolOptions[host], 0x1FF);
    EXPECT_FALSE(tool.isSelected());
    tool.select();
    EXPECT_TRUE(tool.isSelected());
    Probe probe;
    tool.setSelectCallback(probe.callback());
    tool.setSelectCallback(*tool.selectCallback());
    tool.selectCallback()->execute();
    EXPECT_EQ(probe.runs, 1);
    EXPECT_TRUE(tool != empty);
  }
  EXPECT_FALSE(globals().toolRegistry.contains(host));
}

// The tool keeps copies of the dialog handles it is given: each shares the given dialog's window,
// a new one replaces the old (also when it is the stored handle itself), and the last handle of a
// window takes it along, whichever of them goes last.
TEST_F(Handles, ToolDialogHandlesAreCopiesSharingTheWindow)
{
  auto openDialogs = [] { return qor::pui::BasePlugin::instance()->uiGlobals()->modalDialogs.size(); };
  auto windowOf = [](const ModalDialog* handle) { return handle ? handle->dialog() : nullptr; };
  ToolHandle host = reinterpret_cast<ToolHandle>(0x930);
  auto* data = new __IntToolData();
  data->hostHandle = host;
  data->impl = new FixedTool(host);
  globals().toolRegistry.insert(host, data);
  size_t before = openDialogs();
  {
    ModalDialog first(new qor::pui::ModalDialog("Tool options", qor::aip::Size(200, 100)));
    {
      Tool tool(host);
      data->refCount = 1; // the registering implementation holds no handle of its own here
      EXPECT_EQ(tool.dialogA(), nullptr);
      EXPECT_EQ(tool.dialogB(), nullptr);
      tool.setDialogA(first);
      ASSERT_NE(tool.dialogA(), nullptr);
      EXPECT_NE(tool.dialogA(), &first);
      EXPECT_EQ(windowOf(tool.dialogA()), windowOf(&first));
      tool.setDialogA(*tool.dialogA());
      EXPECT_EQ(windowOf(tool.dialogA()), windowOf(&first));
      {
        ModalDialog second(new qor::pui::ModalDialog("Tool options", qor::aip::Size(200, 100)));
        tool.setDialogB(second);
        tool.setDialogA(second);
        EXPECT_EQ(windowOf(tool.dialogA()), windowOf(&second));
        EXPECT_NE(tool.dialogA(), tool.dialogB());
      }
      EXPECT_EQ(openDialogs(), before + 2) << "the tool's copies keep the second window";
      Tool().setDialogA(first); // an empty tool keeps nothing
    }
    EXPECT_EQ(openDialogs(), before + 1) << "the tool's copies went with its record";
  }
  EXPECT_EQ(openDialogs(), before);
}

TEST(FileFormats, EmptinessEqualityAndCopies)
{
  FileFormat none;
  EXPECT_TRUE(none.isEmpty());
  FileFormat described;
  described.setName("Format");
  FileFormat::AddData add;
  add.title = "Title";
  add.extensions = {"svg", "svgz"};
  described.setAddData(&add);
  EXPECT_TRUE(described.isEmpty());
  described.setOptions(1);
  EXPECT_FALSE(described.isEmpty());

  FileFormat sameName;
  sameName.setName("Format");
  EXPECT_TRUE(sameName == described);
  FileFormat handled(reinterpret_cast<FileFormatHandle>(5));
  handled.setName("Format");
  EXPECT_FALSE(handled == described);
  EXPECT_FALSE(handled.isEmpty());

  FileFormat target;
  {
    FileFormat source;
    source = described;
    target = source;
  }
  ASSERT_NE(target.addData(), nullptr);
  EXPECT_EQ(target.addData()->extensions, (std::vector<std::string>{"svg", "svgz"}));
  target = none;
  EXPECT_EQ(target.addData(), nullptr);
}

} // namespace messagesTest_handles

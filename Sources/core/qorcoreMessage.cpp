#include "core/qorcoreMessage.h"

#include "core/qorcoreHandleBridge.h"
#include "core/qorcoreNotification.h"

#include <cmath>

namespace qor::core {

namespace qorcoreMessage_detail {

bool inRange(MessageType type, int32_t first, int32_t last)
{
  return type >= first && type <= last && type % 10 == 0;
}

double pressureValue(int16_t v) { return v == 127 ? 0.5 : v / 255.0; }
Angle degreesAngle(int16_t v) { return v == 0 ? Angle() : Angle(v, geo::Angle::Degrees); }

} // namespace qorcoreMessage_detail

Message::~Message() { delete data; }

MessageType Message::type() const { return data && data->valid ? data->type : NoMessageType; }

void Message::adopt(__IntMsgData* record, bool ownType, const void* hostRecord)
{
  data = record;
  record->valid = ownType && hostRecord != nullptr;
}

#define QOR_PLAIN_MESSAGE_IMPL(Class, Record, condition)                                                    \
  Class::Class(MessageType type, const void* hostRecord)                                                     \
  {                                                                                                          \
    using qorcoreMessage_detail::inRange;                                                                    \
    adopt(new Record(type), (condition), hostRecord);                                                        \
  }                                                                                                          \
  Class::~Class() = default;

QOR_PLAIN_MESSAGE_IMPL(ActionMessage, __IntActionMsgData, type == 10)
QOR_PLAIN_MESSAGE_IMPL(AdapterMessage, __IntAdapterMsgData, inRange(type, 870, 940))
QOR_PLAIN_MESSAGE_IMPL(ClipboardMessage, __IntClipboardMsgData, inRange(type, 40, 70))
QOR_PLAIN_MESSAGE_IMPL(FilterMessage, __IntFilterMsgData, inRange(type, 120, 130))
QOR_PLAIN_MESSAGE_IMPL(LayerListMessage, __IntLayerListMsgData, inRange(type, 140, 160))
QOR_PLAIN_MESSAGE_IMPL(ObjectSetMessage, __IntObjectSetMsgData, inRange(type, 300, 380))
QOR_PLAIN_MESSAGE_IMPL(PluginMessage, __IntPluginMsgData, inRange(type, 840, 860))
QOR_PLAIN_MESSAGE_IMPL(PreferencesMessage, __IntPrefsMsgData, inRange(type, 500, 530))
QOR_PLAIN_MESSAGE_IMPL(PropertiesMessage, __IntPropsMsgData, inRange(type, 950, 960))
QOR_PLAIN_MESSAGE_IMPL(ToolboxMessage, __IntToolboxMsgData, inRange(type, 680, 790))
QOR_PLAIN_MESSAGE_IMPL(TransformAgainMessage, __IntTransformAgainMsgData, type == 800)
QOR_PLAIN_MESSAGE_IMPL(WorkspaceMessage, __IntWorkspaceMsgData, inRange(type, 810, 830))
QOR_PLAIN_MESSAGE_IMPL(LiveEffectMessage, __IntLiveEffectMsgData, false && type)
#undef QOR_PLAIN_MESSAGE_IMPL

#define QOR_LIVE_EFFECT_MESSAGE_IMPL(Class)                                                                 \
  Class::Class(MessageType type, const void* hostRecord) : LiveEffectMessage(type, hostRecord) {}          \
  Class::~Class() = default;

QOR_LIVE_EFFECT_MESSAGE_IMPL(LiveEffectEditParamsMessage)
QOR_LIVE_EFFECT_MESSAGE_IMPL(LiveEffectGoMessage)
QOR_LIVE_EFFECT_MESSAGE_IMPL(LiveEffectInterpolateMessage)
QOR_LIVE_EFFECT_MESSAGE_IMPL(LiveEffectInputMessage)
QOR_LIVE_EFFECT_MESSAGE_IMPL(LiveEffectConvertColorSpaceMessage)
QOR_LIVE_EFFECT_MESSAGE_IMPL(LiveEffectScaleParamsMessage)
QOR_LIVE_EFFECT_MESSAGE_IMPL(LiveEffectMergeMessage)
QOR_LIVE_EFFECT_MESSAGE_IMPL(LiveEffectGetSVGFilterMessage)
QOR_LIVE_EFFECT_MESSAGE_IMPL(LiveEffectAdjustColorsMessage)
QOR_LIVE_EFFECT_MESSAGE_IMPL(LiveEffectIsCompatibleMessage)
#undef QOR_LIVE_EFFECT_MESSAGE_IMPL

AnnotatorMessage::AnnotatorMessage(const Annotator& annotator, MessageType type, const void* hostRecord)
{
  auto* record = new __IntAnnotatorMsgData(type);
  adopt(record, type == AnnotatorDrawMessageType || type == AnnotatorInvalidateMessageType, hostRecord);
  if (!record->valid)
    return;
  const auto* host = static_cast<const aip::AnnotationMsgRecord*>(hostRecord);
  record->annotator = annotator;
  record->firstFlag = host->firstFlag != 0;
  record->secondFlag = host->secondFlag != 0;
  record->view = wrapDocumentView(host->view);
  if (host->drawer)
    record->drawer = host->drawer;
  for (int32_t i = 0; i < host->rectCount && host->rects; ++i) {
    const RealRect& r = host->rects[i];
    record->rects.push_back({r.left, r.top, r.right - r.left, r.bottom - r.top});
  }
}

AnnotatorMessage::~AnnotatorMessage() = default;

CustomArtMessage::CustomArtMessage(MessageType type, const void* hostRecord)
{
  auto* record = new __IntPluginGroupMsgData(type);
  adopt(record, qorcoreMessage_detail::inRange(type, 390, 490), hostRecord);
  if (!record->valid)
    return;
  const auto* host = static_cast<const aip::PluginGroupMsgRecord*>(hostRecord);
  if ((type >= 390 && type <= 430) || (type >= 450 && type <= 480))
    record->art = host->art;
}

CustomArtMessage::~CustomArtMessage() = default;

CustomMessage::CustomMessage(const std::string& caller, const std::string& selector, MessageType type,
                             void* hostRecord)
{
  auto* record = new __IntCustomMsgData(type);
  data = record;
  record->valid = type == CustomMessageType;
  if (!record->valid)
    return;
  record->caller = caller;
  record->selector = selector;
  record->hostMessage = hostRecord;
}

CustomMessage::~CustomMessage() = default;

FileFormatMessage::FileFormatMessage(MessageType type, const void* hostRecord)
{
  auto* record = new __IntFileFormatMsgData(type);
  const auto* host = static_cast<const aip::FileFormatMsgRecord*>(hostRecord);
  bool own = type == 80 || type == 81 || type == 90 || type == 100 || type == 110;
  adopt(record, own && host && host->fileFormat, hostRecord);
  aip::msgArtboardRangeSuite();
  if (!record->valid)
    return;
  record->fileFormat = FileFormat(host->fileFormat);
  record->hostMessage = hostRecord;
}

FileFormatMessage::~FileFormatMessage() = default;

MenuMessage::MenuMessage(const MenuItem& menuItem, MessageType type, const void* hostRecord)
{
  auto* record = new __IntMenuMsgData(type);
  adopt(record, type == MenuGoMessageType || type == MenuUpdateMessageType, hostRecord);
  if (record->valid)
    record->menuItem = menuItem;
}

MenuMessage::~MenuMessage() = default;

const MenuItem* MenuMessage::menuItem() const
{
  return data && data->valid ? &static_cast<__IntMenuMsgData*>(data)->menuItem : nullptr;
}

__IntNotifyMsgData::~__IntNotifyMsgData() { delete notification; }

NotifyMessage::NotifyMessage(const Notifier& notifier, MessageType type, const void* hostRecord)
{
  auto* record = new __IntNotifyMsgData(type);
  adopt(record, type == NotifyMessageType, hostRecord);
  if (!record->valid)
    return;
  record->notifier = notifier;
  if (notifier.type() == ArtSymbolSetChangedNotifierType) {
    const auto* host = static_cast<const aip::NotifierMsgRecord*>(hostRecord);
    record->notification = new ArtSymbolSetChangedNotification(ArtSymbolSetChangedNotifierType, host->notifyData);
  }
}

NotifyMessage::~NotifyMessage() = default;

const Notifier* NotifyMessage::notifier() const
{
  return data && data->valid ? &static_cast<__IntNotifyMsgData*>(data)->notifier : nullptr;
}

const Notification* NotifyMessage::notification() const
{
  return data ? static_cast<__IntNotifyMsgData*>(data)->notification : nullptr;
}

TimerMessage::TimerMessage(const Timer& timer, MessageType type, const void* hostRecord)
{
  auto* record = new __IntTimerMsgData(type);
  adopt(record, type == TimerGoMessageType, hostRecord);
  if (record->valid)
    record->timer = timer;
}

TimerMessage::~TimerMessage() = default;

ToolMessage::ToolMessage(const Tool& tool, MessageType type, const void* hostRecord)
{
  using namespace qorcoreMessage_detail;
  auto* record = new __IntToolMsgData(type);
  adopt(record, inRange(type, 550, 670), hostRecord);
  if (!record->valid)
    return;
  const auto* host = static_cast<const aip::ToolMsgRecord*>(hostRecord);
  record->tool = tool;
  record->cursor = ArtboardPoint(aip::ArtboardPoint(host->cursor));
  record->pressure = pressureValue(host->pressure);
  record->stylusWheel = pressureValue(host->stylusWheel);
  record->tilt = degreesAngle(host->tilt);
  record->bearing = degreesAngle(host->bearing);
  record->rotation = degreesAngle(host->rotation);
  if (host->event) {
    uint16_t m = host->event->modifiers;
    if (m & 0x0200)
      record->modifiers |= ShiftModifierKey;
    if (m & 0x0800)
      record->modifiers |= AltModifierKey;
    if (m & 0x0100)
      record->modifiers |= CtrlModifierKey;
  }
}

ToolMessage::~ToolMessage() = default;

} // namespace qor::core

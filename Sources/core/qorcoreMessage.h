// Typed messages: the object form of one host call. Each class serves one host caller and copies out
// of the host record what belongs to that caller; the dispatcher builds and deletes them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "aip/qoraipMsgEnv.h"
#include "core/qorcoreAngle.h"
#include "core/qorcoreAnnotator.h"
#include "core/qorcoreArtboardPoint.h"
#include "core/qorcoreDocumentView.h"
#include "core/qorcoreFileFormat.h"
#include "core/qorcoreMenuItem.h"
#include "core/qorcoreMessageType.h"
#include "core/qorcoreNotifier.h"
#include "core/qorcoreTimer.h"
#include "core/qorcoreTool.h"

namespace qor::core {

class Notification;

class __IntMsgData
{
public:
  __IntMsgData(MessageType type) : type(type) {}
  virtual ~__IntMsgData() = default;

  bool valid = false;
  MessageType type = NoMessageType;
};

class Message
{
public:
  Message(const Message&) = delete;
  Message& operator=(const Message&) = delete;
  virtual ~Message();
  // The type the message was built for, when it was filled from a host record of its caller; else 0.
  virtual MessageType type() const;

protected:
  Message() = default;
  // Stores the record; marks it valid when the type is one of the class's and there is a host record.
  void adopt(__IntMsgData* record, bool ownType, const void* hostRecord);

  __IntMsgData* data = nullptr;
};

// Messages that capture nothing beyond their type.
#define QOR_PLAIN_MESSAGE(Class, Record)                                                                    \
  class Record : public __IntMsgData                                                                         \
  {                                                                                                          \
  public:                                                                                                    \
    using __IntMsgData::__IntMsgData;                                                                        \
  };                                                                                                         \
  class Class : public Message                                                                               \
  {                                                                                                          \
  public:                                                                                                    \
    Class(MessageType type, const void* hostRecord);                                                         \
    ~Class() override;                                                                                       \
  };

QOR_PLAIN_MESSAGE(ActionMessage, __IntActionMsgData)
QOR_PLAIN_MESSAGE(AdapterMessage, __IntAdapterMsgData)
QOR_PLAIN_MESSAGE(ClipboardMessage, __IntClipboardMsgData)
QOR_PLAIN_MESSAGE(FilterMessage, __IntFilterMsgData)
QOR_PLAIN_MESSAGE(LayerListMessage, __IntLayerListMsgData)
QOR_PLAIN_MESSAGE(ObjectSetMessage, __IntObjectSetMsgData)
QOR_PLAIN_MESSAGE(PluginMessage, __IntPluginMsgData)
QOR_PLAIN_MESSAGE(PreferencesMessage, __IntPrefsMsgData)
QOR_PLAIN_MESSAGE(PropertiesMessage, __IntPropsMsgData)
QOR_PLAIN_MESSAGE(ToolboxMessage, __IntToolboxMsgData)
QOR_PLAIN_MESSAGE(TransformAgainMessage, __IntTransformAgainMsgData)
QOR_PLAIN_MESSAGE(WorkspaceMessage, __IntWorkspaceMsgData)
QOR_PLAIN_MESSAGE(LiveEffectMessage, __IntLiveEffectMsgData)
#undef QOR_PLAIN_MESSAGE

// The live-effect messages capture nothing and stay invalid: their type answers 0.
#define QOR_LIVE_EFFECT_MESSAGE(Class)                                                                      \
  class Class : public LiveEffectMessage                                                                     \
  {                                                                                                          \
  public:                                                                                                    \
    Class(MessageType type, const void* hostRecord);                                                         \
    ~Class() override;                                                                                       \
  };

QOR_LIVE_EFFECT_MESSAGE(LiveEffectEditParamsMessage)
QOR_LIVE_EFFECT_MESSAGE(LiveEffectGoMessage)
QOR_LIVE_EFFECT_MESSAGE(LiveEffectInterpolateMessage)
QOR_LIVE_EFFECT_MESSAGE(LiveEffectInputMessage)
QOR_LIVE_EFFECT_MESSAGE(LiveEffectConvertColorSpaceMessage)
QOR_LIVE_EFFECT_MESSAGE(LiveEffectScaleParamsMessage)
QOR_LIVE_EFFECT_MESSAGE(LiveEffectMergeMessage)
QOR_LIVE_EFFECT_MESSAGE(LiveEffectGetSVGFilterMessage)
QOR_LIVE_EFFECT_MESSAGE(LiveEffectAdjustColorsMessage)
QOR_LIVE_EFFECT_MESSAGE(LiveEffectIsCompatibleMessage)
#undef QOR_LIVE_EFFECT_MESSAGE

// A rectangle of an annotation message: origin and size.
struct AnnotationRect
{
  double x = 0;
  double y = 0;
  double width = 0;
  double height = 0;
};

class __IntAnnotatorMsgData : public __IntMsgData
{
public:
  using __IntMsgData::__IntMsgData;

  Annotator annotator;
  AnnotatorDrawer drawer = nullptr;
  DocumentView view;
  bool firstFlag = false;
  bool secondFlag = false;
  std::vector<AnnotationRect> rects;
};

class AnnotatorMessage : public Message
{
public:
  AnnotatorMessage(const Annotator& annotator, MessageType type, const void* hostRecord);
  ~AnnotatorMessage() override;

  const __IntAnnotatorMsgData& record() const { return *static_cast<__IntAnnotatorMsgData*>(data); }
};

class __IntPluginGroupMsgData : public __IntMsgData
{
public:
  using __IntMsgData::__IntMsgData;

  ArtHandle art = nullptr;
};

class CustomArtMessage : public Message
{
public:
  CustomArtMessage(MessageType type, const void* hostRecord);
  ~CustomArtMessage() override;

  ArtHandle art() const { return static_cast<__IntPluginGroupMsgData*>(data)->art; }
};

class __IntCustomMsgData : public __IntMsgData
{
public:
  using __IntMsgData::__IntMsgData;

  std::string caller;
  std::string selector;
  void* hostMessage = nullptr;
};

class CustomMessage : public Message
{
public:
  CustomMessage(const std::string& caller, const std::string& selector, MessageType type, void* hostRecord);
  ~CustomMessage() override;

  const std::string& caller() const { return static_cast<__IntCustomMsgData*>(data)->caller; }
  const std::string& selector() const { return static_cast<__IntCustomMsgData*>(data)->selector; }
  void* hostMessage() const { return static_cast<__IntCustomMsgData*>(data)->hostMessage; }
};

class __IntFileFormatMsgData : public __IntMsgData
{
public:
  using __IntMsgData::__IntMsgData;

  FileFormat fileFormat;
  const void* hostMessage = nullptr;
};

class FileFormatMessage : public Message
{
public:
  FileFormatMessage(MessageType type, const void* hostRecord);
  ~FileFormatMessage() override;

  const FileFormat& fileFormat() const { return static_cast<__IntFileFormatMsgData*>(data)->fileFormat; }
};

class __IntMenuMsgData : public __IntMsgData
{
public:
  using __IntMsgData::__IntMsgData;

  MenuItem menuItem;
};

class MenuMessage : public Message
{
public:
  MenuMessage(const MenuItem& menuItem, MessageType type, const void* hostRecord);
  ~MenuMessage() override;

  // The item's handle when the message is valid, else null.
  const MenuItem* menuItem() const;
};

class __IntNotifyMsgData : public __IntMsgData
{
public:
  using __IntMsgData::__IntMsgData;
  ~__IntNotifyMsgData() override;

  Notifier notifier;
  Notification* notification = nullptr;
};

class NotifyMessage : public Message
{
public:
  NotifyMessage(const Notifier& notifier, MessageType type, const void* hostRecord);
  ~NotifyMessage() override;

  const Notifier* notifier() const;
  const Notification* notification() const;
};

class __IntTimerMsgData : public __IntMsgData
{
public:
  using __IntMsgData::__IntMsgData;

  Timer timer;
};

class TimerMessage : public Message
{
public:
  TimerMessage(const Timer& timer, MessageType type, const void* hostRecord);
  ~TimerMessage() override;

  const Timer& timer() const { return static_cast<__IntTimerMsgData*>(data)->timer; }
};

// Modifier keys of a tool message.
enum ModifierKeys : uint32_t
{
  NoModifierKeys = 0,
  ShiftModifierKey = 1,
  AltModifierKey = 2,
  CtrlModifierKey = 4,
};

class __IntToolMsgData : public __IntMsgData
{
public:
  using __IntMsgData::__IntMsgData;

  Tool tool;
  // The cursor in artboard coordinates (the host's vertical value negated).
  ArtboardPoint cursor;
  double pressure = 0.5;
  double stylusWheel = 0.5;
  Angle tilt;
  Angle bearing;
  Angle rotation;
  uint32_t modifiers = 0;
};

class ToolMessage : public Message
{
public:
  ToolMessage(const Tool& tool, MessageType type, const void* hostRecord);
  ~ToolMessage() override;

  const __IntToolMsgData& record() const { return *static_cast<__IntToolMsgData*>(data); }
};

} // namespace qor::core

// The dispatcher: turns each host call the entry point passes on into a typed message, guards against
// re-entrant dispatch of the same kind, runs menu-item and notifier callbacks and hands every call
// on to the host-facing router. One per plug-in.
#pragma once

#include <cstdint>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "aip/qoraipMsgEnv.h"
#include "core/qorcoreMessageType.h"
#include "core/qorcoreNotifierType.h"

namespace qor::aip {
class Notifier;
class Timer;
} // namespace qor::aip

namespace qor::core {

class Message;
class Notifier;
class Timer;
class Annotator;
class __IntDispatcherData;

class Dispatcher
{
public:
  // Result codes of the two dispatch operations.
  enum Result : int32_t
  {
    Handled = 0,
    NotHandled = 10,
    NotDispatched = 20,
    Refused = 30
  };

  Dispatcher();
  Dispatcher(const Dispatcher&) = delete;
  Dispatcher& operator=(const Dispatcher&) = delete;
  ~Dispatcher();

  int32_t dispatchMessage(MessageType type, void* message);
  int32_t dispatchCustomMessage(const char* caller, const char* selector, void* message);
  void registerNotifier(const Notifier& notifier);

  // Client timers: entered with the router (so they fire) and kept by name for the timer messages.
  void registerTimer(const Timer& timer);
  void unregisterTimer(const Timer& timer);

  // The typed message of the dispatch in progress, or of the last outermost one; null when none.
  const Message* currentMessage() const;

  __IntDispatcherData* data() const { return dispatcherData; }

  // The plug-in's dispatcher (the first one made, until it is deleted); null when there is none.
  static Dispatcher* instance();

private:
  __IntDispatcherData* dispatcherData = nullptr;
};

class __IntDispatcherData
{
public:
  class __ArtboardStats
  {
  public:
    __ArtboardStats() = default;
    __ArtboardStats(int32_t index, const RealRect& bounds, const RealPoint& rulerOrigin, const std::string& name)
        : index(index), bounds(bounds), rulerOrigin(rulerOrigin), name(name)
    {
    }
    __ArtboardStats(const __ArtboardStats&) = default;
    __ArtboardStats& operator=(const __ArtboardStats&) = default;
    virtual ~__ArtboardStats() = default;

    int32_t index = -1;
    RealRect bounds{0, 0, 0, 0};
    RealPoint rulerOrigin{0, 0};
    std::string name;
  };

  class __NotifierMonolith
  {
  public:
    virtual ~__NotifierMonolith();
    void onHostNotify();

    aip::Notifier* hostNotifier = nullptr;
    std::vector<Notifier*>* notifiers = nullptr;
  };

  __IntDispatcherData() = default;
  __IntDispatcherData(const __IntDispatcherData&) = delete;
  __IntDispatcherData& operator=(const __IntDispatcherData&) = delete;
  virtual ~__IntDispatcherData();

  void onArtboardPoll();

  aip::Timer* pollTimer = nullptr;
  DocumentHandle polledDocument = nullptr;
  int32_t currentArtboardIndex = 0;
  std::map<int32_t, __ArtboardStats> artboardStats;
  std::set<NotifierType> polledTypes;
  std::map<NotifierType, std::vector<Notifier*>*> notifiersByType;
  std::map<NotifierType, __NotifierMonolith*> monolithsByType;
  std::map<std::string, Annotator*> annotatorsByName;
  Message* lastToolMessage = nullptr;
  std::map<std::string, Timer*> timersByName;
  // Not owning: the message of the dispatch in progress (owned by that dispatch), a prepared notify
  // message, or retainedMessage.
  Message* currentMessage = nullptr;
  // The last outermost dispatch's message, kept until the next outermost dispatch.
  Message* retainedMessage = nullptr;
  // Dispatches in progress, custom ones included.
  int32_t depth = 0;
  // Where the prepared messages of the notify dispatch in progress start, and how many there are.
  size_t notifyBase = 0;
  size_t notifyCount = 0;

private:
  friend class Dispatcher;
  void raise(NotifierType kind);
  bool checkAdded();
  bool checkRemoved();
  bool checkChanged();
  bool checkCurrentChanged();
};

} // namespace qor::core

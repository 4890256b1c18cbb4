// The simulated host application: one per test (or per hostsim run). It publishes the suite tables,
// counts acquisitions, mints handles, holds the state of every area of the application and calls the
// plug-in's entry point the way the host does.
//
// Extending it: an area of the application (fonts, menus, documents, notifiers ...) is a class derived
// from hostsim::Area, created on first use by HostApp::area<T>() with a HostApp& argument, and found
// again from suite functions through HostApp::instance().area<T>(). Its suites are published by an
// install function that a static AreaInstaller in the area's own .cpp registers:
//
//   namespace hostsimFonts_detail {
//   void install(hostsim::HostApp& app)
//   {
//     FontSuite& suite = app.publishSuite<FontSuite>(kFontSuiteName, kFontSuiteVersion);
//     suite.countFonts = &countFonts; // every position left alone answers 'NIMP' and is recorded
//   }
//   const hostsim::AreaInstaller installer(100, &install);
//   } // namespace hostsimFonts_detail
//
// Every new HostApp runs the installers in ascending order (then by registration order). Two areas may
// fill different positions of the same suite: publishSuite returns the table already published.
#pragma once

#include "hostapi/MessageRecords.h"
#include "hostapi/SpBasicSuite.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <iosfwd>
#include <map>
#include <memory>
#include <string>
#include <typeindex>
#include <unordered_map>
#include <utility>
#include <vector>

namespace hostsim {

class HostApp;

// State of one area of the application.
class Area
{
public:
  virtual ~Area() = default;
  // Areas write their part of the end-of-run report in ascending order.
  virtual int reportOrder() const { return 500; }
  virtual void report(std::ostream&) const {}
};

// Registers an install function that every new HostApp runs.
class AreaInstaller
{
public:
  AreaInstaller(int order, void (*install)(HostApp&));
};

// One (name, version) as the plug-in used it through the basic suite.
struct SuiteUse
{
  std::string name;
  int32_t version = 0;
  int acquired = 0;
  int released = 0;
  int outstanding() const { return acquired - released; }
};

// A call of a suite position the host does not implement.
struct UnimplementedCall
{
  std::string suite;
  int32_t version = 0;
  size_t position = 0;
};

// One call of the plug-in's entry point.
struct PluginCall
{
  std::string caller;
  std::string selector;
  HostErr result = 0;
};

class HostApp
{
public:
  HostApp();
  ~HostApp();
  HostApp(const HostApp&) = delete;
  HostApp& operator=(const HostApp&) = delete;

  // The live application, or null. Suite functions have no context argument and find it here.
  static HostApp* current();
  // The live application; throws std::logic_error when there is none.
  static HostApp& instance();

  // ---- Suites ----

  // The table published under (name, version), created with every position answering 'NIMP'. The
  // reference stays valid until a larger table is published under the same name, which is only allowed
  // before the plug-in first acquires it.
  template <class Suite> Suite& publishSuite(const char* name, int32_t version)
  {
    static_assert(sizeof(Suite) % sizeof(void*) == 0, "a suite is a table of function pointers");
    return *reinterpret_cast<Suite*>(publishTable(name, version, sizeof(Suite) / sizeof(void*)));
  }
  HostStubProc* publishTable(const char* name, int32_t version, size_t slotCount);
  // Publishes (name, version) as another name of the table of (targetName, targetVersion).
  void publishAlias(const char* name, int32_t version, const char* targetName, int32_t targetVersion);
  bool isPublished(const std::string& name, int32_t version) const;
  const SpBasicSuite* basicSuite() const { return &basicSuite_; }

  // Test hook: the basic suite refuses (name, version) while set.
  void refuseSuite(const std::string& name, int32_t version, bool refuse = true);
  // Every (name, version) the plug-in acquired, in the order of first acquisition.
  std::vector<SuiteUse> suiteUses() const;
  int outstandingAcquisitions(const std::string& name, int32_t version) const;
  int totalOutstandingAcquisitions() const;
  // Releases of suites that were not acquired.
  int unbalancedReleases() const { return unbalancedReleases_; }
  const std::vector<UnimplementedCall>& unimplementedCalls() const { return unimplementedCalls_; }

  // ---- Handles ----

  // A new handle value: values increase across all kinds and are never reused.
  template <class Handle> Handle mintHandle()
  {
    nextHandle_ += kHandleStep;
    return reinterpret_cast<Handle>(nextHandle_);
  }

  // ---- Areas ----

  template <class T> T& area()
  {
    // Suites reach their area on every call: the last answer per type is kept, and holds while the
    // epoch it was found in lasts (each application has its own; none while areas are torn down).
    thread_local std::pair<uint64_t, T*> last{0, nullptr};
    if (areaEpoch_ && last.first == areaEpoch_)
      return *last.second;
    auto it = areas_.find(std::type_index(typeid(T)));
    if (it != areas_.end()) {
      T* found = static_cast<T*>(it->second);
      if (areaEpoch_)
        last = {areaEpoch_, found};
      return *found;
    }
    auto created = std::make_unique<T>(*this);
    T& result = *created;
    areas_.emplace(std::type_index(typeid(T)), created.get());
    areaOrder_.push_back(std::move(created));
    if (areaEpoch_)
      last = {areaEpoch_, &result};
    return result;
  }

  // ---- The plug-in ----

  // Connects the application to a plug-in's entry point (loaded from modulePath, or linked in).
  void connect(PluginMainProc entry, const std::string& modulePath);
  bool isConnected() const { return entry_ != nullptr; }
  PluginRef pluginRef() const { return pluginRef_; }
  const std::string& modulePath() const { return modulePath_; }

  // Calls the entry point with a record that starts with a MessageHeader, which is filled first. Calls
  // may nest (a suite function may call the plug-in again); the message queue is pumped after every
  // outermost call.
  HostErr callPlugin(const char* caller, const char* selector, void* record);
  // ("SP Interface", selector) with a header-only record.
  HostErr sendInterface(const char* selector);
  // Sends a notification of the given type to the plug-in's subscriptions.
  void sendNotification(const char* type, const void* data = nullptr);
  // Replaces how notifications reach the plug-in (the notifier area sends one call per active
  // subscription). Until one is set, a notification is one call with a null subscription handle.
  void setNotificationSender(std::function<void(const char* type, const void* data)> sender);

  // The host's lifecycle calls.
  void startup();
  void applicationStarted();
  void applicationShutdown();
  void shutdown();
  const std::vector<PluginCall>& pluginCalls() const { return pluginCalls_; }
  int callDepth() const { return callDepth_; }

  // ---- Event loop ----

  // Pumps the Windows layer's message queue until it is empty.
  void pump();

  // ---- Report ----

  // What the plug-in did: its name, the suites it acquired, and every area's part.
  void report(std::ostream& out) const;

  // Called by the placeholder stubs of the suite tables.
  HostErr unimplemented(size_t stubIndex);

private:
  struct SuiteTable
  {
    std::string name;
    int32_t version = 0;
    size_t slotCount = 0;
    std::unique_ptr<HostStubProc[]> slots;
  };
  using SuiteKey = std::pair<std::string, int32_t>;
  struct Acquisitions
  {
    int acquired = 0;
    int released = 0;
  };

  static HostErr acquireSuite(const char* name, int32_t version, const void** outTable);
  static HostErr releaseSuite(const char* name, int32_t version);
  void installAreas();
  void reportSuites(std::ostream& out) const;

  static constexpr uintptr_t kHandleStep = 16;

  SpBasicSuite basicSuite_{};
  std::vector<std::unique_ptr<SuiteTable>> tables_;
  std::map<SuiteKey, SuiteTable*> published_;
  std::map<SuiteKey, Acquisitions> acquisitions_;
  std::vector<SuiteKey> acquisitionOrder_;
  std::map<SuiteKey, bool> refused_;
  int unbalancedReleases_ = 0;
  std::vector<std::pair<SuiteTable*, size_t>> stubSlots_;
  std::vector<UnimplementedCall> unimplementedCalls_;

  uintptr_t nextHandle_ = 0x10000;

  std::unordered_map<std::type_index, Area*> areas_;
  uint64_t areaEpoch_ = 0;
  std::vector<std::unique_ptr<Area>> areaOrder_;

  PluginMainProc entry_ = nullptr;
  std::string modulePath_;
  PluginRef pluginRef_ = nullptr;
  void* pluginGlobals_ = nullptr;
  std::vector<PluginCall> pluginCalls_;
  int callDepth_ = 0;
  std::function<void(const char*, const void*)> notificationSender_;
};

} // namespace hostsim

#include "hostsimApp.h"

#include <atomic>

#include "hostsimStubs.h"
#include "hostsimWindows.h"

#include <algorithm>
#include <cstring>
#include <ostream>
#include <stdexcept>

namespace hostsim {

namespace hostsimApp_detail {

HostApp* currentApp = nullptr;
// Epochs of the areas' lookups, never reused (0 is none).
std::atomic<uint64_t> lastAreaEpoch{0};

struct Installer
{
  int order;
  size_t sequence;
  void (*install)(HostApp&);
};

std::vector<Installer>& installers()
{
  static std::vector<Installer> list;
  return list;
}

} // namespace hostsimApp_detail

AreaInstaller::AreaInstaller(int order, void (*install)(HostApp&))
{
  auto& list = hostsimApp_detail::installers();
  list.push_back({order, list.size(), install});
}

HostApp::HostApp()
{
  if (hostsimApp_detail::currentApp)
    throw std::logic_error("hostsim: only one HostApp may live at a time");
  hostsimApp_detail::currentApp = this;
  areaEpoch_ = ++hostsimApp_detail::lastAreaEpoch;
  basicSuite_.acquireSuite = &HostApp::acquireSuite;
  basicSuite_.releaseSuite = &HostApp::releaseSuite;
  pluginRef_ = mintHandle<PluginRef>();
  installAreas();
}

HostApp::~HostApp()
{
  // Areas may refer to areas created before them; none is found through a kept answer any more.
  areaEpoch_ = 0;
  while (!areaOrder_.empty()) {
    areas_.erase(std::type_index(typeid(*areaOrder_.back())));
    areaOrder_.pop_back();
  }
  hostsimApp_detail::currentApp = nullptr;
}

HostApp* HostApp::current()
{
  return hostsimApp_detail::currentApp;
}

HostApp& HostApp::instance()
{
  if (!hostsimApp_detail::currentApp)
    throw std::logic_error("hostsim: no HostApp");
  return *hostsimApp_detail::currentApp;
}

void HostApp::installAreas()
{
  auto list = hostsimApp_detail::installers();
  std::stable_sort(list.begin(), list.end(), [](const auto& a, const auto& b) {
    return a.order != b.order ? a.order < b.order : a.sequence < b.sequence;
  });
  for (const auto& installer : list)
    installer.install(*this);
}

// ---- Suites ----

HostStubProc* HostApp::publishTable(const char* name, int32_t version, size_t slotCount)
{
  SuiteKey key(name, version);
  auto it = published_.find(key);
  SuiteTable* table = nullptr;
  if (it != published_.end()) {
    table = it->second;
    if (slotCount <= table->slotCount)
      return table->slots.get();
    for (const auto& [usedKey, counts] : acquisitions_)
      if (published_.count(usedKey) && published_.at(usedKey) == table && counts.acquired)
        throw std::logic_error("hostsim: a suite table cannot grow after it was acquired: " + table->name);
  } else {
    tables_.push_back(std::make_unique<SuiteTable>());
    table = tables_.back().get();
    table->name = name;
    table->version = version;
    published_[key] = table;
  }
  auto slots = std::make_unique<HostStubProc[]>(slotCount);
  for (size_t position = 0; position < slotCount; ++position) {
    if (position < table->slotCount) {
      slots[position] = table->slots[position];
      continue;
    }
    size_t stubIndex = stubSlots_.size();
    stubSlots_.emplace_back(table, position);
    slots[position] = stubIndex < kStubCount ? stubProc(stubIndex) : overflowStubProc();
  }
  table->slots = std::move(slots);
  table->slotCount = slotCount;
  return table->slots.get();
}

void HostApp::publishAlias(const char* name, int32_t version, const char* targetName, int32_t targetVersion)
{
  auto it = published_.find(SuiteKey(targetName, targetVersion));
  if (it == published_.end())
    throw std::logic_error(std::string("hostsim: alias of an unpublished suite: ") + targetName);
  published_[SuiteKey(name, version)] = it->second;
}

bool HostApp::isPublished(const std::string& name, int32_t version) const
{
  return published_.count(SuiteKey(name, version)) != 0;
}

void HostApp::refuseSuite(const std::string& name, int32_t version, bool refuse)
{
  refused_[SuiteKey(name, version)] = refuse;
}

HostErr HostApp::acquireSuite(const char* name, int32_t version, const void** outTable)
{
  HostApp* app = current();
  if (!app || !name || !outTable)
    return kHostErrBadParameter;
  SuiteKey key(name, version);
  auto refused = app->refused_.find(key);
  auto it = app->published_.find(key);
  if (it == app->published_.end() || (refused != app->refused_.end() && refused->second))
    return kHostErrNotFound;
  auto& counts = app->acquisitions_[key];
  if (counts.acquired == 0)
    app->acquisitionOrder_.push_back(key);
  ++counts.acquired;
  *outTable = it->second->slots.get();
  return kHostNoErr;
}

HostErr HostApp::releaseSuite(const char* name, int32_t version)
{
  HostApp* app = current();
  if (!app || !name)
    return kHostErrBadParameter;
  auto it = app->acquisitions_.find(SuiteKey(name, version));
  if (it == app->acquisitions_.end() || it->second.released >= it->second.acquired) {
    ++app->unbalancedReleases_;
    return kHostErrBadParameter;
  }
  ++it->second.released;
  return kHostNoErr;
}

std::vector<SuiteUse> HostApp::suiteUses() const
{
  std::vector<SuiteUse> uses;
  for (const SuiteKey& key : acquisitionOrder_) {
    const Acquisitions& counts = acquisitions_.at(key);
    uses.push_back({key.first, key.second, counts.acquired, counts.released});
  }
  return uses;
}

int HostApp::outstandingAcquisitions(const std::string& name, int32_t version) const
{
  auto it = acquisitions_.find(SuiteKey(name, version));
  return it == acquisitions_.end() ? 0 : it->second.acquired - it->second.released;
}

int HostApp::totalOutstandingAcquisitions() const
{
  int total = 0;
  for (const auto& entry : acquisitions_)
    total += entry.second.acquired - entry.second.released;
  return total;
}

HostErr HostApp::unimplemented(size_t stubIndex)
{
  if (stubIndex < stubSlots_.size()) {
    const auto& [table, position] = stubSlots_[stubIndex];
    unimplementedCalls_.push_back({table->name, table->version, position});
  } else {
    unimplementedCalls_.push_back({"(unknown suite)", 0, 0});
  }
  return kHostErrNotImplemented;
}

// ---- The plug-in ----

void HostApp::connect(PluginMainProc entry, const std::string& modulePath)
{
  entry_ = entry;
  modulePath_ = modulePath;
}

HostErr HostApp::callPlugin(const char* caller, const char* selector, void* record)
{
  if (!entry_)
    throw std::logic_error("hostsim: no plug-in connected");
  auto* header = static_cast<MessageHeader*>(record);
  header->checkValue = kMessageCheckValue;
  header->plugin = pluginRef_;
  header->pluginGlobals = pluginGlobals_;
  header->basicSuite = &basicSuite_;
  ++callDepth_;
  HostErr result = 0;
  try {
    result = entry_(caller, selector, record);
  } catch (...) {
    --callDepth_;
    throw;
  }
  --callDepth_;
  pluginGlobals_ = header->pluginGlobals;
  pluginCalls_.push_back({caller, selector, result});
  if (callDepth_ == 0)
    pump();
  return result;
}

HostErr HostApp::sendInterface(const char* selector)
{
  MessageHeader record{};
  return callPlugin(kSPInterfaceCaller, selector, &record);
}

void HostApp::sendNotification(const char* type, const void* data)
{
  if (notificationSender_) {
    notificationSender_(type, data);
    return;
  }
  NotifierMessage record{};
  record.notifierType = type;
  record.notifyData = data;
  callPlugin(kNotifierCaller, kNotifySelector, &record);
}

void HostApp::setNotificationSender(std::function<void(const char*, const void*)> sender)
{
  notificationSender_ = std::move(sender);
}

void HostApp::startup()
{
  sendInterface(kStartupSelector);
}

void HostApp::applicationStarted()
{
  sendNotification(kApplicationStartedNotifier);
}

void HostApp::applicationShutdown()
{
  sendNotification(kApplicationShutdownNotifier);
}

void HostApp::shutdown()
{
  sendInterface(kShutdownSelector);
}

// ---- Report ----

void HostApp::report(std::ostream& out) const
{
  std::vector<const Area*> ordered;
  for (const auto& area : areaOrder_)
    ordered.push_back(area.get());
  std::stable_sort(ordered.begin(), ordered.end(),
                   [](const Area* a, const Area* b) { return a->reportOrder() < b->reportOrder(); });
  bool suitesDone = false;
  for (const Area* area : ordered) {
    if (!suitesDone && area->reportOrder() > 100) {
      reportSuites(out);
      suitesDone = true;
    }
    area->report(out);
  }
  if (!suitesDone)
    reportSuites(out);
  std::string debug = debuggerOutput();
  out << "Debugger output:" << (debug.empty() ? " none\n" : "\n" + debug);
  if (!debug.empty() && debug.back() != '\n')
    out << "\n";
}

void HostApp::reportSuites(std::ostream& out) const
{
  std::vector<SuiteUse> uses = suiteUses();
  out << "Suites acquired: " << uses.size() << "\n";
  for (const SuiteUse& use : uses) {
    out << "  " << use.name << " " << use.version << ": acquired " << use.acquired << ", "
        << (use.outstanding() == 0 ? std::string("released")
                                   : "NOT released (" + std::to_string(use.outstanding()) + " held)")
        << "\n";
  }
  if (unbalancedReleases_)
    out << "Releases without an acquisition: " << unbalancedReleases_ << "\n";
  if (!unimplementedCalls_.empty()) {
    out << "Calls of unimplemented suite functions: " << unimplementedCalls_.size() << "\n";
    std::map<std::pair<std::string, size_t>, int> counted;
    for (const auto& call : unimplementedCalls_)
      ++counted[{call.suite, call.position}];
    for (const auto& [key, count] : counted)
      out << "  " << key.first << " position " << key.second << ": " << count << "\n";
  }
}

} // namespace hostsim

namespace hostsim {

void HostApp::pump()
{
  pumpHostMessages();
}

} // namespace hostsim

#include "hostsimContext.h"

#include "hostapi/ContextSuite.h"
#include "hostsimWindows.h"

#include <ostream>

namespace hostsim {

Context::Context(HostApp& app) : app_(app)
{
  mainWindow_ = createHostWindow(u"hostsim.MainWindow", u"Host", nullptr);
}

Context::~Context()
{
  destroyHostWindow(mainWindow_);
}

HostErr Context::push(PluginRef plugin, AppContext* outContext)
{
  if (!outContext || !plugin || plugin != app_.pluginRef())
    return kHostErrBadParameter;
  if (refusePush)
    return kHostErrNotFound;
  *outContext = app_.mintHandle<AppContext>();
  stack_.push_back(*outContext);
  ++pushes_;
  return kHostNoErr;
}

HostErr Context::pop(AppContext context)
{
  // Contexts are left in the reverse order of entering them.
  if (!context || stack_.empty() || stack_.back() != context) {
    ++badPops_;
    return kHostErrBadParameter;
  }
  stack_.pop_back();
  return kHostNoErr;
}

void Context::report(std::ostream& out) const
{
  if (!stack_.empty())
    out << "Application contexts still entered: " << stack_.size() << "\n";
  if (badPops_)
    out << "Application contexts left out of order: " << badPops_ << "\n";
}

namespace hostsimContext_detail {

Context& context()
{
  return HostApp::instance().area<Context>();
}

HostErr getMainWindow(PlatformWindow* outWindow)
{
  if (!outWindow)
    return kHostErrBadParameter;
  *outWindow = context().mainWindow();
  return *outWindow ? kHostNoErr : kHostErrNotFound;
}

HostErr pushAppContext(PluginRef plugin, AppContext* outContext)
{
  return context().push(plugin, outContext);
}

HostErr popAppContext(AppContext appContext)
{
  return context().pop(appContext);
}

void install(HostApp& app)
{
  app.area<Context>();
  auto& suite = app.publishSuite<ContextSuite>(kContextSuiteName, kContextSuiteVersion);
  suite.getMainWindow = &getMainWindow;
  suite.pushAppContext = &pushAppContext;
  suite.popAppContext = &popAppContext;
}

const AreaInstaller installer(10, &install);

} // namespace hostsimContext_detail

} // namespace hostsim

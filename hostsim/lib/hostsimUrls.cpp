#include "hostsimUrls.h"

#include "hostapi/URLSuite.h"
#include "hostsimEncoding.h"

#include <ostream>

namespace hostsim {

void Urls::report(std::ostream& out) const
{
  for (const std::string& url : opened_)
    out << "URL opened: " << url << "\n";
}

namespace hostsimUrls_detail {

int32_t canOpenURL()
{
  return HostApp::instance().area<Urls>().canOpen ? 1 : 0;
}

int32_t openURL(const char* url)
{
  Urls& urls = HostApp::instance().area<Urls>();
  if (!url || !urls.canOpen)
    return 0;
  urls.open(platformToUtf8(url));
  return 1;
}

void install(HostApp& app)
{
  app.area<Urls>();
  auto& suite = app.publishSuite<URLSuite>(kURLSuiteName, kURLSuiteVersion);
  suite.canOpenURL = &canOpenURL;
  suite.openURL = &openURL;
}

const AreaInstaller installer(10, &install);

} // namespace hostsimUrls_detail

} // namespace hostsim

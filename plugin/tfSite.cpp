#include "tfSite.h"

namespace tf {

namespace tfSite_detail {

std::string& site()
{
  static std::string address = QOR_WEBSITE_URL;
  return address;
}

}  // namespace tfSite_detail

const char supportEmail[] = "support@tessfold.example";
const char frameworkAddress[] = "https://corvane.example/";

std::string siteAddress()
{
  return tfSite_detail::site();
}

void setSiteAddress(const std::string& address)
{
  std::string& site = tfSite_detail::site();
  site = address;
  if (site.empty() || site.back() != '/')
    site += '/';
}

}  // namespace tf

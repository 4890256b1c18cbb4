// The maker's addresses that the plug-in's messages name and its windows open. The web site is the
// build setting QOR_WEBSITE_URL (always ending in "/"); tests point it at a server of their own.
#pragma once

#include <string>

namespace tf {

// The maker's web site, ending in "/".
std::string siteAddress();
// Replaces the web site for the rest of the process; a missing final "/" is added.
void setSiteAddress(const std::string& address);

// The maker's support e-mail address.
extern const char supportEmail[];
// The address of the framework's maker, named in the acknowledgement.
extern const char frameworkAddress[];

}  // namespace tf

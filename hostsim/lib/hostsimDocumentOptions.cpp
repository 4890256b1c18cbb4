#include "hostsimDocumentOptions.h"

#include "hostsimApp.h"
#include "hostsimRunner.h"
#include "hostsimWorkspace.h"

#include <ostream>

namespace hostsim {

std::vector<std::string> DocumentOptions::splitIds(const std::string& list)
{
  std::vector<std::string> ids;
  size_t start = 0;
  while (start <= list.size()) {
    size_t comma = list.find(',', start);
    if (comma == std::string::npos)
      comma = list.size();
    if (comma > start)
      ids.push_back(list.substr(start, comma - start));
    start = comma + 1;
  }
  return ids;
}

bool DocumentOptions::open(const std::string& path, std::ostream& err)
{
  std::string error;
  if (!Workspace::instance().openSvg(path, error)) {
    err << "hostsim: " << error << "\n";
    return false;
  }
  if (HostApp* app = HostApp::current(); app && app->isConnected())
    app->sendNotification("AI Document Opened Notifier");
  return true;
}

bool DocumentOptions::select(const std::string& list, std::ostream& err)
{
  std::string error;
  if (!Workspace::instance().select(splitIds(list), error)) {
    err << "hostsim: --select: " << error << "\n";
    return false;
  }
  if (HostApp* app = HostApp::current(); app && app->isConnected())
    app->sendNotification("AI Art Selection Changed Notifier");
  return true;
}

bool DocumentOptions::save(const std::string& path, std::ostream& err)
{
  std::string error;
  Workspace& ws = Workspace::instance();
  if (!ws.saveSvg(ws.current(), path, error)) {
    err << "hostsim: --save: " << error << "\n";
    return false;
  }
  return true;
}

namespace hostsimDocumentOptions_detail {
bool openAction(HostApp&, const std::string& path, std::ostream& err) { return DocumentOptions::open(path, err); }
bool selectAction(HostApp&, const std::string& ids, std::ostream& err) { return DocumentOptions::select(ids, err); }
bool saveAction(HostApp&, const std::string& path, std::ostream& err) { return DocumentOptions::save(path, err); }

const CommandAction openCommand("open", "FILE.svg", "open a drawing as the current document", &openAction);
const CommandAction selectCommand("select", "all|ID[,ID...]", "select all art, or the art with these ids",
                                  &selectAction);
const CommandAction saveCommand("save", "FILE.svg", "save the current document as SVG", &saveAction);
} // namespace hostsimDocumentOptions_detail

} // namespace hostsim

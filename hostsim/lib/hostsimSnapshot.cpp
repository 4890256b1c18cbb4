// The hostsim program's picture action: --snapshot TITLE FILE.png writes the plug-in's window with
// this title as a PNG. A dialog or alert is written when it first shows (before it is answered), so
// the action may come before the one that opens it; any other window (a panel) as it is after the
// last action. A title that never showed fails the run, naming the titles there were.
#include "hostsimApp.h"
#include "hostsimDialogs.h"
#include "hostsimEncoding.h"
#include "hostsimRunner.h"
#include "win/WinTest.h"
#include "win/WinUser.h"

#include <ostream>
#include <set>
#include <vector>

namespace hostsim {

namespace hostsimSnapshot_detail {

struct Request
{
  std::string title;
  std::string file;
  bool written = false;
  bool failed = false;
};

std::string titleOf(HWND window)
{
  std::u16string text(static_cast<size_t>(GetWindowTextLengthW(window)) + 1, u'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(window, &text[0], static_cast<int>(text.size()))));
  return utf16ToUtf8(text);
}

// The requests of a run and every title seen, kept with the application.
class Snapshots : public Area
{
public:
  explicit Snapshots(HostApp& app)
  {
    app.area<Dialogs>().watch([this](HWND dialog) { shown(dialog); });
  }

  void add(const std::string& title, const std::string& file) { requests_.push_back({title, file}); }

  bool finish(std::ostream& err)
  {
    for (const std::string& title : currentTitles())
      seen_.insert(title);
    bool ok = true;
    for (Request& request : requests_) {
      if (!request.written && !request.failed) {
        if (HWND window = qorwin::findTopLevel(utf8ToUtf16(request.title))) {
          write(request, window);
        } else {
          err << "hostsim: --snapshot: no window \"" << request.title << "\"; the windows were:";
          for (const std::string& title : seen_)
            err << " \"" << title << "\"";
          err << (seen_.empty() ? " none\n" : "\n");
          ok = false;
          continue;
        }
      }
      if (request.failed) {
        err << "hostsim: --snapshot: cannot write " << request.file << "\n";
        ok = false;
      }
    }
    requests_.clear();
    return ok;
  }

private:
  void shown(HWND dialog)
  {
    std::string title = titleOf(dialog);
    seen_.insert(title);
    for (Request& request : requests_)
      if (!request.written && !request.failed && request.title == title)
        write(request, dialog);
  }

  static std::vector<std::string> currentTitles()
  {
    std::vector<std::string> titles;
    for (const std::u16string& title : qorwin::topLevelTitles())
      titles.push_back(utf16ToUtf8(title));
    return titles;
  }

  static void write(Request& request, HWND window)
  {
    request.written = qorwin::saveSnapshot(window, request.file);
    request.failed = !request.written;
  }

  std::vector<Request> requests_;
  std::set<std::string> seen_;
};

bool snapshotAction(HostApp& app, const std::string& argument, std::ostream& err)
{
  size_t split = argument.find('\n');
  std::string title = argument.substr(0, split), file = split == std::string::npos ? "" : argument.substr(split + 1);
  if (file.empty()) {
    err << "hostsim: --snapshot needs a title and a file\n";
    return false;
  }
  app.area<Snapshots>().add(title, file);
  return true;
}

bool finishSnapshots(HostApp& app, std::ostream& err)
{
  return app.area<Snapshots>().finish(err);
}

const CommandAction snapshotCommand("snapshot", "TITLE FILE.png",
                                    "write the window with this title as PNG (a dialog when it shows)",
                                    &snapshotAction, CommandAction::BeforeStart);
const CommandFinish snapshotFinish(&finishSnapshots);

} // namespace hostsimSnapshot_detail

} // namespace hostsim

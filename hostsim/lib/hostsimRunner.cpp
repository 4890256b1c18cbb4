#include "hostsimRunner.h"

#include "hostsimApp.h"
#include "hostsimColorPicker.h"
#include "hostsimDialogs.h"
#include "hostsimMenuOptions.h"
#include "hostsimPluginModule.h"
#include "hostsimResources.h"
#include "hostsimRunSummary.h"
#include "hostsimRuntime.h"
#include "hostsimTheme.h"
#include "hostsimUser.h"
#include "hostsimWindows.h"
#include "win/WinTest.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <functional>
#include <cstring>
#include <ostream>
#include <sstream>
#include <vector>

namespace hostsim {

namespace hostsimRunner_detail {

struct Action
{
  std::string name;
  std::string argumentName;
  std::string help;
  CommandAction::Handler handler;
  CommandAction::Timing timing;
};

std::vector<Action>& actions()
{
  static std::vector<Action> list;
  return list;
}

std::vector<CommandFinish::Handler>& finishers()
{
  static std::vector<CommandFinish::Handler> list;
  return list;
}

const Action* findAction(const std::string& name)
{
  for (const Action& action : actions())
    if (action.name == name)
      return &action;
  return nullptr;
}

// The menu item a bare drawing on the command line is joined with.
constexpr const char* kJoinItem = "Objects Paths Popup>Junctate";

struct Options
{
  std::string program = "hostsim MODULE";
  std::string module;
  bool help = false;
  bool report = false;
  int32_t major = 21, minor = 0, revision = 0;
  std::string language;
  int32_t languageCode = 0;
  bool dark = false;
  bool quiet = false;
  std::vector<std::pair<std::string, int32_t>> refused;
  std::vector<std::string> resourceFolders;
  std::string answer = "default";
  std::vector<std::string> colorAnswers;
  std::vector<std::pair<const Action*, std::string>> actions;
};

void usage(const Options& options, const std::vector<std::string>& menuItems, std::ostream& out)
{
  out << "usage: " << options.program << " [DRAWING.svg ...] [options]\n"
      << "A bare DRAWING.svg is opened, all of it selected, \"" << kJoinItem << "\" chosen and the result saved\n"
      << "as DRAWING-joined.svg beside it. Actions run in command-line order:\n";
  for (const Action& action : actions()) {
    std::string left = "--" + action.name + (action.argumentName.empty() ? "" : " " + action.argumentName);
    out << "  " << left << std::string(left.size() < 38 ? 38 - left.size() : 1, ' ') << action.help << "\n";
  }
  out << "Settings:\n"
         "  --report                              print the host's report (suites, menus, notifiers, documents,\n"
         "                                        dialogs, debugger output) at the end\n"
         "  --quiet                               no progress on the terminal\n"
         "  --answer default|cancel|N             how dialogs and alerts are answered: Enter (default), Esc,\n"
         "                                        or a click on the Nth button from the right\n"
         "  --pick-color default|cancel|gray:G|rgb:R,G,B|cmyk:C,M,Y,K\n"
         "                                        how the host's colour picker is answered (each use answers\n"
         "                                        one more run, the last one every run after): the colour\n"
         "                                        shown, cancel, or gray and CMYK in percent, RGB in 0-255\n"
         "  --host-version MAJOR.MINOR[.REVISION] the version the host reports (default 21.0.0)\n"
         "  --language TEXT[=CODE]                the host's interface language and its code\n"
         "  --dark                                dark interface theme\n"
         "  --refuse NAME:VERSION                 the host refuses to hand out this suite\n"
         "  --resources FOLDER                    more module resources (TTTTTTTT_ID[_NAME] files)\n"
         "  -h, --help, help                      this text\n";
  if (!menuItems.empty()) {
    out << "Menu items of " << options.module.substr(options.module.rfind('/') + 1) << " (for --menu):\n";
    for (const std::string& item : menuItems)
      out << "  \"" << item << "\"\n";
  }
  out << "Example:\n  " << options.program
      << " --open drawing.svg --select all --menu Assimilate --save drawing-absorbed.svg\n"
         "Every run ends with one line: the drawing's paths in and out, the joins made, the paths closed and\n"
         "where the result is; an error, if any, comes last.\n";
}

bool endsWithSvg(const std::string& path)
{
  if (path.size() < 4)
    return false;
  std::string tail = path.substr(path.size() - 4);
  for (char& c : tail)
    c = char(std::tolower(static_cast<unsigned char>(c)));
  return tail == ".svg";
}

// DRAWING.svg -> DRAWING-joined.svg, in the same folder.
std::string joinedName(const std::string& path)
{
  const size_t slash = path.rfind('/');
  const size_t dot = path.rfind('.');
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash) || dot == slash + 1)
    return path + "-joined.svg";
  return path.substr(0, dot) + "-joined" + path.substr(dot);
}

bool addDrawing(const std::string& path, Options& options)
{
  const Action* open = findAction("open");
  const Action* select = findAction("select");
  const Action* menu = findAction("menu");
  const Action* save = findAction("save");
  if (!open || !select || !menu || !save)
    return false;
  options.actions.emplace_back(open, path);
  options.actions.emplace_back(select, "all");
  options.actions.emplace_back(menu, kJoinItem);
  options.actions.emplace_back(save, joinedName(path));
  return true;
}

bool parse(int argc, const char* const* argv, Options& options, std::ostream& err)
{
  if (argc > 0) {
    std::string self = argv[0];
    if (self.size() >= 3 && self.compare(self.size() - 3, 3, "run") == 0)
      options.program = "./run";
  }
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg == "-h" || arg == "--help" || arg == "help") {
      options.help = true;
      continue;
    }
    if (arg.rfind("--", 0) != 0) {
      if (options.module.empty() && !endsWithSvg(arg)) {
        options.module = arg;
      } else if (!addDrawing(arg, options)) {
        err << "hostsim: " << arg << ": this host cannot join a bare drawing (no --open, --select, --menu, --save)\n";
        return false;
      }
      continue;
    }
    std::string name = arg.substr(2);
    auto value = [&](std::string& out) {
      if (i + 1 >= argc) {
        err << "hostsim: " << arg << " needs an argument\n";
        return false;
      }
      out = argv[++i];
      return true;
    };
    std::string text;
    if (name == "dark") {
      options.dark = true;
    } else if (name == "quiet") {
      options.quiet = true;
    } else if (name == "report") {
      options.report = true;
    } else if (name == "host-version") {
      if (!value(text))
        return false;
      int major = 0, minor = 0, revision = 0;
      if (std::sscanf(text.c_str(), "%d.%d.%d", &major, &minor, &revision) < 2) {
        err << "hostsim: bad version " << text << "\n";
        return false;
      }
      options.major = major;
      options.minor = minor;
      options.revision = revision;
    } else if (name == "language") {
      if (!value(text))
        return false;
      size_t equals = text.find('=');
      options.language = text.substr(0, equals);
      options.languageCode = equals == std::string::npos ? 0 : std::atoi(text.c_str() + equals + 1);
    } else if (name == "refuse") {
      if (!value(text))
        return false;
      size_t colon = text.rfind(':');
      if (colon == std::string::npos) {
        err << "hostsim: --refuse needs NAME:VERSION\n";
        return false;
      }
      options.refused.emplace_back(text.substr(0, colon), std::atoi(text.c_str() + colon + 1));
    } else if (name == "answer") {
      if (!value(options.answer))
        return false;
      Dialogs::Answer answer;
      int button = 0;
      if (!Dialogs::parseAnswer(options.answer, answer, button)) {
        err << "hostsim: --answer needs default, cancel or a button number\n";
        return false;
      }
    } else if (name == "pick-color") {
      if (!value(text))
        return false;
      ColorPicker::Answer answer;
      if (!ColorPicker::parseAnswer(text, answer)) {
        err << "hostsim: --pick-color needs default, cancel, gray:G, rgb:R,G,B or cmyk:C,M,Y,K\n";
        return false;
      }
      options.colorAnswers.push_back(text);
    } else if (name == "resources") {
      if (!value(text))
        return false;
      options.resourceFolders.push_back(text);
    } else if (const Action* action = findAction(name)) {
      // One argument per word of the argument's name, joined by line feeds.
      if (!action->argumentName.empty()) {
        size_t words = 1 + static_cast<size_t>(std::count(action->argumentName.begin(), action->argumentName.end(), ' '));
        for (size_t word = 0; word < words; ++word) {
          std::string one;
          if (!value(one))
            return false;
          text += (word ? "\n" : "") + one;
        }
      }
      options.actions.emplace_back(action, action->argumentName.empty() ? std::string() : text);
    } else {
      err << "hostsim: unknown option " << arg << " (--help lists them)\n";
      return false;
    }
  }
  if (options.module.empty() && !options.help) {
    err << "hostsim: no module given (usage: hostsim MODULE [DRAWING.svg ...] [options])\n";
    return false;
  }
  return true;
}

// The progress bar on the terminal: one line, redrawn when its text or its percentage changes, that ends
// at its total when the task closes it (or says where it was cancelled).
class ProgressLine
{
public:
  explicit ProgressLine(std::ostream& err) : err_(err) {}
  ~ProgressLine() { finish(); }

  void show(const User::Progress& progress)
  {
    if (progress.closed) {
      if (shown_)
        draw(progress.text, progress.cancelled ? progress.current : progress.maximum, progress.maximum,
             progress.cancelled ? " (cancelled)" : "");
      finish();
      return;
    }
    const int percent = progress.maximum > 0 ? int(int64_t(progress.current) * 100 / progress.maximum) : -1;
    if (shown_ && progress.text == text_ && percent == percent_ && progress.maximum == maximum_)
      return;
    text_ = progress.text;
    percent_ = percent;
    maximum_ = progress.maximum;
    draw(progress.text, progress.current, progress.maximum, "");
  }

  void finish()
  {
    if (shown_)
      err_ << "\n" << std::flush;
    shown_ = false;
  }

private:
  void draw(const std::string& text, int32_t current, int32_t maximum, const char* note)
  {
    std::string line = text;
    if (maximum > 0)
      line += " " + std::to_string(current) + "/" + std::to_string(maximum);
    line += note;
    const size_t width = line.size();
    if (line.size() < width_)
      line.append(width_ - line.size(), ' ');
    width_ = width;
    err_ << "\r" << line << std::flush;
    shown_ = true;
  }

  std::ostream& err_;
  bool shown_ = false;
  std::string text_;
  int percent_ = -2;
  int32_t maximum_ = 0;
  size_t width_ = 0;
};

} // namespace hostsimRunner_detail

CommandAction::CommandAction(const char* name, const char* argumentName, const char* help, Handler handler,
                             Timing timing)
{
  hostsimRunner_detail::actions().push_back({name, argumentName ? argumentName : "", help, handler, timing});
}

CommandFinish::CommandFinish(Handler handler)
{
  hostsimRunner_detail::finishers().push_back(handler);
}

int runCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err)
{
  using namespace hostsimRunner_detail;
  Options options;
  if (!parse(argc, argv, options, err))
    return 2;
  if (options.module.empty()) {
    usage(options, {}, out);
    return 0;
  }
  PluginModule module(options.module);
  if (!module.isLoaded()) {
    err << "hostsim: cannot load the plug-in module: " << module.error() << "\n";
    return 1;
  }
  // The command line runs on real time; tests drive the clock themselves.
  qorwin::useRealTimeClock(true);
  HostApp app;
  app.connect(module.entry(), module.path());
  Runtime& runtime = app.area<Runtime>();
  runtime.major = options.major;
  runtime.minor = options.minor;
  runtime.revision = options.revision;
  if (!options.language.empty())
    runtime.setLanguage(options.language, options.languageCode);
  app.area<Theme>().setDark(options.dark);
  for (const auto& [name, version] : options.refused)
    app.refuseSuite(name, version);
  for (const std::string& folder : options.resourceFolders)
    app.area<Resources>().loadFolder(folder);
  app.area<Dialogs>().setAnswer(options.answer);
  for (size_t i = 0; i < options.colorAnswers.size(); ++i) {
    ColorPicker::Answer answer;
    ColorPicker::parseAnswer(options.colorAnswers[i], answer);
    if (i + 1 < options.colorAnswers.size())
      app.area<ColorPicker>().queueAnswer(answer);
    else
      app.area<ColorPicker>().setAnswer(answer);
  }
  ProgressLine progressLine(err);
  if (!options.quiet)
    app.area<User>().onProgress = [&progressLine](const User::Progress& progress) { progressLine.show(progress); };

  bool ok = true;
  // What an action says goes out when it is done; the words of the action that failed come last of all.
  std::string failure;
  auto run = [&](const std::function<bool(std::ostream&)>& step) {
    std::ostringstream said;
    ok = step(said);
    progressLine.finish();
    if (!ok)
      failure = said.str();
    else
      err << said.str();
    return ok;
  };
  // Actions that watch the plug-in start run before it starts.
  if (!options.help)
    for (const auto& [action, argument] : options.actions)
      if (action->timing == CommandAction::BeforeStart &&
          !run([&, action = action, argument = argument](std::ostream& said) { return action->handler(app, argument, said); }))
        break;
  const bool started = ok;
  if (started) {
    app.startup();
    app.applicationStarted();
  }
  if (options.help) {
    usage(options, MenuOptions::choosableNames(app), out);
  } else if (ok) {
    for (const auto& [action, argument] : options.actions)
      if (action->timing == CommandAction::AfterStart &&
          !run([&, action = action, argument = argument](std::ostream& said) { return action->handler(app, argument, said); }))
        break;
    for (CommandFinish::Handler finish : finishers())
      if (ok)
        run([&](std::ostream& said) { return finish(app, said); });
  }
  const std::string summary = app.area<RunSummary>().line();
  if (started) {
    app.applicationShutdown();
    app.shutdown();
  }
  app.area<User>().onProgress = nullptr;
  progressLine.finish();
  if (options.report) {
    app.report(out);
  } else if (std::string debug = debuggerOutput(); !debug.empty()) {
    // What the plug-in told the debugger (its alerts, a preference file set aside) is for the user too.
    err << "hostsim: the plug-in's debugger output:\n" << debug << (debug.back() == '\n' ? "" : "\n");
  }
  if (!options.help)
    out << "hostsim: " << summary << "\n";
  out << std::flush;
  err << failure << std::flush;
  return ok ? 0 : 1;
}

} // namespace hostsim

#include "hostsimRunner.h"

#include "hostsimApp.h"
#include "hostsimDialogs.h"
#include "hostsimPluginModule.h"
#include "hostsimResources.h"
#include "hostsimRuntime.h"
#include "hostsimTheme.h"
#include "hostsimUser.h"
#include "win/WinTest.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <ostream>
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

void usage(std::ostream& err)
{
  err << "usage: hostsim MODULE [options]\n"
         "  --host-version MAJOR.MINOR[.REVISION]  the version the host reports (default 21.0.0)\n"
         "  --language TEXT[=CODE]                 the host's interface language and its code\n"
         "  --dark                                 dark interface theme\n"
         "  --refuse NAME:VERSION                  the host refuses to hand out this suite\n"
         "  --resources FOLDER                     more module resources (TTTTTTTT_ID[_NAME] files)\n"
         "  --quiet                                no progress on the terminal\n"
         "  --answer default|cancel|N              how dialogs and alerts are answered: Enter (default),\n"
         "                                         Esc, or a click on the Nth button from the right\n";
  for (const Action& action : actions())
    err << "  --" << action.name << (action.argumentName.empty() ? "" : " " + action.argumentName) << "  "
        << action.help << "\n";
}

struct Options
{
  std::string module;
  int32_t major = 21, minor = 0, revision = 0;
  std::string language;
  int32_t languageCode = 0;
  bool dark = false;
  bool quiet = false;
  std::vector<std::pair<std::string, int32_t>> refused;
  std::vector<std::string> resourceFolders;
  std::string answer = "default";
  std::vector<std::pair<const Action*, std::string>> actions;
};

bool parse(int argc, const char* const* argv, Options& options, std::ostream& err)
{
  for (int i = 1; i < argc; ++i) {
    std::string arg = argv[i];
    if (arg.rfind("--", 0) != 0) {
      if (!options.module.empty()) {
        err << "hostsim: more than one module: " << arg << "\n";
        return false;
      }
      options.module = arg;
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
      err << "hostsim: unknown option " << arg << "\n";
      return false;
    }
  }
  if (options.module.empty()) {
    err << "hostsim: no module given\n";
    return false;
  }
  return true;
}

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
  if (!parse(argc, argv, options, err)) {
    usage(err);
    return 2;
  }
  PluginModule module(options.module);
  if (!module.isLoaded()) {
    err << "hostsim: " << module.error() << "\n";
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
  if (!options.quiet) {
    app.area<User>().onProgress = [&err](const User::Progress& progress) {
      if (progress.closed) {
        err << "\n";
        return;
      }
      err << "\r" << progress.text << " " << progress.current << "/" << progress.maximum << std::flush;
    };
  }

  bool ok = true;
  for (const auto& [action, argument] : options.actions)
    if (ok && action->timing == CommandAction::BeforeStart)
      ok = action->handler(app, argument, err);
  const bool started = ok;
  if (started) {
    app.startup();
    app.applicationStarted();
  }
  for (const auto& [action, argument] : options.actions) {
    if (!ok)
      break;
    if (action->timing == CommandAction::AfterStart)
      ok = action->handler(app, argument, err);
  }
  for (CommandFinish::Handler finish : finishers())
    if (ok)
      ok = finish(app, err);
  if (started) {
    app.applicationShutdown();
    app.shutdown();
  }
  app.report(out);
  return ok ? 0 : 1;
}

} // namespace hostsim

// The hostsim command line: loads a plug-in module, runs it through the host's lifecycle with the
// actions the options ask for, and ends with one summary line (an error, if any, after it).
//
//   hostsim MODULE [DRAWING.svg ...] [options]
//
// Actions run in command-line order after the application-started notification; a bare DRAWING.svg
// stands for --open, --select all, --menu (the join) and --save DRAWING-joined.svg. The host's report is
// printed on --report only. An area adds an action with a static CommandAction in its own .cpp:
//
//   const hostsim::CommandAction openAction("open", "FILE.svg", "open a drawing", &openDrawing);
//
// which makes "--open FILE.svg" call openDrawing(app, "FILE.svg", err); a false result ends the run, and
// what the failing action wrote to err is printed last. --help lists every registered action.
// An argument name of several words ("TITLE FILE.png") takes that many arguments, handed to the
// handler joined by line feeds. An action made with BeforeStart runs before the plug-in starts (to
// watch what it shows while starting); a CommandFinish runs after the last action.
#pragma once

#include <iosfwd>
#include <string>

namespace hostsim {

class HostApp;

class CommandAction
{
public:
  using Handler = bool (*)(HostApp& app, const std::string& argument, std::ostream& err);
  enum Timing
  {
    AfterStart,
    BeforeStart,
  };
  // argumentName is empty for an action without an argument.
  CommandAction(const char* name, const char* argumentName, const char* help, Handler handler,
                Timing timing = AfterStart);
};

// Runs after the last action of every run, before the plug-in shuts down; false fails the run.
class CommandFinish
{
public:
  using Handler = bool (*)(HostApp& app, std::ostream& err);
  explicit CommandFinish(Handler handler);
};

// Runs the command line; returns the process's exit code.
int runCommandLine(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

} // namespace hostsim

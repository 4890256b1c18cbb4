// What the client's HTTP request handles share: the wrapper that runs a client callback inside the
// host's application context, the client's view of the error code, and the construction flag that
// makes a request asynchronous.
#pragma once

#include "utils/qorutilsCallback.h"

struct CoreGlobals;

namespace qor {
namespace core {

class Callback;

// Runs an owned copy of a client callback between a push and a pop of the host's application context.
// It owns its copy, so deleting the helper is all it takes to release the client's callback.
class __InternetCallbackHelper : public utils::Callback
{
public:
  explicit __InternetCallbackHelper(const core::Callback& callback);
  ~__InternetCallbackHelper() override;
  __InternetCallbackHelper& operator=(const __InternetCallbackHelper&) = delete;

  void run();
  void execute() override { run(); }

protected:
  __InternetCallbackHelper(const __InternetCallbackHelper& other);

private:
  core::Callback* callback;
};

// 0 and 10, 20 ... 190 pass; every other platform code becomes -1.
int clientInternetErrorCode(int platformCode);

// Sets one of the core globals' "constructing asynchronously" flags for its lifetime (nothing without
// the globals); a request built meanwhile reads it with isSet.
class __AsyncRequestConstruction
{
public:
  explicit __AsyncRequestConstruction(bool CoreGlobals::*flag);
  ~__AsyncRequestConstruction();
  __AsyncRequestConstruction(const __AsyncRequestConstruction&) = delete;
  __AsyncRequestConstruction& operator=(const __AsyncRequestConstruction&) = delete;

  // Whether the flag is set; false without the globals.
  static bool isSet(bool CoreGlobals::*flag);

private:
  CoreGlobals* globals;
  bool CoreGlobals::*flag;
};

}  // namespace core
}  // namespace qor

// The module's application object class: the framework's CWinApp, with nothing of its own beyond
// an initialisation that always succeeds. One instance exists per loaded module (see PluginMain).
#pragma once

#include "win/Afx.h"

class __qorpluginWinMfcApp : public CWinApp
{
  DECLARE_MESSAGE_MAP()
public:
  __qorpluginWinMfcApp() = default;
  ~__qorpluginWinMfcApp() override = default;

  BOOL InitInstance() override;
};

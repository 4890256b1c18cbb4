#include "pui/qorpluginWinMfcApp.h"

BEGIN_MESSAGE_MAP(__qorpluginWinMfcApp, CWinApp)
END_MESSAGE_MAP()

BOOL __qorpluginWinMfcApp::InitInstance()
{
  CWinApp::InitInstance();
  return TRUE;
}

#include "pui/qorpuiWinMfcHtmlSvgHelper.h"

#include "pui/qorpuiBasePlugin.h"
#include "pui/qorpuiGdiPlusBitmap.h"
#include "pui/qorpuiUiGlobals.h"

namespace qor {
namespace pui {

void __WinMfcHtmlSvgHelper::Navigate(LPCWSTR url, DWORD flags, LPCWSTR targetFrame, LPCWSTR headers,
                                     LPVOID postData, DWORD postDataLength)
{
  documentLoaded = false;
  CHtmlView::Navigate(url, flags, targetFrame, headers, postData, postDataLength);
}

void __WinMfcHtmlSvgHelper::OnDocumentComplete(LPCWSTR)
{
  documentLoaded = true;
}

void releaseSvgRenderer()
{
  BasePlugin* plugin = BasePlugin::instance();
  UiGlobals* globals = plugin ? plugin->uiGlobals() : nullptr;
  if (!globals)
    return;
  globals->svgBitmapCache.clear();
  // Each object takes its window with it: the view first, then the hidden window it lives in.
  delete globals->svgRenderView;
  if (CWnd* host = globals->svgHostWindow) {
    if (host->m_hWnd)
      ::DestroyWindow(host->Detach());
    delete host;
  }
  globals->svgHostWindow = nullptr;
  globals->svgRenderView = nullptr;
  if (!globals->svgWindowClass.empty())
    ::UnregisterClassW(globals->svgWindowClass.c_str(), AfxGetInstanceHandle());
  globals->svgWindowClass.clear();
}

}  // namespace pui
}  // namespace qor

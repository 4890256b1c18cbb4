// The hidden HTML view that SVG images are drawn by: it remembers whether its document has loaded.
#pragma once

#include "win/AfxHtml.h"

namespace qor {
namespace pui {

class __WinMfcHtmlSvgHelper : public CHtmlView
{
public:
  // Clears the loaded flag, then loads.
  void Navigate(LPCWSTR url, DWORD flags = 0, LPCWSTR targetFrame = nullptr, LPCWSTR headers = nullptr,
                LPVOID postData = nullptr, DWORD postDataLength = 0) override;
  void OnDocumentComplete(LPCWSTR url) override;

  bool documentLoaded = false;
};

// Destroys the hidden window and the view of the SVG renderer and empties its cache (at unload).
void releaseSvgRenderer();

}  // namespace pui
}  // namespace qor

// The HTML view of the Windows layer: a child window that loads a document, tells when it is
// complete, takes the markup of its body and draws the page. It is a small model of a browser: it
// fetches nothing, and it draws the body's background colour and the first inline SVG image of the
// body (rendered by librsvg) in the box of its enclosing element, clipped to that box.
#pragma once

#include "win/Afx.h"
#include "win/Ole.h"

#include <string>

namespace Gdiplus {
class Bitmap;
}

class CHtmlView : public CWnd
{
public:
  CHtmlView() = default;
  ~CHtmlView() override;

  // Script errors are never shown here; the flag is only kept.
  void SetSilent(BOOL silent) { m_bSilent = silent; }
  BOOL GetSilent() const { return m_bSilent; }
  // Starts loading; every address gives an empty document, complete on a later message of the queue
  // (OnDocumentComplete).
  virtual void Navigate(LPCWSTR url, DWORD flags = 0, LPCWSTR targetFrame = nullptr, LPCWSTR headers = nullptr,
                        LPVOID postData = nullptr, DWORD postDataLength = 0);
  virtual void OnDocumentComplete(LPCWSTR url);
  // The markup of the loaded document's body; E_FAIL before a document is complete.
  HRESULT PutBodyInnerHTML(const std::u16string& html);
  // Draws the page into the rectangle of the bitmap: the body's background, then its SVG image. E_FAIL
  // without a document, or when the image does not parse or render.
  HRESULT DrawDocument(Gdiplus::Bitmap* canvas, const RECT& bounds);

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
  BOOL m_bSilent = FALSE;
  bool m_bDocument = false;
  std::u16string m_url;
  std::string m_body;
};

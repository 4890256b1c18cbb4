// The HTML view of the Windows layer: a child window that loads a document, tells when it is
// complete, takes the markup of its body and draws the page. It is a small model of a browser: it
// fetches nothing, and it draws the body's background colour and the first inline SVG image of the
// body (rendered by librsvg) in the box of its enclosing element, clipped to that box.
#pragma once

#include "win/Afx.h"
#include "win/Ole.h"
#include "win/WebBrowser.h"

#include <string>

namespace Gdiplus {
class Bitmap;
}

class CHtmlView : public CWnd
{
public:
  CHtmlView();
  ~CHtmlView() override;

  // Browsing (win/WebBrowser.h): a page from a URL, with the browser's events and history.
  // The browser control; owned by the view.
  IWebBrowser2* m_pBrowserApp = nullptr;
  virtual void Navigate2(LPCWSTR url, DWORD flags = 0, LPCWSTR targetFrame = nullptr, LPCWSTR headers = nullptr,
                         LPVOID postData = nullptr, DWORD postDataLength = 0);
  std::u16string GetLocationURL() const;
  std::u16string GetLocationName() const;
  BOOL GetBusy() const;
  // The loaded page's document with a reference for the caller; null before a page is complete.
  LPDISPATCH GetHtmlDocument() const;
  void GoBack();
  void GoForward();
  void Stop();
  void Refresh();
  void ExecWB(OLECMDID command, OLECMDEXECOPT option, VARIANT* in, VARIANT* out);
  virtual void OnBeforeNavigate2(LPCWSTR url, DWORD flags, LPCWSTR targetFrame, LPVOID postData, LPCWSTR headers,
                                 BOOL* cancel);
  virtual void OnNavigateComplete2(LPCWSTR url);
  virtual void OnNavigateError(LPCWSTR url, LPCWSTR frame, DWORD statusCode, BOOL* cancel);
  virtual void OnTitleChange(LPCWSTR title);

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
  // The browser's own messages (loading, painting a page); true when handled.
  bool browserMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result);
  BOOL m_bSilent = FALSE;
  bool m_bDocument = false;
  std::u16string m_url;
  std::string m_body;
};

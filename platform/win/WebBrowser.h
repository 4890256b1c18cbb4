// The browser control behind the HTML view (win/AfxHtml.h): the scripting types of COM (BSTR,
// VARIANT, IDispatch), the document and browser interfaces, and the page model of this layer.
//
// The model loads a page from about:blank, a data:text/html URL, a file:// path or http(s) through the
// layer's internet services, parses it with libxml2's HTML parser (markup that is not well formed is
// mended as browsers do), keeps the document's title, its text and the history, and fires the view's
// events in a browser's order: BeforeNavigate2 inside the Navigate2 call, then, on a later message of
// the queue, NavigateError for a page that could not be had (an error page is shown instead), then
// NavigateComplete2, TitleChange and DocumentComplete. It runs no script: the functions a page's
// script object answers are the ones registered below. It draws the page's text, one block a line.
#pragma once

#include "win/Ole.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

struct GUID
{
  uint32_t Data1;
  uint16_t Data2;
  uint16_t Data3;
  uint8_t Data4[8];
};
typedef GUID IID;
typedef const GUID& REFIID;
inline bool operator==(const GUID& a, const GUID& b)
{
  return a.Data1 == b.Data1 && a.Data2 == b.Data2 && a.Data3 == b.Data3 &&
         std::equal(a.Data4, a.Data4 + 8, b.Data4);
}
inline bool operator!=(const GUID& a, const GUID& b) { return !(a == b); }
inline constexpr IID IID_NULL{0, 0, 0, {0, 0, 0, 0, 0, 0, 0, 0}};
inline constexpr IID IID_IUnknown{0x00000000, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr IID IID_IDispatch{0x00020400, 0x0000, 0x0000, {0xC0, 0, 0, 0, 0, 0, 0, 0x46}};
inline constexpr IID IID_IHTMLDocument2{0x332C4425, 0x26CB, 0x11D0, {0xB4, 0x83, 0x00, 0xC0, 0x4F, 0xD9, 0x01, 0x19}};
inline constexpr IID IID_IWebBrowser2{0xD30C1661, 0xCDAF, 0x11D0, {0x8A, 0x3E, 0x00, 0xC0, 0x4F, 0xC9, 0xE2, 0x6E}};

#define E_NOINTERFACE (static_cast<HRESULT>(0x80004002L))
#define E_NOTIMPL (static_cast<HRESULT>(0x80004001L))
#define DISP_E_UNKNOWNNAME (static_cast<HRESULT>(0x80020006L))
#define DISP_E_MEMBERNOTFOUND (static_cast<HRESULT>(0x80020003L))
#define DISP_E_EXCEPTION (static_cast<HRESULT>(0x80020009L))
#define DISPATCH_METHOD 0x1
#define DISPID_UNKNOWN (-1)
#define LOCALE_SYSTEM_DEFAULT 0x0800
#define LOCALE_USER_DEFAULT 0x0400

typedef char16_t OLECHAR;
typedef OLECHAR* LPOLESTR;
typedef OLECHAR* BSTR;
typedef LONG DISPID;
typedef DWORD LCID;
typedef short VARIANT_BOOL;
typedef unsigned short VARTYPE;
#define VARIANT_TRUE (static_cast<VARIANT_BOOL>(-1))
#define VARIANT_FALSE (static_cast<VARIANT_BOOL>(0))

// Strings of the scripting world: a length-prefixed UTF-16 text, freed with SysFreeString.
BSTR SysAllocString(const OLECHAR* text);
BSTR SysAllocStringLen(const OLECHAR* text, UINT length);
void SysFreeString(BSTR text);
UINT SysStringLen(BSTR text);

enum VARENUM : VARTYPE
{
  VT_EMPTY = 0,
  VT_NULL = 1,
  VT_I2 = 2,
  VT_I4 = 3,
  VT_R4 = 4,
  VT_R8 = 5,
  VT_CY = 6,
  VT_DATE = 7,
  VT_BSTR = 8,
  VT_DISPATCH = 9,
  VT_ERROR = 10,
  VT_BOOL = 11,
  VT_VARIANT = 12,
  VT_UNKNOWN = 13,
  VT_I1 = 16,
  VT_UI1 = 17,
  VT_UI2 = 18,
  VT_UI4 = 19,
  VT_I8 = 20,
  VT_UI8 = 21,
  VT_INT = 22,
  VT_UINT = 23,
};

struct IDispatch;

struct VARIANT
{
  VARTYPE vt;
  WORD wReserved1, wReserved2, wReserved3;
  union {
    int64_t llVal;
    LONG lVal;
    BYTE bVal;
    short iVal;
    float fltVal;
    double dblVal;
    VARIANT_BOOL boolVal;
    BSTR bstrVal;
    IUnknown* punkVal;
    IDispatch* pdispVal;
    char cVal;
    unsigned short uiVal;
    ULONG ulVal;
    uint64_t ullVal;
    int intVal;
    unsigned int uintVal;
  };
};
typedef VARIANT VARIANTARG;
void VariantInit(VARIANT* value);
// Frees a string or releases an object held, and leaves the value empty.
HRESULT VariantClear(VARIANT* value);

struct DISPPARAMS
{
  VARIANTARG* rgvarg; // the arguments, last one first
  DISPID* rgdispidNamedArgs;
  UINT cArgs;
  UINT cNamedArgs;
};

struct EXCEPINFO
{
  WORD wCode;
  WORD wReserved;
  BSTR bstrSource;
  BSTR bstrDescription;
  BSTR bstrHelpFile;
  DWORD dwHelpContext;
  void* pvReserved;
  void* pfnDeferredFillIn;
  SCODE scode;
};

struct IDispatch : IUnknown
{
  virtual HRESULT QueryInterface(REFIID iid, void** out) = 0;
  virtual HRESULT GetIDsOfNames(REFIID iid, LPOLESTR* names, UINT count, LCID locale, DISPID* ids) = 0;
  virtual HRESULT Invoke(DISPID id, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                         EXCEPINFO* exception, UINT* argumentError) = 0;
};
typedef IDispatch* LPDISPATCH;

struct IHTMLDocument2 : IDispatch
{
  // The script object whose members are the page's functions.
  virtual HRESULT get_Script(IDispatch** out) = 0;
  virtual HRESULT get_title(BSTR* out) = 0;
  virtual HRESULT get_URL(BSTR* out) = 0;
};

struct IWebBrowser2 : IDispatch
{
  virtual HRESULT put_Silent(VARIANT_BOOL silent) = 0;
  virtual HRESULT get_Silent(VARIANT_BOOL* silent) = 0;
  virtual HRESULT Stop() = 0;
  virtual HRESULT Refresh() = 0;
  // E_FAIL when there is no page to go to.
  virtual HRESULT GoBack() = 0;
  virtual HRESULT GoForward() = 0;
  virtual HRESULT get_Busy(VARIANT_BOOL* busy) = 0;
  virtual HRESULT get_LocationURL(BSTR* url) = 0;
  virtual HRESULT get_LocationName(BSTR* title) = 0;
};

enum OLECMDID
{
  OLECMDID_REFRESH = 22,
  OLECMDID_STOP = 23,
  OLECMDID_OPTICAL_ZOOM = 63,
};
enum OLECMDEXECOPT
{
  OLECMDEXECOPT_DODEFAULT = 0,
  OLECMDEXECOPT_PROMPTUSER = 1,
  OLECMDEXECOPT_DONTPROMPTUSER = 2,
};

// The status a failed navigation reports: the internet error (12029 when nothing answers), or 404 for a
// file that cannot be read.
#define INET_E_RESOURCE_NOT_FOUND (static_cast<HRESULT>(0x800C0005L))

namespace qorwin {

// A function of the pages' script objects: the arguments in their natural order, as text; fills the
// result (which starts empty) or answers a failure.
using ScriptFunction = std::function<HRESULT(const std::vector<std::u16string>& arguments, VARIANT* result)>;
// Every page answers the functions registered under their names (a new one replaces an old one).
void registerScriptFunction(const std::u16string& name, ScriptFunction function);
void clearScriptFunctions();

// What a browsing HTML view shows (for tests): its page's text, one block a line joined with '\n', and
// the zoom last set with ExecWB (100 until then); empty and 0 for a window that is no browsing view.
std::u16string browserText(HWND view);
int browserZoom(HWND view);
// The addresses of the view's history, oldest first, and the index of the page shown.
std::vector<std::u16string> browserHistory(HWND view, size_t* current = nullptr);

} // namespace qorwin

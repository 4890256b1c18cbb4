// The browser control of the HTML view: BSTR and VARIANT, the page model (loading by URL, libxml2's
// HTML parser, title, text, history, events in order), the document and its script object answered by
// registered functions, and the drawing of a page's text (see win/WebBrowser.h).
#include "qorwinComObject.h"
#include "win/AfxHtml.h"
#include "win/WebBrowser.h"
#include "win/WinInet.h"

#include <libxml/HTMLparser.h>
#include <libxml/tree.h>

#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <mutex>
#include <sstream>

// Strings and values of the scripting world.

BSTR SysAllocStringLen(const OLECHAR* text, UINT length)
{
  // The length in bytes sits before the text, which is followed by a zero.
  auto* block = static_cast<char*>(std::malloc(sizeof(uint32_t) + (size_t(length) + 1) * sizeof(OLECHAR)));
  if (!block)
    return nullptr;
  const uint32_t bytes = length * uint32_t(sizeof(OLECHAR));
  std::memcpy(block, &bytes, sizeof bytes);
  auto* out = reinterpret_cast<BSTR>(block + sizeof(uint32_t));
  if (text)
    std::memcpy(out, text, length * sizeof(OLECHAR));
  else
    std::memset(out, 0, length * sizeof(OLECHAR));
  out[length] = 0;
  return out;
}

BSTR SysAllocString(const OLECHAR* text)
{
  return text ? SysAllocStringLen(text, UINT(std::char_traits<char16_t>::length(text))) : nullptr;
}

void SysFreeString(BSTR text)
{
  if (text)
    std::free(reinterpret_cast<char*>(text) - sizeof(uint32_t));
}

UINT SysStringLen(BSTR text)
{
  if (!text)
    return 0;
  uint32_t bytes = 0;
  std::memcpy(&bytes, reinterpret_cast<char*>(text) - sizeof(uint32_t), sizeof bytes);
  return bytes / sizeof(OLECHAR);
}

void VariantInit(VARIANT* value)
{
  if (value) {
    std::memset(value, 0, sizeof *value);
    value->vt = VT_EMPTY;
  }
}

HRESULT VariantClear(VARIANT* value)
{
  if (!value)
    return E_POINTER;
  if (value->vt == VT_BSTR)
    SysFreeString(value->bstrVal);
  else if ((value->vt == VT_DISPATCH || value->vt == VT_UNKNOWN) && value->punkVal)
    value->punkVal->Release();
  VariantInit(value);
  return S_OK;
}

namespace qorwinWebBrowser_detail {

std::string toUtf8(const std::u16string& text)
{
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), nullptr, 0, nullptr, nullptr);
  std::string out(size_t(size > 0 ? size : 0), '\0');
  if (size > 0)
    WideCharToMultiByte(CP_UTF8, 0, text.c_str(), int(text.size()), &out[0], size, nullptr, nullptr);
  return out;
}

std::u16string toUtf16(const std::string& text)
{
  const int size = MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), nullptr, 0);
  std::u16string out(size_t(size > 0 ? size : 0), u'\0');
  if (size > 0)
    MultiByteToWideChar(CP_UTF8, 0, text.data(), int(text.size()), &out[0], size);
  return out;
}

struct Functions
{
  std::mutex lock;
  std::vector<std::pair<std::u16string, qorwin::ScriptFunction>> byName;
};

Functions& functions()
{
  static Functions* all = new Functions;
  return *all;
}

// A page as this model knows it.
struct Page
{
  std::u16string url;
  std::u16string title;
  std::vector<std::u16string> lines;
};

// Collapses runs of white space into one space.
std::string collapsed(const std::string& text)
{
  std::string out;
  bool space = false;
  for (char c : text) {
    if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f') {
      space = true;
      continue;
    }
    if (space && !out.empty())
      out += ' ';
    space = false;
    out += c;
  }
  return out;
}

bool isBlock(const std::string& name)
{
  static const char* blocks[] = {"p",  "div", "h1", "h2", "h3",    "h4", "h5",  "h6", "li",  "ul",
                                 "ol", "tr",  "br", "pre", "table", "hr", "form", "dl", "dt", "dd",
                                 "blockquote", "section", "article", "header", "footer", "body"};
  for (const char* block : blocks)
    if (name == block)
      return true;
  return false;
}

void collectText(xmlNode* node, std::string& line, std::vector<std::string>& lines)
{
  for (xmlNode* n = node; n; n = n->next) {
    if (n->type == XML_TEXT_NODE || n->type == XML_CDATA_SECTION_NODE) {
      if (n->content)
        line += reinterpret_cast<const char*>(n->content);
      continue;
    }
    if (n->type != XML_ELEMENT_NODE)
      continue;
    const std::string name = n->name ? reinterpret_cast<const char*>(n->name) : "";
    if (name == "script" || name == "style" || name == "head" || name == "title" || name == "noscript")
      continue;
    const bool block = isBlock(name);
    auto flush = [&] {
      const std::string text = collapsed(line);
      if (!text.empty())
        lines.push_back(text);
      line.clear();
    };
    if (block)
      flush();
    collectText(n->children, line, lines);
    if (block)
      flush();
  }
}

xmlNode* findElement(xmlNode* node, const char* name)
{
  for (xmlNode* n = node; n; n = n->next) {
    if (n->type == XML_ELEMENT_NODE && n->name && std::strcmp(reinterpret_cast<const char*>(n->name), name) == 0)
      return n;
    if (xmlNode* found = findElement(n->children, name))
      return found;
  }
  return nullptr;
}

// The title and the text of markup, mended where it is not well formed.
Page parsePage(const std::string& html, const std::u16string& url)
{
  Page page;
  page.url = url;
  if (html.empty())
    return page;
  htmlDocPtr doc = htmlReadMemory(html.data(), int(html.size()), nullptr, "UTF-8",
                                  HTML_PARSE_RECOVER | HTML_PARSE_NOERROR | HTML_PARSE_NOWARNING | HTML_PARSE_NONET);
  if (!doc)
    return page;
  xmlNode* root = xmlDocGetRootElement(doc);
  if (xmlNode* title = findElement(root, "title")) {
    xmlChar* text = xmlNodeGetContent(title);
    if (text) {
      page.title = toUtf16(collapsed(reinterpret_cast<const char*>(text)));
      xmlFree(text);
    }
  }
  std::vector<std::string> lines;
  std::string line;
  collectText(root, line, lines);
  const std::string rest = collapsed(line);
  if (!rest.empty())
    lines.push_back(rest);
  for (const std::string& l : lines)
    page.lines.push_back(toUtf16(l));
  xmlFreeDoc(doc);
  return page;
}

int hexValue(char c)
{
  return c >= '0' && c <= '9' ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : c >= 'A' && c <= 'F' ? c - 'A' + 10 : -1;
}

std::string percentDecoded(const std::string& text)
{
  std::string out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && hexValue(text[i + 1]) >= 0 && hexValue(text[i + 2]) >= 0) {
      out += char(hexValue(text[i + 1]) * 16 + hexValue(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

bool startsWith(const std::string& text, const char* prefix)
{
  return text.compare(0, std::strlen(prefix), prefix) == 0;
}

// The markup at an address; false with the status of the failure.
bool fetch(const std::u16string& address, std::string& html, DWORD& status)
{
  const std::string url = toUtf8(address);
  if (url == "about:blank") {
    html.clear();
    return true;
  }
  if (startsWith(url, "data:")) {
    const size_t comma = url.find(',');
    if (comma == std::string::npos) {
      status = ERROR_INTERNET_INVALID_URL;
      return false;
    }
    html = percentDecoded(url.substr(comma + 1));
    return true;
  }
  if (startsWith(url, "file://")) {
    std::ifstream file(percentDecoded(url.substr(7)), std::ios::binary);
    if (!file) {
      status = 404;
      return false;
    }
    std::ostringstream bytes;
    bytes << file.rdbuf();
    html = bytes.str();
    return true;
  }
  if (!startsWith(url, "http://") && !startsWith(url, "https://")) {
    status = ERROR_INTERNET_UNRECOGNIZED_SCHEME;
    return false;
  }
  HINTERNET session = InternetOpenW(u"WinMfcWebView", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
  HINTERNET request =
      session ? InternetOpenUrlW(session, address.c_str(), nullptr, 0, INTERNET_FLAG_RELOAD | INTERNET_FLAG_NO_UI, 0)
              : nullptr;
  if (!request) {
    status = GetLastError();
    if (session)
      InternetCloseHandle(session);
    return false;
  }
  char buffer[8192];
  DWORD read = 0;
  html.clear();
  while (InternetReadFile(request, buffer, sizeof buffer, &read) && read > 0)
    html.append(buffer, read);
  InternetCloseHandle(request);
  InternetCloseHandle(session);
  return true;
}

std::string escaped(const std::string& text)
{
  std::string out;
  for (char c : text)
    out += c == '<' ? "&lt;" : c == '>' ? "&gt;" : c == '&' ? "&amp;" : std::string(1, c);
  return out;
}

// The page's script object: its members are the registered functions.
class ScriptObject : public qorwinComObject<IDispatch>
{
public:
  HRESULT QueryInterface(REFIID iid, void** out) override
  {
    if (!out)
      return E_POINTER;
    if (iid == IID_IDispatch || iid == IID_IUnknown) {
      AddRef();
      *out = static_cast<IDispatch*>(this);
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  HRESULT GetIDsOfNames(REFIID, LPOLESTR* names, UINT count, LCID, DISPID* ids) override
  {
    if (!names || !ids)
      return E_POINTER;
    HRESULT result = S_OK;
    auto& all = functions();
    std::lock_guard<std::mutex> guard(all.lock);
    for (UINT i = 0; i < count; ++i) {
      ids[i] = DISPID_UNKNOWN;
      for (size_t f = 0; f < all.byName.size(); ++f)
        if (names[i] && all.byName[f].first == names[i])
          ids[i] = DISPID(f + 1);
      if (ids[i] == DISPID_UNKNOWN)
        result = DISP_E_UNKNOWNNAME;
    }
    return result;
  }
  HRESULT Invoke(DISPID id, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result, EXCEPINFO*,
                 UINT* argumentError) override
  {
    if (!(flags & DISPATCH_METHOD))
      return DISP_E_MEMBERNOTFOUND;
    qorwin::ScriptFunction function;
    {
      auto& all = functions();
      std::lock_guard<std::mutex> guard(all.lock);
      if (id < 1 || size_t(id) > all.byName.size())
        return DISP_E_MEMBERNOTFOUND;
      function = all.byName[size_t(id - 1)].second;
    }
    std::vector<std::u16string> arguments;
    if (params)
      for (UINT i = params->cArgs; i-- > 0;) {
        const VARIANT& argument = params->rgvarg[i];
        if (argument.vt != VT_BSTR) {
          if (argumentError)
            *argumentError = i;
          return static_cast<HRESULT>(0x80020005L); // DISP_E_TYPEMISMATCH
        }
        arguments.emplace_back(argument.bstrVal ? argument.bstrVal : u"", SysStringLen(argument.bstrVal));
      }
    VARIANT answer;
    VariantInit(&answer);
    const HRESULT done = function ? function(arguments, &answer) : DISP_E_EXCEPTION;
    if (FAILED(done)) {
      VariantClear(&answer);
      return done;
    }
    if (result)
      *result = answer;
    else
      VariantClear(&answer);
    return S_OK;
  }
};

class Document : public qorwinComObject<IHTMLDocument2>
{
public:
  explicit Document(const Page& page) : page(page) {}
  HRESULT QueryInterface(REFIID iid, void** out) override
  {
    if (!out)
      return E_POINTER;
    if (iid == IID_IHTMLDocument2 || iid == IID_IDispatch || iid == IID_IUnknown) {
      AddRef();
      *out = static_cast<IHTMLDocument2*>(this);
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override { return E_NOTIMPL; }
  HRESULT get_Script(IDispatch** out) override
  {
    if (!out)
      return E_POINTER;
    *out = new ScriptObject();
    return S_OK;
  }
  HRESULT get_title(BSTR* out) override
  {
    if (!out)
      return E_POINTER;
    *out = SysAllocString(page.title.c_str());
    return S_OK;
  }
  HRESULT get_URL(BSTR* out) override
  {
    if (!out)
      return E_POINTER;
    *out = SysAllocString(page.url.c_str());
    return S_OK;
  }

  const Page page;
};

// The browser of one view: the page shown, the load under way, the history and the zoom.
class Browser : public qorwinComObject<IWebBrowser2>
{
public:
  explicit Browser(CHtmlView* view) : view(view) {}

  HRESULT QueryInterface(REFIID iid, void** out) override
  {
    if (!out)
      return E_POINTER;
    if (iid == IID_IWebBrowser2 || iid == IID_IDispatch || iid == IID_IUnknown) {
      AddRef();
      *out = static_cast<IWebBrowser2*>(this);
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  HRESULT GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  HRESULT Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override { return E_NOTIMPL; }
  HRESULT put_Silent(VARIANT_BOOL value) override
  {
    silent = value != VARIANT_FALSE;
    return S_OK;
  }
  HRESULT get_Silent(VARIANT_BOOL* value) override
  {
    if (!value)
      return E_POINTER;
    *value = silent ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
  }
  HRESULT Stop() override
  {
    pending.clear();
    ++generation;
    busy = false;
    return S_OK;
  }
  HRESULT Refresh() override
  {
    if (!document)
      return E_FAIL;
    start(document->page.url, Travel::Reload);
    return S_OK;
  }
  HRESULT GoBack() override
  {
    if (current == 0 || history.empty())
      return E_FAIL;
    travelTo = current - 1;
    start(history[travelTo], Travel::History);
    return S_OK;
  }
  HRESULT GoForward() override
  {
    if (current + 1 >= history.size())
      return E_FAIL;
    travelTo = current + 1;
    start(history[travelTo], Travel::History);
    return S_OK;
  }
  HRESULT get_Busy(VARIANT_BOOL* value) override
  {
    if (!value)
      return E_POINTER;
    *value = busy ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
  }
  HRESULT get_LocationURL(BSTR* url) override
  {
    if (!url)
      return E_POINTER;
    *url = SysAllocString(document ? document->page.url.c_str() : u"");
    return S_OK;
  }
  HRESULT get_LocationName(BSTR* title) override
  {
    if (!title)
      return E_POINTER;
    *title = SysAllocString(document ? document->page.title.c_str() : u"");
    return S_OK;
  }

  enum class Travel
  {
    New,     // a new entry after the current one; the forward entries go
    History, // back or forward to travelTo
    Reload,  // the current entry again
  };

  // Asks the view whether to go, then loads on a later message of the queue.
  void start(const std::u16string& url, Travel how)
  {
    BOOL cancel = FALSE;
    view->OnBeforeNavigate2(url.c_str(), 0, nullptr, nullptr, nullptr, &cancel);
    if (cancel)
      return;
    pending = url;
    travel = how;
    busy = true;
    ++generation;
    PostMessageW(view->m_hWnd, loadMessage(), WPARAM(generation), 0);
  }

  void load(WPARAM which)
  {
    if (which != WPARAM(generation) || pending.empty())
      return;
    const std::u16string url = pending;
    pending.clear();
    std::string html;
    DWORD status = 0;
    if (!fetch(url, html, status)) {
      BOOL cancel = FALSE;
      view->OnNavigateError(url.c_str(), nullptr, status, &cancel);
      if (cancel || which != WPARAM(generation)) {
        busy = false;
        return;
      }
      html = "<html><head><title>Navigation failed</title></head><body><p>The page " + escaped(toUtf8(url)) +
             " could not be loaded.</p></body></html>";
    }
    const std::u16string oldTitle = document ? document->page.title : std::u16string();
    if (document)
      document->Release();
    document = new Document(parsePage(html, url));
    if (travel == Travel::New) {
      if (!history.empty())
        history.resize(current + 1);
      history.push_back(url);
      current = history.size() - 1;
    } else if (travel == Travel::History) {
      current = travelTo;
    }
    view->OnNavigateComplete2(url.c_str());
    if (document->page.title != oldTitle)
      view->OnTitleChange(document->page.title.c_str());
    busy = false;
    InvalidateRect(view->m_hWnd, nullptr, TRUE);
    view->OnDocumentComplete(url.c_str());
  }

  void paint()
  {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(view->m_hWnd, &ps);
    RECT client;
    GetClientRect(view->m_hWnd, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    if (document) {
      HFONT font = CreateFontW(-12, 0, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, u"Tahoma");
      HGDIOBJ old = SelectObject(dc, font);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, RGB(0, 0, 0));
      int y = 8;
      for (const std::u16string& line : document->page.lines) {
        RECT box{8, y, client.right - 8, client.bottom};
        y += DrawTextW(dc, line.c_str(), int(line.size()), &box, DT_WORDBREAK | DT_NOPREFIX) + 6;
        if (y >= client.bottom)
          break;
      }
      SelectObject(dc, old);
      DeleteObject(font);
    }
    EndPaint(view->m_hWnd, &ps);
  }

  static UINT loadMessage()
  {
    static const UINT message = RegisterWindowMessageW(u"QorWebBrowserLoad");
    return message;
  }

  CHtmlView* view;
  bool silent = false;
  bool busy = false;
  bool browsing = false; // a page was asked for with Navigate2
  std::u16string pending;
  Travel travel = Travel::New;
  size_t travelTo = 0;
  uint64_t generation = 0;
  Document* document = nullptr;
  std::vector<std::u16string> history;
  size_t current = 0;
  int zoom = 100;

protected:
  ~Browser() override
  {
    if (document)
      document->Release();
  }
};

Browser* browserOf(const CHtmlView* view)
{
  return view ? static_cast<Browser*>(view->m_pBrowserApp) : nullptr;
}

Browser* browserOf(HWND window)
{
  auto* view = dynamic_cast<CHtmlView*>(CWnd::FromHandlePermanent(window));
  Browser* browser = browserOf(view);
  return browser && browser->browsing ? browser : nullptr;
}

} // namespace qorwinWebBrowser_detail

using qorwinWebBrowser_detail::browserOf;

CHtmlView::CHtmlView() : m_pBrowserApp(new qorwinWebBrowser_detail::Browser(this)) {}

CHtmlView::~CHtmlView()
{
  if (m_pBrowserApp) {
    qorwinWebBrowser_detail::browserOf(this)->view = nullptr;
    m_pBrowserApp->Release();
  }
}

void CHtmlView::Navigate2(LPCWSTR url, DWORD, LPCWSTR, LPCWSTR, LPVOID, DWORD)
{
  qorwinWebBrowser_detail::Browser* browser = browserOf(this);
  if (!browser || !m_hWnd)
    return;
  browser->browsing = true;
  browser->start(url ? url : u"", qorwinWebBrowser_detail::Browser::Travel::New);
}

std::u16string CHtmlView::GetLocationURL() const
{
  qorwinWebBrowser_detail::Browser* browser = browserOf(this);
  return browser && browser->document ? browser->document->page.url : std::u16string();
}

std::u16string CHtmlView::GetLocationName() const
{
  qorwinWebBrowser_detail::Browser* browser = browserOf(this);
  return browser && browser->document ? browser->document->page.title : std::u16string();
}

BOOL CHtmlView::GetBusy() const
{
  qorwinWebBrowser_detail::Browser* browser = browserOf(this);
  return browser && browser->busy;
}

LPDISPATCH CHtmlView::GetHtmlDocument() const
{
  qorwinWebBrowser_detail::Browser* browser = browserOf(this);
  if (!browser || !browser->document)
    return nullptr;
  browser->document->AddRef();
  return browser->document;
}

void CHtmlView::GoBack()
{
  if (m_pBrowserApp)
    m_pBrowserApp->GoBack();
}

void CHtmlView::GoForward()
{
  if (m_pBrowserApp)
    m_pBrowserApp->GoForward();
}

void CHtmlView::Stop()
{
  if (m_pBrowserApp)
    m_pBrowserApp->Stop();
}

void CHtmlView::Refresh()
{
  if (m_pBrowserApp)
    m_pBrowserApp->Refresh();
}

void CHtmlView::ExecWB(OLECMDID command, OLECMDEXECOPT, VARIANT* in, VARIANT*)
{
  qorwinWebBrowser_detail::Browser* browser = browserOf(this);
  if (!browser)
    return;
  if (command == OLECMDID_OPTICAL_ZOOM && in && in->vt == VT_I4 && in->lVal >= 10 && in->lVal <= 1000)
    browser->zoom = int(in->lVal);
  else if (command == OLECMDID_REFRESH)
    browser->Refresh();
  else if (command == OLECMDID_STOP)
    browser->Stop();
}

void CHtmlView::OnBeforeNavigate2(LPCWSTR, DWORD, LPCWSTR, LPVOID, LPCWSTR, BOOL*) {}
void CHtmlView::OnNavigateComplete2(LPCWSTR) {}
void CHtmlView::OnNavigateError(LPCWSTR, LPCWSTR, DWORD, BOOL*) {}
void CHtmlView::OnTitleChange(LPCWSTR) {}

bool CHtmlView::browserMessage(UINT message, WPARAM wParam, LPARAM, LRESULT* result)
{
  qorwinWebBrowser_detail::Browser* browser = browserOf(this);
  if (!browser)
    return false;
  if (message == qorwinWebBrowser_detail::Browser::loadMessage()) {
    browser->load(wParam);
    *result = 0;
    return true;
  }
  if (message == WM_PAINT && browser->browsing) {
    browser->paint();
    *result = 0;
    return true;
  }
  return false;
}

namespace qorwin {

void registerScriptFunction(const std::u16string& name, ScriptFunction function)
{
  auto& all = qorwinWebBrowser_detail::functions();
  std::lock_guard<std::mutex> guard(all.lock);
  for (auto& entry : all.byName)
    if (entry.first == name) {
      entry.second = std::move(function);
      return;
    }
  all.byName.emplace_back(name, std::move(function));
}

void clearScriptFunctions()
{
  auto& all = qorwinWebBrowser_detail::functions();
  std::lock_guard<std::mutex> guard(all.lock);
  all.byName.clear();
}

std::u16string browserText(HWND view)
{
  qorwinWebBrowser_detail::Browser* browser = browserOf(view);
  std::u16string text;
  if (browser && browser->document)
    for (const std::u16string& line : browser->document->page.lines)
      text += (text.empty() ? u"" : u"\n") + line;
  return text;
}

int browserZoom(HWND view)
{
  qorwinWebBrowser_detail::Browser* browser = browserOf(view);
  return browser ? browser->zoom : 0;
}

std::vector<std::u16string> browserHistory(HWND view, size_t* current)
{
  qorwinWebBrowser_detail::Browser* browser = browserOf(view);
  if (!browser)
    return {};
  if (current)
    *current = browser->current;
  return browser->history;
}

} // namespace qorwin

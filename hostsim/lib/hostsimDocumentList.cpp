#include "hostsimDocumentList.h"

#include "hostapi/DocumentListSuite.h"
#include "hostapi/DocumentSuite.h"
#include "hostapi/DocumentViewSuite.h"
#include "hostsimContext.h"
#include "hostsimWindows.h"

#include <algorithm>

namespace hostsim {

DocumentList::~DocumentList()
{
  for (const Document& document : documents_)
    destroyHostWindow(document.window);
}

DocumentHandle DocumentList::open(std::string name)
{
  Document document;
  document.handle = app_.mintHandle<DocumentHandle>();
  document.name = std::move(name);
  document.views.push_back(app_.mintHandle<DocViewHandle>());
  if (PlatformWindow main = app_.area<Context>().mainWindow())
    document.window = createHostWindow(u"OWL.Document", u"", main);
  documents_.push_back(document);
  order_.push_back(document.handle);
  current_ = document.handle;
  return document.handle;
}

bool DocumentList::close(DocumentHandle document)
{
  auto it = std::find_if(documents_.begin(), documents_.end(),
                         [&](const Document& d) { return d.handle == document; });
  if (!document || it == documents_.end())
    return false;
  destroyHostWindow(it->window);
  documents_.erase(it);
  order_.erase(std::find(order_.begin(), order_.end(), document));
  if (current_ == document)
    current_ = order_.empty() ? nullptr : order_.back();
  return true;
}

bool DocumentList::setCurrent(DocumentHandle document)
{
  if (!isOpen(document))
    return false;
  current_ = document;
  return true;
}

bool DocumentList::isOpen(DocumentHandle document) const
{
  return find(document) != nullptr;
}

std::string DocumentList::name(DocumentHandle document) const
{
  const Document* found = find(document);
  return found ? found->name : std::string();
}

const std::vector<DocViewHandle>& DocumentList::views(DocumentHandle document) const
{
  static const std::vector<DocViewHandle> none;
  const Document* found = find(document);
  return found ? found->views : none;
}

DocViewHandle DocumentList::addView(DocumentHandle document)
{
  for (Document& d : documents_) {
    if (d.handle == document) {
      d.views.push_back(app_.mintHandle<DocViewHandle>());
      return d.views.back();
    }
  }
  return nullptr;
}

DocumentHandle DocumentList::documentOfView(DocViewHandle view) const
{
  for (const Document& d : documents_)
    if (view && std::find(d.views.begin(), d.views.end(), view) != d.views.end())
      return d.handle;
  return nullptr;
}

PlatformWindow DocumentList::window(DocumentHandle document) const
{
  const Document* found = find(document);
  return found ? found->window : nullptr;
}

const DocumentList::Document* DocumentList::find(DocumentHandle document) const
{
  for (const Document& d : documents_)
    if (document && d.handle == document)
      return &d;
  return nullptr;
}

namespace hostsimDocumentList_detail {

DocumentList& documents()
{
  return HostApp::instance().area<DocumentList>();
}

HostErr countDocuments(int32_t* outCount)
{
  if (!outCount)
    return kHostErrBadParameter;
  *outCount = int32_t(documents().documents().size());
  return kHostNoErr;
}

HostErr getCurrentDocument(DocumentHandle* outDocument)
{
  if (!outDocument)
    return kHostErrBadParameter;
  *outDocument = documents().current();
  return *outDocument ? kHostNoErr : kHostErrNotFound;
}

HostErr countViews(int32_t* outCount)
{
  if (!outCount)
    return kHostErrBadParameter;
  *outCount = int32_t(documents().views(documents().current()).size());
  return kHostNoErr;
}

HostErr getNthView(int32_t index, DocViewHandle* outView)
{
  if (!outView)
    return kHostErrBadParameter;
  const auto& views = documents().views(documents().current());
  if (index < 0 || size_t(index) >= views.size())
    return kHostErrNotFound;
  *outView = views[size_t(index)];
  return kHostNoErr;
}

void install(HostApp& app)
{
  app.area<DocumentList>();
  auto& list = app.publishSuite<DocumentListSuite>(kDocumentListSuiteName, kDocumentListSuiteVersion);
  list.countDocuments = &countDocuments;
  auto& document = app.publishSuite<DocumentSuite>(kDocumentSuiteName, kDocumentSuiteVersion19);
  document.getCurrentDocument = &getCurrentDocument;
  auto& views = app.publishSuite<DocumentViewSuite>(kDocumentViewSuiteName, kDocumentViewSuiteVersion);
  views.countViews = &countViews;
  views.getNthView = &getNthView;
}

const AreaInstaller installer(10, &install);

} // namespace hostsimDocumentList_detail

} // namespace hostsim

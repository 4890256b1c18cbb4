#include "hostsimWorkspace.h"

#include "hostsimApp.h"
#include "hostsimAtomicFile.h"
#include "hostsimDocumentList.h"
#include "hostsimSvg.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace hostsim {

namespace hostsimWorkspace_detail {
DocumentList* hostList()
{
  HostApp* app = HostApp::current();
  return app ? &app->area<DocumentList>() : nullptr;
}
} // namespace hostsimWorkspace_detail

Workspace& Workspace::instance()
{
  Handles::instance();
  static Workspace workspace;
  return workspace;
}

Document* Workspace::newDocument(const std::string& name)
{
  documents_.push_back(std::make_unique<Document>(name));
  Document* doc = documents_.back().get();
  doc->insertLayer(nullptr, 5);
  doc->views.push_back(doc->make<View>(doc));
  Rect board{0, 0, 612, -792};
  doc->artboards.push_back({doc->nextArtboardSerial(), board, "Artboard 1", {0, 0}});
  if (DocumentList* list = hostsimWorkspace_detail::hostList())
    doc->hostDocument = list->open(name);
  current_ = doc;
  return doc;
}

Document* Workspace::openSvgText(const std::string& text, const std::string& name, std::string& error)
{
  auto doc = std::make_unique<Document>(name);
  if (!Svg::read(text.data(), text.size(), *doc, error))
    return nullptr;
  View* view = doc->make<View>(doc.get());
  if (!doc->artboards.empty()) {
    const Rect& r = doc->artboards.front().bounds;
    view->center = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  doc->views.push_back(view);
  if (DocumentList* list = hostsimWorkspace_detail::hostList())
    doc->hostDocument = list->open(name);
  documents_.push_back(std::move(doc));
  current_ = documents_.back().get();
  return current_;
}

Document* Workspace::openSvg(const std::string& path, std::string& error)
{
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    error = "cannot open " + path;
    return nullptr;
  }
  std::ostringstream text;
  text << in.rdbuf();
  Document* doc = openSvgText(text.str(), path, error);
  if (!doc)
    error = path + ": " + error;
  return doc;
}

bool Workspace::saveSvg(Document* doc, const std::string& path, std::string& error) const
{
  if (!doc) {
    error = "no document to save";
    return false;
  }
  // Never over the target directly: a failed write would leave neither the old drawing nor the new.
  return AtomicFile::write(path, Svg::write(*doc), error);
}

bool Workspace::select(const std::vector<std::string>& ids, std::string& error)
{
  Document* doc = current();
  if (!doc) {
    error = "no document is open";
    return false;
  }
  if (ids.empty() || (ids.size() == 1 && ids[0] == "all")) {
    doc->selectAll();
    return true;
  }
  for (const std::string& id : ids) {
    Art* art = doc->findById(id);
    if (!art) {
      error = "no art with id \"" + id + "\"";
      return false;
    }
    struct Sel {
      static void all(Art* a)
      {
        if (!a->layer)
          a->attrs |= Art::kSelected | Art::kFullySelected;
        for (Art* c = a->first; c; c = c->next)
          all(c);
      }
    };
    Sel::all(art);
  }
  return true;
}

Document* Workspace::current() const
{
  DocumentList* list = hostsimWorkspace_detail::hostList();
  if (!list)
    return current_;
  DocumentHandle host = list->current();
  for (auto& d : documents_)
    if (host && d->hostDocument == host)
      return d.get();
  return nullptr;
}

void Workspace::setCurrent(Document* doc)
{
  current_ = doc;
  if (DocumentList* list = hostsimWorkspace_detail::hostList(); list && doc && doc->hostDocument)
    list->setCurrent(doc->hostDocument);
}

View* Workspace::view(const void* handle)
{
  if (View* own = lookup<View>(handle))
    return own;
  DocumentList* list = hostsimWorkspace_detail::hostList();
  if (!list || !handle)
    return nullptr;
  auto viewHandle = static_cast<DocViewHandle>(const_cast<void*>(handle));
  DocumentHandle host = list->documentOfView(viewHandle);
  for (auto& d : documents_) {
    if (!host || d->hostDocument != host)
      continue;
    for (auto& bound : d->hostViews)
      if (bound.first == viewHandle)
        return bound.second;
    View* v = d->make<View>(d.get());
    if (!d->views.empty()) {
      v->center = d->views.front()->center;
      v->zoom = d->views.front()->zoom;
    }
    d->hostViews.emplace_back(viewHandle, v);
    return v;
  }
  return nullptr;
}

void Workspace::detachHost()
{
  for (auto& d : documents_)
    d->hostDocument = nullptr;
  while (!documents_.empty())
    close(documents_.back().get());
  current_ = nullptr;
}

void Workspace::close(Document* doc)
{
  auto it = std::find_if(documents_.begin(), documents_.end(), [doc](auto& d) { return d.get() == doc; });
  if (it == documents_.end())
    return;
  if (DocumentList* list = hostsimWorkspace_detail::hostList(); list && doc->hostDocument)
    list->close(doc->hostDocument);
  doc->close();
  closed_.push_back(std::move(*it));
  documents_.erase(it);
  if (current_ == doc)
    current_ = documents_.empty() ? nullptr : documents_.back().get();
  if (current_ && current_ != Workspace::current())
    if (Document* hostCurrent = Workspace::current())
      current_ = hostCurrent;
}

void Workspace::closeAll()
{
  while (!documents_.empty())
    close(documents_.back().get());
}

Document* Workspace::scratch()
{
  if (!scratch_)
    scratch_ = std::make_unique<Document>("scratch");
  return scratch_.get();
}

} // namespace hostsim

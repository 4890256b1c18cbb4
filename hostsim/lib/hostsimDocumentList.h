// The host's open documents, the current one and the views of each; the "AI Document List Suite", the
// current-document position of the "AI Document Suite" (published at versions 16 and 19, one table)
// and the view-list positions of the "AI Document View Suite". The document model itself (layers,
// art) keys its own state by DocumentHandle.
#pragma once

#include "hostapi/HostTypes.h"
#include "hostsimApp.h"

#include <string>
#include <vector>

namespace hostsim {

class DocumentList : public Area
{
public:
  explicit DocumentList(HostApp& app) : app_(app) {}
  ~DocumentList() override;

  // Opens a document with one view and its "OWL.Document" window below the main window, and makes it
  // current.
  DocumentHandle open(std::string name);
  // False when the document is not open. The most recently opened remaining document becomes current.
  bool close(DocumentHandle document);
  bool setCurrent(DocumentHandle document);
  DocumentHandle current() const { return current_; }
  const std::vector<DocumentHandle>& documents() const { return order_; }
  bool isOpen(DocumentHandle document) const;
  std::string name(DocumentHandle document) const;

  // View 0 is the current view.
  const std::vector<DocViewHandle>& views(DocumentHandle document) const;
  DocViewHandle addView(DocumentHandle document);
  // The document a view belongs to, or null.
  DocumentHandle documentOfView(DocViewHandle view) const;
  PlatformWindow window(DocumentHandle document) const;

private:
  struct Document
  {
    DocumentHandle handle = nullptr;
    std::string name;
    std::vector<DocViewHandle> views;
    PlatformWindow window = nullptr;
  };
  const Document* find(DocumentHandle document) const;

  HostApp& app_;
  std::vector<Document> documents_;
  std::vector<DocumentHandle> order_;
  DocumentHandle current_ = nullptr;
};

} // namespace hostsim

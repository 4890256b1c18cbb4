#pragma once
// The simulated application's open documents and which one is current. Suites reach the model through it.
#include "hostsimDocument.h"

#include <memory>
#include <string>
#include <vector>

namespace hostsim {

class Workspace
{
public:
  static Workspace& instance();

  // A new empty document with one layer, one view and one 612 × 792 artboard; it becomes current.
  Document* newDocument(const std::string& name);
  // Reads an SVG drawing into a new current document; on failure returns null and sets error.
  Document* openSvg(const std::string& path, std::string& error);
  Document* openSvgText(const std::string& text, const std::string& name, std::string& error);
  bool saveSvg(Document* doc, const std::string& path, std::string& error) const;
  // Selects every art of the current document, or the art with the given ids; false names a missing id.
  bool select(const std::vector<std::string>& ids, std::string& error);

  // The current document: the application's current one when an application runs.
  Document* current() const;
  // The view behind a handle: one of the model's own, or one of the application's document list.
  View* view(const void* handle);
  // Forgets the application's document list (it is going away): every document closes.
  void detachHost();
  void setCurrent(Document* doc);
  void close(Document* doc);
  void closeAll();
  const std::vector<std::unique_ptr<Document>>& documents() const { return documents_; }
  // Objects made while no document is open belong here.
  Document* scratch();
  // Failure injection for tests: the next creation of a spot colour fails.
  bool failNextCustomColor = false;

private:
  std::vector<std::unique_ptr<Document>> documents_;
  std::vector<std::unique_ptr<Document>> closed_;
  std::unique_ptr<Document> scratch_;
  Document* current_ = nullptr;
};

} // namespace hostsim

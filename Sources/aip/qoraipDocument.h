// The host-facing wrapper of a host document (the least the lifecycle layers need: the handle of
// the host's current document and the document scale factor).
#pragma once

#include "hostapi/HostApi.h"

namespace qor {
namespace aip {

class Document
{
public:
  // Wraps the host's current document.
  Document();
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;
  virtual ~Document() = default;

  DocumentHandle handle() const { return document; }
  double scaleFactor() const { return 1.0; }

private:
  DocumentHandle document = nullptr;
};

}  // namespace aip
}  // namespace qor

#include "aip/qoraipDocument.h"

#include "aip/qoraipSuitePointers.h"

namespace qor {
namespace aip {

Document::Document()
{
  if (documentSuite)
    documentSuite->getCurrentDocument(&document);
}

}  // namespace aip
}  // namespace qor

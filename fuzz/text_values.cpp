// Arbitrary bytes through the text readers of the value layer; see text_values_checks.h. Seeds are in
// fuzz/corpus/text_values/ (the tests replay them).
#include <cstdlib>

#include "text_values_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
  if (textValuesFuzz::checkTextValues(data, size))
    std::abort();
  return 0;
}

// Feeds arbitrary bytes to the JSON reader. Whatever it accepts must write, read back and write again
// to the same text, in both forms.
#include "json/qorjsonNode.h"
#include "json/qorjsonReader.h"
#include "json/qorjsonWriter.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    using qor::json::NodePtr;
    std::string text(reinterpret_cast<const char *>(data), size);
    NodePtr first(qor::json::parseJson(text));
    if (!first) return 0;
    std::string compact1 = qor::json::writeJson(first.get(), false, 0);
    std::string indented1 = qor::json::writeJson(first.get(), true, 0);
    NodePtr second(qor::json::parseJson(compact1));
    NodePtr fromIndented(qor::json::parseJson(indented1));
    if (!second || !fromIndented) abort();
    // The first write may still turn -0 into 0 or round an integer beyond 2^53; after that it is stable.
    std::string compact2 = qor::json::writeJson(second.get(), false, 0);
    if (qor::json::writeJson(fromIndented.get(), false, 0) != compact2) abort();
    NodePtr third(qor::json::parseJson(compact2));
    if (!third || qor::json::writeJson(third.get(), false, 0) != compact2) abort();
    return 0;
}

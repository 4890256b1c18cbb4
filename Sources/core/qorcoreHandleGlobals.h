// Where the handle registries live: the core globals block, reachable only while the plug-in, its UI
// globals and its core globals all exist.
#pragma once

struct CoreGlobals;

namespace qor {
namespace core {

CoreGlobals* handleGlobals();

}  // namespace core
}  // namespace qor

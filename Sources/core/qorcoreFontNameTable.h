// Reads a font's full name from its TrueType/OpenType naming table ("name"), staying inside the
// table data: records and strings that do not fit are skipped.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace qor {
namespace core {

// The full name (name id 4) of the first such record, decoded by its platform and encoding, up to
// its first NUL; false when the table or that record cannot be read or decoded.
bool fullFontName(const uint8_t* table, size_t size, std::u16string& name);

}  // namespace core
}  // namespace qor

#pragma once
// Texts the books keep within a field's width, which counts characters, not bytes.

#include <string>

namespace orvant {

// The first `count` characters of a UTF-8 text, whole characters only.
std::string FirstCharacters(const std::string& text, int count);

}  // namespace orvant

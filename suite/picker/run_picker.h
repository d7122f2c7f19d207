#pragma once
// What every picker's exported function does, written once: the session's own copy, the
// database of the picker's table, the dialog in the session's language, and the answer in the
// caller's terms. Nothing thrown gets out: the error is shown through the message service and
// the picker answers as if cancelled.

#include <cstdint>

#include "picker/picker_traits.h"
#include "session/link_section.h"

namespace orvant::picker {

// Writes the chosen code into the caller's `code` and returns its length in bytes; 0 and ""
// when cancelled, failed, or when `capacity` is less than the code field's width plus one.
std::int32_t PickCode(const TLinkSection& session, const PickerTraits& traits, char* code, std::int32_t capacity) noexcept;

// The chosen number; 0 when cancelled or failed.
std::int32_t PickNumber(const TLinkSection& session, const PickerTraits& traits) noexcept;

}  // namespace orvant::picker

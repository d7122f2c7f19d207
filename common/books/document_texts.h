#pragma once
// The texts of a document's header as the books keep them, the same from a screen and from an
// import, and the characters no text of the books may hold.

#include <string>

namespace orvant {

// A client or supplier code, invoice number or reference as kept: without leading or trailing
// blanks, and an invoice number in capitals.
std::string CodeAsKept(const std::string& typed);
std::string InvoiceNumberAsKept(const std::string& typed);

// Whether the text holds a control character (a NUL among them, which the store would cut the
// text at); a comment may hold line breaks and tabs.
bool HoldsControlCharacter(const std::string& text, bool lineBreaksAllowed = false);

}  // namespace orvant

#include "books/text_cut.h"

namespace orvant {

std::string FirstCharacters(const std::string& text, int count)
{
    std::size_t at = 0;
    for (int kept = 0; at < text.size() && kept < count; ++kept)
        do ++at;
        while (at < text.size() && (static_cast<unsigned char>(text[at]) & 0xC0) == 0x80);
    return text.substr(0, at);
}

}  // namespace orvant

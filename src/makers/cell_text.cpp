#include "makers/cell_text.h"

namespace quillane {

namespace {

// The length of the UTF-8 sequence a lead byte starts; 1 for a byte that
// starts none.
std::size_t SequenceLength(unsigned char lead) {
    if (lead < 0x80) return 1;
    if ((lead >> 5) == 0x6) return 2;
    if ((lead >> 4) == 0xE) return 3;
    if ((lead >> 3) == 0x1E) return 4;
    return 1;
}

}  // namespace

std::size_t CharacterCount(std::string_view utf8) {
    std::size_t count = 0;
    std::size_t i = 0;
    while (i < utf8.size()) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t length = SequenceLength(lead);
        // A sequence cut short or with a wrong continuation byte: its lead
        // byte counts alone.
        for (std::size_t k = 1; k < length; ++k) {
            if (i + k >= utf8.size() || (static_cast<unsigned char>(utf8[i + k]) & 0xC0) != 0x80) {
                length = 1;
                break;
            }
        }
        i += length;
        ++count;
    }
    return count;
}

}  // namespace quillane

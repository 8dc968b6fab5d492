#pragma once
#include <cstdint>

namespace quillane {

// A colour as the builders and the tag colouring use it: 0-255 per channel.
struct Rgb {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const Rgb&, const Rgb&) = default;
};

}  // namespace quillane

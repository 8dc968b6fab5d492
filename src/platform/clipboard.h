#pragma once
#include <string>

namespace quillane {

class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual std::string text() const = 0;
    virtual void setText(const std::string& text) = 0;
};

}  // namespace quillane

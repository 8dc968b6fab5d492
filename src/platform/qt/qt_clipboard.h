#pragma once
#include "platform/clipboard.h"

namespace quillane {

// The system clipboard's text, as UTF-8.
class QtClipboard : public Clipboard {
public:
    std::string text() const override;
    void setText(const std::string& text) override;
};

}  // namespace quillane

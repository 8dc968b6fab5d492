#pragma once
#include <string>

#include "platform/editor_control.h"

namespace quillane::testing {

// Editor states written as text: "abc|def" has the caret after c, "abc[def]ghi"
// has def selected. The marks must not occur in the text itself.
void SetMarkedText(EditorControl& editor, const std::string& marked);
std::string MarkedText(const EditorControl& editor);

}  // namespace quillane::testing

#pragma once

namespace quillane {

struct AppContext;

// The mouse moved over a document's editor: the help panel shows its default
// line and the time panel the current time.
void OnEditorMouseMove(AppContext& ctx);

}  // namespace quillane

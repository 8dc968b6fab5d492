#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace quillane {

struct AppContext;

// LoadSettings: every key into ctx.settings, in the documented order, with the
// two folder messages. Also sets the active document's editor font.
void LoadSettings(AppContext& ctx);
// The main window's left, top, width and height into section "Window".
void SaveWindowGeometry(AppContext& ctx);

}  // namespace quillane

#include "builders/ui/multimedia_dialog_base.h"

#include "app/app_context.h"
#include "builders/image_builders.h"
#include "editor/insertion.h"

namespace quillane {

MultimediaDialogBase::MultimediaDialogBase(AppContext& ctx, DocumentView& view, QWidget* parent)
    : ImageDialogBase(ctx, parent), view_(view) {}

bool MultimediaDialogBase::insert(const MultimediaResult& result) {
    if (const auto* message = std::get_if<MultimediaMessage>(&result)) {
        if (message->focus.empty()) ctx_.messages().say(message->text);
        else refuse(ImageMessage{message->text, message->focus});
        return false;
    }
    InsertText(view_, std::get<std::string>(result), false);
    return true;
}

}  // namespace quillane

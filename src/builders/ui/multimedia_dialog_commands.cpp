#include "builders/ui/multimedia_dialog_commands.h"

#include "app/app_context.h"
#include "app/command_table.h"
#include "builders/ui/applet_dialogs.h"
#include "builders/ui/float_frame_dialog.h"
#include "builders/ui/hr_dialog.h"
#include "builders/ui/marquee_dialog.h"
#include "builders/ui/sound_dialogs.h"

namespace quillane {

namespace {

template <typename Dialog>
void Register(CommandTable& table, const char* command, QWidget* parent) {
    table.add(command, [parent](AppContext& ctx, DocumentView* target) {
        if (DocumentView* view = target ? target : ctx.activeDocument()) {
            Dialog dialog(ctx, *view, parent);
            dialog.exec();
        }
    });
}

}  // namespace

void RegisterMultimediaDialogs(CommandTable& table, QWidget* parent) {
    Register<HRForm>(table, "mnuNSHR", parent);
    Register<Applet>(table, "mnuJavaApplet", parent);
    Register<Parametr>(table, "mnuJavaParam", parent);
    Register<BGSound>(table, "mnuBGSound", parent);
    Register<EMBEDITEM>(table, "mnuembed", parent);
    Register<Float>(table, "mnuFloatFrame", parent);
    Register<Marquee>(table, "mnuMarquee", parent);
}

void EditRuleTag(AppContext& ctx, DocumentView& view, QWidget* parent, const std::string& tagText) {
    HRForm dialog(ctx, view, parent);
    dialog.setFields(HrFieldsFromTag(tagText));
    dialog.exec();
}

void EditAppletTag(AppContext& ctx, DocumentView& view, QWidget* parent, const std::string& tagText) {
    Applet dialog(ctx, view, parent);
    dialog.fillFromTag(tagText);
    dialog.exec();
}

void EditParamTag(AppContext& ctx, DocumentView& view, QWidget* parent, const std::string& tagText) {
    Parametr dialog(ctx, view, parent);
    dialog.setFields(ParamFieldsFromTag(tagText));
    dialog.exec();
}

}  // namespace quillane

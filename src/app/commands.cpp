#include "app/commands.h"

#include <string>
#include <utility>

#include "app/app_context.h"
#include "app/command_table.h"
#include "app/recent_files.h"
#include "builders/color_choice.h"
#include "builders/simple_tag_commands.h"
#include "editor/document_lifecycle.h"
#include "editor/editing_commands.h"
#include "editor/external_programs.h"
#include "editor/file_commands.h"
#include "editor/find_replace.h"
#include "editor/tag_colouring.h"

namespace quillane {

namespace {

// The window a command acts on: the one whose menu was used, else the active
// document. Commands that need a document do nothing without one.
DocumentView* Target(AppContext& ctx, DocumentView* target) { return target ? target : ctx.activeDocument(); }

CommandHandler OnDocument(void (*command)(AppContext&, DocumentView&)) {
    return [command](AppContext& ctx, DocumentView* target) {
        if (DocumentView* view = Target(ctx, target)) command(ctx, *view);
    };
}

CommandHandler Arrange(WindowArrangement how) {
    return [how](AppContext& ctx, DocumentView*) { ctx.shell().arrange(how); };
}

CommandHandler HelpTopic(int contextNumber) {
    return [contextNumber](AppContext& ctx, DocumentView*) { ctx.platform.help.showTopic(contextNumber); };
}

// Every open window shows the same recent captions as the main window (they
// are refreshed together), so the main window's entry names the file.
CommandHandler RecentFile(int index) {
    return [index](AppContext& ctx, DocumentView*) {
        OpenDocumentFile(ctx, ctx.shell().recentEntryCaption(index));
        GetRecentFiles(ctx);
    };
}

void RegisterFileCommands(CommandTable& table) {
    table.add("FileOpen", [](AppContext& ctx, DocumentView*) { FileOpenCommand(ctx); });
    table.add("mnuOpenUNIX", [](AppContext& ctx, DocumentView*) { OpenUnixCommand(ctx); });
    table.add("FileInsert", OnDocument(InsertFileCommand));
    table.add("FileSave", OnDocument([](AppContext& ctx, DocumentView& view) { SaveCommand(ctx, view); }));
    table.add("FileSaveAs", OnDocument(SaveAsCommand));
    table.add("mnuUNIXsave", OnDocument(SaveUnixCommand));
    table.add("FileClose", OnDocument([](AppContext& ctx, DocumentView& view) { ctx.shell().closeDocumentWindow(view); }));
    for (int i = 1; i <= 4; ++i) table.add("mnuRecentFile(" + std::to_string(i) + ")", RecentFile(i));
}

void RegisterWindowCommands(CommandTable& table) {
    table.add("cascademnu", Arrange(WindowArrangement::Cascade));
    table.add("TileHoriz", Arrange(WindowArrangement::TileHorizontally));
    table.add("TileVert", Arrange(WindowArrangement::TileVertically));
    table.add("ArrangeIcon", Arrange(WindowArrangement::ArrangeIcons));
    table.add("mnuCloseAll", [](AppContext& ctx, DocumentView*) { CloseAllDocuments(ctx); });
}

void RegisterHelpCommands(CommandTable& table) {
    table.add("Help", [](AppContext& ctx, DocumentView*) { ctx.platform.help.showContents(); });
    const std::pair<const char*, int> topics[] = {
        {"mnuHowto", 40}, {"mnuHTMLtagRef", 33}, {"mnuUploadToWeb", 42}, {"mnuTutorial", 10}};
    for (const auto& [name, contextNumber] : topics) table.add(name, HelpTopic(contextNumber));
}

}  // namespace

void RegisterCoreCommands(CommandTable& table) {
    RegisterFileCommands(table);
    RegisterWindowCommands(table);
    RegisterHelpCommands(table);
    RegisterFindCommands(table);
    RegisterTagColouringCommands(table);
    RegisterSimpleTagCommands(table);
    RegisterColorCommands(table);
    RegisterEditingCommands(table);
    RegisterExternalProgramCommands(table);
}

}  // namespace quillane

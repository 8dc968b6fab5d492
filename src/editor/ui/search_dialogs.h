#pragma once
#include <QObject>
#include <QPointer>

#include "editor/find_state.h"

namespace quillane {

struct AppContext;
class CommandTable;
class frmFind;
class Replace;

// Loads, shows and unloads the modeless Find and Replace dialogs for the
// search commands. Lives under the main window; while it lives it is the
// context's SearchDialogs.
class SearchDialogHost : public QObject, public SearchDialogs {
    Q_OBJECT

public:
    SearchDialogHost(AppContext& ctx, QWidget* mainWindow);
    ~SearchDialogHost() override;

    void showFind(const std::string& text) override;
    void showReplace(const std::string& text, bool replacementFirst) override;
    void hideReplace() override;
    void closeAll() override;
    void bringToFront() override;

    // The open dialogs, or nullptr.
    frmFind* findDialog() const { return find_; }
    Replace* replaceDialog() const { return replace_; }

private:
    AppContext& ctx_;
    QWidget* mainWindow_;
    QPointer<frmFind> find_;
    QPointer<Replace> replace_;
};

// Creates the dialogs' host under the main window and registers mnuSFind
// and mnuReplace. The context must outlive the main window.
SearchDialogHost& RegisterSearchDialogCommands(CommandTable& table, AppContext& ctx, QWidget& mainWindow);

}  // namespace quillane

#pragma once
#include <QFileDialog>
#include <QPointer>
#include <QStringList>
#include <vector>

#include "platform/file_dialogs.h"
#include "platform/file_filter.h"

namespace quillane {

// The program's file dialog. Like a common dialog component it keeps its
// settings between uses: a request's unset start folder or initial name, an
// empty title or an empty filter keep the previous use's value, and after a
// choice the file name is the chosen path. Each use gets a new QFileDialog
// set up from those settings, so that nothing else of the last use (a name
// left in the box, a selected file, an open completion list) carries over.
class QtFileDialogs : public FileDialogs {
public:
    explicit QtFileDialogs(QWidget* parent = nullptr);
    ~QtFileDialogs() override;

    std::optional<FileChoice> openFile(const FileDialogRequest& request) override;
    std::optional<FileChoice> saveFile(const FileDialogRequest& request) override;
    std::optional<std::string> chooseFolder(const std::string& title, const std::string& startFolder) override;
    std::optional<Rgb> chooseColor(std::optional<Rgb> initial) override;

    // Takes a request into the kept settings and makes the dialog for it,
    // without showing it. The dialog lives until the next use.
    QFileDialog& prepare(const FileDialogRequest& request, QFileDialog::AcceptMode mode);

    // "description (pattern pattern)" per entry, as QFileDialog takes them.
    static QStringList nameFilters(const std::vector<FileFilter>& filters);

private:
    std::optional<FileChoice> run(const FileDialogRequest& request, QFileDialog::AcceptMode mode);

    QWidget* parent_;
    QPointer<QFileDialog> dialog_;
    QString title_;
    QStringList filters_;
    QString startFolder_;
    QString fileName_;
};

}  // namespace quillane

#include "platform/qt/qt_file_dialogs.h"

#include <QColorDialog>
#include <QFileInfo>

namespace quillane {

QtFileDialogs::QtFileDialogs(QWidget* parent) : parent_(parent) {}

QtFileDialogs::~QtFileDialogs() { delete dialog_.data(); }

QStringList QtFileDialogs::nameFilters(const std::vector<FileFilter>& filters) {
    QStringList names;
    for (const FileFilter& filter : filters) {
        QStringList patterns;
        for (const std::string& pattern : filter.patterns) patterns << QString::fromStdString(pattern);
        if (patterns.isEmpty()) patterns << QStringLiteral("*");
        names << QString::fromStdString(filter.description) + QStringLiteral(" (") + patterns.join(' ') + ')';
    }
    return names;
}

QFileDialog& QtFileDialogs::prepare(const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
    if (!request.title.empty()) title_ = QString::fromStdString(request.title);
    if (!request.filter.empty()) filters_ = nameFilters(ParseFileFilter(request.filter));
    if (request.startFolder) startFolder_ = QString::fromStdString(*request.startFolder);
    if (request.initialName) fileName_ = QString::fromStdString(*request.initialName);

    delete dialog_.data();
    dialog_ = new QFileDialog(parent_);
    QFileDialog& d = *dialog_;
    // Qt's own dialog honours every setting.
    d.setOption(QFileDialog::DontUseNativeDialog, true);
    // The descriptions already name their patterns.
    d.setOption(QFileDialog::HideNameFilterDetails, true);
    d.setAcceptMode(mode);
    d.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    d.setOption(QFileDialog::DontConfirmOverwrite, !request.overwritePrompt);
    d.setWindowTitle(title_);
    if (!filters_.isEmpty()) {
        d.setNameFilters(filters_);
        const int wanted = request.filterIndex;
        const int index = wanted >= 1 && wanted <= filters_.size() ? wanted - 1 : 0;
        d.selectNameFilter(filters_[index]);
    }
    if (!startFolder_.isEmpty()) d.setDirectory(startFolder_);
    // A full path (the previous choice) opens its own folder. An empty name
    // leaves the new dialog's box empty.
    if (!fileName_.isEmpty()) d.selectFile(fileName_);
    return d;
}

std::optional<FileChoice> QtFileDialogs::run(const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
    QFileDialog& d = prepare(request, mode);
    const bool accepted = d.exec() == QDialog::Accepted;
    const QStringList chosen = d.selectedFiles();
    // Deleted before the caller goes on: its completion list, still up when
    // Enter closed the dialog, would stay over the document and take the
    // next key.
    delete dialog_.data();
    if (!accepted || chosen.isEmpty() || chosen.first().isEmpty()) return std::nullopt;
    fileName_ = chosen.first();
    return FileChoice{fileName_.toStdString(), QFileInfo(fileName_).fileName().toStdString()};
}

std::optional<FileChoice> QtFileDialogs::openFile(const FileDialogRequest& request) {
    return run(request, QFileDialog::AcceptOpen);
}

std::optional<FileChoice> QtFileDialogs::saveFile(const FileDialogRequest& request) {
    return run(request, QFileDialog::AcceptSave);
}

std::optional<std::string> QtFileDialogs::chooseFolder(const std::string& title, const std::string& startFolder) {
    const QString folder = QFileDialog::getExistingDirectory(
        parent_, QString::fromStdString(title), QString::fromStdString(startFolder),
        QFileDialog::ShowDirsOnly | QFileDialog::DontUseNativeDialog);
    if (folder.isEmpty()) return std::nullopt;
    return folder.toStdString();
}

std::optional<Rgb> QtFileDialogs::chooseColor(std::optional<Rgb> initial) {
    const QColor start = initial ? QColor(initial->r, initial->g, initial->b) : QColor(Qt::white);
    const QColor color = QColorDialog::getColor(start, parent_);
    if (!color.isValid()) return std::nullopt;
    return Rgb{std::uint8_t(color.red()), std::uint8_t(color.green()), std::uint8_t(color.blue())};
}

}  // namespace quillane

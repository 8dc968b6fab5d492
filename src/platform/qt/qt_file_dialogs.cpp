#include "platform/qt/qt_file_dialogs.h"

#include <QColorDialog>
#include <QFileInfo>

namespace quillane {

QtFileDialogs::QtFileDialogs(QWidget* parent) : parent_(parent), dialog_(new QFileDialog(parent)) {
    // Qt's own dialog keeps its state between uses and honours every setting.
    dialog_->setOption(QFileDialog::DontUseNativeDialog, true);
    // The descriptions already name their patterns.
    dialog_->setOption(QFileDialog::HideNameFilterDetails, true);
}

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

void QtFileDialogs::prepare(const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
    if (!request.title.empty()) title_ = QString::fromStdString(request.title);
    if (!request.filter.empty()) filters_ = nameFilters(ParseFileFilter(request.filter));
    if (request.startFolder) startFolder_ = QString::fromStdString(*request.startFolder);
    if (request.initialName) fileName_ = QString::fromStdString(*request.initialName);

    QFileDialog& d = *dialog_;
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
    // A full path (the previous choice) opens its own folder.
    d.selectFile(fileName_);
}

std::optional<FileChoice> QtFileDialogs::run(const FileDialogRequest& request, QFileDialog::AcceptMode mode) {
    prepare(request, mode);
    if (dialog_->exec() != QDialog::Accepted) return std::nullopt;
    const QStringList chosen = dialog_->selectedFiles();
    if (chosen.isEmpty() || chosen.first().isEmpty()) return std::nullopt;
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

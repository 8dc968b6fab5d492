#include "platform/qt/program_folder.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "platform/shipped_files_folder.h"

namespace quillane {

QString ProgramFolder() {
    const std::string exeFolder = QCoreApplication::applicationDirPath().toStdString();
    return QString::fromStdString(ShippedFilesFolder(
        exeFolder, [](const std::string& path) { return QFileInfo(QString::fromStdString(path)).isDir(); }));
}

}  // namespace quillane

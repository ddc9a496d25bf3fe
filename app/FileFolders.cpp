#include "app/FileFolders.h"

#include <QDir>
#include <QFileInfo>

namespace file_folders {

namespace {
QString& lastFolder() {
    static QString folder;
    return folder;
}
} // namespace

QString startFolder(const QString& programFolder) {
    const QFileInfo info(programFolder);
    return info.isDir() && info.isWritable() ? programFolder : QDir::homePath();
}

void openIn(QFileDialog* dialog) {
    if (!lastFolder().isEmpty())
        dialog->setDirectory(lastFolder());
}

void remember(const QString& fileName) {
    if (!fileName.isEmpty())
        lastFolder() = QFileInfo(fileName).absolutePath();
}

QString last() { return lastFolder(); }

} // namespace file_folders

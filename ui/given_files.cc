#include "ui/given_files.h"

#include <QDir>
#include <QFileInfo>
#include <QMimeData>
#include <QUrl>
#include <algorithm>

#include "core/error.h"

namespace chronoflip {

namespace {

constexpr const char* kNoSuchFile = "File not found";
constexpr const char* kFolderGiven = "A folder, not a file";

// Why the Open dialog would not take the path, or nullptr when it would; like the dialog,
// a link counts as what it leads to.
const char* refusalOf(const QString& path) {
    const QFileInfo file(path);
    if (!file.exists()) return kNoSuchFile;
    if (file.isDir()) return kFolderGiven;
    return nullptr;
}

}  // namespace

QString asChosen(const QString& path) {
    return QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
}

QStringList namedFiles(int argc, char** argv) {
    QStringList files;
    for (int i = 1; i < argc; ++i) files << asChosen(QString::fromUtf8(argv[i]));
    return files;
}

QStringList droppedFiles(const QMimeData& data) {
    QStringList files;
    for (const QUrl& url : data.urls()) {
        if (!url.isLocalFile()) return {};
        files << asChosen(url.toLocalFile());
    }
    return files;
}

bool openable(const QStringList& paths) {
    return !paths.isEmpty() && std::none_of(paths.begin(), paths.end(), refusalOf);
}

void checkOpenable(const QStringList& paths) {
    for (const QString& path : paths) {
        if (const char* reason = refusalOf(path)) throw Error(reason, path.toStdString());
    }
}

}  // namespace chronoflip

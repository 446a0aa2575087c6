#pragma once

#include <QString>
#include <QStringList>

class QMimeData;

// Files that reach the main window other than through its Open dialog: dropped onto it, or
// named on the program's command line (which is how a desktop or Explorer passes a drop onto
// the program's icon, "Open with" and "Send to"). They are taken as the dialog takes a
// choice: all of them, or none when one of them is no file.
namespace chronoflip {

// A path as the Open dialog gives it: absolute, from the current folder, in the platform's
// own spelling.
QString asChosen(const QString& path);

// The files named after the program's name; argv is UTF-8, from which QApplication has
// taken its own options.
QStringList namedFiles(int argc, char** argv);

// The local files a drag carries, as chosen; none when it carries anything else (a web
// address) besides or instead.
QStringList droppedFiles(const QMimeData& data);

// Whether the Open dialog would take these paths: at least one, each an existing file.
bool openable(const QStringList& paths);
// Throws chronoflip::Error naming the first path the dialog would refuse: a name no file
// has, or a folder.
void checkOpenable(const QStringList& paths);

}  // namespace chronoflip

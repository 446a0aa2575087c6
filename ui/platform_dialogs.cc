#include "ui/platform_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace chronoflip {

namespace {

void showBox(QWidget* owner, QMessageBox::Icon icon, const QString& text) {
    QMessageBox box(icon, QCoreApplication::applicationName(), text, QMessageBox::Ok, owner);
    box.exec();
}

}  // namespace

QStringList PlatformDialogs::chooseFiles(QWidget* owner, const FileChoice& choice) {
    QFileDialog dialog(owner);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilters(choice.nameFilters);
    dialog.selectFile(choice.fileName);
    if (dialog.exec() != QDialog::Accepted) return {};
    QStringList paths = dialog.selectedFiles();
    for (QString& path : paths) path = QDir::toNativeSeparators(path);
    return paths;
}

QString PlatformDialogs::chooseFolder(QWidget* owner, const QString& title, const QString& root) {
    return QDir::toNativeSeparators(
        QFileDialog::getExistingDirectory(owner, title, root, QFileDialog::ShowDirsOnly));
}

void PlatformDialogs::showInformation(QWidget* owner, const QString& text) {
    showBox(owner, QMessageBox::Information, text);
}

void PlatformDialogs::showError(QWidget* owner, const QString& text) {
    showBox(owner, QMessageBox::Critical, text);
}

}  // namespace chronoflip

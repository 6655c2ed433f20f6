#include "app/gui/gui_dialogs.hpp"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

namespace slidemint {
namespace {

QStringList openFiles(QWidget* parent, const QString& folder, const QString& filter) {
    return QFileDialog::getOpenFileNames(parent, QString(), folder, filter);
}

std::optional<QString> browseFolder(QWidget* parent, const QString& initialFolder, const QString& title) {
    QString folder = QFileDialog::getExistingDirectory(parent, title, initialFolder);
    if (folder.isEmpty()) return std::nullopt;
    while (folder.size() > 1 && folder.endsWith(QLatin1Char('/'))) folder.chop(1);
    return folder;
}

void showMessage(QWidget* parent, const QString& text) {
    QMessageBox::warning(parent, QApplication::applicationDisplayName(), text);
}

}  // namespace

TGuiDialogs TGuiDialogs::WithDefaults() const {
    TGuiDialogs dialogs = *this;
    if (!dialogs.OpenFiles) dialogs.OpenFiles = openFiles;
    if (!dialogs.BrowseFolder) dialogs.BrowseFolder = browseFolder;
    if (!dialogs.ShowMessage) dialogs.ShowMessage = showMessage;
    return dialogs;
}

}  // namespace slidemint

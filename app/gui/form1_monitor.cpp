// The folder watch on the main window.

#include <QLabel>
#include <sys/stat.h>

#include "app/gui/form1.hpp"
#include "app/gui/image_button.hpp"
#include "app/watch/presentation_watch.hpp"

namespace slidemint {

void TForm1::MonitorClick() {
    if (DirChange1.Active()) {
        StopMonitor();
        return;
    }
    const auto folder = dialogs_.BrowseFolder(this, labelFolder(), tr("Select Watch Folder"));
    if (folder) StartMonitor(*folder);
}

void TForm1::StartMonitor(const QString& folder) {
    DirChange1.SetDirectory(folder.toStdString());
    DirChange1.SetActive(true);
    if (!DirChange1.Active()) return;  // the error is in the status bar
    showMonitorPictures(true);
    ShowStatus(QStringLiteral("Start Monitor : ") + QString::fromStdString(DirChange1.Directory()));
    BTMonitor->repaint();
}

void TForm1::StopMonitor() {
    DirChange1.SetActive(false);
    showMonitorPictures(false);
    ShowStatus(QStringLiteral("Stop Monitor"));
    BTMonitor->repaint();
}

void TForm1::showMonitorPictures(bool watching) {
    BTMonitor->SetPicNormal(ImageList1[watching ? 1 : 0]);
    BTMonitor->SetPicMouseOn(ImageList1[watching ? 2 : 3]);
}

void TForm1::onNewFile(const TDirEntry& entry) {
    const std::string path = DirChange1.Directory() + entry.Name;
    if (S_ISDIR(entry.Attributes) || !IsWatchedPresentation(path)) return;
    AddFile(QString::fromStdString(path));
    if (!busy_) ExportAll();
}

void TForm1::onWatchError(const std::string& message) {
    showMonitorPictures(false);
    ShowStatus(QString::fromStdString(message));
    BTMonitor->repaint();
}

}  // namespace slidemint

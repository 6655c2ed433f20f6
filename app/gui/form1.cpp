#include "app/gui/form1.hpp"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMimeData>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>

#include "app/gui/file_list_view.hpp"
#include "app/gui/image_button.hpp"
#include "app/gui/thumbnail_maker.hpp"
#include "app/settings/settings_file.hpp"
#include "app/watch/presentation_watch.hpp"

namespace slidemint {
namespace {

TPostToOwner postTo(QObject* owner) {
    return [owner](std::function<void()> task) {
        QMetaObject::invokeMethod(owner, std::move(task), Qt::QueuedConnection);
    };
}

}  // namespace

TForm1::TForm1(TForm1Services services, QWidget* parent)
    : QMainWindow(parent),
      DirChange1(postTo(this)),
      services_(std::move(services)),
      dialogs_(services_.Dialogs.WithDefaults()),
      bridge_(*this) {
    setWindowTitle(QStringLiteral("Slidemint 1.4"));
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    buildControls();
    setFixedSize(613, 378);

    setAcceptDrops(true);
    setExportFolder(DefaultExportFolder());
    suiComboBox1->setCurrentIndex(0);
    centreOnScreen();
    ExportButton->setEnabled(true);
    settingsFile_ = services_.SettingsFile.empty()
                        ? SettingsFilePath(QCoreApplication::applicationFilePath().toStdString())
                        : services_.SettingsFile;
    loadSettings();
    connectControls();
    settingsChanged_ = false;

    run_ = std::make_unique<ExportRun>(fileList_, bridge_, services_.Renderers);
    run_->Environment = services_.Environment;
    fileList_.OnRemoved = [this](TFileListStore::Id id) {
        QMetaObject::invokeMethod(this, [this, id] { JamFileList1->RemoveEntry(id); }, Qt::QueuedConnection);
    };
    if (services_.Thumbnails) {
        RendererFactory factory = services_.ThumbnailRenderers ? services_.ThumbnailRenderers
                                                               : DefaultRendererFactory(std::chrono::seconds(30));
        thumbnails_ = std::make_unique<TThumbnailMaker>(factory, QSize(240, 180));
        connect(thumbnails_.get(), &TThumbnailMaker::ready, this, [this](const QString& path, const QImage&) {
            if (JamFileList1->SelectedPath() == path) showThumbnail(path);
        });
    }
    showThumbnail(QString());
    DirChange1.OnChangeNew = [this](TDirChange&, const TDirEntry& entry) { onNewFile(entry); };
    DirChange1.OnWatchError = [this](TDirChange&, const std::string& message) { onWatchError(message); };
}

TForm1::~TForm1() {
    DirChange1.SetActive(false);
    if (runThread_.joinable()) {
        run_->Stop();
        runThread_.join();
    }
    fileList_.OnRemoved = nullptr;
}

void TForm1::centreOnScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->geometry();
    move((area.width() - width()) / 2, (area.height() - height()) / 2);
}

void TForm1::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (firstShow_) suiImageButton7->setFocus();
    firstShow_ = false;
}

void TForm1::closeEvent(QCloseEvent* event) {
    if (settingsChanged_) saveSettings();
    settingsChanged_ = false;
    QMainWindow::closeEvent(event);
}

// ---- settings ----

void TForm1::loadSettings() {
    TStoredSettings current;
    current.ExportFolder = exportFolder_;
    const TStoredSettings loaded = LoadSettings(settingsFile_, current);
    setExportFolder(loaded.ExportFolder);
    CBSlideNote->setChecked(loaded.NotePage);
    CBToc->setChecked(loaded.Toc);
    suiComboBox1->setCurrentIndex(loaded.Quality);  // out of range selects no item
    CFullScreen->setChecked(loaded.FullScreen);
    CAnimation->setChecked(loaded.Animation);
    CToolBar->setChecked(loaded.ToolBar);
}

void TForm1::saveSettings() {
    TStoredSettings values;
    values.ExportFolder = exportFolder_;
    values.NotePage = CBSlideNote->isChecked();
    values.Toc = CBToc->isChecked();
    values.Quality = suiComboBox1->currentIndex();
    values.FullScreen = CFullScreen->isChecked();
    values.Animation = CAnimation->isChecked();
    values.ToolBar = CToolBar->isChecked();
    SaveSettings(settingsFile_, values);
}

void TForm1::setExportFolder(const std::string& folder) {
    exportFolder_ = folder;
    suiOutputDir->setText(QString::fromStdString(folder));
}

QString TForm1::labelFolder() const {
    const QString text = suiOutputDir->text();
    return text.left(text.lastIndexOf(QLatin1Char('/')) + 1);
}

// ---- the file list ----

void TForm1::AddFile(const QString& path) {
    const auto id = fileList_.Add(path.toStdString());
    JamFileList1->AddEntry(id, path);
    if (busy_) addedWhileBusy_ = true;
}

QStringList TForm1::FileListPaths() const {
    QStringList paths;
    for (const std::string& path : fileList_.Paths())
        paths << QString::fromStdString(path);
    return paths;
}

void TForm1::DeleteSelection() {
    const auto ids = JamFileList1->SelectedIds();
    fileList_.RemoveIds(ids);
    JamFileList1->RemoveEntries(ids);
}

void TForm1::ClearList() {
    fileList_.Clear();
    JamFileList1->clear();
    showThumbnail(QString());
}

void TForm1::SelectAll() {
    JamFileList1->selectAll();
    JamFileList1->setFocus();
}

void TForm1::AddFileDialog() {
    const QStringList files = dialogs_.OpenFiles(this, QDir::currentPath(),
                                                 QStringLiteral("PowerPoint presenttation (*.ppt *.pps)"));
    for (const QString& file : files) AddFile(file);
}

void TForm1::AddFolderDialog() {
    settingsChanged_ = true;
    const auto folder = dialogs_.BrowseFolder(this, labelFolder(), tr("Select Folder"));
    if (!folder) return;
    FS1.SearchFile = (*folder + QStringLiteral("/*.ppt")).toStdString();
    FS1.OnFileFind = [this](const std::string& where, const TSearchRec& entry) {
        AddFile(QString::fromStdString(where + entry.Name));
    };
    FS1.OnIdle = [] { QCoreApplication::processEvents(); };
    BAddFolder->setEnabled(false);  // the search lets the window work meanwhile, but runs once at a time
    FS1.Execute();
    BAddFolder->setEnabled(true);
}

void TForm1::SelectDirectoryDialog() {
    settingsChanged_ = true;
    const auto folder = dialogs_.BrowseFolder(this, labelFolder(), tr("Select Export Folder"));
    if (folder) setExportFolder(folder->toStdString() + (folder->endsWith(QLatin1Char('/')) ? "" : "/"));
}

void TForm1::AddDroppedFiles(const QStringList& paths) {
    for (const QString& path : paths)
        if (IsWatchedPresentation(path.toStdString())) AddFile(path);
}

void TForm1::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void TForm1::dropEvent(QDropEvent* event) {
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile()) paths << url.toLocalFile();
    AddDroppedFiles(paths);
    event->acceptProposedAction();
}

void TForm1::showThumbnail(const QString& path) {
    if (!path.isEmpty() && thumbnails_) {
        if (const auto picture = thumbnails_->Cached(path); picture && !picture->isNull()) {
            JamThumbnailImage1->setPixmap(QPixmap::fromImage(*picture).scaled(
                JamThumbnailImage1->size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
            emit thumbnailShown(path);
            return;
        }
        thumbnails_->Request(path);
    }
    JamThumbnailImage1->setPixmap(style()->standardIcon(QStyle::SP_FileIcon).pixmap(64, 64));
}

// ---- status ----

void TForm1::ShowStatus(const QString& text) { suiStatusBar1->showMessage(text); }

QString TForm1::StatusText() const { return suiStatusBar1->currentMessage(); }

void TForm1::showMessage(const QString& text) { dialogs_.ShowMessage(this, text); }

bool TForm1::SaveScreenshot(const QString& file) { return grab().save(file, "PNG"); }

}  // namespace slidemint

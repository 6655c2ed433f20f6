#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "app/conversion_options.hpp"
#include "app/export_run.hpp"
#include "app/file_search/file_search.hpp"
#include "app/gui/export_bridge.hpp"
#include "app/gui/file_list_store.hpp"
#include "app/gui/gui_dialogs.hpp"
#include "app/watch/dir_change.hpp"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QProgressBar;
class QStatusBar;
class QTabWidget;

namespace slidemint {

class TImageButton;
class TJamFileList;
class TThumbnailMaker;

// What the window uses of the machine; every member has a working default.
struct TForm1Services {
    std::string SettingsFile;            // empty: the settings file of this executable
    RendererFactory Renderers;           // empty: LibreOffice
    bool Thumbnails = true;              // make pictures of the selected presentation
    RendererFactory ThumbnailRenderers;  // empty: LibreOffice
    JobEnvironment Environment = JobEnvironment::System();
    TGuiDialogs Dialogs;                 // empty members: the standard dialogs
};

// The main window: the list of presentations, the output folder and
// options, the export run and the folder watch. Conversions run on a thread
// of their own and report back to the window's thread.
class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(TForm1Services services = {}, QWidget* parent = nullptr);
    ~TForm1() override;

    // Controls, by their designer names.
    TJamFileList* JamFileList1;
    TImageButton* suiImageButton7;  // "Add File"
    TImageButton* BAddFolder;       // "Add Folder"
    TImageButton* suiImageButton1;  // "Delete selection"
    TImageButton* suiImageButton5;  // "Clear List"
    TImageButton* ExportButton;     // "Export to PDF"
    TImageButton* BTMonitor;        // "Folder Monitor"
    TImageButton* suiImageButton4;  // "Select Directory"
    QMenu* PopupMenu1;
    QLabel* JamThumbnailImage1;
    QLabel* Image1;
    QProgressBar* ProgressBar1;
    QTabWidget* PageControl1;
    QLabel* suiOutputDir;
    QComboBox* suiComboBox1;
    QComboBox* CBAction;
    QCheckBox* CBSlideNote;
    QCheckBox* CBToc;
    QLineEdit* EAuthor;
    QLineEdit* ECreator;
    QCheckBox* CFullScreen;
    QCheckBox* CAnimation;
    QCheckBox* CToolBar;
    QCheckBox* CEncrypt;
    QLineEdit* EUPassword;
    QLineEdit* EOPassword;
    QStatusBar* suiStatusBar1;
    std::vector<QPixmap> ImageList1;
    TFileSearch FS1;
    TDirChange DirChange1;

    // The file list.
    void AddFile(const QString& path);
    QStringList FileListPaths() const;
    void DeleteSelection();
    void ClearList();
    void SelectAll();
    void AddFileDialog();
    void AddFolderDialog();
    void SelectDirectoryDialog();
    void AddDroppedFiles(const QStringList& paths);

    // The export run.
    void ExportAll();
    bool ExportBusy() const { return busy_; }
    const std::string& ExportFolder() const { return exportFolder_; }
    ConversionOptions CurrentOptions() const;

    // The folder watch.
    void MonitorClick();
    void StartMonitor(const QString& folder);
    void StopMonitor();

    bool SettingsChanged() const { return settingsChanged_; }
    const std::string& SettingsFile() const { return settingsFile_; }
    void ShowStatus(const QString& text);
    QString StatusText() const;

    // Reports of a run, on the window's thread.
    void ShowSlide(const QImage& slide, int number, int count);
    void ShowJobMessage(const QString& text);
    void FileStarted(const QString& input);
    void FileFailed(const QString& input, const QString& cause);

    // Takes a picture of the window into file (PNG); false when it cannot be written.
    bool SaveScreenshot(const QString& file);

signals:
    // The window is idle again after a run (also after a failure).
    void exportFinished();
    // The picture of a presentation's first slide is on show.
    void thumbnailShown(const QString& path);

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void buildControls();
    QWidget* buildListPanel();
    QWidget* buildPreviewPanel();
    QWidget* buildOptionPages();
    QWidget* buildOutputRow();
    void connectControls();
    void centreOnScreen();
    void loadSettings();
    void saveSettings();
    void setExportFolder(const std::string& folder);
    void runEnded(int failures, const std::string& error);
    void setIdle();
    void showThumbnail(const QString& path);
    void showMonitorPictures(bool watching);
    void onNewFile(const TDirEntry& entry);
    void onWatchError(const std::string& message);
    QString labelFolder() const;
    void showMessage(const QString& text);

    TForm1Services services_;
    TGuiDialogs dialogs_;
    TFileListStore fileList_;
    TExportBridge bridge_;
    std::unique_ptr<ExportRun> run_;
    std::thread runThread_;
    std::unique_ptr<TThumbnailMaker> thumbnails_;
    std::string exportFolder_;
    std::string settingsFile_;
    bool settingsChanged_ = false;
    bool busy_ = false;
    bool addedWhileBusy_ = false;
    bool messageShownForFile_ = false;
    bool runFailed_ = false;
    bool firstShow_ = true;
};

}  // namespace slidemint

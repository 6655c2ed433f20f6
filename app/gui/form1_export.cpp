// The export run on the main window: the conversion runs on a thread of its
// own while the window stays usable; its reports come back queued.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>

#include "app/gui/file_list_view.hpp"
#include "app/gui/form1.hpp"
#include "app/gui/image_button.hpp"

namespace slidemint {

ConversionOptions TForm1::CurrentOptions() const {
    ConversionOptions options;
    options.qualityIndex = suiComboBox1->currentIndex();
    options.openAfterConversion = CBAction->currentIndex() == 1;
    options.hideToolBar = CToolBar->isChecked();
    options.fullScreen = CFullScreen->isChecked();
    options.animation = CAnimation->isChecked();
    options.encrypt = CEncrypt->isChecked();
    options.userPassword = EUPassword->text().toStdString();
    options.ownerPassword = EOPassword->text().toStdString();
    options.author = EAuthor->text().toStdString();
    options.creator = ECreator->text().toStdString();
    options.addSlideNotes = CBSlideNote->isChecked();
    options.addToc = CBToc->isChecked();
    return options;
}

void TForm1::ExportAll() {
    if (busy_ || fileList_.Empty()) return;
    busy_ = true;
    addedWhileBusy_ = false;
    runFailed_ = false;
    run_->SetExportFolder(labelFolder().toStdString());
    run_->Options = CurrentOptions();
    Image1->clear();
    Image1->show();
    JamThumbnailImage1->hide();
    ExportButton->setEnabled(false);
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(true);
    runThread_ = std::thread([this] {
        int failures = 0;
        std::string error;
        try {
            failures = run_->ExportAll();
        } catch (const std::exception& failure) {
            error = failure.what();
        }
        QMetaObject::invokeMethod(this, [this, failures, error] { runEnded(failures, error); },
                                  Qt::QueuedConnection);
    });
}

void TForm1::runEnded(int failures, const std::string& error) {
    if (runThread_.joinable()) runThread_.join();
    setExportFolder(run_->ExportFolder());
    setIdle();
    if (!error.empty()) {
        ShowStatus(QString::fromStdString(error));
        showMessage(QString::fromStdString(error));
    }
    const bool clean = failures == 0 && error.empty() && !runFailed_;
    emit exportFinished();
    // Files added just as the run found the list empty start the next run.
    if (clean && addedWhileBusy_ && !fileList_.Empty()) ExportAll();
}

void TForm1::setIdle() {
    Image1->hide();
    JamThumbnailImage1->show();
    busy_ = false;
    ExportButton->setEnabled(true);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    showThumbnail(JamFileList1->SelectedPath());
}

void TForm1::ShowSlide(const QImage& slide, int number, int count) {
    if (!slide.isNull()) Image1->setPixmap(QPixmap::fromImage(slide));
    ProgressBar1->setRange(0, std::max(1, count));
    ProgressBar1->setValue(number);
}

void TForm1::ShowJobMessage(const QString& text) {
    messageShownForFile_ = true;
    showMessage(text);
}

void TForm1::FileStarted(const QString& input) {
    messageShownForFile_ = false;
    ProgressBar1->setValue(0);
    JamThumbnailImage1->setToolTip(input);
}

void TForm1::FileFailed(const QString& input, const QString& cause) {
    const QString text = tr("Cannot convert %1 : %2").arg(input, cause);
    ShowStatus(text);
    if (!messageShownForFile_) {
        runFailed_ = true;
        showMessage(text);
    }
}

}  // namespace slidemint

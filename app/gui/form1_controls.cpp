// Building the main window's controls and wiring their signals.

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QProgressBar>
#include <QStatusBar>
#include <QStyle>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/gui/file_list_view.hpp"
#include "app/gui/form1.hpp"
#include "app/gui/image_button.hpp"
#include "app/gui/monitor_pictures.hpp"

namespace slidemint {
namespace {

TImageButton* button(const QString& caption, QStyle::StandardPixmap picture, QWidget* parent) {
    auto* made = new TImageButton(caption, parent);
    made->SetPicNormal(parent->style()->standardIcon(picture).pixmap(16, 16));
    return made;
}

QCheckBox* checkBox(const QString& caption, bool checked, QWidget* parent) {
    auto* box = new QCheckBox(caption, parent);
    box->setChecked(checked);
    return box;
}

}  // namespace

void TForm1::buildControls() {
    auto* central = new QWidget(this);
    auto* grid = new QGridLayout(central);
    grid->setContentsMargins(6, 6, 6, 2);
    grid->setSpacing(4);
    grid->addWidget(buildListPanel(), 0, 0);
    grid->addWidget(buildPreviewPanel(), 0, 1);
    grid->addWidget(buildOptionPages(), 1, 0);

    auto* actions = new QVBoxLayout;
    ExportButton = button(tr("Export to PDF"), QStyle::SP_DialogSaveButton, central);
    BTMonitor = new TImageButton(tr("Folder Monitor"), central);
    ExportButton->setMinimumHeight(34);
    BTMonitor->setMinimumHeight(34);
    actions->addStretch();
    actions->addWidget(ExportButton);
    actions->addWidget(BTMonitor);
    grid->addLayout(actions, 1, 1);
    grid->addWidget(buildOutputRow(), 2, 0, 1, 2);
    grid->setColumnStretch(0, 3);
    grid->setColumnStretch(1, 2);
    grid->setRowStretch(0, 1);
    setCentralWidget(central);

    ImageList1 = MakeMonitorPictures();
    showMonitorPictures(false);
    suiStatusBar1 = statusBar();
    suiStatusBar1->setSizeGripEnabled(false);
}

QWidget* TForm1::buildListPanel() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    JamFileList1 = new TJamFileList(panel);
    column->addWidget(JamFileList1);

    auto* row = new QHBoxLayout;
    suiImageButton7 = button(tr("Add File"), QStyle::SP_FileIcon, panel);
    BAddFolder = button(tr("Add Folder"), QStyle::SP_DirIcon, panel);
    suiImageButton1 = button(tr("Delete selection"), QStyle::SP_DialogDiscardButton, panel);
    suiImageButton5 = button(tr("Clear List"), QStyle::SP_TrashIcon, panel);
    for (auto* each : {suiImageButton7, BAddFolder, suiImageButton1, suiImageButton5}) row->addWidget(each);
    column->addLayout(row);

    PopupMenu1 = new QMenu(this);
    PopupMenu1->addAction(tr("Delete"), this, &TForm1::DeleteSelection);
    PopupMenu1->addAction(tr("Select All"), this, &TForm1::SelectAll);
    return panel;
}

QWidget* TForm1::buildPreviewPanel() {
    auto* panel = new QWidget(this);
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(0, 0, 0, 0);
    auto* frame = new QWidget(panel);
    auto* stack = new QGridLayout(frame);  // both pictures in the same place
    stack->setContentsMargins(0, 0, 0, 0);
    JamThumbnailImage1 = new QLabel(frame);
    Image1 = new QLabel(frame);
    for (QLabel* picture : {JamThumbnailImage1, Image1}) {
        picture->setAlignment(Qt::AlignCenter);
        picture->setFrameShape(QFrame::StyledPanel);
        picture->setMinimumSize(200, 150);
        picture->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
        stack->addWidget(picture, 0, 0);
    }
    Image1->setScaledContents(true);  // the slide is stretched over the preview
    Image1->hide();
    column->addWidget(frame, 1);
    ProgressBar1 = new QProgressBar(panel);
    ProgressBar1->setRange(0, 1);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);  // shown during a run
    ProgressBar1->setFormat(tr("%v of %m slides"));
    ProgressBar1->setMaximumHeight(16);
    column->addWidget(ProgressBar1);
    return panel;
}

QWidget* TForm1::buildOptionPages() {
    PageControl1 = new QTabWidget(this);

    auto* output = new QWidget(PageControl1);
    auto* outputForm = new QFormLayout(output);
    suiComboBox1 = new QComboBox(output);
    for (const char* item : kQualityItems) suiComboBox1->addItem(tr(item));
    CBAction = new QComboBox(output);
    CBAction->addItems({tr("None"), tr("Open PDF File")});
    CBAction->setCurrentIndex(1);
    CBSlideNote = checkBox(tr("Add Note"), true, output);
    CBToc = checkBox(tr("Add TOC"), false, output);
    outputForm->addRow(tr("Output Quality"), suiComboBox1);
    outputForm->addRow(tr("After Conversion"), CBAction);
    auto* extras = new QHBoxLayout;
    extras->addWidget(CBSlideNote);
    extras->addWidget(CBToc);
    outputForm->addRow(extras);
    PageControl1->addTab(output, tr("Output Setting"));

    auto* pdf = new QWidget(PageControl1);
    auto* pdfForm = new QFormLayout(pdf);
    EAuthor = new QLineEdit(pdf);
    ECreator = new QLineEdit(pdf);
    CFullScreen = checkBox(tr("Full Screen Mode"), false, pdf);
    CAnimation = checkBox(tr("Animation"), false, pdf);
    CToolBar = checkBox(tr("Hide Tool Bar"), false, pdf);
    pdfForm->addRow(tr("Author"), EAuthor);
    pdfForm->addRow(tr("Creator"), ECreator);
    auto* viewer = new QHBoxLayout;
    for (QCheckBox* box : {CFullScreen, CAnimation, CToolBar}) viewer->addWidget(box);
    pdfForm->addRow(viewer);
    PageControl1->addTab(pdf, tr("PDF Setting"));

    auto* encryption = new QWidget(PageControl1);
    auto* encryptionForm = new QFormLayout(encryption);
    CEncrypt = checkBox(tr("Encrypt PDF File"), false, encryption);
    EUPassword = new QLineEdit(encryption);
    EOPassword = new QLineEdit(encryption);
    for (QLineEdit* edit : {EUPassword, EOPassword}) edit->setEchoMode(QLineEdit::Password);
    encryptionForm->addRow(CEncrypt);
    encryptionForm->addRow(tr("User Password"), EUPassword);
    encryptionForm->addRow(tr("Owner Password"), EOPassword);
    PageControl1->addTab(encryption, tr("Encryption"));
    return PageControl1;
}

QWidget* TForm1::buildOutputRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    suiImageButton4 = button(tr("Select Directory"), QStyle::SP_DirOpenIcon, row);
    layout->addWidget(suiImageButton4);
    layout->addWidget(new QLabel(tr("Output Directory"), row));
    suiOutputDir = new QLabel(row);
    suiOutputDir->setFrameShape(QFrame::StyledPanel);
    suiOutputDir->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    layout->addWidget(suiOutputDir, 1);
    return row;
}

void TForm1::connectControls() {
    connect(suiImageButton7, &QPushButton::clicked, this, &TForm1::AddFileDialog);
    connect(BAddFolder, &QPushButton::clicked, this, &TForm1::AddFolderDialog);
    connect(suiImageButton1, &QPushButton::clicked, this, &TForm1::DeleteSelection);
    connect(suiImageButton5, &QPushButton::clicked, this, &TForm1::ClearList);
    connect(suiImageButton4, &QPushButton::clicked, this, &TForm1::SelectDirectoryDialog);
    connect(ExportButton, &QPushButton::clicked, this, &TForm1::ExportAll);
    connect(BTMonitor, &QPushButton::clicked, this, &TForm1::MonitorClick);
    connect(JamFileList1, &TJamFileList::addFileRequested, this, &TForm1::AddFileDialog);
    connect(JamFileList1, &TJamFileList::deleteSelectionRequested, this, &TForm1::DeleteSelection);
    connect(JamFileList1, &QWidget::customContextMenuRequested, this,
            [this](const QPoint& at) { PopupMenu1->popup(JamFileList1->viewport()->mapToGlobal(at)); });
    connect(JamFileList1, &QListWidget::itemSelectionChanged, this,
            [this] { showThumbnail(JamFileList1->SelectedPath()); });
    const auto changed = [this] { settingsChanged_ = true; };
    connect(CBSlideNote, &QCheckBox::clicked, this, changed);
    connect(CBToc, &QCheckBox::clicked, this, changed);
    connect(suiComboBox1, &QComboBox::currentIndexChanged, this, changed);
}

}  // namespace slidemint

// The window's controls, its file list, keys, drops and folder search.

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QStatusBar>
#include <QTabWidget>
#include <QTest>
#include <QUrl>

#include "app/gui/file_list_view.hpp"
#include "app/gui/image_button.hpp"
#include "gui_test_support.hpp"

namespace slidemint {

class Form1ListTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithItsCaptionsItemsAndValues() {
        WindowFixture fixture;
        TForm1& w = fixture.Window();
        QCOMPARE(w.windowTitle(), QStringLiteral("Slidemint 1.4"));
        QCOMPARE(w.size(), QSize(613, 378));
        const std::pair<QAbstractButton*, const char*> captions[] = {
            {w.suiImageButton7, "Add File"},       {w.BAddFolder, "Add Folder"},
            {w.suiImageButton1, "Delete selection"}, {w.suiImageButton5, "Clear List"},
            {w.ExportButton, "Export to PDF"},     {w.BTMonitor, "Folder Monitor"},
            {w.suiImageButton4, "Select Directory"}, {w.CBSlideNote, "Add Note"},
            {w.CBToc, "Add TOC"},                  {w.CFullScreen, "Full Screen Mode"},
            {w.CAnimation, "Animation"},           {w.CToolBar, "Hide Tool Bar"},
            {w.CEncrypt, "Encrypt PDF File"}};
        for (const auto& [control, caption] : captions) QCOMPARE(control->text(), QString::fromLatin1(caption));
        QStringList tabs;
        for (int i = 0; i < w.PageControl1->count(); ++i) tabs << w.PageControl1->tabText(i);
        QCOMPARE(tabs, (QStringList{"Output Setting", "PDF Setting", "Encryption"}));
        QStringList menu;
        for (QAction* action : w.PopupMenu1->actions()) menu << action->text();
        QCOMPARE(menu, (QStringList{"Delete", "Select All"}));
        QStringList quality;
        for (int i = 0; i < w.suiComboBox1->count(); ++i) quality << w.suiComboBox1->itemText(i);
        QCOMPARE(quality, (QStringList{"Normal", "High", "Very High", "Default Slide"}));
        QCOMPARE(w.CBAction->itemText(0), QStringLiteral("None"));
        QCOMPARE(w.CBAction->currentText(), QStringLiteral("Open PDF File"));
        QCOMPARE(w.suiComboBox1->currentIndex(), 0);
        QVERIFY(w.CBSlideNote->isChecked());
        QVERIFY(!w.CBToc->isChecked() && !w.CFullScreen->isChecked() && !w.CEncrypt->isChecked());
        QCOMPARE(w.suiOutputDir->text().toStdString(), DefaultExportFolder());
        QVERIFY(w.ExportButton->isEnabled());
        QVERIFY(!w.ExportBusy() && !w.SettingsChanged() && !w.DirChange1.Active());
        QVERIFY(w.acceptDrops());
        QCOMPARE(w.ImageList1.size(), std::size_t{4});
        QCOMPARE(w.ImageList1[0].size(), QSize(23, 23));
        QCOMPARE(w.BTMonitor->PicNormal().toImage(), w.ImageList1[0].toImage());
    }

    void listOperationsAddDeleteClearAndSelect() {
        WindowFixture fixture;
        TForm1& w = fixture.Window();
        fixture.fake.filesToOpen = {"/d/b.ppt", "/d/a.pps", "/d/c.ppt"};
        QTest::mouseClick(w.suiImageButton7, Qt::LeftButton);
        QCOMPARE(w.FileListPaths(), fixture.fake.filesToOpen);
        QCOMPARE(w.JamFileList1->count(), 3);

        w.JamFileList1->item(1)->setSelected(true);
        QTest::mouseClick(w.suiImageButton1, Qt::LeftButton);
        QCOMPARE(w.FileListPaths(), (QStringList{"/d/b.ppt", "/d/c.ppt"}));
        QVERIFY(QFile::exists(QStringLiteral("/")));  // only entries go, never files

        w.PopupMenu1->actions().at(1)->trigger();  // "Select All"
        QCOMPARE(w.JamFileList1->selectedItems().size(), 2);
        w.PopupMenu1->actions().at(0)->trigger();  // "Delete"
        QVERIFY(w.FileListPaths().isEmpty());

        QTest::mouseClick(w.suiImageButton7, Qt::LeftButton);
        QTest::mouseClick(w.suiImageButton5, Qt::LeftButton);  // "Clear List"
        QVERIFY(w.FileListPaths().isEmpty());
        QCOMPARE(w.JamFileList1->count(), 0);
    }

    void keysInTheList() {
        struct Case {
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
            int dialogs;  // open dialogs expected
            int left;     // entries left of two, the first selected
        };
        const Case cases[] = {
            {Qt::Key_Plus, Qt::KeypadModifier, 1, 2},
            {Qt::Key_Plus, Qt::NoModifier, 0, 2},
            {Qt::Key_Delete, Qt::NoModifier, 0, 1},
            {Qt::Key_Minus, Qt::KeypadModifier, 0, 1},
            {Qt::Key_Minus, Qt::NoModifier, 0, 2},
        };
        for (const Case& c : cases) {
            WindowFixture fixture;
            TForm1& w = fixture.Window();
            w.AddFile("/d/one.ppt");
            w.AddFile("/d/two.ppt");
            w.JamFileList1->item(0)->setSelected(true);
            QTest::keyClick(w.JamFileList1, c.key, c.modifiers);
            QCOMPARE(fixture.fake.openDialogs, c.dialogs);
            QCOMPARE(w.FileListPaths().size(), c.left);
        }
    }

    void dropAddsOnlyPptFiles() {
        WindowFixture fixture;
        TForm1& w = fixture.Window();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile("/d/Deck.PPT"), QUrl::fromLocalFile("/d/Deck.pps"),
                      QUrl::fromLocalFile("/d/Deck.pptx"), QUrl::fromLocalFile("/d/talk.ppt"),
                      QUrl(QStringLiteral("https://example.org/remote.ppt"))});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&w, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&w, &drop);
        QCOMPARE(w.FileListPaths(), (QStringList{"/d/Deck.PPT", "/d/talk.ppt"}));
    }

    void addFolderSearchesSubfoldersAfterTheParent() {
        WindowFixture fixture;
        const QDir root(fixture.TempPath("talks"));
        for (const char* file : {"b.ppt", "a.ppt", "sub/c.ppt", "sub/x.txt", "sub/deeper/d.PPT"}) {
            QDir().mkpath(QFileInfo(root.filePath(file)).path());
            QFile out(root.filePath(file));
            QVERIFY(out.open(QIODevice::WriteOnly));
        }
        TForm1& w = fixture.Window();
        fixture.fake.folderToChoose = root.path();
        QTest::mouseClick(w.BAddFolder, Qt::LeftButton);
        QCOMPARE(fixture.fake.folderTitles, QStringList{"Select Folder"});
        QStringList expected;
        for (const char* file : {"a.ppt", "b.ppt", "sub/c.ppt", "sub/deeper/d.PPT"}) expected << root.filePath(file);
        QCOMPARE(w.FileListPaths(), expected);
        QVERIFY(w.SettingsChanged());
    }
};

QObject* makeForm1ListTest() { return new Form1ListTest; }

}  // namespace slidemint

#include "form1_list_test.moc"

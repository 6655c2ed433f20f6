// Export runs from the window through the office suite, and the folder watch.

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTest>

#include "app/gui/file_list_view.hpp"
#include "app/gui/image_button.hpp"
#include "gui_test_support.hpp"

namespace slidemint {
namespace {

const char* const kBrokenDeck = "clusterfuzz-testcase-minimized-POIHSLFFuzzer-6614960949821440.ppt";

}  // namespace

class Form1ExportTest : public QObject {
    Q_OBJECT

private:
    bool canConvert(QString& decks) {
        decks = SharedDecks();
        if (decks.isEmpty()) return false;
        return !QStandardPaths::findExecutable(QStringLiteral("soffice")).isEmpty();
    }
    // A window writing into its own output folder, recording every status text.
    void prepare(WindowFixture& fixture, QStringList& statuses) {
        TForm1& w = fixture.Window();
        fixture.fake.folderToChoose = fixture.TempPath("out");
        QTest::mouseClick(w.suiImageButton4, Qt::LeftButton);
        w.CBAction->setCurrentIndex(0);
        connect(w.suiStatusBar1, &QStatusBar::messageChanged, this, [&statuses](const QString& text) {
            if (!text.isEmpty()) statuses << text;
        });
    }

private slots:
    void anEmptyListDoesNothing() {
        WindowFixture fixture;
        QStringList statuses;
        prepare(fixture, statuses);
        QTest::mouseClick(fixture.Window().ExportButton, Qt::LeftButton);
        QVERIFY(!fixture.Window().ExportBusy());
        QVERIFY(statuses.isEmpty());
        QVERIFY(!QDir(fixture.TempPath("out")).exists());
    }

    void twoDecksAreConvertedWithTheirStatusTextsInOrder() {
        QString decks;
        if (!canConvert(decks)) QSKIP("needs the shared decks (SLIDEMINT_SHARED_DECKS) and soffice");
        WindowFixture fixture;
        QStringList statuses;
        prepare(fixture, statuses);
        TForm1& w = fixture.Window();
        const QString first = QDir(decks).filePath("SampleShow.ppt");
        const QString second = QDir(decks).filePath("empty.ppt");
        w.AddFile(first);
        w.AddFile(second);
        QSignalSpy finished(&w, &TForm1::exportFinished);
        QTest::mouseClick(w.ExportButton, Qt::LeftButton);
        QVERIFY(w.ExportBusy());
        QVERIFY(!w.ExportButton->isEnabled());
        QVERIFY(w.Image1->isVisibleTo(&w) && !w.JamThumbnailImage1->isVisibleTo(&w));
        QVERIFY(finished.wait(240000));

        const QString out1 = fixture.TempPath("out/SampleShow.pdf");
        const QString out2 = fixture.TempPath("out/empty.pdf");
        const QStringList expected = {
            "Files " + out1 + " Total 2 slides.", "Process file " + first + " images 1 of 2",
            "Process file " + first + " images 2 of 2", "Export Complete : " + out1,
            "Files " + out2 + " Total 1 slides.", "Process file " + second + " images 1 of 1",
            "Export Complete : " + out2, "Complete Export File " + out2};
        QCOMPARE(statuses.mid(statuses.size() - expected.size()), expected);
        QVERIFY(QFile::exists(out1) && QFile::exists(out2));
        QTRY_VERIFY(w.FileListPaths().isEmpty());
        QTRY_COMPARE(w.JamFileList1->count(), 0);
        QVERIFY(!w.ExportBusy() && w.ExportButton->isEnabled());
        QVERIFY(!w.Image1->isVisibleTo(&w) && w.JamThumbnailImage1->isVisibleTo(&w));
        QVERIFY(fixture.fake.messages.isEmpty());
    }

    void aFailingDeckEndsTheRunAndLeavesTheWindowIdle() {
        QString decks;
        if (!canConvert(decks)) QSKIP("needs the shared decks (SLIDEMINT_SHARED_DECKS) and soffice");
        WindowFixture fixture;
        QStringList statuses;
        prepare(fixture, statuses);
        TForm1& w = fixture.Window();
        const QString broken = QDir(decks).filePath(kBrokenDeck);
        const QString rest1 = QDir(decks).filePath("empty.ppt");
        const QString rest2 = QDir(decks).filePath("bullets.ppt");
        for (const QString& deck : {broken, rest1, rest2}) w.AddFile(deck);
        QSignalSpy finished(&w, &TForm1::exportFinished);
        QTest::mouseClick(w.ExportButton, Qt::LeftButton);
        QVERIFY(finished.wait(240000));

        QTRY_COMPARE(w.FileListPaths(), (QStringList{rest1, rest2}));
        QVERIFY(!w.ExportBusy() && w.ExportButton->isEnabled());
        QVERIFY(!w.Image1->isVisibleTo(&w));
        QCOMPARE(fixture.fake.messages.size(), 1);
        QVERIFY2(fixture.fake.messages[0].contains(broken), qPrintable(fixture.fake.messages[0]));
        QVERIFY(w.StatusText().contains(broken));
        QVERIFY(!QFile::exists(fixture.TempPath("out/empty.pdf")));
    }

    void theFolderWatchConvertsNewPresentations() {
        QString decks;
        if (!canConvert(decks)) QSKIP("needs the shared decks (SLIDEMINT_SHARED_DECKS) and soffice");
        WindowFixture fixture;
        QStringList statuses;
        prepare(fixture, statuses);
        TForm1& w = fixture.Window();
        const QString watched = fixture.TempPath("watched");
        QVERIFY(QDir().mkpath(watched));
        fixture.fake.folderToChoose = watched;
        QTest::mouseClick(w.BTMonitor, Qt::LeftButton);
        QVERIFY(w.DirChange1.Active());
        QCOMPARE(w.StatusText(), "Start Monitor : " + watched + "/");
        QCOMPARE(w.BTMonitor->PicNormal().toImage(), w.ImageList1[1].toImage());

        QSignalSpy finished(&w, &TForm1::exportFinished);
        QVERIFY(QFile::copy(QDir(decks).filePath("empty.ppt"), watched + "/New.PPT"));
        QVERIFY(QFile::copy(QDir(decks).filePath("empty.ppt"), watched + "/ignored.pps"));
        QVERIFY(finished.wait(240000));
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(fixture.TempPath("out/New.pdf")), 10000);
        QVERIFY(!QFile::exists(fixture.TempPath("out/ignored.pdf")));

        QTest::mouseClick(w.BTMonitor, Qt::LeftButton);
        QVERIFY(!w.DirChange1.Active());
        QCOMPARE(w.StatusText(), QStringLiteral("Stop Monitor"));
        QCOMPARE(w.BTMonitor->PicNormal().toImage(), w.ImageList1[0].toImage());
    }

    void aWatchFolderThatGoesAwayStopsTheWatch() {
        WindowFixture fixture;
        TForm1& w = fixture.Window();
        const QString watched = fixture.TempPath("gone");
        w.StartMonitor(watched);  // does not exist yet
        QVERIFY(!w.DirChange1.Active());
        QVERIFY(w.StatusText().contains(watched));
        QCOMPARE(w.BTMonitor->PicNormal().toImage(), w.ImageList1[0].toImage());

        QVERIFY(QDir().mkpath(watched));
        w.StartMonitor(watched);
        QVERIFY(w.DirChange1.Active());
        QVERIFY(QDir(watched).removeRecursively());
        QTRY_VERIFY(!w.DirChange1.Active());
        QVERIFY(w.StatusText().contains(QStringLiteral("stopped")));
        QCOMPARE(w.BTMonitor->PicNormal().toImage(), w.ImageList1[0].toImage());
    }
};

QObject* makeForm1ExportTest() { return new Form1ExportTest; }

}  // namespace slidemint

#include "form1_export_test.moc"

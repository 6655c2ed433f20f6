// The settings file as the window reads and writes it, and the flag that
// decides whether it is written.

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QTest>
#include <functional>

#include "app/gui/image_button.hpp"
#include "app/settings/ini_file.hpp"
#include "gui_test_support.hpp"

namespace slidemint {

class Form1SettingsTest : public QObject {
    Q_OBJECT

private slots:
    void firstStartWritesNothingUntilSomethingChanged() {
        WindowFixture fixture;
        fixture.Close();
        QVERIFY(!QFile::exists(fixture.SettingsFile()));
    }

    void onlyTheFlaggedControlsMarkTheSettingsChanged() {
        struct Case {
            const char* what;
            std::function<void(TForm1&, FakeDialogs&)> act;
            bool changed;
        };
        const Case cases[] = {
            {"Select Directory, chosen",
             [](TForm1& w, FakeDialogs& d) { d.folderToChoose = "/srv/out"; QTest::mouseClick(w.suiImageButton4, Qt::LeftButton); }, true},
            {"Select Directory, cancelled",
             [](TForm1& w, FakeDialogs&) { QTest::mouseClick(w.suiImageButton4, Qt::LeftButton); }, true},
            {"Add Folder, cancelled", [](TForm1& w, FakeDialogs&) { QTest::mouseClick(w.BAddFolder, Qt::LeftButton); }, true},
            {"Add Note", [](TForm1& w, FakeDialogs&) { QTest::mouseClick(w.CBSlideNote, Qt::LeftButton); }, true},
            {"Add TOC", [](TForm1& w, FakeDialogs&) { QTest::mouseClick(w.CBToc, Qt::LeftButton); }, true},
            {"quality", [](TForm1& w, FakeDialogs&) { w.suiComboBox1->setCurrentIndex(2); }, true},
            {"viewer options only",
             [](TForm1& w, FakeDialogs&) {
                 for (QCheckBox* box : {w.CFullScreen, w.CAnimation, w.CToolBar}) QTest::mouseClick(box, Qt::LeftButton);
             }, false},
        };
        for (const Case& c : cases) {
            WindowFixture fixture;
            c.act(fixture.Window(), fixture.fake);
            QVERIFY2(fixture.Window().SettingsChanged() == c.changed, c.what);
            fixture.Close();
            QVERIFY2(QFile::exists(fixture.SettingsFile()) == c.changed, c.what);
        }
    }

    void settingsSurviveARestart() {
        WindowFixture fixture;
        TForm1& first = fixture.Window();
        fixture.fake.folderToChoose = "/srv/slides";
        QTest::mouseClick(first.suiImageButton4, Qt::LeftButton);
        QCOMPARE(first.suiOutputDir->text(), QStringLiteral("/srv/slides/"));
        QCOMPARE(fixture.fake.folderTitles, QStringList{"Select Export Folder"});
        first.CBToc->setChecked(true);
        first.CBSlideNote->setChecked(false);
        first.CAnimation->setChecked(true);
        first.suiComboBox1->setCurrentIndex(3);

        TForm1& second = fixture.Reopen();
        QCOMPARE(second.ExportFolder(), std::string("/srv/slides/"));
        QCOMPARE(second.suiOutputDir->text(), QStringLiteral("/srv/slides/"));
        QVERIFY(second.CBToc->isChecked() && !second.CBSlideNote->isChecked() && second.CAnimation->isChecked());
        QCOMPARE(second.suiComboBox1->currentIndex(), 3);
        QVERIFY(!second.SettingsChanged());

        // A second save with the same folder: Select now holds it too.
        QTest::mouseClick(second.CBToc, Qt::LeftButton);
        fixture.Close();
        const TIniFile ini(fixture.SettingsFile().toStdString());
        QCOMPARE(ini.ReadString("Setting", "Select", ""), std::string("/srv/slides/"));
        QCOMPARE(ini.ReadString("Directory", "Export", ""), std::string("/srv/slides/"));
        QCOMPARE(ini.ReadInteger("Setting", "Toc", -1), 0);
    }

    void aQualityOutOfRangeSelectsNoItem() {
        WindowFixture fixture;
        fixture.Close();
        TIniFile ini(fixture.SettingsFile().toStdString());
        ini.WriteInteger("Setting", "Quality", 7);
        QVERIFY(ini.UpdateFile());
        TForm1& w = fixture.Reopen();
        QCOMPARE(w.suiComboBox1->currentIndex(), -1);
        QCOMPARE(w.CurrentOptions().qualityIndex, -1);
    }
};

QObject* makeForm1SettingsTest() { return new Form1SettingsTest; }

}  // namespace slidemint

#include "form1_settings_test.moc"

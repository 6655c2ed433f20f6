#include <QApplication>
#include <QTest>
#include <memory>

namespace slidemint {
QObject* makeForm1ListTest();
QObject* makeForm1SettingsTest();
QObject* makeForm1ExportTest();
}  // namespace slidemint

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    int failures = 0;
    for (auto make : {slidemint::makeForm1ListTest, slidemint::makeForm1SettingsTest, slidemint::makeForm1ExportTest}) {
        const std::unique_ptr<QObject> test(make());
        failures += QTest::qExec(test.get(), argc, argv);
    }
    return failures == 0 ? 0 : 1;
}

#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

#include "app/gui/file_list_view.hpp"
#include "app/gui/form1.hpp"

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Slidemint"));
    QApplication::setApplicationDisplayName(QStringLiteral("Slidemint"));

    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption screenshot(QStringLiteral("screenshot"),
                                        QStringLiteral("Save a picture of the window to <file> and quit."),
                                        QStringLiteral("file"));
    parser.addOption(screenshot);
    parser.addPositionalArgument(QStringLiteral("files"), QStringLiteral("Presentations to put in the list."));
    parser.process(application);

    slidemint::TForm1 window;
    for (const QString& file : parser.positionalArguments()) window.AddFile(file);
    window.show();
    if (parser.isSet(screenshot)) {
        // The picture is taken once the first entry's thumbnail is on show
        // (or after a while without one).
        const auto take = [&] { QApplication::exit(window.SaveScreenshot(parser.value(screenshot)) ? 0 : 1); };
        QObject::connect(&window, &slidemint::TForm1::thumbnailShown, &window,
                         [take] { QTimer::singleShot(200, take); });
        QTimer::singleShot(parser.positionalArguments().isEmpty() ? 500 : 60000, &window, take);
        if (window.JamFileList1->count() > 0) window.JamFileList1->setCurrentRow(0);
    }
    return application.exec();
}

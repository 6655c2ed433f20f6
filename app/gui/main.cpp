#include <QApplication>
#include <QCommandLineParser>
#include <QTimer>

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

    slidemint::TForm1Services services;
    services.Thumbnails = !parser.isSet(screenshot);
    slidemint::TForm1 window(std::move(services));
    for (const QString& file : parser.positionalArguments()) window.AddFile(file);
    window.show();
    if (parser.isSet(screenshot)) {
        QTimer::singleShot(500, &window, [&] {
            const bool saved = window.SaveScreenshot(parser.value(screenshot));
            QApplication::exit(saved ? 0 : 1);
        });
    }
    return application.exec();
}

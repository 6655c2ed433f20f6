#include "gui_test_support.hpp"

#include <QDir>
#include <QProcessEnvironment>

namespace slidemint {

TGuiDialogs FakeDialogs::Dialogs() {
    TGuiDialogs dialogs;
    dialogs.OpenFiles = [this](QWidget*, const QString&, const QString&) {
        ++openDialogs;
        return filesToOpen;
    };
    dialogs.BrowseFolder = [this](QWidget*, const QString&, const QString& title) {
        folderTitles << title;
        return folderToChoose;
    };
    dialogs.ShowMessage = [this](QWidget*, const QString& text) { messages << text; };
    return dialogs;
}

WindowFixture::WindowFixture() { Reopen(); }

TForm1& WindowFixture::Window() { return *window_; }

TForm1& WindowFixture::Reopen() {
    Close();
    TForm1Services services;
    services.SettingsFile = SettingsFile().toStdString();
    services.Thumbnails = false;
    services.Environment.openDocument = [](const std::string&) {};
    services.Dialogs = fake.Dialogs();
    window_ = std::make_unique<TForm1>(std::move(services));
    return *window_;
}

void WindowFixture::Close() {
    if (window_) window_->close();
    window_.reset();
}

QString SharedDecks() {
    const QString folder = QProcessEnvironment::systemEnvironment().value(QStringLiteral("SLIDEMINT_SHARED_DECKS"));
    return !folder.isEmpty() && QDir(folder).exists() ? folder : QString();
}

}  // namespace slidemint

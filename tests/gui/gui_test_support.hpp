#pragma once

#include <QStringList>
#include <QTemporaryDir>
#include <memory>
#include <optional>

#include "app/gui/form1.hpp"

namespace slidemint {

// Answers the window's dialogs in place of a user and records what was asked.
struct FakeDialogs {
    QStringList filesToOpen;                // answer of the open dialog
    std::optional<QString> folderToChoose;  // answer of the folder dialog (nothing: cancel)
    QStringList folderTitles;               // titles the folder dialog was opened with
    QStringList messages;                   // message box texts
    int openDialogs = 0;

    TGuiDialogs Dialogs();
};

// A window with its settings file in a temporary folder and no office
// processes for thumbnails; finished PDFs are never opened.
class WindowFixture {
public:
    WindowFixture();
    TForm1& Window();
    // A new window reading the same settings file (the old one is closed first).
    TForm1& Reopen();
    void Close();
    QString SettingsFile() const { return folder_.filePath(QStringLiteral("slidemint-gui.ini")); }
    QString TempPath(const QString& name) const { return folder_.filePath(name); }

    FakeDialogs fake;

private:
    QTemporaryDir folder_;
    std::unique_ptr<TForm1> window_;
};

// The shared test decks, or an empty text when they are not there.
QString SharedDecks();

}  // namespace slidemint

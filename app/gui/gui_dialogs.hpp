#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class QWidget;

namespace slidemint {

// The dialogs the window opens, replaceable (tests answer them without a screen).
struct TGuiDialogs {
    // The open dialog: files chosen in `folder` with `filter`, in the
    // dialog's order; empty on cancel.
    std::function<QStringList(QWidget* parent, const QString& folder, const QString& filter)> OpenFiles;
    // The folder-browse dialog: the chosen folder without a trailing '/', or nothing on cancel.
    std::function<std::optional<QString>(QWidget* parent, const QString& initialFolder, const QString& title)>
        BrowseFolder;
    // A message box.
    std::function<void(QWidget* parent, const QString& text)> ShowMessage;

    // The standard dialogs for every member left empty.
    TGuiDialogs WithDefaults() const;
};

}  // namespace slidemint

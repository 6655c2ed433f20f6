#pragma once

#include <QListWidget>

#include "app/gui/file_list_store.hpp"

namespace slidemint {

// The list control of the presentations: shows the store's entries by their
// full paths, many selected at once. Numpad plus asks for "Add File";
// Delete and numpad minus ask to delete the selection.
class TJamFileList : public QListWidget {
    Q_OBJECT
public:
    explicit TJamFileList(QWidget* parent = nullptr);

    void AddEntry(TFileListStore::Id id, const QString& path);
    // Ids of the selected entries, in list order.
    std::vector<TFileListStore::Id> SelectedIds() const;
    void RemoveEntry(TFileListStore::Id id);
    void RemoveEntries(const std::vector<TFileListStore::Id>& ids);
    QString PathOf(int row) const;
    // Full path of the current entry, empty when none.
    QString SelectedPath() const;

signals:
    void addFileRequested();
    void deleteSelectionRequested();

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

}  // namespace slidemint

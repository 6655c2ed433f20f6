#include "app/gui/file_list_view.hpp"

#include <QKeyEvent>

namespace slidemint {
namespace {

constexpr int kIdRole = Qt::UserRole + 1;

}  // namespace

TJamFileList::TJamFileList(QWidget* parent) : QListWidget(parent) {
    setSelectionMode(QAbstractItemView::ExtendedSelection);
    setContextMenuPolicy(Qt::CustomContextMenu);
    setTextElideMode(Qt::ElideMiddle);
}

void TJamFileList::AddEntry(TFileListStore::Id id, const QString& path) {
    auto* item = new QListWidgetItem(path, this);
    item->setData(kIdRole, QVariant::fromValue<qulonglong>(id));
    item->setToolTip(path);
}

std::vector<TFileListStore::Id> TJamFileList::SelectedIds() const {
    std::vector<TFileListStore::Id> ids;
    for (int row = 0; row < count(); ++row)
        if (item(row)->isSelected()) ids.push_back(item(row)->data(kIdRole).toULongLong());
    return ids;
}

void TJamFileList::RemoveEntry(TFileListStore::Id id) {
    for (int row = 0; row < count(); ++row) {
        if (item(row)->data(kIdRole).toULongLong() == id) {
            delete takeItem(row);
            return;
        }
    }
}

void TJamFileList::RemoveEntries(const std::vector<TFileListStore::Id>& ids) {
    for (const auto id : ids) RemoveEntry(id);
}

QString TJamFileList::PathOf(int row) const {
    const QListWidgetItem* entry = item(row);
    return entry ? entry->text() : QString();
}

QString TJamFileList::SelectedPath() const {
    const QListWidgetItem* entry = currentItem();
    return entry && entry->isSelected() ? entry->text() : QString();
}

void TJamFileList::keyPressEvent(QKeyEvent* event) {
    const bool keypad = event->modifiers() & Qt::KeypadModifier;
    if (keypad && event->key() == Qt::Key_Plus) {
        emit addFileRequested();
        return;
    }
    if (event->key() == Qt::Key_Delete || (keypad && event->key() == Qt::Key_Minus)) {
        emit deleteSelectionRequested();
        return;
    }
    QListWidget::keyPressEvent(event);
}

}  // namespace slidemint

#include "app/gui/image_button.hpp"

#include <QEnterEvent>

namespace slidemint {

TImageButton::TImageButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {}

void TImageButton::SetPicNormal(const QPixmap& picture) {
    picNormal_ = picture;
    showPicture();
}

void TImageButton::SetPicMouseOn(const QPixmap& picture) {
    picMouseOn_ = picture;
    showPicture();
}

void TImageButton::enterEvent(QEnterEvent* event) {
    mouseOver_ = true;
    showPicture();
    QPushButton::enterEvent(event);
}

void TImageButton::leaveEvent(QEvent* event) {
    mouseOver_ = false;
    showPicture();
    QPushButton::leaveEvent(event);
}

void TImageButton::showPicture() {
    const QPixmap& picture = mouseOver_ && !picMouseOn_.isNull() ? picMouseOn_ : picNormal_;
    setIcon(QIcon(picture));
    if (!picture.isNull()) setIconSize(picture.size());
}

}  // namespace slidemint

#pragma once

#include <QPixmap>
#include <QPushButton>

namespace slidemint {

// A push button with a picture that changes while the mouse is over it.
class TImageButton : public QPushButton {
    Q_OBJECT
public:
    explicit TImageButton(const QString& caption, QWidget* parent = nullptr);

    void SetPicNormal(const QPixmap& picture);
    void SetPicMouseOn(const QPixmap& picture);
    const QPixmap& PicNormal() const { return picNormal_; }
    const QPixmap& PicMouseOn() const { return picMouseOn_; }

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    void showPicture();

    QPixmap picNormal_;
    QPixmap picMouseOn_;
    bool mouseOver_ = false;
};

}  // namespace slidemint

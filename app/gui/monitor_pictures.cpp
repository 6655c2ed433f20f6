#include "app/gui/monitor_pictures.hpp"

#include <QPainter>

namespace slidemint {
namespace {

// An eye: grey when stopped, green when watching; lighter under the mouse.
QPixmap eye(const QColor& iris, bool highlighted) {
    QPixmap picture(23, 23);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor outline = highlighted ? QColor(40, 90, 200) : QColor(60, 60, 60);
    painter.setPen(QPen(outline, 1.5));
    painter.setBrush(highlighted ? QColor(235, 242, 255) : Qt::white);
    painter.drawEllipse(QRectF(2, 6, 19, 11));
    painter.setPen(Qt::NoPen);
    painter.setBrush(highlighted ? iris.lighter(130) : iris);
    painter.drawEllipse(QRectF(7.5, 7.5, 8, 8));
    painter.setBrush(Qt::black);
    painter.drawEllipse(QRectF(10, 10, 3, 3));
    return picture;
}

}  // namespace

std::vector<QPixmap> MakeMonitorPictures() {
    const QColor stopped(150, 150, 150);
    const QColor watching(30, 160, 60);
    return {eye(stopped, false), eye(watching, false), eye(watching, true), eye(stopped, true)};
}

}  // namespace slidemint

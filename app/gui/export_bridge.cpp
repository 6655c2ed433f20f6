#include "app/gui/export_bridge.hpp"

#include "app/gui/bitmap_image.hpp"
#include "app/gui/form1.hpp"

namespace slidemint {

TExportBridge::TExportBridge(TForm1& window) : window_(window) {}

template <class F>
void TExportBridge::post(F call) {
    // Queued to the window: dropped when the window is gone before it runs.
    QMetaObject::invokeMethod(&window_, std::move(call), Qt::QueuedConnection);
}

void TExportBridge::ShowStatus(const std::string& text) {
    post([this, text] { window_.ShowStatus(QString::fromStdString(text)); });
}

void TExportBridge::ShowSlide(const Bitmap& slide, int number, int count) {
    post([this, picture = ToQImage(slide), number, count] { window_.ShowSlide(picture, number, count); });
}

void TExportBridge::ShowMessage(const std::string& text) {
    post([this, text] { window_.ShowJobMessage(QString::fromStdString(text)); });
}

void TExportBridge::FileStarted(const std::string& input, const std::string&) {
    post([this, input] { window_.FileStarted(QString::fromStdString(input)); });
}

void TExportBridge::FileFailed(const std::string& input, const std::string& cause) {
    post([this, input, cause] { window_.FileFailed(QString::fromStdString(input), QString::fromStdString(cause)); });
}

}  // namespace slidemint

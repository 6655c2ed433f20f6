#include "app/gui/thumbnail_maker.hpp"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "app/renderer/presentation_renderer.hpp"

namespace slidemint {

TThumbnailMaker::TThumbnailMaker(RendererFactory factory, QSize size, QObject* parent)
    : QObject(parent), factory_(std::move(factory)), size_(size) {
    thread_ = std::thread([this] { run(); });
}

TThumbnailMaker::~TThumbnailMaker() {
    {
        std::lock_guard lock(mutex_);
        ending_ = true;
    }
    wake_.notify_all();
    thread_.join();
    if (renderer_) renderer_->quit();
}

QString TThumbnailMaker::cacheKey(const QString& path) {
    const QFileInfo info(path);
    return path + QLatin1Char('|') + QString::number(info.lastModified().toMSecsSinceEpoch()) +
           QLatin1Char('|') + QString::number(info.size());
}

std::optional<QImage> TThumbnailMaker::Cached(const QString& path) const {
    const QString key = cacheKey(path);
    std::lock_guard lock(mutex_);
    const auto found = cache_.constFind(key);
    if (found == cache_.constEnd()) return std::nullopt;
    return *found;
}

void TThumbnailMaker::Request(const QString& path) {
    if (Cached(path)) return;
    {
        std::lock_guard lock(mutex_);
        request_ = path;
    }
    wake_.notify_all();
}

void TThumbnailMaker::run() {
    for (;;) {
        QString path;
        {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [&] { return ending_ || request_; });
            if (ending_) return;
            path = *request_;
            request_.reset();
        }
        const QString key = cacheKey(path);
        const QImage picture = render(path);
        {
            std::lock_guard lock(mutex_);
            cache_.insert(key, picture);  // a null picture: the file has none
        }
        QMetaObject::invokeMethod(this, [this, path, picture] { emit ready(path, picture); }, Qt::QueuedConnection);
    }
}

QImage TThumbnailMaker::render(const QString& path) {
    QTemporaryDir work;
    if (!work.isValid() || !factory_) return {};
    const QString bitmap = QDir(work.path()).filePath(QStringLiteral("thumbnail.bmp"));
    try {
        if (!renderer_) renderer_ = factory_();
        const auto presentation = renderer_->open(path.toStdString());
        QImage picture;
        if (presentation->slideCount() > 0) {
            presentation->slide(1)->exportBitmap(bitmap.toStdString(), size_.width(), size_.height());
            picture.load(bitmap);
        }
        presentation->close();
        return picture;
    } catch (const std::exception&) {
        return {};  // unreadable files keep the generic icon
    }
}

}  // namespace slidemint

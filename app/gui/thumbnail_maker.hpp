#pragma once

#include <QHash>
#include <QImage>
#include <QObject>
#include <QString>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>
#include <thread>

#include "app/office_application.hpp"

namespace slidemint {

class PresentationRenderer;

// Makes pictures of presentations' first slides on a thread of its own,
// one at a time with an office process of its own, and keeps them by path
// and modification time. Only the latest request waits; earlier ones that
// were not started are dropped.
class TThumbnailMaker : public QObject {
    Q_OBJECT
public:
    TThumbnailMaker(RendererFactory factory, QSize size, QObject* parent = nullptr);
    ~TThumbnailMaker() override;

    // The cached picture of path, when there is one for its current version.
    std::optional<QImage> Cached(const QString& path) const;
    // Makes the picture of path unless cached; ready follows on this object's thread.
    void Request(const QString& path);

signals:
    void ready(const QString& path, const QImage& picture);

private:
    void run();
    QImage render(const QString& path);
    static QString cacheKey(const QString& path);

    RendererFactory factory_;
    QSize size_;
    std::unique_ptr<PresentationRenderer> renderer_;
    mutable std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<QString> request_;
    QHash<QString, QImage> cache_;
    bool ending_ = false;
    std::thread thread_;
};

}  // namespace slidemint

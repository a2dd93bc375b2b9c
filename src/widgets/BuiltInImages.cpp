#include "widgets/BuiltInImages.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmapCache>
#include <QStyle>

#include <algorithm>

namespace builtInImages {

namespace {

// A number as QPixmap::load writes it into a cache name: its bytes from the lowest, each as
// two hexadecimal digits with the lower one first, which is the usual spelling backwards.
template <typename T> QString cacheHex(T value) {
    QString digits = QStringLiteral("%1").arg(quint64(value), int(sizeof(T) * 2), 16, QLatin1Char('0'));
    std::reverse(digits.begin(), digits.end());
    return digits;
}

} // namespace

QString loadCacheName(const QString& path) {
    const QFileInfo info(path);
    constexpr uint PixmapType = 0;
    return QStringLiteral("qt_pixmap") + info.absoluteFilePath() +
           cacheHex(uint(info.lastModified().toSecsSinceEpoch())) + cacheHex(quint64(info.size())) +
           cacheHex(PixmapType);
}

QPixmap readPng(const QString& path) {
    QImageReader reader(path, "png");
    // Without guessing the reader goes straight to its own PNG code.
    reader.setAutoDetectImageFormat(false);
    return QPixmap::fromImage(reader.read());
}

void cacheStyleImages(const QStyle& style) {
    if (style.name().compare(QLatin1String("fusion"), Qt::CaseInsensitive) != 0) {
        return;
    }
    const QString frame = QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png");
    const QString name = loadCacheName(frame);
    QPixmap cached;
    if (QPixmapCache::find(name, &cached)) {
        return;
    }
    const QPixmap image = readPng(frame);
    if (!image.isNull()) {
        QPixmapCache::insert(name, image);
    }
}

} // namespace builtInImages

// Images read without Qt's image plugins: the icon, and the frame image Fusion looks up in the
// pixmap cache.
#include "widgets/BuiltInImages.h"

#include <QFile>
#include <QImage>
#include <QPixmapCache>
#include <QStyle>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace {
const QString FusionFrame = QStringLiteral(":/qt-project.org/styles/commonstyle/images/fusion_groupbox.png");

TEST(BuiltInImages, ReadsPngsAndNothingElse) {
    EXPECT_EQ(builtInImages::readPng(QStringLiteral(":/tintwell/tintwell.png")).size(), QSize(32, 32));
    EXPECT_FALSE(builtInImages::readPng(FusionFrame).isNull());
    EXPECT_TRUE(builtInImages::readPng(QStringLiteral(":/no/such.png")).isNull());
    QTemporaryDir dir;
    const QString notPng = dir.filePath(QStringLiteral("picture.png"));
    QFile file(notPng);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("GIF89a not a PNG at all");
    file.close();
    EXPECT_TRUE(builtInImages::readPng(notPng).isNull());
}

// If Qt named its cached files differently, the frame would be read twice and the plugins loaded
// at the first paint again: this fails first.
TEST(BuiltInImages, TheCacheNameIsTheOneQtLoadsUnder) {
    QPixmapCache::clear();
    const QPixmap viaQt(FusionFrame);
    ASSERT_FALSE(viaQt.isNull());
    QPixmap found;
    ASSERT_TRUE(QPixmapCache::find(builtInImages::loadCacheName(FusionFrame), &found));
    EXPECT_EQ(found.cacheKey(), viaQt.cacheKey());
}

TEST(BuiltInImages, OnlyFusionGetsItsFrameCached) {
    QPixmapCache::clear();
    const QImage readByQt = QPixmap(FusionFrame).toImage();
    for (const char* name : {"Windows", "Fusion"}) {
        SCOPED_TRACE(name);
        const std::unique_ptr<QStyle> style(QStyleFactory::create(QLatin1String(name)));
        ASSERT_NE(style, nullptr);
        QPixmapCache::clear();
        builtInImages::cacheStyleImages(*style);
        const bool fusion = QLatin1String(name) == QLatin1String("Fusion");
        QPixmap cached;
        EXPECT_EQ(QPixmapCache::find(builtInImages::loadCacheName(FusionFrame), &cached), fusion);
        if (fusion) {
            // What the style then loads is the cached image, with the pixels Qt would have read.
            EXPECT_EQ(QPixmap(FusionFrame).cacheKey(), cached.cacheKey());
            EXPECT_EQ(cached.toImage(), readByQt);
        }
    }
}
} // namespace

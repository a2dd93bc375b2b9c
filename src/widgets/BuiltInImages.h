// Images read without Qt's image plugins.
//
// Before Qt reads a PNG with its own reader it loads every installed image plugin (and the
// libraries behind them, the SVG module among them) to ask whether one of them would rather
// read it. Tintwell's images are all PNG, so it reads them itself with Qt's reader.
#pragma once

#include <QPixmap>
#include <QString>

class QStyle;

namespace builtInImages {

// The PNG at `path`; a null pixmap if there is none or it is not a PNG.
QPixmap readPng(const QString& path);

// The name under which QPixmap::load keeps a file it has read in the pixmap cache.
QString loadCacheName(const QString& path);

// The Fusion style draws group box frames from a PNG it loads on the first paint. Reading it here
// and leaving it in the pixmap cache under the name Qt looks it up by spares the plugins. With any
// other style, or a Qt that names its cached files differently, the style reads it as before.
void cacheStyleImages(const QStyle& style);

} // namespace builtInImages

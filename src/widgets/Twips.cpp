#include "widgets/Twips.h"

#include <QGuiApplication>
#include <QScreen>

#include <algorithm>

namespace {
constexpr double TwipsPerInch = 1440.0;
constexpr double DesignedDpi = 96.0;
} // namespace

double twipsPerPixel() {
    // The font resolution is the desktop's for the whole run, known once the application has a
    // screen. Smaller fonts than designed fit anyway: the layout never shrinks below its design.
    static double ratio = 0;
    if (ratio == 0) {
        const QScreen* screen = QGuiApplication::primaryScreen();
        if (screen == nullptr) {
            return TwipsPerInch / DesignedDpi;
        }
        ratio = TwipsPerInch / std::max(screen->logicalDotsPerInchY(), DesignedDpi);
    }
    return ratio;
}

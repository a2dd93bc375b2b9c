#include "pick/X11Pixels.h"

#include "pick/X11Connection.h"

#include <QSysInfo>
#include <bit>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <vector>
#include <xcb/xcb.h>

namespace {

// How the server lays out the pixels of one depth.
struct Layout {
    int bitsPerPixel = 0;
    int stride = 0; // bytes per row
    bool mostSignificantFirst = false;
    quint32 masks[3] = {0, 0, 0}; // red, green, blue
};

const xcb_visualtype_t* visualOf(const xcb_screen_t* screen, xcb_visualid_t id) {
    for (auto depths = xcb_screen_allowed_depths_iterator(screen); depths.rem; xcb_depth_next(&depths)) {
        for (auto visuals = xcb_depth_visuals_iterator(depths.data); visuals.rem;
             xcb_visualtype_next(&visuals)) {
            if (visuals.data->visual_id == id) {
                return visuals.data;
            }
        }
    }
    return nullptr;
}

std::optional<Layout> layoutOf(xcb_connection_t* c, const xcb_screen_t* screen,
                               const xcb_get_image_reply_t& reply, int width) {
    const xcb_setup_t* setup = xcb_get_setup(c);
    const xcb_visualtype_t* visual = visualOf(screen, reply.visual);
    if (visual == nullptr || visual->red_mask == 0 || visual->green_mask == 0 || visual->blue_mask == 0) {
        return std::nullopt;
    }
    for (auto formats = xcb_setup_pixmap_formats_iterator(setup); formats.rem; xcb_format_next(&formats)) {
        const xcb_format_t& format = *formats.data;
        if (format.depth != reply.depth || format.bits_per_pixel % 8 != 0 || format.bits_per_pixel > 32) {
            continue;
        }
        Layout layout;
        layout.bitsPerPixel = format.bits_per_pixel;
        const int pad = format.scanline_pad;
        layout.stride = (width * layout.bitsPerPixel + pad - 1) / pad * pad / 8;
        layout.mostSignificantFirst = setup->image_byte_order == XCB_IMAGE_ORDER_MSB_FIRST;
        layout.masks[0] = visual->red_mask;
        layout.masks[1] = visual->green_mask;
        layout.masks[2] = visual->blue_mask;
        return layout;
    }
    return std::nullopt;
}

// One channel scaled to 0..255 from wherever its mask puts it.
int channel(quint32 value, quint32 mask) {
    const quint32 bits = (value & mask) >> std::countr_zero(mask);
    const quint32 top = mask >> std::countr_zero(mask);
    return static_cast<int>((bits * 255 + top / 2) / top);
}

bool isPlainRgb32(const Layout& layout) {
    const bool hostLittle = QSysInfo::ByteOrder == QSysInfo::LittleEndian;
    return layout.bitsPerPixel == 32 && layout.mostSignificantFirst != hostLittle &&
           layout.masks[0] == 0xff0000 && layout.masks[1] == 0xff00 && layout.masks[2] == 0xff;
}

// Copies the `size` pixels of `data` to `image` at `at`.
void copyPixels(const quint8* data, const Layout& layout, QSize size, QImage& image, QPoint at) {
    const int bytes = layout.bitsPerPixel / 8;
    for (int y = 0; y < size.height(); ++y) {
        const quint8* row = data + static_cast<std::ptrdiff_t>(y) * layout.stride;
        auto* target = reinterpret_cast<QRgb*>(image.scanLine(at.y() + y)) + at.x();
        if (isPlainRgb32(layout)) {
            // The common case: the server's rows are already Qt's RGB32.
            std::memcpy(target, row, static_cast<size_t>(size.width()) * 4);
            continue;
        }
        for (int x = 0; x < size.width(); ++x) {
            quint32 value = 0;
            for (int b = 0; b < bytes; ++b) {
                const quint32 byte = row[x * bytes + b];
                value |= layout.mostSignificantFirst ? byte << (8 * (bytes - 1 - b)) : byte << (8 * b);
            }
            target[x] = qRgb(channel(value, layout.masks[0]), channel(value, layout.masks[1]),
                             channel(value, layout.masks[2]));
        }
    }
}

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};

} // namespace

QList<QImage> x11Pixels::read(const QList<QRect>& areas) {
    QList<QImage> images;
    for (const QRect& area : areas) {
        QImage image(area.size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        images.append(image);
    }
    xcb_connection_t* c = x11Connection();
    if (c == nullptr) {
        return images;
    }
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const QRect root(0, 0, screen->width_in_pixels, screen->height_in_pixels);
    // All the requests first, then the answers: one round trip however many areas.
    std::vector<std::optional<xcb_get_image_cookie_t>> cookies;
    for (const QRect& area : areas) {
        const QRect part = area & root;
        if (part.isEmpty()) {
            cookies.emplace_back();
            continue;
        }
        cookies.emplace_back(xcb_get_image(c, XCB_IMAGE_FORMAT_Z_PIXMAP, screen->root,
                                           static_cast<int16_t>(part.x()), static_cast<int16_t>(part.y()),
                                           static_cast<uint16_t>(part.width()),
                                           static_cast<uint16_t>(part.height()), ~0U));
    }
    for (qsizetype i = 0; i < areas.size(); ++i) {
        if (!cookies[static_cast<size_t>(i)]) {
            continue;
        }
        const std::unique_ptr<xcb_get_image_reply_t, FreeReply> reply(
            xcb_get_image_reply(c, *cookies[static_cast<size_t>(i)], nullptr));
        const QRect part = areas[i] & root;
        if (!reply) {
            continue;
        }
        const std::optional<Layout> layout = layoutOf(c, screen, *reply, part.width());
        if (!layout || xcb_get_image_data_length(reply.get()) < layout->stride * part.height()) {
            continue;
        }
        copyPixels(xcb_get_image_data(reply.get()), *layout, part.size(), images[i],
                   part.topLeft() - areas[i].topLeft());
    }
    return images;
}

#include "platform/SeeThroughShape.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace {
// Drawn last, above every other child: clears what lies outside the shape to full
// transparency, whatever the controls below painted there. It takes no input.
class ShapeClearer : public QWidget {
  public:
    explicit ShapeClearer(QWidget* window) : QWidget(window) {
        setObjectName(QStringLiteral("seeThroughClearer"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setAttribute(Qt::WA_NoSystemBackground);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(window->rect());
        show();
    }
    QRegion shape;

  protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.setCompositionMode(QPainter::CompositionMode_Clear);
        for (const QRect& rect : event->region().subtracted(shape)) {
            painter.fillRect(rect, Qt::transparent);
        }
    }
};

// The input region in the platform window's own coordinates. A decoration drawn by the
// client (as on weston and GNOME) puts the widget's area inside a larger surface, so the
// cut moves by the decoration's margins; the decoration itself keeps taking input.
QRegion inputRegion(const QRegion& shape, const QMargins& decoration) {
    const QRegion cut = QRegion(shape.boundingRect()).subtracted(shape);
    const QRect everything(0, 0, QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    return QRegion(everything).subtracted(cut.translated(decoration.left(), decoration.top()));
}

// Keeps the clearer on top and as large as the window, paints the window's own background
// inside the shape (a translucent window gets none from the system), and hands the input
// region to the platform window once it exists and whenever its decoration may have changed.
class ShapeKeeper : public QObject {
  public:
    explicit ShapeKeeper(QWidget* window) : QObject(window), window_(window) {
        setObjectName(QStringLiteral("seeThroughKeeper"));
        window->setAttribute(Qt::WA_TranslucentBackground);
        clearer_ = new ShapeClearer(window);
        window->installEventFilter(this);
    }

    QRegion shape() const { return clearer_->shape; }

    void setShape(const QRegion& shape) {
        clearer_->shape = shape;
        clearer_->update();
        applyInputRegion();
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched != window_) {
            // The platform window: its surface and decoration exist once it is exposed.
            if (event->type() == QEvent::Expose) {
                applyInputRegion();
            }
            return QObject::eventFilter(watched, event);
        }
        switch (event->type()) {
        case QEvent::Paint: {
            QPainter painter(window_);
            painter.setClipRegion(static_cast<QPaintEvent*>(event)->region() & clearer_->shape);
            painter.fillRect(window_->rect(), window_->palette().window());
            break;
        }
        case QEvent::ChildAdded:
            // A control created later would stack above the clearer.
            if (static_cast<QChildEvent*>(event)->child() != clearer_) {
                clearer_->raise();
            }
            break;
        case QEvent::Resize:
            clearer_->setGeometry(window_->rect());
            applyInputRegion();
            break;
        case QEvent::WinIdChange:
            if (QWindow* handle = window_->windowHandle(); handle != nullptr && handle != watchedHandle_) {
                watchedHandle_ = handle;
                handle->installEventFilter(this);
            }
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    QWidget* window_;
    QPointer<ShapeClearer> clearer_;
    QPointer<QWindow> watchedHandle_;

    // The widget itself gets no mask: that would clip its painting, and the clearer could not
    // clear what the hole uncovers when it moves.
    void applyInputRegion() {
        QWindow* handle = window_->windowHandle();
        if (handle != nullptr && handle->handle() != nullptr) {
            handle->setMask(inputRegion(clearer_->shape, handle->frameMargins()));
        }
    }
};

ShapeKeeper* keeperOf(QWidget* window) {
    // Only a keeper carries this name.
    return static_cast<ShapeKeeper*>(
        window->findChild<QObject*>(QStringLiteral("seeThroughKeeper"), Qt::FindDirectChildrenOnly));
}

// Painting was clipped to the old shape (on X11), or the clearer cleared outside it: what the
// new shape uncovers (where the hole was) still holds the old pixels, so the controls there repaint.
void repaintChanged(QWidget* window, const QRegion& before, const QRegion& after) {
    const QRegion changed = before.isEmpty() ? QRegion(window->rect()) : before.xored(after);
    window->update(changed);
    for (QWidget* child : window->findChildren<QWidget*>()) {
        if (changed.intersects(QRect(child->mapTo(window, QPoint(0, 0)), child->size()))) {
            child->update();
        }
    }
}
} // namespace

bool seeThrough::clearsByAlpha() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

void seeThrough::setShape(QWidget* window, const QRegion& shape, bool byAlpha) {
    if (!byAlpha) {
        const QRegion before = window->mask();
        window->setMask(shape);
        repaintChanged(window, before, shape);
        return;
    }
    ShapeKeeper* keeper = keeperOf(window);
    if (keeper == nullptr) {
        keeper = new ShapeKeeper(window);
    }
    const QRegion before = keeper->shape();
    keeper->setShape(shape);
    repaintChanged(window, before, shape);
}

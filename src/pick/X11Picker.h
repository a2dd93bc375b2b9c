#pragma once

#include "pick/FrozenScreens.h"
#include "pick/PickOutcome.h"

#include <QObject>
#include <QPoint>
#include <QPointF>
#include <memory>

class Loupe;

// Tintwell's own picker for X11: takes the pointer and keyboard, shows the cross cursor over
// every screen and the loupe beside the pointer. The left button or Enter picks the pixel under
// the pointer, the arrow keys move the pointer by one pixel, Escape or the right button cancels.
// It ends itself after calling `done` once.
class X11Picker : public QObject {
    Q_OBJECT
  public:
    explicit X11Picker(PickDone done);
    ~X11Picker() override;

    // Shows the loupe and takes the pointer and keyboard; a refused grab ends the pick as Failed.
    void start();
    // Follows the pointer to device pixel `native`: shows the pixels round it beside it.
    void follow(QPoint native);
    Loupe& loupe() { return *loupe_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    // Where the pointer is, to the pixel; `logical`, from a Qt event, serves off X11.
    static QPoint pointerPixel(QPointF logical);
    void moveByKey(QPoint step);
    void pickAt(QPoint native);
    void finish(const PickOutcome& outcome);

    PickDone done_;
    std::unique_ptr<Loupe> loupe_;
    FrozenScreens screens_;
    QPoint native_; // the device pixel under the pointer
    bool finished_ = false;
};

#pragma once

#include "storm/StormRandom.h"

#include <QList>
#include <QObject>
#include <QPointer>

class QDialog;
class QMenu;

// Answers what blocks the window until answered, as a random user would: the desktop's modal
// boxes (message boxes, input boxes, the colour dialog) and popup menus such as a slider's
// right-click menu. A few random keys, texts or choices, then an answer by key, by button or
// by closing. Nothing stays open: after a handful of actions it is answered outright.
class BoxAnswerer : public QObject {
  public:
    explicit BoxAnswerer(StormRandom& random);
    ~BoxAnswerer() override;

    int answered() const { return answered_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct Open {
        QPointer<QWidget> widget;
        int actions = 0;
    };
    StormRandom& random_;
    QList<Open> open_; // the last one is on top
    bool scheduled_ = false;
    int answered_ = 0;

    void schedule();
    void act();
    void fidget(QDialog* box);
    void answer(QDialog* box);
    void fidget(QMenu* menu);
    void answer(QMenu* menu);
};

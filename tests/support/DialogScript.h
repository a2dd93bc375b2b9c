#pragma once

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <functional>
#include <gtest/gtest.h>

// Answers the real Qt boxes in turn: a zero-delay timer finds each modal box as it opens and
// hands it to the next step, which reads it and answers as a user would.
class DialogScript {
  public:
    using Step = std::function<void(QWidget*)>;
    explicit DialogScript(QList<Step> steps) : steps_(std::move(steps)) {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }
    bool finished() const { return next_ == steps_.size(); }

  private:
    // An answered box hides at once, so a visible one is always the next to answer.
    void poll() {
        QWidget* box = QApplication::activeModalWidget();
        if (!box || !box->isVisible()) {
            return;
        }
        if (finished()) {
            ADD_FAILURE() << "an unexpected box opened: " << box->windowTitle().toStdString();
            static_cast<QDialog*>(box)->reject();
            return;
        }
        steps_[next_++](box);
    }

    QList<Step> steps_;
    qsizetype next_ = 0;
    QTimer timer_;
};

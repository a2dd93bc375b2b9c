#pragma once

#include <QScrollBar>

// A scroll bar that can carry its larger value at the top (or left) end. Qt keeps the range
// ascending and only draws it upside down; the arrows, track clicks, keys and wheel would
// still step towards the smaller end at the top, so the steps the user makes are turned
// round here. Actions triggered by the program keep Qt's meaning (Add raises the value).
class FormScrollBar : public QScrollBar {
    Q_OBJECT
  public:
    FormScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

    void setLargerAtStart(bool largerAtStart);
    bool largerAtStart() const { return largerAtStart_; }

  protected:
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

  private:
    void turnAction(int action);
    template <class Handler> void asUser(Handler handler);

    bool largerAtStart_ = false;
    bool userInput_ = false;
};

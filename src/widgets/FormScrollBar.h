#pragma once

#include <QScrollBar>

// A scroll bar that moves the way it looks, whichever end carries its larger value.
//
// Qt keeps the range ascending and can only draw it upside down; its arrows, track clicks,
// right-click menu and keys would still step towards the smaller value at the top (and its
// Left and Right keys run against the arrows of a horizontal bar). Here every user input
// means a direction on the screen: towards the top or left end, or towards the other one.
// Actions triggered by the program keep Qt's meaning (Add raises the value).
//
// Its arrows are squares of the bar's thickness and its thumb may shrink to such a square, so
// a bar only a few arrows long still has a thumb that travels in proportion.
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
    void contextMenuEvent(QContextMenuEvent* event) override;

  private:
    void turnAction(int action);
    template <class Handler> void asUser(Handler handler);

    bool largerAtStart_ = false;
    bool userInput_ = false;
};

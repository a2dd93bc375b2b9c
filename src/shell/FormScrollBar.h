#pragma once

#include <QScrollBar>

// A scroll bar that can carry its larger value at the top (or left) end. Qt keeps the range
// ascending and only draws it upside down; the arrows, track clicks, keys and wheel would
// still step towards the smaller end at the top, so their steps are turned round here.
class FormScrollBar : public QScrollBar {
    Q_OBJECT
  public:
    FormScrollBar(Qt::Orientation orientation, QWidget* parent = nullptr);

    void setLargerAtStart(bool largerAtStart);
    bool largerAtStart() const { return largerAtStart_; }

  private:
    void turnAction(int action);

    bool largerAtStart_ = false;
};

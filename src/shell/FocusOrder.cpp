#include "shell/FocusOrder.h"

#include "shell/Controls.h"

#include <QButtonGroup>
#include <QWidget>
#include <algorithm>
#include <vector>

namespace {
// Qt groups auto-exclusive buttons by parent, counting those in child frames too, so one row
// would take the tab stops of the other. A group of its own keeps each row apart. The Tab
// stop is the chosen button, or the first while none is chosen; Qt moves it with the focus,
// and a choice made by the program moves it here.
void makeTabStop(QButtonGroup* group, QAbstractButton* stop) {
    for (QAbstractButton* b : group->buttons()) {
        b->setFocusPolicy(b == stop ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

template <class Buttons> void groupOptions(const Buttons& buttons, QAbstractButton* first) {
    auto* group = new QButtonGroup(first->parentWidget());
    QAbstractButton* stop = first;
    for (QAbstractButton* b : buttons) {
        group->addButton(b);
        if (b->isChecked()) {
            stop = b;
        }
    }
    makeTabStop(group, stop);
    QObject::connect(group, &QButtonGroup::buttonToggled, group, [group](QAbstractButton* b, bool checked) {
        if (checked) {
            makeTabStop(group, b);
        }
    });
}
} // namespace

void setFocusOrder(Controls& c) {
    // A panel's option buttons get their group once, when the panel has been built.
    if (c.optTag[1] != nullptr && c.optTag[1]->group() == nullptr) {
        groupOptions(c.optTag, c.optTag[1]);
    }
    if (c.optPerformance[0] != nullptr && c.optPerformance[0]->group() == nullptr) {
        groupOptions(c.optPerformance, c.optPerformance[0]);
    }
    // The labels and cells that answer keys sit in the chain beside their neighbours on screen.
    std::vector<QWidget*> order{c.cmdWinColor, c.vsbColor[0], c.vsbColor[1], c.vsbColor[2], c.vsbDL,
                                c.lblH,        c.txtHex,      c.cboWhat,     c.cmdSend,     c.cmdTagEditor};
    order.insert(order.end(), c.lblStandartColor.begin(), c.lblStandartColor.end());
    for (QWidget* w : {static_cast<QWidget*>(c.cmdColorName), static_cast<QWidget*>(c.chkOnTop),
                       static_cast<QWidget*>(c.lblURL), static_cast<QWidget*>(c.lblBold),
                       static_cast<QWidget*>(c.cboStore), static_cast<QWidget*>(c.txtTag),
                       static_cast<QWidget*>(c.cmdCopyTag), static_cast<QWidget*>(c.cmdStoreTag),
                       static_cast<QWidget*>(c.cmdDeleteTag)}) {
        order.push_back(w);
    }
    for (int i : {1, 2, 3, 4, 0}) {
        order.push_back(c.optTag[i]);
    }
    order.push_back(c.cmdSafe);
    order.push_back(c.chkSF);
    order.insert(order.end(), c.lblSF.begin(), c.lblSF.end());
    for (QWidget* option : c.optPerformance) {
        order.push_back(option);
    }
    for (QWidget* w : {static_cast<QWidget*>(c.cmdResetHole), static_cast<QWidget*>(c.vsHoleRoundY),
                       static_cast<QWidget*>(c.vsHoleRoundX), static_cast<QWidget*>(c.vsHoleTop),
                       static_cast<QWidget*>(c.vsHoleBottom), static_cast<QWidget*>(c.vsHoleRight),
                       static_cast<QWidget*>(c.vsHoleLeft)}) {
        order.push_back(w);
    }
    // Controls of a panel not built yet are left out; the chain is laid again when it is.
    order.erase(std::remove(order.begin(), order.end(), nullptr), order.end());
    // Qt chains only widgets that take the focus; the cells of a palette other than its stop
    // take it only from the arrow keys, so they are let in for the moment.
    std::vector<QWidget*> outside;
    for (QWidget* w : order) {
        if (w->focusPolicy() == Qt::NoFocus) {
            w->setFocusPolicy(Qt::TabFocus);
            outside.push_back(w);
        }
    }
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
    for (QWidget* w : outside) {
        w->setFocusPolicy(Qt::NoFocus);
    }
}

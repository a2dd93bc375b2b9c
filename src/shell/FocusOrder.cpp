#include "shell/FocusOrder.h"

#include "shell/Controls.h"

#include <QWidget>
#include <vector>

void setFocusOrder(Controls& c) {
    std::vector<QWidget*> order{c.cmdWinColor,  c.vsbColor[0],  c.vsbColor[1], c.vsbColor[2],
                                c.vsbDL,        c.txtHex,       c.cboWhat,     c.cmdSend,
                                c.cmdTagEditor, c.cmdColorName, c.chkOnTop,    c.cboStore,
                                c.txtTag,       c.cmdCopyTag,   c.cmdStoreTag, c.cmdDeleteTag};
    for (int i : {1, 2, 3, 4, 0}) {
        order.push_back(c.optTag[i]);
    }
    order.push_back(c.cmdSafe);
    order.push_back(c.chkSF);
    for (QWidget* option : c.optPerformance) {
        order.push_back(option);
    }
    for (QWidget* w : {static_cast<QWidget*>(c.cmdResetHole), static_cast<QWidget*>(c.vsHoleRoundY),
                       static_cast<QWidget*>(c.vsHoleRoundX), static_cast<QWidget*>(c.vsHoleTop),
                       static_cast<QWidget*>(c.vsHoleBottom), static_cast<QWidget*>(c.vsHoleRight),
                       static_cast<QWidget*>(c.vsHoleLeft)}) {
        order.push_back(w);
    }
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

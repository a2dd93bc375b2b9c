#include "widgets/CellKeys.h"

#include "widgets/FormLabel.h"

#include <QApplication>
#include <QKeyEvent>
#include <algorithm>
#include <climits>
#include <cstdlib>

namespace {

class CellGroup : public QObject {
  public:
    explicit CellGroup(std::vector<FormLabel*> cells)
        : QObject(cells.front()->parent()), cells_(std::move(cells)) {
        for (FormLabel* cell : cells_) {
            cell->setFocusPolicy(Qt::NoFocus);
            cell->setBorderMeans(FormLabel::BorderMeans::ChosenOfSet);
            cell->installEventFilter(this);
            connect(cell, &FormLabel::borderStyleChanged, this, &CellGroup::stopAtMarkedWhileAway);
            // Cells go with their panel, all together: a group that lost one looks at none.
            connect(cell, &QObject::destroyed, this, [this] {
                cells_.clear();
                stop_ = nullptr;
                lastVisited_ = nullptr;
            });
        }
        makeStop(cells_.front());
        stopAtMarkedWhileAway();
        // The stop is moved before Tab comes back: moving the focus on from the cell Tab chose
        // would tell a screen reader of two cells, the wrong one last.
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget* from, QWidget* to) {
            if (to != nullptr && isCell(from) && !isCell(to)) {
                stopAtMarkedWhileAway();
            }
        });
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        // Only these two reach a live cell; others also come while a cell is being destroyed.
        if (event->type() != QEvent::FocusIn && event->type() != QEvent::KeyPress) {
            return false;
        }
        auto* cell = static_cast<FormLabel*>(watched);
        if (event->type() == QEvent::FocusIn) {
            lastVisited_ = cell;
            makeStop(cell);
            return false;
        }
        return moveFocus(cell, static_cast<QKeyEvent*>(event));
    }

  private:
    std::vector<FormLabel*> cells_;
    FormLabel* stop_ = nullptr;
    FormLabel* lastVisited_ = nullptr;

    void makeStop(FormLabel* cell) {
        if (stop_ == cell) {
            return;
        }
        if (stop_ != nullptr) {
            stop_->setFocusPolicy(Qt::NoFocus);
        }
        cell->setFocusPolicy(Qt::TabFocus);
        stop_ = cell;
    }

    bool isCell(const QWidget* w) const {
        return w != nullptr && std::find(cells_.begin(), cells_.end(), w) != cells_.end();
    }

    // Tab enters at the marked cell, else at the cell last visited; while the focus is among
    // the cells the arrows move the stop.
    void stopAtMarkedWhileAway() {
        if (isCell(QApplication::focusWidget())) {
            return;
        }
        if (FormLabel* marked = markedCell()) {
            makeStop(marked);
        } else if (lastVisited_ != nullptr) {
            makeStop(lastVisited_);
        }
    }

    FormLabel* markedCell() const {
        for (FormLabel* cell : cells_) {
            if (cell->borderStyle() == 1) {
                return cell;
            }
        }
        return nullptr;
    }

    bool moveFocus(FormLabel* from, const QKeyEvent* key) {
        int dx = 0, dy = 0;
        switch (key->key()) {
        case Qt::Key_Left:
            dx = -1;
            break;
        case Qt::Key_Right:
            dx = 1;
            break;
        case Qt::Key_Up:
            dy = -1;
            break;
        case Qt::Key_Down:
            dy = 1;
            break;
        default:
            return false;
        }
        if (FormLabel* to = neighbour(from, dx, dy)) {
            to->setFocus(Qt::OtherFocusReason);
        }
        // At the edge the focus stays where it is.
        return true;
    }

    // The nearest cell in that direction within the same row or column; the blocks of the safe
    // palette are apart, and their cells a pixel off from one block to the next.
    FormLabel* neighbour(const FormLabel* from, int dx, int dy) const {
        const QPoint centre = from->geometry().center();
        const int tolerance = (dx != 0 ? from->height() : from->width()) / 2;
        FormLabel* best = nullptr;
        int bestDistance = INT_MAX;
        for (FormLabel* cell : cells_) {
            const QPoint d = cell->geometry().center() - centre;
            const int along = dx != 0 ? d.x() * dx : d.y() * dy;
            const int across = std::abs(dx != 0 ? d.y() : d.x());
            if (along > 0 && across <= tolerance && along < bestDistance) {
                best = cell;
                bestDistance = along;
            }
        }
        return best;
    }
};

} // namespace

void cellKeys::makeOneStop(const std::vector<FormLabel*>& cells) {
    if (!cells.empty()) {
        new CellGroup(cells);
    }
}

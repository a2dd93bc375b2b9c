#include "widgets/CellKeys.h"

#include "widgets/FormLabel.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <climits>
#include <cstdlib>

namespace {

class CellGroup : public QObject {
  public:
    explicit CellGroup(std::vector<FormLabel*> cells)
        : QObject(cells.front()->parent()), cells_(std::move(cells)) {
        for (FormLabel* cell : cells_) {
            cell->setFocusPolicy(Qt::NoFocus);
            cell->installEventFilter(this);
        }
        makeStop(cells_.front());
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        // Only these two reach a live cell; others also come while a cell is being destroyed.
        if (event->type() != QEvent::FocusIn && event->type() != QEvent::KeyPress) {
            return false;
        }
        auto* cell = static_cast<FormLabel*>(watched);
        if (event->type() == QEvent::FocusIn) {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            FormLabel* marked = markedCell();
            if ((reason == Qt::TabFocusReason || reason == Qt::BacktabFocusReason) && marked != nullptr &&
                marked != cell) {
                marked->setFocus(reason);
                return false;
            }
            makeStop(cell);
        } else if (event->type() == QEvent::KeyPress) {
            return moveFocus(cell, static_cast<QKeyEvent*>(event));
        }
        return false;
    }

  private:
    std::vector<FormLabel*> cells_;
    FormLabel* stop_ = nullptr;

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

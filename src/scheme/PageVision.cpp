#include "scheme/PageVision.h"

#include "colour/ColourQt.h"
#include "colour/Contrast.h"
#include "widgets/Fonts.h"
#include "widgets/FormLabel.h"

#include <QActionGroup>
#include <QMenu>

using colourVision::Vision;

void PageVision::wire(QObject* context, std::function<void()> redrawn) {
    redrawn_ = std::move(redrawn);
    // A child of the backdrop lies below the words, which are its later siblings.
    note_ = new QLabel(page_[0]);
    note_->setObjectName(QStringLiteral("lblVision"));
    note_->setTextFormat(Qt::PlainText);
    note_->setFont(uiFont(6.75));
    note_->setAttribute(Qt::WA_TransparentForMouseEvents);
    note_->hide();
    for (FormLabel* label : page_) {
        label->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(label, &QWidget::customContextMenuRequested, context,
                         [this, label](const QPoint& pos) { showMenu(label->mapToGlobal(pos)); });
    }
}

void PageVision::showMenu(const QPoint& globalPos) {
    auto* menu = new QMenu(page_[0]);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    auto* group = new QActionGroup(menu);
    for (Vision vision : colourVision::AllVisions) {
        QAction* action = menu->addAction(colourVision::menuLabel(vision));
        action->setCheckable(true);
        action->setChecked(vision == vision_);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, menu, [this, vision] { setVision(vision); });
    }
    menu->popup(globalPos);
}

void PageVision::setVision(Vision vision) {
    vision_ = vision;
    FormLabel::DisplayFilter filter;
    if (vision != Vision::Normal) {
        filter = [vision](modColors::ColourValue colour) { return colourVision::simulate(vision, colour); };
    }
    for (FormLabel* label : page_) {
        label->setDisplayFilter(filter);
    }
    note_->setText(colourVision::menuLabel(vision));
    note_->setVisible(vision != Vision::Normal);
    followPage();
    if (redrawn_) {
        redrawn_();
    }
}

void PageVision::followPage() {
    if (note_ == nullptr || note_->isHidden()) {
        return;
    }
    const modColors::ColourValue back = page_[0]->drawnBackColour();
    const modColors::ColourValue black = 0, white = 0xFFFFFF;
    const modColors::ColourValue ink =
        contrast::ratio(black, back) >= contrast::ratio(white, back) ? black : white;
    QPalette palette = note_->palette();
    palette.setColor(QPalette::WindowText, toQColor(ink));
    note_->setPalette(palette);
    note_->adjustSize();
    // The bottom right corner: the sample words start at the left and end above it.
    note_->move(page_[0]->width() - note_->width() - 2, page_[0]->height() - note_->height() - 1);
}

#include "palette/SafePalette.h"

#include "handles/Views.h"
#include "platform/AppSettings.h"
#include "platform/StoredNumbers.h"
#include "widgets/CellCopies.h"
#include "widgets/CellKeys.h"

#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

using namespace modColors;

namespace {
const QString InitSection = QStringLiteral("Init");
const QString OrderKey = QStringLiteral("OptPerf");
} // namespace

void SafePalette::wire(QObject* context) {
    context_ = context;
    QObject::connect(c.cmdSafe, &QPushButton::clicked, context, [this] { cmdSafe_Click(); });
}

void SafePalette::wirePanel(QObject* context) {
    for (int k = 0; k < safeGrid::OrderCount; ++k) {
        QObject::connect(c.optPerformance[k], &QRadioButton::toggled, context, [this, k](bool checked) {
            if (checked) {
                optPerformance_Click(k);
            }
        });
    }
    FormLabel* cell0 = c.lblSF[0];
    cell0->setMouseTracking(true);
    QObject::connect(cell0, &FormLabel::clicked, context, [this] { lblSF_Click(0); });
    QObject::connect(cell0, &FormLabel::mouseMoved, context, [this] { lblSF_MouseMove(0); });
}

bool SafePalette::isOpen() const {
    return c.cmdSafe->text() == OpenCaption;
}

void SafePalette::cmdSafe_Click() {
    if (c.cmdSafe->text() != ClosedCaption) {
        views_.setOuterWidthTwips(ClosedWidth);
        c.cmdSafe->setText(ClosedCaption);
        views_.setSafePaletteOpen(false);
        return;
    }
    if (!SafeCellsBuilt) {
        // The cells are made before the window widens, which would build the panel itself.
        views_.buildExtraPanels();
        buildPanel();
    }
    // The match does not run while the panel is closed; bring the mark in line now.
    markCurrentColour();
    views_.setOuterWidthTwips(OpenWidth);
    c.cmdSafe->setText(OpenCaption);
    views_.setSafePaletteOpen(true);
}

void SafePalette::buildPanel() {
    SafeDigitPairs = safeGrid::BuildDigitPairs();
    CellTwips[0] = safeGrid::Cell0Twips;
    for (int block = 0; block < 6; ++block) {
        const QPoint origin = safeGrid::BlockOrigin(block, CellTwips);
        CreateSafeCells(static_cast<std::int16_t>(origin.x()), static_cast<std::int16_t>(origin.y()),
                        static_cast<std::int16_t>(block * safeGrid::BlockSize));
    }
    // Only 0..5 were ever stored; anything else means the first order.
    const int order = storedNumbers::toInt16InRange(settings_.get(InitSection, OrderKey, QStringLiteral("0")),
                                                    0, safeGrid::OrderCount - 1, 0);
    {
        const QSignalBlocker quiet(c.optPerformance[order]);
        c.optPerformance[order]->setChecked(true);
    }
    applyOrder(order);
    cellKeys::makeOneStop(c.lblSF);
    SafeCellsBuilt = true;
    if (links_.cellsMade) {
        links_.cellsMade();
    }
}

void SafePalette::CreateSafeCells(std::int16_t x, std::int16_t y, std::int16_t first) {
    safeGrid::PlaceBlock(CellTwips, x, y, first);
    const FormLabel* cell0 = c.lblSF[0];
    if (c.lblSF.size() < static_cast<std::size_t>(first + safeGrid::BlockSize)) {
        c.lblSF.resize(first + safeGrid::BlockSize, nullptr);
    }
    for (int n = first; n < first + safeGrid::BlockSize; ++n) {
        FormLabel*& cell = c.lblSF[n];
        if (cell == nullptr) {
            cell = cellCopies::copyOf(*cell0, c.fraSF, QStringLiteral("lblSF(%1)").arg(n));
            cell->setBackColour(cell0->backColour());
            cell->setTransparent(false);
            cell->setMouseTracking(true);
            const auto index = static_cast<std::int16_t>(n);
            QObject::connect(cell, &FormLabel::clicked, context_, [this, index] { lblSF_Click(index); });
            QObject::connect(cell, &FormLabel::mouseMoved, context_,
                             [this, index] { lblSF_MouseMove(index); });
        }
        cell->setGeometry(safeGrid::ToPixels(CellTwips[n]));
        cell->setVisible(true);
    }
}

void SafePalette::FillSafePalette(std::int16_t order) {
    SafeColours = safeGrid::FillColours(order, SafeDigitPairs);
}

void SafePalette::PaintSafePalette() {
    for (int n = 0; n < safeGrid::CellCount; ++n) {
        const ColourValue colour = HtmlToColour(SafeColours[n]);
        c.lblSF[n]->setBackColour(colour);
        c.lblSF[n]->setAccessibleName(SafeColours[n]);
        // The mark is drawn in the cell's fore colour: keep it visible on dark cells.
        Channel r = 0, g = 0, b = 0;
        SplitColour(colour, r, g, b);
        c.lblSF[n]->setForeColour(ChannelMean(r, g, b) < 128 ? RGB(255, 255, 255) : 0);
    }
}

void SafePalette::optPerformance_Click(int order) {
    if (!SafeCellsBuilt) {
        // Chosen before the panel ever opened: the opening reads it back and applies it.
        settings_.save(InitSection, OrderKey, storedNumbers::plainText(order));
        return;
    }
    applyOrder(order);
}

// A new order moves the colours, never the current colour: the mark goes to wherever the
// current colour now lies, or nowhere when it is not a safe colour.
void SafePalette::applyOrder(int order) {
    FillSafePalette(static_cast<std::int16_t>(order));
    PaintSafePalette();
    markCurrentColour();
    settings_.save(InitSection, OrderKey, storedNumbers::plainText(order));
}

void SafePalette::lblSF_Click(std::int16_t index) {
    GuardFlags& g = flags_;
    if (SafeColours.isEmpty()) {
        return; // cell 0 lies outside the window until the first opening
    }
    // The marked cell is the current colour already. A cell that lost its mark still
    // answers a click, even when it was the last one marked.
    if (index == SafeIndex && c.lblSF[index]->borderStyle() == 1 && !g.InShowColour) {
        return;
    }
    markCell(index);
    if (!g.InShowColour) {
        g.InSafeSelect = true;
        links_.show(HtmlToColour(SafeColours[index]));
        g.InSafeSelect = false;
    }
}

void SafePalette::markCell(int index) {
    c.lblSF[SafeIndex]->setBorderStyle(0);
    c.lblSF[index]->setBorderStyle(1);
    SafeIndex = static_cast<std::int16_t>(index);
}

void SafePalette::markCurrentColour() {
    const qsizetype index = SafeColours.indexOf(QLatin1Char('#') + links_.currentHex());
    if (index >= 0) {
        markCell(static_cast<int>(index));
    } else {
        c.lblSF[SafeIndex]->setBorderStyle(0);
    }
}

void SafePalette::lblSF_MouseMove(std::int16_t index) {
    c.lblSF[index]->setToolTip(SafeColours.value(index));
}

void SafePalette::MatchStep() {
    if (!isOpen() || flags_.InSafeSelect || SafeColours.isEmpty()) {
        return;
    }
    markCurrentColour();
}

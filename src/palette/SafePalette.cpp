#include "palette/SafePalette.h"

#include "editor/ColourEditor.h"
#include "platform/StoredNumbers.h"
#include "shell/frmTintwell.h"

#include <QSignalBlocker>

using namespace modColors;

namespace {
const QString InitSection = QStringLiteral("Init");
const QString OrderKey = QStringLiteral("OptPerf");
} // namespace

void SafePalette::wire() {
    QObject::connect(f.chkSF, &QCheckBox::toggled, &f, [this] { chkSF_Click(); });
    QObject::connect(f.cmdSafe, &QPushButton::clicked, &f, [this] { cmdSafe_Click(); });
}

void SafePalette::wirePanel() {
    for (int k = 0; k < safeGrid::OrderCount; ++k) {
        QObject::connect(f.optPerformance[k], &QRadioButton::toggled, &f, [this, k](bool checked) {
            if (checked) {
                optPerformance_Click(k);
            }
        });
    }
    FormLabel* cell0 = f.lblSF[0];
    cell0->setMouseTracking(true);
    QObject::connect(cell0, &FormLabel::clicked, &f, [this] { lblSF_Click(0); });
    QObject::connect(cell0, &FormLabel::mouseMoved, &f, [this] { lblSF_MouseMove(0); });
}

bool SafePalette::isOpen() const {
    return f.cmdSafe->text() == OpenCaption;
}

void SafePalette::cmdSafe_Click() {
    if (f.cmdSafe->text() != ClosedCaption) {
        f.setOuterWidthTwips(ClosedWidth);
        f.cmdSafe->setText(ClosedCaption);
        return;
    }
    if (!SafeCellsBuilt) {
        // The cells are made before the window widens, which would build the panel itself.
        f.buildExtraPanels();
        buildPanel();
    }
    // The match does not run while the panel is closed; bring the mark in line now.
    markCurrentColour();
    f.setOuterWidthTwips(OpenWidth);
    f.cmdSafe->setText(OpenCaption);
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
    const int order = storedNumbers::toInt16InRange(f.getSetting(InitSection, OrderKey, QStringLiteral("0")),
                                                    0, safeGrid::OrderCount - 1, 0);
    {
        const QSignalBlocker quiet(f.optPerformance[order]);
        f.optPerformance[order]->setChecked(true);
    }
    applyOrder(order);
    SafeCellsBuilt = true;
}

void SafePalette::CreateSafeCells(std::int16_t x, std::int16_t y, std::int16_t first) {
    safeGrid::PlaceBlock(CellTwips, x, y, first);
    const FormLabel* cell0 = f.lblSF[0];
    if (f.lblSF.size() < static_cast<std::size_t>(first + safeGrid::BlockSize)) {
        f.lblSF.resize(first + safeGrid::BlockSize, nullptr);
    }
    for (int n = first; n < first + safeGrid::BlockSize; ++n) {
        FormLabel*& cell = f.lblSF[n];
        if (cell == nullptr) {
            cell = new FormLabel(f.fraSF);
            cell->setObjectName(QStringLiteral("lblSF(%1)").arg(n));
            cell->setFont(cell0->font());
            cell->setToolTip(cell0->toolTip());
            cell->setBackColour(cell0->backColour());
            cell->setTransparent(false);
            cell->setMouseTracking(true);
            const auto index = static_cast<std::int16_t>(n);
            QObject::connect(cell, &FormLabel::clicked, &f, [this, index] { lblSF_Click(index); });
            QObject::connect(cell, &FormLabel::mouseMoved, &f, [this, index] { lblSF_MouseMove(index); });
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
        f.lblSF[n]->setBackColour(colour);
        // The mark is drawn in the cell's fore colour: keep it visible on dark cells.
        Channel r = 0, g = 0, b = 0;
        SplitColour(colour, r, g, b);
        f.lblSF[n]->setForeColour(ChannelMean(r, g, b) < 128 ? RGB(255, 255, 255) : 0);
    }
}

void SafePalette::optPerformance_Click(int order) {
    if (!SafeCellsBuilt) {
        // Chosen before the panel ever opened: the opening reads it back and applies it.
        f.saveSetting(InitSection, OrderKey, storedNumbers::plainText(order));
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
    f.saveSetting(InitSection, OrderKey, storedNumbers::plainText(order));
}

void SafePalette::lblSF_Click(std::int16_t index) {
    GuardFlags& g = f.flags;
    if (SafeColours.isEmpty()) {
        return; // cell 0 lies outside the window until the first opening
    }
    // The marked cell is the current colour already. A cell that lost its mark still
    // answers a click, even when it was the last one marked.
    if (index == SafeIndex && f.lblSF[index]->borderStyle() == 1 && !g.InShowColour) {
        return;
    }
    markCell(index);
    if (!g.InShowColour) {
        g.InSafeSelect = true;
        f.editor.ShowColour(HtmlToColour(SafeColours[index]));
        g.InSafeSelect = false;
    }
}

void SafePalette::markCell(int index) {
    f.lblSF[SafeIndex]->setBorderStyle(0);
    f.lblSF[index]->setBorderStyle(1);
    SafeIndex = static_cast<std::int16_t>(index);
}

void SafePalette::markCurrentColour() {
    const qsizetype index = SafeColours.indexOf(QLatin1Char('#') + f.txtHex->text());
    if (index >= 0) {
        markCell(static_cast<int>(index));
    } else {
        f.lblSF[SafeIndex]->setBorderStyle(0);
    }
}

void SafePalette::lblSF_MouseMove(std::int16_t index) {
    f.lblSF[index]->setToolTip(SafeColours.value(index));
}

void SafePalette::chkSF_Click() {
    GuardFlags& g = f.flags;
    if (f.chkSF->isChecked()) {
        for (int i = 0; i < 3; ++i) {
            g.SafeUndo = true;
            const int v = f.vsbColor[i]->value();
            const int rem = v % 51;
            SavedChannels[i] = static_cast<Channel>(v);
            // Setting the value refreshes the colour, which clears SafeUndo: it is set again
            // for the next channel.
            f.vsbColor[i]->setValue(rem <= 25 ? v - rem : v + 51 - rem);
            f.vsbColor[i]->setSingleStep(51);
            f.vsbColor[i]->setPageStep(51);
        }
        g.SafeUndo = true;
        f.txtHex->setReadOnly(true);
        f.cmdWinColor->setEnabled(false);
        return;
    }
    for (int i = 0; i < 3; ++i) {
        if (g.SafeUndo) {
            f.vsbColor[i]->setValue(SavedChannels[i]);
            g.SafeUndo = true;
        }
        f.vsbColor[i]->setSingleStep(1);
        f.vsbColor[i]->setPageStep(16);
    }
    g.SafeUndo = false;
    f.txtHex->setReadOnly(false);
    f.cmdWinColor->setEnabled(true);
}

void SafePalette::SwitchOffWithoutUndo() {
    // Only a pick ends snapping. A refresh that merely lands on a standard colour (snapping
    // itself, an arrow click, a recalled colour) must not cut it off halfway.
    if (!f.chkSF->isChecked() || f.flags.InShowColour) {
        return;
    }
    f.flags.SafeUndo = false;
    f.chkSF->setChecked(false); // raises chkSF_Click
    chkSF_Click();
}

void SafePalette::MatchStep() {
    if (!isOpen() || f.flags.InSafeSelect || SafeColours.isEmpty()) {
        return;
    }
    markCurrentColour();
}

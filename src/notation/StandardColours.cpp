#include "notation/StandardColours.h"

#include "notation/NotationIndex.h"
#include "notation/StandardColourTable.h"
#include "platform/DesktopServices.h"
#include "widgets/CellCopies.h"
#include "widgets/CellKeys.h"
#include "widgets/Twips.h"

#include <QGroupBox>
#include <QPushButton>

using namespace modColors;

namespace {

using standardColours::Table;

const QString NameSuffix = QStringLiteral(" в буфер");
const QString NotAvailable = QStringLiteral("Not available");

} // namespace

ColourValue StandardColours::QBColor(int index) {
    return Table.at(static_cast<std::size_t>(index)).value;
}

QString StandardColours::colourName(int index) {
    return QString::fromLatin1(Table.at(static_cast<std::size_t>(index)).name);
}

void StandardColours::wire(QObject* context) {
    // Cells 1..15 do not exist yet; BuildCells wires each as it creates it.
    QObject::connect(c.lblStandartColor[0], &FormLabel::clicked, context,
                     [this] { lblStandartColor_Click(0); });
    QObject::connect(c.cmdColorName, &QPushButton::clicked, context, [this] { cmdColorName_Click(); });
}

void StandardColours::FillTables() {
    StdColourNames.clear();
    StdEscapes.clear();
    for (const standardColours::Entry& c : Table) {
        StdColourNames << QString::fromLatin1(c.name);
        StdEscapes << QString::fromLatin1(c.escape);
    }
}

void StandardColours::BuildCells(QObject* context) {
    FormLabel* cell0 = c.lblStandartColor[0];
    const int width = cell0->width();
    const int height = cell0->height();
    cell0->move(c.fraStCol->x() + twipsToPixels(30), cell0->y());
    for (int i = 1; i < 16; ++i) {
        FormLabel* cell =
            cellCopies::copyOf(*cell0, c.fraStCol, QStringLiteral("lblStandartColor(%1)").arg(i));
        cell->setAlignment(cell0->alignment());
        cell->resize(width, height);
        const FormLabel* previous = c.lblStandartColor[i - 1];
        const int left = i == 8 ? cell0->x() : previous->x() + previous->width();
        const int top = i < 8 ? cell0->y() : cell0->y() + cell0->height();
        cell->move(left, top);
        cell->setBackColour(Table[i].value);
        cell->setForeColour(i < 10 ? RGB(255, 255, 255) : 0);
        cell->setText(QString::number(i));
        cell->show();
        c.lblStandartColor[i] = cell;
        QObject::connect(cell, &FormLabel::clicked, context, [this, i] { lblStandartColor_Click(i); });
    }
    for (int i = 0; i < 16; ++i) {
        c.lblStandartColor[i]->setAccessibleName(colourName(i));
    }
    cellKeys::makeOneStop({c.lblStandartColor.begin(), c.lblStandartColor.end()});
    const FormLabel* cell7 = c.lblStandartColor[7];
    const FormLabel* cell8 = c.lblStandartColor[8];
    c.fraStCol->resize(cell7->x() + cell7->width() + twipsToPixels(30),
                       cell8->y() + cell8->height() + twipsToPixels(30));
    c.cmdColorName->move(c.fraStCol->x() + c.fraStCol->width() + twipsToPixels(100), c.cmdColorName->y());
}

void StandardColours::lblStandartColor_Click(int index) {
    markStandard(index);
    links_.endSnapping();
    flags_.InStdSelect = true;
    if (!flags_.InShowColour) {
        links_.show(QBColor(index));
    }
    flags_.InStdSelect = false;
}

void StandardColours::markStandard(int index) {
    // Taking the mark off the cell that keeps it would only cost a repaint.
    if (StdIndex != index) {
        c.lblStandartColor[StdIndex]->setBorderStyle(0);
    }
    c.lblStandartColor[index]->setBorderStyle(1);
    c.cmdColorName->setVisible(true);
    c.cmdColorName->setText(StdColourNames.at(index) + NameSuffix);
    StdIndex = static_cast<std::uint8_t>(index);
    QBColorText = QStringLiteral("QBColor( %1 )").arg(index);
    EscText = StdEscapes.at(index);
    links_.shown(true);
}

void StandardColours::MatchColour(ColourValue colour) {
    // Landing on a standard colour is no pick of it: the colour is shown already, and
    // snapping (with its undo) must survive a refresh or a change of notation that lands here.
    if (const int index = standardColours::indexOf(colour); index >= 0) {
        markStandard(index);
        return;
    }
    c.lblStandartColor[StdIndex]->setBorderStyle(0);
    c.cmdColorName->setVisible(false);
    const int notation = links_.notation();
    if (notation == notation::QBColor) {
        QBColorText = NotAvailable;
    } else if (notation == notation::Esc) {
        EscText = NotAvailable;
    }
    links_.shown(false);
}

void StandardColours::cmdColorName_Click() {
    desktop_.putClipboardText(StdColourNames.at(StdIndex));
}

#include "notation/StandardColours.h"

#include "notation/NotationIndex.h"
#include "platform/DesktopServices.h"
#include "shell/CellCopies.h"
#include "shell/CellKeys.h"
#include "shell/Twips.h"

#include <QGroupBox>
#include <QPushButton>

#include <array>

using namespace modColors;

namespace {
struct StandardColour {
    ColourValue value;
    const char* name;
    const char* escape;
};

constexpr std::array<StandardColour, 16> Table{{
    {RGB(0, 0, 0), "black", "$e[30m"},
    {RGB(0, 0, 128), "navy", "$e[34m"},
    {RGB(0, 128, 0), "green", "$e[32m"},
    {RGB(0, 128, 128), "teal", "$e[36m"},
    {RGB(128, 0, 0), "maroon", "$e[31m"},
    {RGB(128, 0, 128), "purple", "$e[35m"},
    {RGB(128, 128, 0), "olive", "$e[33m"},
    {RGB(192, 192, 192), "silver", "$e[37m"},
    {RGB(128, 128, 128), "gray", "$e[30;1m"},
    {RGB(0, 0, 255), "blue", "$e[34;1m"},
    {RGB(0, 255, 0), "lime", "$e[32;1m"},
    {RGB(0, 255, 255), "aqua", "$e[36;1m"},
    {RGB(255, 0, 0), "red", "$e[31;1m"},
    {RGB(255, 0, 255), "fuchsia", "$e[35;1m"},
    {RGB(255, 255, 0), "yellow", "$e[33;1m"},
    {RGB(255, 255, 255), "white", "$e[37;1m"},
}};

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
    for (const StandardColour& c : Table) {
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
    for (int i = 0; i < 16; ++i) {
        if (Table[i].value == colour) {
            markStandard(i);
            return;
        }
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

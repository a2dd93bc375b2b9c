#pragma once

#include "widgets/FormLabel.h"

// The standard and safe cells beyond the first are made at run time, each a copy of cell 0.
namespace cellCopies {

// A new cell in `parent` named `name`, with cell 0's font, tool tip, system colours and keys; its place,
// size and colours are the caller's.
inline FormLabel* copyOf(const FormLabel& cell0, QWidget* parent, const QString& name) {
    auto* cell = new FormLabel(parent);
    cell->setPressable(cell0.isPressable());
    cell->setBorderMeans(cell0.borderMeans());
    cell->setObjectName(name);
    cell->setSystemColours(cell0.systemColours());
    cell->setFont(cell0.font());
    cell->setToolTip(cell0.toolTip());
    return cell;
}

} // namespace cellCopies

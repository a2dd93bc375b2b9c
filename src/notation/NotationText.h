#pragma once

#include <QString>
#include <QStringList>
#include <optional>

// The text each notation gives a colour, as the notation field shows it and "To clipboard"
// copies it; needs no window.
namespace notationText {

// The notations' names in list order; the index is the notation's number everywhere.
const QStringList& names();

// The notation a command line names: its index ("0".."15") or its name as listed, case and all.
std::optional<int> notationNamed(const QString& word);

// The text of `notation` for the colour; channels 0..255. QBColor and {ESC} exist for the
// sixteen standard colours only: "Not available" for any other. An unknown index gives an
// empty text.
QString textOf(int notation, int red, int green, int blue);

} // namespace notationText

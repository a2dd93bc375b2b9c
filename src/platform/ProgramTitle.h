#pragma once

#include <QString>

// The window's title, the settings file's name and the title of every box the program shows.
inline const QString ProgramTitle = QStringLiteral("Tintwell");

#pragma once

#include <QString>
#include <QStringList>

class frmTintwell;

// What must hold between any two user events, whatever they were.
namespace stormInvariants {

// One line per broken invariant, naming it and what was seen; empty when all hold.
QStringList broken(const frmTintwell& f, const QString& settingsFile);

// Why the settings file would not read cleanly, or empty when it would (or does not exist).
QString settingsFileTrouble(const QString& path);

} // namespace stormInvariants

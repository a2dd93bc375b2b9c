#pragma once

#include <QList>
#include <QPair>
#include <QString>

class QComboBox;
class SettingsStore;

// Fills a drop-down list from one section of the settings store.
namespace modReadComboSettigs {

// One row per key of a section: (key, value), in the order the store returns them.
using SettingsRows = QList<QPair<QString, QString>>;

// Replaces `table` with the section's rows and `list` with their keys. An empty section gets
// the default key and value written first (unless either is empty). The list selects entry 0,
// which raises its change signal, only when it holds exactly one entry or the default has just
// been written; otherwise nothing is selected and the caller chooses.
void FillComboFromSettings(QComboBox* list, SettingsStore& store, const QString& application,
                           const QString& section, SettingsRows& table, const QString& defaultKey,
                           const QString& defaultValue);

} // namespace modReadComboSettigs

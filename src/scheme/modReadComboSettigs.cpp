#include "scheme/modReadComboSettigs.h"

#include "platform/SettingsStore.h"

#include <QComboBox>
#include <QSignalBlocker>

namespace modReadComboSettigs {

void FillComboFromSettings(QComboBox* list, SettingsStore& store, const QString& application,
                           const QString& section, SettingsRows& table, const QString& defaultKey,
                           const QString& defaultValue) {
    table = store.GetAllSettings(application, section);
    bool wroteDefault = false;
    {
        // Clearing and adding move Qt's selection on their own (adding to an empty list selects
        // the first entry); only the selection made below may reach the list's handler.
        const QSignalBlocker quiet(list);
        list->clear();
        if (table.isEmpty()) {
            if (defaultKey.isEmpty() || defaultValue.isEmpty()) {
                return;
            }
            store.SaveSetting(application, section, defaultKey, defaultValue);
            table = store.GetAllSettings(application, section);
            if (table.isEmpty()) {
                // The store could not be written: the default still serves for this run.
                table.append({defaultKey, defaultValue});
            }
            wroteDefault = true;
        }
        for (const auto& row : table) {
            list->addItem(row.first);
        }
        list->setCurrentIndex(-1);
    }
    if (list->count() == 1 || (wroteDefault && list->count() > 0)) {
        list->setCurrentIndex(0);
    }
}

} // namespace modReadComboSettigs

#pragma once

#include "scheme/modReadComboSettigs.h"
#include "shell/Twips.h"

#include <QString>
#include <QStringList>

class frmTintwell;

// Named schemes in the settings store, and the button that opens the editor's panel.
class StoredSchemes {
  public:
    static inline const QString ClosedCaption = QStringLiteral("Tag &Editor >>");
    static inline const QString OpenCaption = QStringLiteral("<< Clos&e");
    static inline const QString Section = QStringLiteral("Pallettes");
    static inline const QString DefaultName = QStringLiteral("Standart");
    static inline const QString DefaultTag =
        QStringLiteral("<BODY BGCOLOR=#FFFFFF TEXT=#000000 LINK=#0000FF VLINK=#800080 ALINK=#FF0000>");
    static constexpr int ClosedHeightTwips = ShortHeightTwips;
    static constexpr int OpenHeightTwips = TallHeightTwips;

    explicit StoredSchemes(frmTintwell& form) : f(form) {}
    void wire();
    // The controls on its extra panel, once they are built.
    void wirePanel();

    bool isOpen() const;

    void cmdTagEditor_Click();
    void cboStore_Click();
    void cmdStoreTag_Click();
    void cmdDeleteTag_Click();

    // The "Pallettes" section as last read: (name, tag text), row k is list entry k.
    modReadComboSettigs::SettingsRows Table;

  private:
    frmTintwell& f;

    // Re-reads the section into Table and the list; true when the fill has already selected
    // and loaded entry 0.
    bool refill(const QString& defaultKey, const QString& defaultValue);
    void selectEntry(int index, bool alreadyLoaded);
    // The name proposed for storing, and the counter value to save when it is taken (none
    // when the counter cannot grow any further).
    struct Proposal {
        QString name;
        int nextCounter = -1;
    };
    Proposal proposedName(const QStringList& stored) const;
    QStringList storedNames() const;
};

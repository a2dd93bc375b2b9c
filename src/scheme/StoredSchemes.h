#pragma once

#include "scheme/modReadComboSettigs.h"
#include "widgets/Twips.h"

#include <QString>
#include <QStringList>

class AppSettings;
class DesktopServices;
class QComboBox;
class QObject;
class QPushButton;
class SchemeEditor;
class Views;

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

    // All but the button lie on the scheme editor's panel: null until it is built.
    struct Controls {
        QPushButton*& cmdTagEditor;
        QComboBox*& cboStore;
        QPushButton*& cmdStoreTag;
        QPushButton*& cmdDeleteTag;
    };

    StoredSchemes(Controls controls, SchemeEditor& scheme, AppSettings& settings, Views& views,
                  DesktopServices& desktop)
        : c(controls), scheme_(scheme), settings_(settings), views_(views), desktop_(desktop) {}
    void wire(QObject* context);
    // The controls on its extra panel, once they are built.
    void wirePanel(QObject* context);

    bool isOpen() const;

    void cmdTagEditor_Click();
    void cboStore_Click();
    void cmdStoreTag_Click();
    void cmdDeleteTag_Click();

    // The "Pallettes" section as last read: (name, tag text), row k is list entry k.
    modReadComboSettigs::SettingsRows Table;

  private:
    Controls c;
    SchemeEditor& scheme_;
    AppSettings& settings_;
    Views& views_;
    DesktopServices& desktop_;

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

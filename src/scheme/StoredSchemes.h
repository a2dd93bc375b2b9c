#pragma once

#include <QString>

class frmTintwell;

// Named schemes in the settings store, and the button that opens the editor's panel.
class StoredSchemes {
  public:
    static inline const QString ClosedCaption = QStringLiteral("Tag &Editor >>");
    static inline const QString OpenCaption = QStringLiteral("<< Clos&e");

    explicit StoredSchemes(frmTintwell& form) : f(form) {}
    void wire();

    bool isOpen() const;

    // Opens or closes the scheme-editor panel.
    void cmdTagEditor_Click();

  private:
    frmTintwell& f;
};

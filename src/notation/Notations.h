#pragma once

#include "colour/modColors.h"
#include "notation/NotationIndex.h"
#include "widgets/GuardFlags.h"

#include <QFont>
#include <QString>
#include <array>
#include <functional>
#include <optional>

class DesktopServices;
class QComboBox;
class QLineEdit;
class QObject;
class QPushButton;
class StandardColours;

// The sixteen text forms of the current colour, in the notation field, and copying them.
class Notations {
  public:
    using Index = notation::Index;
    using enum notation::Index;

    struct Controls {
        QComboBox*& cboWhat;
        QLineEdit*& txtDec;
        QPushButton*& cmdSend;
    };
    // The current colour as the editor shows it.
    struct Readings {
        std::function<modColors::ColourValue()> colour;
        std::function<std::array<int, 3>()> channels;
        std::function<QString()> hex;
    };

    Notations(Controls controls, const GuardFlags& flags, DesktopServices& desktop, StandardColours& standard,
              Readings readings)
        : c(controls), flags_(flags), desktop_(desktop), standard_(standard), readings_(std::move(readings)) {
    }
    void wire(QObject* context);

    void ShowNotation();
    void cboWhat_Click();
    void cmdSend_Click();
    // The standard colours have marked a cell (matched) or found none: the QBColor and {ESC}
    // notations follow, and the copy button is off where their text is not available.
    void standardShown(bool matched);
    int currentNotation() const;

  private:
    Controls c;
    const GuardFlags& flags_;
    DesktopServices& desktop_;
    StandardColours& standard_;
    Readings readings_;
    // The notation list's designed font, before any entry was narrowed to fit.
    std::optional<QFont> listFont_;
};

#pragma once

#include "colour/modColors.h"
#include "editor/SafeSnapping.h"
#include "handles/RefreshSteps.h"
#include "widgets/GuardFlags.h"

#include <QHash>
#include <QSize>
#include <array>

class DesktopServices;
class FormLabel;
class QCheckBox;
class QLineEdit;
class QObject;
class QPushButton;
class QScrollBar;

// The current colour and its refresh, with the two direct editors of the colour (the
// channel sliders and the hex box), the dark-light slider and snapping to safe values.
class ColourEditor {
  public:
    struct Controls {
        std::array<QScrollBar*, 3>& vsbColor;
        std::array<FormLabel*, 3>& lblColor;
        std::array<FormLabel*, 3>& lblNColor;
        FormLabel*& lblCMix;
        QScrollBar*& vsbDL;
        QLineEdit*& txtHex;
        QCheckBox*& chkSF;
        // Snapping takes the colour dialog's button out of use while it is on.
        QPushButton*& cmdWinColor;
    };

    ColourEditor(Controls controls, GuardFlags& flags, DesktopServices& desktop, RefreshSteps steps)
        : c(controls), flags_(flags), desktop_(desktop), steps_(std::move(steps)),
          snapping({c.vsbColor, c.txtHex, c.chkSF, c.cmdWinColor}, flags) {}
    void wire(QObject* context);

    // Makes `colour` current and brings every display into line with it.
    void ShowColour(modColors::ColourValue colour);
    // The current colour, as last given to ShowColour (a system colour stays one).
    modColors::ColourValue currentColour() const;
    // The six digits in the hex box, as they stand.
    QString hexText() const;
    // The channels as the sliders hold them.
    std::array<int, 3> channels() const;
    // How many refreshes have run since the window was created: one user action should cost one.
    int refreshCount() const { return refreshes_; }

    void vsbColor_Change(int index);
    void vsbColor_Scroll(int index, int position);
    void txtHex_Change();
    // Returns the key to pass on; 0 swallows it.
    int txtHex_KeyPress(int keyAscii);
    void vsbDL_Change();
    void vsbDL_Scroll(int position);

    std::array<modColors::Channel, 3> CurrentChannels{};
    modColors::Channel LastDarkLight = 0;

  private:
    Controls c;
    GuardFlags& flags_;
    DesktopServices& desktop_;
    RefreshSteps steps_;
    int refreshes_ = 0;
    // Size of each channel number label fitted to each text it has shown.
    std::array<QHash<modColors::Channel, QSize>, 3> fittedNumbers_;

    modColors::ColourValue sliderColour() const;
    void showChannelNumber(int index, modColors::Channel value);
    void showSwatch(int index, modColors::Channel value);

  public:
    SafeSnapping snapping;
};

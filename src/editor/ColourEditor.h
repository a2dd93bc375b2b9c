#pragma once

#include "colour/modColors.h"

#include <QHash>
#include <QSize>
#include <array>

class frmTintwell;

// The current colour and its refresh, with the two direct editors of the colour (the
// channel sliders and the hex box) and the dark-light slider.
class ColourEditor {
  public:
    explicit ColourEditor(frmTintwell& form) : f(form) {}
    void wire();

    // Makes `colour` current and brings every display into line with it.
    void ShowColour(modColors::ColourValue colour);
    // The current colour, as last given to ShowColour (a system colour stays one).
    modColors::ColourValue currentColour() const;
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
    frmTintwell& f;
    int refreshes_ = 0;
    // Size of each channel number label fitted to each text it has shown.
    std::array<QHash<modColors::Channel, QSize>, 3> fittedNumbers_;

    modColors::ColourValue sliderColour() const;
    void showChannelNumber(int index, modColors::Channel value);
    void showSwatch(int index, modColors::Channel value);
};

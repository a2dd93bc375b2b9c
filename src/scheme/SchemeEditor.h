#pragma once

#include "colour/modColors.h"

class frmTintwell;

// The five colours of a BODY tag: choosing a slot, writing each colour change into it, and
// the tag text built from the slots. Slot k's code is the tag text of lblTag(k).
class SchemeEditor {
  public:
    static constexpr int NoSlot = -1;
    static constexpr int SlotCount = 5;

    explicit SchemeEditor(frmTintwell& form) : f(form) {}
    // Its controls all lie on the scheme editor's panel: wired once that is built.
    void wire();

    // The refresh's step: while the editor is open and a slot is chosen, the colour goes
    // into that slot and the tag is rebuilt.
    void SchemeStep(modColors::ColourValue colour);
    void BuildBodyTag();

    void optTag_Click(int index);
    void lblTag_Click(int index);
    void lblTag_DblClick(int index);
    void cmdCopyTag_Click();

    // Gives slot k its code and shows the matching colour in its preview label.
    void setSlot(int slot, const QString& code, modColors::ColourValue colour);
    // Leaves no option button selected; the chosen slot stays as it is.
    void clearOptionButtons();

    // The slot that receives colour changes; it stays chosen for the rest of the run.
    int SelectedSlot = NoSlot;

  private:
    frmTintwell& f;

    void chooseSlot(int index);
    // Each sample word's tool tip tells its contrast against the page.
    void showContrast();
};

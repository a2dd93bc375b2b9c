#pragma once

#include "colour/modColors.h"

class frmTintwell;

// The five colours of a BODY tag: choosing a slot, writing each colour change into it, and
// the tag text built from the slots.
class SchemeEditor {
  public:
    static constexpr int NoSlot = -1;

    explicit SchemeEditor(frmTintwell& form) : f(form) {}
    void wire();

    // The refresh's step: while the editor is open and a slot is chosen, the colour goes
    // into that slot and the tag is rebuilt.
    void SchemeStep(modColors::ColourValue colour);
    void BuildBodyTag();

    int SelectedSlot = NoSlot;

  private:
    frmTintwell& f;
};

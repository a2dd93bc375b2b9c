#include "handles/Views.h"

void Views::setOuterWidthTwips(int twips) {
    width_ = twips;
    resize_(width_, height_);
}

void Views::setOuterHeightTwips(int twips) {
    height_ = twips;
    resize_(width_, height_);
}

void Views::buildExtraPanels() {
    if (panelsBuilt_) {
        return;
    }
    panelsBuilt_ = true;
    buildExtraPanels_();
}

void Views::setSafePaletteOpen(bool open) {
    safeOpen_ = open;
    if (panelsChanged) {
        panelsChanged();
    }
}

void Views::setSchemeEditorOpen(bool open) {
    editorOpen_ = open;
    if (panelsChanged) {
        panelsChanged();
    }
}

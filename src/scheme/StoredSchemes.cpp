#include "scheme/StoredSchemes.h"

#include "shell/frmTintwell.h"

void StoredSchemes::wire() {
    // Opening the panel, the list of stored schemes, storing and deleting join here.
}

bool StoredSchemes::isOpen() const {
    return f.cmdTagEditor->text() != ClosedCaption;
}

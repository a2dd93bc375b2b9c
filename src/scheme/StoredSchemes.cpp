#include "scheme/StoredSchemes.h"

#include "shell/frmTintwell.h"

void StoredSchemes::wire() {
    // The list of stored schemes, storing and deleting join here.
    QObject::connect(f.cmdTagEditor, &QPushButton::clicked, &f, [this] { cmdTagEditor_Click(); });
}

bool StoredSchemes::isOpen() const {
    return f.cmdTagEditor->text() != ClosedCaption;
}

void StoredSchemes::cmdTagEditor_Click() {
    // Filling and loading the stored schemes join here; for now the button only uncovers or
    // covers the panel.
    if (isOpen()) {
        f.cmdTagEditor->setText(ClosedCaption);
        f.setOuterHeightTwips(4370);
        f.lblURL->show();
    } else {
        f.cmdTagEditor->setText(OpenCaption);
        f.setOuterHeightTwips(6040);
        f.lblURL->hide();
    }
}

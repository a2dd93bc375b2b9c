#pragma once

// Small pieces shared by the two halves of the control table.

#include "shell/ControlInventory.h"

#include <QString>

class QWidget;

namespace inventory::rows {

// Binds a created widget into its slot of the Controls structure.
template <class T> std::function<void(QWidget*)> into(T*& slot) {
    return [&slot](QWidget* w) { slot = static_cast<T*>(w); };
}

// The name of an array element, "name(index)".
inline QString indexed(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

// The rows of each panel, in stacking order.
void mainPanel(std::vector<ControlSpec>& t, Controls& c);
void schemeEditorPanel(std::vector<ControlSpec>& t, Controls& c);
void safePalettePanel(std::vector<ControlSpec>& t, Controls& c);
void holePanel(std::vector<ControlSpec>& t, Controls& c);

} // namespace inventory::rows

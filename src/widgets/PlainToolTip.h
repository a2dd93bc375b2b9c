#pragma once

class QString;
class QWidget;

// Gives `widget` a tool tip that shows exactly its characters on one line. Qt takes a tip such
// as "Open-Close tag <BODY> Editor" for markup: it drops the tag, folds double blanks and wraps
// the rest. `toolTip()` keeps returning the text as given.
void setPlainToolTip(QWidget* widget, const QString& text);

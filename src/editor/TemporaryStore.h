#pragma once

#include <QString>

class ColourEditor;
class DesktopServices;
class FormLabel;
class QObject;

// "#", the one-colour temporary store: a click copies the six digits of the hex box; a right
// button release stores the current code or, when the store is full, brings its colour back
// and empties it.
class TemporaryStore {
  public:
    TemporaryStore(FormLabel*& lblH, ColourEditor& editor, DesktopServices& desktop)
        : lblH_(lblH), editor_(editor), desktop_(desktop) {}
    void wire(QObject* context);

    void lblH_Click();
    void lblH_MouseUp(int button, int shift);

    // The stored code: "#" and the hex box's text, fitted to seven characters. Whether it
    // holds a colour is told only by the border of "#".
    QString TempColour = QString(7, QLatin1Char(' '));

  private:
    FormLabel*& lblH_;
    ColourEditor& editor_;
    DesktopServices& desktop_;
};

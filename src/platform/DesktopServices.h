#pragma once

#include "platform/ProgramTitle.h"

#include <QRegion>
#include <QString>
#include <array>
#include <cstdint>

class QWidget;

// What the program asks of the desktop. The running program uses QtDesktopServices;
// tests use a scripted implementation that records what was shown and answers on cue.
class DesktopServices {
  public:
    // Message box styles and answers, with the classic numbers the callers use.
    static constexpr int StyleOkOnly = 0;
    static constexpr int StyleYesNoQuestion = 36;
    static constexpr int AnswerOk = 1;
    static constexpr int AnswerYes = 6;
    static constexpr int AnswerNo = 7;

    // Colour dialog flags.
    static constexpr unsigned CcRgbInit = 0x1;
    static constexpr unsigned CcFullOpen = 0x2;
    static constexpr unsigned CcPreventFullOpen = 0x4;
    static constexpr unsigned CcSolidColor = 0x80;
    static constexpr unsigned CcAnyColor = 0x100;

    using CustomColourTable = std::array<std::int32_t, 16>;

    virtual ~DesktopServices() = default;

    // Clears the clipboard, then puts exactly this plain text on it.
    virtual void putClipboardText(const QString& text) = 0;

    // The desktop's display colour for a classic element index, as a colour value
    // (red in bits 0..7, green 8..15, blue 16..23).
    virtual std::int32_t sysColor(int index) = 0;

    // Runs the colour dialog. `colour` holds the initial colour (a plain colour value) and,
    // on confirmation, the chosen one; `custom` is read and written back. Returns false on cancel.
    virtual bool chooseColour(QWidget* owner, std::int32_t& colour, CustomColourTable& custom,
                              unsigned flags) = 0;

    // Gives the window a shape: it draws and takes input only inside `region`
    // (client-area coordinates).
    virtual void setWindowRegion(QWidget* window, const QRegion& region) = 0;

    // Keeps the window above normal windows, or returns it to normal stacking.
    virtual void setTopmost(QWidget* window, bool topmost) = 0;
    // Whether the program can ask for that at all. A native Wayland window cannot: there only
    // the desktop's own window menu keeps a window above others.
    virtual bool canKeepOnTop() const = 0;

    // Opens an address with the desktop's default handler.
    virtual void openAddress(const QString& address) = 0;

    // Modal message box; returns AnswerOk, AnswerYes or AnswerNo. It belongs to `owner` and is
    // centred on it; without one, to the program's active window.
    virtual int messageBox(const QString& text, int style, const QString& title, QWidget* owner) = 0;
    int messageBox(const QString& text, int style, const QString& title) {
        return messageBox(text, style, title, nullptr);
    }

    // Modal input box; returns the text typed, or an empty text when cancelled.
    virtual QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) = 0;

    // A plain notice with an OK button under the program's title.
    void tell(const QString& text) { messageBox(text, StyleOkOnly, ProgramTitle, nullptr); }
    void tell(QWidget& owner, const QString& text) { messageBox(text, StyleOkOnly, ProgramTitle, &owner); }
};

#pragma once

#include "platform/DesktopServices.h"
#include "support/QtPrinters.h"

#include <QList>
#include <QStringList>
#include <functional>

// A desktop for tests: records what the program showed and answers from a script.
class ScriptedDesktop : public DesktopServices {
  public:
    struct Message {
        QString text;
        int style;
        QString title;
        QWidget* owner;
    };
    struct Input {
        QString prompt;
        QString title;
        QString defaultText;
    };
    struct DialogCall {
        std::int32_t initialColour;
        unsigned flags;
        CustomColourTable custom;
    };

    // What the program did.
    QString clipboard;
    int clipboardWrites = 0;
    QList<Message> messages;
    QList<Input> inputs;
    QList<DialogCall> dialogs;
    QStringList openedAddresses;
    QList<bool> topmostCalls;
    // false plays a desktop without a way to keep a window above others (native Wayland).
    bool keepsOnTop = true;
    QList<QRegion> regions;

    // How the desktop answers. Empty queues answer Yes, an empty text, and cancel.
    QList<int> messageAnswers;
    QStringList inputAnswers;
    // Return true and set the colour to confirm; edits to the table are kept.
    std::function<bool(std::int32_t&, CustomColourTable&)> dialogAnswer;
    std::array<std::int32_t, 31> systemColours{};

    ScriptedDesktop();

    void putClipboardText(const QString& text) override;
    std::int32_t sysColor(int index) override;
    bool chooseColour(QWidget* owner, std::int32_t& colour, CustomColourTable& custom,
                      unsigned flags) override;
    void setWindowRegion(QWidget* window, const QRegion& region) override;
    void setTopmost(QWidget* window, bool topmost) override;
    bool canKeepOnTop() const override { return keepsOnTop; }
    void openAddress(const QString& address) override;
    using DesktopServices::messageBox;
    int messageBox(const QString& text, int style, const QString& title, QWidget* owner) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
};

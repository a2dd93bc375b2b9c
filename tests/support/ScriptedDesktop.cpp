#include "support/ScriptedDesktop.h"

ScriptedDesktop::ScriptedDesktop() {
    // Distinct, recognisable colours: index i is (i, 2i, 3i) + 100 per channel.
    for (int i = 0; i < 31; ++i) {
        systemColours[static_cast<std::size_t>(i)] = (100 + i) + 256 * (100 + 2 * i) + 65536 * (100 + 3 * i);
    }
}

void ScriptedDesktop::putClipboardText(const QString& text) {
    clipboard = text;
    ++clipboardWrites;
}

std::int32_t ScriptedDesktop::sysColor(int index) {
    return index >= 0 && index < 31 ? systemColours[static_cast<std::size_t>(index)] : 0;
}

bool ScriptedDesktop::chooseColour(QWidget*, std::int32_t& colour, CustomColourTable& custom,
                                   unsigned flags) {
    dialogs.append({colour, flags, custom});
    return dialogAnswer ? dialogAnswer(colour, custom) : false;
}

void ScriptedDesktop::setWindowRegion(QWidget*, const QRegion& region) {
    regions.append(region);
}

void ScriptedDesktop::setTopmost(QWidget*, bool topmost) {
    topmostCalls.append(topmost);
}

void ScriptedDesktop::openAddress(const QString& address) {
    openedAddresses.append(address);
}

int ScriptedDesktop::messageBox(const QString& text, int style, const QString& title, QWidget* owner) {
    messages.append({text, style, title, owner});
    if (style == StyleOkOnly) {
        return AnswerOk;
    }
    return messageAnswers.isEmpty() ? AnswerYes : messageAnswers.takeFirst();
}

QString ScriptedDesktop::inputBox(const QString& prompt, const QString& title, const QString& defaultText) {
    inputs.append({prompt, title, defaultText});
    return inputAnswers.isEmpty() ? QString() : inputAnswers.takeFirst();
}

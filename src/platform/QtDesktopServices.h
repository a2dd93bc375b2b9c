#pragma once

#include "platform/DesktopServices.h"

// The desktop as Qt reaches it: the system clipboard, the application palette for the classic
// display colours, QColorDialog, window masks, window flags, QDesktopServices, QMessageBox and
// QInputDialog.
class QtDesktopServices : public DesktopServices {
  public:
    void putClipboardText(const QString& text) override;
    std::int32_t sysColor(int index) override;
    bool chooseColour(QWidget* owner, std::int32_t& colour, CustomColourTable& custom,
                      unsigned flags) override;
    void setWindowRegion(QWidget* window, const QRegion& region) override;
    void setTopmost(QWidget* window, bool topmost) override;
    bool canKeepOnTop() const override;
    void openAddress(const QString& address) override;
    using DesktopServices::messageBox;
    int messageBox(const QString& text, int style, const QString& title, QWidget* owner) override;
    QString inputBox(const QString& prompt, const QString& title, const QString& defaultText) override;
};

#pragma once

#include <QString>
#include <functional>

class DesktopServices;
class FormLabel;
class QCheckBox;
class QObject;
class QWidget;
class Views;

// Small window behaviours: staying on top, the home-page label and its caption hint, and
// the Shift-click on the preview that toggles the full view.
class WindowExtras {
  public:
    static inline const QString HintCaption = QStringLiteral("Look for help and news");
    // Where the program cannot keep its window above others: why, and what does it instead.
    static inline const QString OnTopElsewhere =
        QStringLiteral("This desktop keeps a window on top only from its own window menu: press "
                       "Alt+Space and choose \"Always on Top\" (GNOME) or \"Keep Above Others\" (KDE).");

    struct Controls {
        QCheckBox*& chkOnTop;
        FormLabel*& lblURL;
    };
    // The two panel buttons, as a click on each runs.
    struct PanelButtons {
        std::function<void()> safePalette;
        std::function<void()> schemeEditor;
    };

    // `window` is kept on top and shows the hint in its title.
    WindowExtras(Controls controls, QWidget* window, const Views& views, DesktopServices& desktop,
                 PanelButtons buttons)
        : c(controls), window_(window), views_(views), desktop_(desktop), buttons_(std::move(buttons)) {}
    void wire(QObject* context);

    void chkOnTop_Click();
    // Start-up and shut-down of the box. Where the desktop cannot keep the window on top the
    // box stays unticked and the stored value is neither applied nor overwritten, so the next
    // run on a desktop that can finds it as it was.
    void restoreOnTop(bool stored);
    bool onTopToBeStored() const;
    // Right button: the address to the clipboard. Any other: the address opened.
    void lblURL_MouseUp(int button);
    void lblURL_MouseMove();
    // Pointer over a surface that ends the caption hint (the window, the on-top box, the
    // slider frame).
    void Form_MouseMove();
    void chkOnTop_MouseMove();
    void fraVSB_MouseMove();
    // Shift alone with any button: opens both extra panels, or closes both when both are open.
    void lblCMix_MouseUp(int button, int shift);
    // The address shows while the scheme editor, which covers its place, is closed.
    void followViews();

    // The address of the help page shipped with the program whose binary lies in
    // programFolder (share/tintwell/help.html beside its bin/), or an empty text when there is
    // none.
    static QString helpPageAddress(const QString& programFolder);

  private:
    Controls c;
    QWidget* window_;
    const Views& views_;
    DesktopServices& desktop_;
    PanelButtons buttons_;

    void showHint(bool on);
};

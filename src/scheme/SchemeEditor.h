#pragma once

#include "colour/SchemeCss.h"
#include "colour/modColors.h"
#include "scheme/PageVision.h"

#include <QString>
#include <array>
#include <functional>
#include <optional>

class DesktopServices;
class FormLabel;
class QMenu;
class QObject;
class QPlainTextEdit;
class QPoint;
class QPushButton;
class QRadioButton;
class Views;

// The five colours of a BODY tag: choosing a slot, writing each colour change into it, the
// tag text built from the slots and the bold switch of the samples. Slot k's code is the tag
// text of lblTag(k). The scheme also goes out as style-sheet text, and the page can be drawn
// as eyes that see colours differently would see it.
class SchemeEditor {
  public:
    static constexpr int NoSlot = -1;
    static constexpr int SlotCount = 5;

    // All on the scheme editor's panel: null until the extra panels are built.
    struct Controls {
        std::array<FormLabel*, 5>& lblTag;
        std::array<QRadioButton*, 5>& optTag;
        FormLabel*& lblBold;
        QPlainTextEdit*& txtTag;
        QPushButton*& cmdCopyTag;
    };
    struct Links {
        // Makes a colour current (the editor's refresh).
        std::function<void(modColors::ColourValue)> show;
        // Opens the colour dialog on the current colour.
        std::function<void()> openColourDialog;
    };

    SchemeEditor(Controls controls, const Views& views, DesktopServices& desktop, Links links)
        : pageVision(controls.lblTag), c(controls), views_(views), desktop_(desktop),
          links_(std::move(links)) {}
    // Its controls all lie on the scheme editor's panel: wired once that is built.
    void wire(QObject* context);

    // The refresh's step: while the editor is open and a slot is chosen, the colour goes
    // into that slot and the tag is rebuilt.
    void SchemeStep(modColors::ColourValue colour);
    void BuildBodyTag();
    // Shows a stored tag text: the field gets it as it stands, each slot its piece of it.
    void loadTag(const QString& text);
    // Exactly the text the field was given: the field itself turns a CR LF into a line feed
    // and shows only the start of a very long text.
    QString tagText() const;

    void optTag_Click(int index);
    void lblTag_Click(int index);
    void lblTag_DblClick(int index);
    void cmdCopyTag_Click();
    void lblBold_Click();

    // Gives slot k its code and shows the matching colour in its preview label.
    void setSlot(int slot, const QString& code, modColors::ColourValue colour);
    // Leaves no option button selected; the chosen slot stays as it is.
    void clearOptionButtons();

    // The slots' codes as they stand.
    schemeCss::SlotCodes slotCodes() const;

    // The slot that receives colour changes; it stays chosen for the rest of the run.
    int SelectedSlot = NoSlot;
    // How the page is drawn; set from its context menu.
    PageVision pageVision;

    // The field lays out every character it holds: a 10 MB text froze the window for seconds.
    // It is given this much, far more than its one line shows, and an ellipsis after it.
    static constexpr qsizetype ShownLength = 4096;

  private:
    Controls c;
    const Views& views_;
    DesktopServices& desktop_;
    Links links_;
    std::optional<QString> text_;

    // Gives the field a text; tagText() keeps it exactly.
    void showText(const QString& text);
    void chooseSlot(int index);
    // Adds the style-sheet copies to a context menu and shows it.
    void popUpWithCssCopies(QMenu* menu, const QPoint& globalPos);
    // Each sample word's tool tip tells its contrast against the page.
    void showContrast();
    // The colour of a slot's code; a code too short to hold one is told and gives black.
    modColors::ColourValue colourOfCode(const QString& code);
};

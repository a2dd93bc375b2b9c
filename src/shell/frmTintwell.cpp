#include "shell/frmTintwell.h"

#include "platform/DesktopServices.h"
#include "platform/SettingsStore.h"
#include "platform/StoredNumbers.h"
#include "shell/ControlInventory.h"
#include "shell/FocusOrder.h"
#include "shell/PanelReach.h"
#include "shell/WindowNotices.h"
#include "widgets/BuiltInImages.h"
#include "widgets/Fonts.h"
#include "widgets/MouseMoveHook.h"
#include "widgets/Twips.h"

#include <QCloseEvent>
#include <QDir>
#include <QIcon>

// The icon is compiled into the static library with the rest, and a static library's resources
// are linked in only when something names them.
static void useResources() {
    Q_INIT_RESOURCE(tintwell);
}

frmTintwell::frmTintwell(SettingsStore& settingsStore, DesktopServices& desktopServices, QWidget* parent)
    : QWidget(parent), store(settingsStore), desktop(desktopServices), settings(settingsStore, Title),
      views([this](int width, int height) { applyOuterSize(width, height); }, [this] { wireExtraPanels(); }),
      editor({vsbColor, lblColor, lblNColor, lblCMix, vsbDL, txtHex, chkSF, cmdWinColor}, flags, desktop,
             {.standardMatch = [this](modColors::ColourValue colour) { standard.MatchColour(colour); },
              .schemeStep = [this](modColors::ColourValue colour) { scheme.SchemeStep(colour); },
              .safeMatch = [this] { palette.MatchStep(); },
              .notation = [this] { notations.ShowNotation(); }}),
      dialog({cmdWinColor, lblCMix}, editor, desktop, this), picking(this, editor, desktop),
      tempStore(lblH, editor, desktop),
      standard({fraStCol, lblStandartColor, cmdColorName}, flags, desktop,
               {.show = [this](modColors::ColourValue colour) { editor.ShowColour(colour); },
                .endSnapping = [this] { editor.snapping.SwitchOffWithoutUndo(); },
                .notation = [this] { return notations.currentNotation(); },
                .shown = [this](bool matched) { notations.standardShown(matched); }}),
      notations({cboWhat, txtDec, cmdSend}, flags, desktop, standard,
                {.colour = [this] { return editor.currentColour(); },
                 .channels = [this] { return editor.channels(); },
                 .hex = [this] { return editor.hexText(); }}),
      palette({cmdSafe, fraSF, lblSF, optPerformance}, flags, settings, views,
              {.show = [this](modColors::ColourValue colour) { editor.ShowColour(colour); },
               .currentHex = [this] { return editor.hexText(); },
               .cellsMade = [this] { setFocusOrder(*this); }}),
      scheme({lblTag, optTag, lblBold, txtTag, cmdCopyTag}, views, desktop,
             {.show = [this](modColors::ColourValue colour) { editor.ShowColour(colour); },
              .openColourDialog = [this] { dialog.lblCMix_DblClick(); }}),
      schemes({cmdTagEditor, cboStore, cmdStoreTag, cmdDeleteTag}, scheme, settings, views, desktop),
      hole({vsHoleLeft, vsHoleTop, vsHoleRight, vsHoleBottom, vsHoleRoundX, vsHoleRoundY, cmdResetHole}, this,
           views, settings, desktop),
      extras({chkOnTop, lblURL}, this, views, desktop,
             {.safePalette = [this] { palette.cmdSafe_Click(); },
              .schemeEditor = [this] { schemes.cmdTagEditor_Click(); }}) {
    setObjectName(QStringLiteral("frmTintwell"));
    setWindowTitle(Title);
    useResources();
    setWindowIcon(QIcon(builtInImages::readPng(QStringLiteral(":/tintwell/tintwell.png"))));
    builtInImages::cacheStyleImages(*style());
    setFont(uiFont(8.25));
    setMouseTracking(true);

    inventory::build(this, *this, inventory::Panel::Main, systemColours());
    reach_ = std::make_unique<PanelReach>();
    // The hole's sliders hold its geometry from the start.
    reach_->add(inventory::build(this, *this, inventory::Panel::Hole, systemColours()));
    txtDec->setFocusPolicy(Qt::NoFocus);
    wireRooms();

    // A problem with the settings file is told in the window, once per kind, when the window is
    // on the screen and the action that met it has ended.
    notices_ = new WindowNotices(*this, desktop);
    store.setNoticeHandler([notices = notices_](const QString& text) { notices->add(text); });
    Form_Load();
    // After the load, which makes the standard cells. The window opens with the focus on the
    // first stop of the order, not on the first control made, which is a standard cell.
    setFocusOrder(*this);
    cmdWinColor->setFocus();
}

frmTintwell::~frmTintwell() {
    store.setNoticeHandler({});
}

modColors::SystemColourLookup frmTintwell::systemColours() const {
    return [&desktop = desktop](int index) { return desktop.sysColor(index); };
}

void frmTintwell::wireRooms() {
    editor.wire(this);
    dialog.wire(this);
    picking.wire();
    tempStore.wire(this);
    notations.wire(this);
    standard.wire(this);
    palette.wire(this);
    schemes.wire(this);
    hole.wire(this);
    extras.wire(this);
    // The preview and the slider frame are the editor's; what they do beyond it is wired here.
    connect(lblCMix, &FormLabel::mouseUp, this, [this](int button, int shift) {
        extras.lblCMix_MouseUp(button, shift);
        picking.lblCMix_MouseUp(button, shift);
    });
    fraVSB->setMouseTracking(true);
    new MouseMoveHook(fraVSB, [this] { extras.fraVSB_MouseMove(); });
    views.panelsChanged = [this] { extras.followViews(); };
}

void frmTintwell::wireExtraPanels() {
    reach_->add(inventory::build(this, *this, inventory::Panel::SchemeEditor, systemColours()));
    reach_->add(inventory::build(this, *this, inventory::Panel::SafePalette, systemColours()));
    setFocusOrder(*this);
    palette.wirePanel(this);
    scheme.wire(this);
    schemes.wirePanel(this);
}

void frmTintwell::applyOuterSize(int outerWidth, int outerHeight) {
    if (outerWidth <= 0 || outerHeight <= 0) {
        return;
    }
    // A fixed size: the user cannot uncover a panel by resizing.
    const int clientWidth = outerWidth - FrameWidthTwips;
    const int clientHeight = outerHeight - FrameHeightTwips;
    setFixedSize(twipsToPixels(clientWidth), twipsToPixels(clientHeight));
    if (outerWidth > NarrowWidthTwips || outerHeight > ShortHeightTwips) {
        views.buildExtraPanels();
    }
    reach_->apply(clientWidth, clientHeight);
}

void frmTintwell::Form_Load() {
    views.setOuterHeightTwips(ShortHeightTwips);
    views.setOuterWidthTwips(NarrowWidthTwips);
    standard.FillTables();
    editor.LastDarkLight = 128;
    standard.BuildCells(this);

    const QString notation =
        settings.get(QStringLiteral("Init"), QStringLiteral("cboWhat"), QStringLiteral("0"));
    // A stored value that is not a whole number in its control's range means the default.
    const int onTop = storedNumbers::toInt16InRange(
        settings.get(QStringLiteral("Init"), QStringLiteral("OnTop"), QStringLiteral("0")), 0, 1, 0);
    extras.restoreOnTop(onTop == 1);
    cboWhat->setCurrentIndex(storedNumbers::toInt16InRange(notation, 0, cboWhat->count() - 1, 0));

    editor.ShowColour(StandardColours::QBColor(8));

    hole.StartUp();
}

void frmTintwell::Form_Unload() {
    if (unloaded_) {
        return;
    }
    unloaded_ = true;
    // One summary at the end instead of a notice per kind on the way out.
    store.setNoticeHandler({});
    notices_->drop();
    QList<SettingsStore::Change> changes{{QStringLiteral("Init"), QStringLiteral("cboWhat"),
                                          storedNumbers::signedText(cboWhat->currentIndex())}};
    // Where the desktop cannot keep the window on top, the stored choice waits for one that can.
    if (extras.onTopToBeStored()) {
        changes.append({QStringLiteral("Init"), QStringLiteral("OnTop"),
                        storedNumbers::signedText(chkOnTop->isChecked() ? 1 : 0)});
    }
    changes += hole.shutDownSettings();
    // All in one replace, and a bounded wait for a busy lock: closing must not hang.
    settings.saveAll(changes);
    if (!store.flush(CloseWaitMs)) {
        tellUnsaved();
    }
}

void frmTintwell::tellUnsaved() {
    for (const SettingsStore::Unsaved& unsaved : store.unsaved()) {
        desktop.tell(QStringLiteral("These settings were not saved in %1 because %2:\n%3")
                         .arg(QDir::toNativeSeparators(unsaved.file), unsaved.reason,
                              unsaved.keys.join(QStringLiteral(", "))));
    }
}

void frmTintwell::closeEvent(QCloseEvent* event) {
    Form_Unload();
    event->accept();
}

void frmTintwell::mouseMoveEvent(QMouseEvent* event) {
    extras.Form_MouseMove();
    QWidget::mouseMoveEvent(event);
}

#include "shell/frmTintwell.h"

#include "editor/ColourDialog.h"
#include "editor/ColourEditor.h"
#include "notation/Notations.h"
#include "notation/StandardColours.h"
#include "palette/SafePalette.h"
#include "platform/DesktopServices.h"
#include "platform/SettingsStore.h"
#include "platform/StoredNumbers.h"
#include "scheme/SchemeEditor.h"
#include "scheme/StoredSchemes.h"
#include "shell/BuiltInImages.h"
#include "shell/ControlInventory.h"
#include "shell/FocusOrder.h"
#include "shell/Fonts.h"
#include "shell/PanelReach.h"
#include "shell/Twips.h"
#include "shell/WindowExtras.h"
#include "shell/WindowHole.h"

#include <QCloseEvent>
#include <QDir>
#include <QIcon>

// The icon is compiled into the static library with the rest, and a static library's resources
// are linked in only when something names them.
static void useResources() {
    Q_INIT_RESOURCE(tintwell);
}

struct frmTintwell::Rooms {
    explicit Rooms(frmTintwell& f)
        : editor(f), dialog(f), notations(f), standard(f), palette(f), scheme(f), schemes(f), hole(f),
          extras(f) {}
    ColourEditor editor;
    ColourDialog dialog;
    Notations notations;
    StandardColours standard;
    SafePalette palette;
    SchemeEditor scheme;
    StoredSchemes schemes;
    WindowHole hole;
    WindowExtras extras;
};

frmTintwell::frmTintwell(SettingsStore& settings, DesktopServices& desktopServices, QWidget* parent)
    : QWidget(parent), rooms_(std::make_unique<Rooms>(*this)), store(settings), desktop(desktopServices),
      editor(rooms_->editor), dialog(rooms_->dialog), notations(rooms_->notations),
      standard(rooms_->standard), palette(rooms_->palette), scheme(rooms_->scheme), schemes(rooms_->schemes),
      hole(rooms_->hole), extras(rooms_->extras) {
    modColors::UseDesktop(&desktop);
    setObjectName(QStringLiteral("frmTintwell"));
    setWindowTitle(Title);
    useResources();
    setWindowIcon(QIcon(builtInImages::readPng(QStringLiteral(":/tintwell/tintwell.png"))));
    builtInImages::cacheStyleImages(*style());
    setFont(uiFont(8.25));
    setMouseTracking(true);

    inventory::build(this, *this, inventory::Panel::Main);
    reach_ = std::make_unique<PanelReach>();
    // The hole's sliders hold its geometry from the start.
    reach_->add(inventory::build(this, *this, inventory::Panel::Hole));
    txtDec->setFocusPolicy(Qt::NoFocus);
    setFocusOrder(*this);

    editor.wire();
    dialog.wire();
    notations.wire();
    standard.wire();
    palette.wire();
    schemes.wire();
    hole.wire();
    extras.wire();

    // A problem with the settings file is told in the window, once per kind.
    store.setNoticeHandler(
        [this](const QString& text) { desktop.messageBox(text, DesktopServices::StyleOkOnly, Title); });
    Form_Load();
}

frmTintwell::~frmTintwell() {
    store.setNoticeHandler({});
    if (modColors::Desktop() == &desktop) {
        modColors::UseDesktop(nullptr);
    }
}

void frmTintwell::buildExtraPanels() {
    if (extraPanelsBuilt_) {
        return;
    }
    extraPanelsBuilt_ = true;
    reach_->add(inventory::build(this, *this, inventory::Panel::SchemeEditor));
    reach_->add(inventory::build(this, *this, inventory::Panel::SafePalette));
    setFocusOrder(*this);
    dialog.wirePanel();
    palette.wirePanel();
    scheme.wire();
    schemes.wirePanel();
}

void frmTintwell::setOuterWidthTwips(int twips) {
    outerWidth_ = twips;
    applyOuterSize();
}

void frmTintwell::setOuterHeightTwips(int twips) {
    outerHeight_ = twips;
    applyOuterSize();
}

void frmTintwell::applyOuterSize() {
    if (outerWidth_ <= 0 || outerHeight_ <= 0) {
        return;
    }
    // A fixed size: the user cannot uncover a panel by resizing.
    const int clientWidth = outerWidth_ - FrameWidthTwips;
    const int clientHeight = outerHeight_ - FrameHeightTwips;
    setFixedSize(twipsToPixels(clientWidth), twipsToPixels(clientHeight));
    if (outerWidth_ > NarrowWidthTwips || outerHeight_ > ShortHeightTwips) {
        buildExtraPanels();
    }
    reach_->apply(clientWidth, clientHeight);
}

QString frmTintwell::getSetting(const QString& section, const QString& key,
                                const QString& defaultValue) const {
    return store.GetSetting(Title, section, key, defaultValue);
}

void frmTintwell::saveSetting(const QString& section, const QString& key, const QString& value) {
    store.SaveSetting(Title, section, key, value);
}

void frmTintwell::Form_Load() {
    setOuterHeightTwips(ShortHeightTwips);
    setOuterWidthTwips(NarrowWidthTwips);
    standard.FillTables();
    editor.LastDarkLight = 128;
    standard.BuildCells();

    const QString notation =
        getSetting(QStringLiteral("Init"), QStringLiteral("cboWhat"), QStringLiteral("0"));
    // A stored value that is not a whole number in its control's range means the default.
    const int onTop = storedNumbers::toInt16InRange(
        getSetting(QStringLiteral("Init"), QStringLiteral("OnTop"), QStringLiteral("0")), 0, 1, 0);
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
    QList<SettingsStore::Change> changes{{QStringLiteral("Init"), QStringLiteral("cboWhat"),
                                          storedNumbers::signedText(cboWhat->currentIndex())}};
    // Where the desktop cannot keep the window on top, the stored choice waits for one that can.
    if (extras.onTopToBeStored()) {
        changes.append({QStringLiteral("Init"), QStringLiteral("OnTop"),
                        storedNumbers::signedText(chkOnTop->isChecked() ? 1 : 0)});
    }
    changes += hole.shutDownSettings();
    // All in one replace, and a bounded wait for a busy lock: closing must not hang.
    store.SaveSettings(Title, changes);
    if (!store.flush(CloseWaitMs)) {
        tellUnsaved();
    }
}

void frmTintwell::tellUnsaved() {
    for (const SettingsStore::Unsaved& unsaved : store.unsaved()) {
        desktop.messageBox(QStringLiteral("These settings were not saved in %1 because %2:\n%3")
                               .arg(QDir::toNativeSeparators(unsaved.file), unsaved.reason,
                                    unsaved.keys.join(QStringLiteral(", "))),
                           DesktopServices::StyleOkOnly, Title);
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

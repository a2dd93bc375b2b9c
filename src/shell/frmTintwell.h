#pragma once

#include "editor/ColourDialog.h"
#include "editor/ColourEditor.h"
#include "editor/ScreenPicking.h"
#include "editor/TemporaryStore.h"
#include "handles/Views.h"
#include "notation/Notations.h"
#include "notation/StandardColours.h"
#include "palette/SafePalette.h"
#include "platform/AppSettings.h"
#include "platform/ProgramTitle.h"
#include "scheme/SchemeEditor.h"
#include "scheme/StoredSchemes.h"
#include "shell/Controls.h"
#include "shell/WindowExtras.h"
#include "shell/WindowHole.h"
#include "widgets/GuardFlags.h"

#include <QWidget>
#include <memory>

class SettingsStore;
class DesktopServices;
class PanelReach;
class WindowNotices;

// The program's one window and the only place that knows every room. It owns the controls
// (built from the inventory), the shared guard flags and one object per room; it hands each
// room its controls and the narrow handles it needs, wires them, and runs start-up and
// shut-down.
class frmTintwell : public QWidget, public Controls {
    Q_OBJECT

  public:
    static inline const QString& Title = ProgramTitle;

    frmTintwell(SettingsStore& store, DesktopServices& desktop, QWidget* parent = nullptr);
    ~frmTintwell() override;

    SettingsStore& store;
    DesktopServices& desktop;
    AppSettings settings;
    GuardFlags flags;
    Views views;

    ColourEditor editor;
    ColourDialog dialog;
    ScreenPicking picking;
    TemporaryStore tempStore;
    StandardColours standard;
    Notations notations;
    SafePalette palette;
    SchemeEditor scheme;
    StoredSchemes schemes;
    WindowHole hole;
    WindowExtras extras;

    // The outer window size in twips, as the program last set it. The client area is this less
    // the designed frame, so the size alone decides which panels are uncovered.
    int outerWidthTwips() const { return views.outerWidthTwips(); }
    int outerHeightTwips() const { return views.outerHeightTwips(); }

    // The scheme editor's and the safe palette's controls are built when the window first grows
    // past the compact view (or earlier, by a room that fills its panel before widening the
    // window); a start that stays compact never builds them.
    void buildExtraPanels() { views.buildExtraPanels(); }
    bool extraPanelsBuilt() const { return views.extraPanelsBuilt(); }

    void Form_Load();
    void Form_Unload();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    bool unloaded_ = false;
    std::unique_ptr<PanelReach> reach_;
    // A child of the window.
    WindowNotices* notices_ = nullptr;
    // How long closing may wait for the settings file's lock.
    static constexpr int CloseWaitMs = 700;

    // The desktop's display colours, as the controls draw system colours.
    modColors::SystemColourLookup systemColours() const;
    void wireRooms();
    void wireExtraPanels();
    void tellUnsaved();
    void applyOuterSize(int outerWidthTwips, int outerHeightTwips);
};

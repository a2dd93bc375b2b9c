#pragma once

#include "shell/Controls.h"
#include "shell/GuardFlags.h"

#include <QWidget>
#include <memory>

class SettingsStore;
class DesktopServices;
class ColourEditor;
class ColourDialog;
class Notations;
class StandardColours;
class SafePalette;
class SchemeEditor;
class StoredSchemes;
class WindowHole;
class WindowExtras;
class PanelReach;

// The program's one window. It owns the controls (built from the inventory), the shared
// guard flags and one object per room; it wires each room and runs start-up and shut-down.
class frmTintwell : public QWidget, public Controls {
    Q_OBJECT
    // Declared first: the room references below are bound to its members.
    struct Rooms;
    std::unique_ptr<Rooms> rooms_;

  public:
    static inline const QString Title = QStringLiteral("Tintwell");

    frmTintwell(SettingsStore& store, DesktopServices& desktop, QWidget* parent = nullptr);
    ~frmTintwell() override;

    SettingsStore& store;
    DesktopServices& desktop;
    GuardFlags flags;

    ColourEditor& editor;
    ColourDialog& dialog;
    Notations& notations;
    StandardColours& standard;
    SafePalette& palette;
    SchemeEditor& scheme;
    StoredSchemes& schemes;
    WindowHole& hole;
    WindowExtras& extras;

    // The outer window size in twips, as the program last set it. The client area is this less
    // the designed frame, so the size alone decides which panels are uncovered.
    int outerWidthTwips() const { return outerWidth_; }
    int outerHeightTwips() const { return outerHeight_; }
    void setOuterWidthTwips(int twips);
    void setOuterHeightTwips(int twips);

    // The scheme editor's and the safe palette's controls are built when the window first grows
    // past the compact view (or earlier, by a room that fills its panel before widening the
    // window); a start that stays compact never builds them.
    void buildExtraPanels();
    bool extraPanelsBuilt() const { return extraPanelsBuilt_; }

    // Settings of this program, under its title.
    QString getSetting(const QString& section, const QString& key, const QString& defaultValue) const;
    void saveSetting(const QString& section, const QString& key, const QString& value);

    void Form_Load();
    void Form_Unload();

  protected:
    void closeEvent(QCloseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    int outerWidth_ = 0;
    int outerHeight_ = 0;
    bool unloaded_ = false;
    bool extraPanelsBuilt_ = false;
    std::unique_ptr<PanelReach> reach_;
    // How long closing may wait for the settings file's lock.
    static constexpr int CloseWaitMs = 700;

    void tellUnsaved();

    void applyOuterSize();
};

#pragma once

#include "platform/SettingsStore.h"

#include <QRegion>
#include <array>
#include <cstdint>

class AppSettings;
class DesktopServices;
class QObject;
class QPushButton;
class QScrollBar;
class QWidget;
class Views;

// The rounded see-through hole cut into the window next to the preview, its six sliders and
// their reset, and the geometry kept in the settings store between runs.
class WindowHole {
  public:
    // Left, top, right, bottom, corner-ellipse width and height: pixels measured from the
    // outer corner of the window, frame and title bar included.
    using Geometry = std::array<std::int32_t, 6>;
    static constexpr Geometry StandardHole{270, 120, 320, 140, 20, 20};

    struct Controls {
        QScrollBar*& vsHoleLeft;
        QScrollBar*& vsHoleTop;
        QScrollBar*& vsHoleRight;
        QScrollBar*& vsHoleBottom;
        QScrollBar*& vsHoleRoundX;
        QScrollBar*& vsHoleRoundY;
        QPushButton*& cmdResetHole;
    };

    // `window` is the window the hole is cut into.
    WindowHole(Controls controls, QWidget* window, const Views& views, const AppSettings& settings,
               DesktopServices& desktop)
        : c(controls), window_(window), views_(views), settings_(settings), desktop_(desktop) {}
    void wire(QObject* context);

    // Start-up: read the geometry, cut the hole, set the sliders. Shut-down: write it back.
    void StartUp();
    // What shut-down writes for the hole.
    QList<SettingsStore::Change> shutDownSettings() const;

    void CutWindowHole(const Geometry& geometry);
    // The window's shape for a geometry, in client-area pixels.
    QRegion windowRegion(const Geometry& geometry) const;

    void vsHoleLeft_Change();
    void vsHoleRight_Change();
    void vsHoleTop_Change();
    void vsHoleBottom_Change();
    void vsHoleRoundX_Change();
    void vsHoleRoundY_Change();
    void cmdResetHole_Click();

    Geometry HoleGeometry{};
    // The rectangle the hole is cut from: the full view's outer size, set once at start-up.
    float RegionWidth = 0;
    float RegionHeight = 0;

  private:
    Controls c;
    QWidget* window_;
    const Views& views_;
    const AppSettings& settings_;
    DesktopServices& desktop_;

    QScrollBar* slider(int element) const;
    void change(int element);
    void keepBelowPartner(int element, int partner);
    void keepAbovePartner(int element, int partner);
    void scroll(int element, int position);
};

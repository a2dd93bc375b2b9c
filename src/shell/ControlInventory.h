#pragma once

#include "colour/modColors.h"

#include <QString>
#include <functional>
#include <vector>

class QWidget;
struct Controls;

// The window's controls as data: what each one is, where it lies (twips) and how it looks
// when it is created. The shell builds each panel from its rows in their order, which is also
// the stacking order within the panel (later entries lie on top); the panels do not overlap.
namespace inventory {

enum class Kind {
    Frame,
    Label,
    Button,
    CheckBox,
    Option,
    Combo,
    TextBox,
    MultiLineText,
    Line,
    VSlider,
    HSlider
};

enum Flag : unsigned {
    Border = 1u << 0,       // single-line border
    Transparent = 1u << 1,  // label shows its parent through
    Centred = 1u << 2,      // text centred
    RightAligned = 1u << 3, // text right-aligned
    ReadOnly = 1u << 4,     // locked against typing
    Disabled = 1u << 5,     // greyed, cannot be operated
    WordWrap = 1u << 6,     // label wraps its words
    Bold = 1u << 7,
    Underline = 1u << 8,
    Mono = 1u << 9,        // fixed-pitch face
    NoFrame = 1u << 10,    // text box without border
    Selected = 1u << 11,   // option button chosen at creation
    HandCursor = 1u << 12, // pointer over the control is a hand
    Outlined = 1u << 13,   // caption gets a contrasting halo where its colour is faint
    FitInRoom = 1u << 14,  // label fitted to its text within width x height, its font smaller if it must
    Pressable = 1u << 15,  // label answers Space, Enter and the menu key as the mouse buttons
    Switch = 1u << 16      // a pressable label's border is on or off, and is read so
};

constexpr modColors::ColourValue Unset = -2;
// A system colour: bit 31 plus the classic display-element index.
constexpr modColors::ColourValue systemColour(int index) {
    return static_cast<modColors::ColourValue>(0x80000000u | static_cast<unsigned>(index));
}

struct ControlSpec {
    QString name; // objectName; an array element is "name(index)"
    Kind kind = Kind::Label;
    QString parent; // frame name, or empty for the window
    int left = 0, top = 0;
    int width = 0, height = 0; // 0 for a label fitted to its text
    const char* caption = "";
    const char* toolTip = "";
    // What assistive tools call it, where the caption alone does not say.
    const char* accessibleName = "";
    double points = 8.25;
    unsigned flags = 0;
    modColors::ColourValue fore = Unset;
    modColors::ColourValue back = Unset;
    // Sliders: the value at the top (or left) end and at the bottom (or right) end.
    int topValue = 0, bottomValue = 0, value = 0, largeStep = 0;
    int maxLength = 0;
    std::vector<const char*> items{};
    std::function<void(QWidget*)> bind{};
};

// The window's parts. The main panel shows in the compact view; each of the others lies outside
// it until the window grows over it.
enum class Panel { Main, SchemeEditor, SafePalette, Hole };

std::vector<ControlSpec> table(Controls& controls, Panel panel);

// Creates every control of a panel under `window`, names it and binds it into `controls`.
// System colours in the layout are drawn as `systemColours` resolves them. Returns the
// controls placed directly on the window (a frame carries its own).
std::vector<QWidget*> build(QWidget* window, Controls& controls, Panel panel,
                            const modColors::SystemColourLookup& systemColours);

} // namespace inventory

#include "shell/ControlInventory.h"

#include "notation/NotationIndex.h"
#include "shell/Controls.h"
#include "shell/InventoryRows.h"

namespace inventory {

namespace {
using modColors::RGB;
using rows::indexed;
using rows::into;

constexpr auto ButtonFace = systemColour(15);
constexpr auto ButtonHighlight = systemColour(20);
constexpr auto ButtonShadow = systemColour(16);

const char* const ChannelNames[3] = {"Nred", "Ngreen", "Nblue"};
const char* const ChannelSliderNames[3] = {"Red", "Green", "Blue"};
} // namespace

std::vector<ControlSpec> table(Controls& c, Panel panel) {
    std::vector<ControlSpec> t;
    switch (panel) {
    case Panel::Main:
        rows::mainPanel(t, c);
        break;
    case Panel::SchemeEditor:
        rows::schemeEditorPanel(t, c);
        break;
    case Panel::SafePalette:
        rows::safePalettePanel(t, c);
        break;
    case Panel::Hole:
        rows::holePanel(t, c);
        break;
    }
    return t;
}

void rows::mainPanel(std::vector<ControlSpec>& t, Controls& c) {
    // Main panel: the standard colours, the buttons above the preview, the swatches.
    t.push_back({.name = "fraStCol",
                 .kind = Kind::Frame,
                 .top = -30,
                 .width = 2175,
                 .height = 735,
                 .bind = into(c.fraStCol)});
    t.push_back({.name = "lblStandartColor(0)",
                 .parent = "fraStCol",
                 .left = 120,
                 .top = 120,
                 .width = 255,
                 .height = 240,
                 .caption = "0",
                 .toolTip = "Click to select standart color",
                 .flags = Centred | Pressable,
                 .fore = RGB(255, 255, 255),
                 .back = 0,
                 .bind = into(c.lblStandartColor[0])});
    t.push_back({.name = "cmdColorName",
                 .kind = Kind::Button,
                 .left = 2250,
                 .top = 85,
                 .width = 1455,
                 .height = 340,
                 .bind = into(c.cmdColorName)});
    t.push_back({.name = "cmdWinColor",
                 .kind = Kind::Button,
                 .left = 3720,
                 .top = 85,
                 .width = 495,
                 .height = 495,
                 .caption = "&W",
                 .toolTip = "Open Windows Color Dialog",
                 .accessibleName = "Colour dialog",
                 .flags = Bold,
                 .bind = into(c.cmdWinColor)});
    t.push_back({.name = "cmdSafe",
                 .kind = Kind::Button,
                 .left = 4320,
                 .top = 85,
                 .width = 615,
                 .height = 495,
                 .caption = "S&F >>",
                 .toolTip = "Open-Close Safe Pallette Colors",
                 .bind = into(c.cmdSafe)});
    t.push_back({.name = "chkSF",
                 .kind = Kind::CheckBox,
                 .left = 2280,
                 .top = 480,
                 .width = 1215,
                 .height = 195,
                 .caption = "Safe &Pallette",
                 .toolTip = "To Undo SF change, uncheck before other changes",
                 .bind = into(c.chkSF)});
    const int swatchLeft[3] = {2160, 3090, 4020};
    const int swatchWidth[3] = {930, 930, 915};
    for (int i = 0; i < 3; ++i) {
        t.push_back({.name = indexed("lblColor", i),
                     .left = swatchLeft[i],
                     .top = 720,
                     .width = swatchWidth[i],
                     .height = 465,
                     .flags = Border,
                     .back = 0,
                     .bind = into(c.lblColor[i])});
    }
    const int numberLeft[3] = {2400, 3120, 4200};
    for (int i = 0; i < 3; ++i) {
        t.push_back({.name = indexed("lblNColor", i),
                     .left = numberLeft[i],
                     .top = 840,
                     .caption = ChannelNames[i],
                     .points = 9.75,
                     .flags = Centred | Transparent | Bold,
                     .fore = RGB(255, 255, 192),
                     .bind = into(c.lblNColor[i])});
    }
    t.push_back(
        {.name = "lblCMix",
         .left = 2160,
         .top = 1200,
         .width = 2775,
         .height = 1575,
         .toolTip = "DblClick to open Windows Color Dialog. SHIFT + Right Click opens full program screen",
         .points = 9.75,
         .flags = Border | Bold,
         .back = ButtonFace,
         .bind = into(c.lblCMix)});

    // The six sliders and their labels.
    t.push_back({.name = "fraVSB",
                 .kind = Kind::Frame,
                 .top = 600,
                 .width = 2055,
                 .height = 3015,
                 .bind = into(c.fraVSB)});
    const int sliderLeft[3] = {120, 360, 600};
    FormLabel** channelLabel[3] = {&c.lblR, &c.lblG, &c.lblB};
    const char* channelCaption[3] = {"R", "G", "B"};
    const char* channelLabelName[3] = {"lblR", "lblG", "lblB"};
    const modColors::ColourValue channelColour[3] = {RGB(255, 0, 0), RGB(0, 192, 0), RGB(0, 0, 255)};
    for (int i = 0; i < 3; ++i) {
        t.push_back({.name = channelLabelName[i],
                     .parent = "fraVSB",
                     .left = sliderLeft[i],
                     .top = 240,
                     .caption = channelCaption[i],
                     .flags = Bold | Transparent | Outlined,
                     .fore = channelColour[i],
                     .bind = into(*channelLabel[i])});
        t.push_back({.name = indexed("vsbColor", i),
                     .kind = Kind::VSlider,
                     .parent = "fraVSB",
                     .left = sliderLeft[i],
                     .top = 480,
                     .width = 135,
                     .height = 2415,
                     .accessibleName = ChannelSliderNames[i],
                     .topValue = 255,
                     .bottomValue = 0,
                     .largeStep = 16,
                     .bind = into(c.vsbColor[i])});
    }
    t.push_back({.name = "lblL",
                 .parent = "fraVSB",
                 .left = 840,
                 .top = 240,
                 .caption = "Light",
                 .flags = Bold | Transparent | Outlined,
                 .fore = RGB(255, 255, 255),
                 .bind = into(c.lblL)});
    t.push_back({.name = "vsbDL",
                 .kind = Kind::VSlider,
                 .parent = "fraVSB",
                 .left = 960,
                 .top = 480,
                 .width = 135,
                 .height = 2295,
                 .accessibleName = "Dark to light",
                 .topValue = 255,
                 .bottomValue = 0,
                 .largeStep = 16,
                 .bind = into(c.vsbDL)});
    t.push_back({.name = "lblD",
                 .parent = "fraVSB",
                 .left = 840,
                 .top = 2760,
                 .caption = "Dark",
                 .flags = Bold | Transparent,
                 .bind = into(c.lblD)});
    t.push_back({.name = "lblC",
                 .parent = "fraVSB",
                 .left = 1560,
                 .top = 240,
                 .caption = "C",
                 .toolTip = "Contrast",
                 .flags = Bold | Transparent | Outlined,
                 .fore = RGB(128, 255, 255),
                 .bind = into(c.lblC)});
    t.push_back({.name = "vsbSaturation",
                 .kind = Kind::VSlider,
                 .parent = "fraVSB",
                 .left = 1560,
                 .top = 480,
                 .width = 135,
                 .height = 2295,
                 .accessibleName = "Contrast",
                 .flags = Disabled,
                 .topValue = 255,
                 .bottomValue = 0,
                 .largeStep = 16,
                 .bind = into(c.vsbSaturation)});
    t.push_back({.name = "lblT",
                 .parent = "fraVSB",
                 .left = 1800,
                 .top = 240,
                 .caption = "T",
                 .toolTip = "Tone",
                 .flags = Bold | Transparent | Outlined,
                 .fore = RGB(128, 255, 128),
                 .bind = into(c.lblT)});
    t.push_back({.name = "vsbTone",
                 .kind = Kind::VSlider,
                 .parent = "fraVSB",
                 .left = 1800,
                 .top = 480,
                 .width = 135,
                 .height = 2295,
                 .accessibleName = "Tone",
                 .flags = Disabled,
                 .topValue = 240,
                 .bottomValue = 0,
                 .largeStep = 20,
                 .bind = into(c.vsbTone)});

    // The code, the notation row and the bottom row.
    t.push_back({.name = "lblH",
                 .left = 2160,
                 .top = 2840,
                 // Up to the hex box and the notation field: a larger desktop font must not
                 // put the temporary store's frame under them.
                 .width = 240,
                 .height = 400,
                 .caption = "#",
                 .toolTip = "DoubleClick on # to copy to clipboard, RightClick - temp store. "
                            "Keys: Space copies, the menu key stores or recalls",
                 .accessibleName = "Copy code, store or recall colour",
                 .points = 15,
                 .flags = Bold | Mono | Transparent | FitInRoom | Pressable | Switch,
                 .bind = into(c.lblH)});
    t.push_back({.name = "txtHex",
                 .kind = Kind::TextBox,
                 .left = 2400,
                 .top = 2880,
                 .width = 1005,
                 .height = 285,
                 .caption = "123456",
                 .toolTip = "You can put your HTML-color here",
                 .accessibleName = "HTML code",
                 .points = 12,
                 .flags = Bold | Mono,
                 .maxLength = 6,
                 .bind = into(c.txtHex)});
    t.push_back({.name = "cboWhat",
                 .kind = Kind::Combo,
                 .left = 3720,
                 .top = 2880,
                 .width = 1215,
                 .height = 315,
                 .accessibleName = "Notation",
                 .items = {notation::Names.begin(), notation::Names.end()},
                 .bind = into(c.cboWhat)});
    t.push_back({.name = "txtDec",
                 .kind = Kind::TextBox,
                 .left = 2050,
                 .top = 3240,
                 .width = 1575,
                 .height = 255,
                 .caption = "WWWWWWWW",
                 .accessibleName = "Colour in the notation",
                 .points = 9.75,
                 .flags = ReadOnly | NoFrame | RightAligned,
                 .back = ButtonFace,
                 .bind = into(c.txtDec)});
    t.push_back({.name = "cmdSend",
                 .kind = Kind::Button,
                 .left = 3720,
                 .top = 3240,
                 .width = 1215,
                 .height = 315,
                 .caption = "&To clipboard",
                 .bind = into(c.cmdSend)});
    t.push_back({.name = "liLight",
                 .kind = Kind::Line,
                 .left = 2170,
                 .top = 3540,
                 .width = 1430,
                 .height = 15,
                 .back = ButtonHighlight,
                 .bind = into(c.liLight)});
    t.push_back({.name = "liDark",
                 .kind = Kind::Line,
                 .left = 2170,
                 .top = 3550,
                 .width = 1430,
                 .height = 15,
                 .back = ButtonShadow,
                 .bind = into(c.liDark)});
    t.push_back({.name = "liL2",
                 .kind = Kind::Line,
                 .left = 2170,
                 .top = 3580,
                 .width = 1430,
                 .height = 15,
                 .back = ButtonHighlight,
                 .bind = into(c.liL2)});
    t.push_back({.name = "liD2",
                 .kind = Kind::Line,
                 .left = 2170,
                 .top = 3600,
                 .width = 1430,
                 .height = 15,
                 .back = ButtonShadow,
                 .bind = into(c.liD2)});
    t.push_back({.name = "cmdTagEditor",
                 .kind = Kind::Button,
                 .left = 3720,
                 .top = 3600,
                 .width = 1215,
                 .height = 315,
                 .caption = "Tag &Editor >>",
                 .toolTip = "Open-Close tag <BODY> Editor",
                 .bind = into(c.cmdTagEditor)});
    t.push_back({.name = "chkOnTop",
                 .kind = Kind::CheckBox,
                 .top = 3670,
                 .width = 855,
                 .height = 195,
                 .caption = "&On Top",
                 .toolTip = "Make the form top of most",
                 .bind = into(c.chkOnTop)});
    t.push_back({.name = "lblURL",
                 .left = 840,
                 .top = 3675,
                 .width = 2760,
                 .height = 195,
                 .toolTip = "Right Click to copy URL to clipboard. Keys: Enter opens, the menu key copies",
                 .accessibleName = "Help page",
                 .flags = Underline | Transparent | HandCursor | Pressable,
                 .fore = RGB(0, 0, 255),
                 .bind = into(c.lblURL)});
}

} // namespace inventory

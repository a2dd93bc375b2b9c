#include "shell/ControlInventory.h"

#include "shell/Controls.h"

#include <QString>

namespace inventory {

namespace {
using modColors::RGB;

template <class T> std::function<void(QWidget*)> into(T*& slot) {
    return [&slot](QWidget* w) { slot = static_cast<T*>(w); };
}

constexpr auto ButtonFace = systemColour(15);
constexpr auto ButtonHighlight = systemColour(20);
constexpr auto ButtonShadow = systemColour(16);

const char* const ChannelNames[3] = {"Nred", "Ngreen", "Nblue"};

QString indexed(const char* name, int index) { return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index); }
} // namespace

std::vector<ControlSpec> table(Controls& c) {
    std::vector<ControlSpec> t;

    // Main panel: the standard colours, the buttons above the preview, the swatches.
    t.push_back({.name = "fraStCol", .kind = Kind::Frame, .top = -30, .width = 2175, .height = 735,
                 .bind = into(c.fraStCol)});
    t.push_back({.name = "lblStandartColor(0)", .parent = "fraStCol", .left = 120, .top = 120, .width = 255,
                 .height = 240, .caption = "0", .toolTip = "Click to select standart color", .flags = Centred,
                 .fore = RGB(255, 255, 255), .back = 0, .bind = into(c.lblStandartColor[0])});
    t.push_back({.name = "cmdColorName", .kind = Kind::Button, .left = 2250, .top = 85, .width = 1455,
                 .height = 340, .bind = into(c.cmdColorName)});
    t.push_back({.name = "cmdWinColor", .kind = Kind::Button, .left = 3720, .top = 85, .width = 495, .height = 495,
                 .caption = "&W", .toolTip = "Open Windows Color Dialog", .flags = Bold,
                 .bind = into(c.cmdWinColor)});
    t.push_back({.name = "cmdSafe", .kind = Kind::Button, .left = 4320, .top = 85, .width = 615, .height = 495,
                 .caption = "S&F >>", .toolTip = "Open-Close Safe Pallette Colors", .bind = into(c.cmdSafe)});
    t.push_back({.name = "chkSF", .kind = Kind::CheckBox, .left = 2280, .top = 480, .width = 1215, .height = 195,
                 .caption = "Safe &Pallette", .toolTip = "To Undo SF change, uncheck before other changes",
                 .bind = into(c.chkSF)});
    const int swatchLeft[3] = {2160, 3090, 4020};
    const int swatchWidth[3] = {930, 930, 915};
    for (int i = 0; i < 3; ++i) {
        t.push_back({.name = indexed("lblColor", i), .left = swatchLeft[i], .top = 720, .width = swatchWidth[i], .height = 465,
                     .flags = Border, .back = 0, .bind = into(c.lblColor[i])});
    }
    const int numberLeft[3] = {2400, 3120, 4200};
    for (int i = 0; i < 3; ++i) {
        t.push_back({.name = indexed("lblNColor", i), .left = numberLeft[i], .top = 840, .caption = ChannelNames[i],
                     .points = 9.75, .flags = Centred | Transparent | Bold, .fore = RGB(255, 255, 192),
                     .bind = into(c.lblNColor[i])});
    }
    t.push_back({.name = "lblCMix", .left = 2160, .top = 1200, .width = 2775, .height = 1575,
                 .toolTip = "DblClick to open Windows Color Dialog. SHIFT + Right Click opens full program screen",
                 .points = 9.75, .flags = Border | Bold, .back = ButtonFace, .bind = into(c.lblCMix)});

    // The six sliders and their labels.
    t.push_back({.name = "fraVSB", .kind = Kind::Frame, .top = 600, .width = 2055, .height = 3015,
                 .bind = into(c.fraVSB)});
    const int sliderLeft[3] = {120, 360, 600};
    FormLabel** channelLabel[3] = {&c.lblR, &c.lblG, &c.lblB};
    const char* channelCaption[3] = {"R", "G", "B"};
    const char* channelLabelName[3] = {"lblR", "lblG", "lblB"};
    const modColors::ColourValue channelColour[3] = {RGB(255, 0, 0), RGB(0, 192, 0), RGB(0, 0, 255)};
    for (int i = 0; i < 3; ++i) {
        t.push_back({.name = channelLabelName[i], .parent = "fraVSB", .left = sliderLeft[i], .top = 240,
                     .caption = channelCaption[i], .flags = Bold | Transparent, .fore = channelColour[i],
                     .bind = into(*channelLabel[i])});
        t.push_back({.name = indexed("vsbColor", i), .kind = Kind::VSlider, .parent = "fraVSB", .left = sliderLeft[i],
                     .top = 480, .width = 135, .height = 2415, .topValue = 255, .bottomValue = 0, .largeStep = 16,
                     .bind = into(c.vsbColor[i])});
    }
    t.push_back({.name = "lblL", .parent = "fraVSB", .left = 840, .top = 240, .caption = "Light",
                 .flags = Bold | Transparent, .fore = RGB(255, 255, 255), .bind = into(c.lblL)});
    t.push_back({.name = "vsbDL", .kind = Kind::VSlider, .parent = "fraVSB", .left = 960, .top = 480, .width = 135,
                 .height = 2295, .topValue = 255, .bottomValue = 0, .largeStep = 16, .bind = into(c.vsbDL)});
    t.push_back({.name = "lblD", .parent = "fraVSB", .left = 840, .top = 2760, .caption = "Dark",
                 .flags = Bold | Transparent, .bind = into(c.lblD)});
    t.push_back({.name = "lblC", .parent = "fraVSB", .left = 1560, .top = 240, .caption = "C",
                 .toolTip = "Contrast", .flags = Bold | Transparent, .fore = RGB(128, 255, 255),
                 .bind = into(c.lblC)});
    t.push_back({.name = "vsbSaturation", .kind = Kind::VSlider, .parent = "fraVSB", .left = 1560, .top = 480,
                 .width = 135, .height = 2295, .flags = Disabled, .topValue = 255, .bottomValue = 0,
                 .largeStep = 16, .bind = into(c.vsbSaturation)});
    t.push_back({.name = "lblT", .parent = "fraVSB", .left = 1800, .top = 240, .caption = "T", .toolTip = "Tone",
                 .flags = Bold | Transparent, .fore = RGB(128, 255, 128), .bind = into(c.lblT)});
    t.push_back({.name = "vsbTone", .kind = Kind::VSlider, .parent = "fraVSB", .left = 1800, .top = 480,
                 .width = 135, .height = 2295, .flags = Disabled, .topValue = 240, .bottomValue = 0,
                 .largeStep = 20, .bind = into(c.vsbTone)});

    // The code, the notation row and the bottom row.
    t.push_back({.name = "lblH", .left = 2160, .top = 2840, .caption = "#",
                 .toolTip = "DoubleClick on # to copy to clipboard, RightClick - temp store", .points = 15,
                 .flags = Bold | Mono | Transparent, .bind = into(c.lblH)});
    t.push_back({.name = "txtHex", .kind = Kind::TextBox, .left = 2400, .top = 2880, .width = 1005, .height = 285,
                 .caption = "123456", .toolTip = "You can put your HTML-color here", .points = 12,
                 .flags = Bold | Mono, .maxLength = 6, .bind = into(c.txtHex)});
    t.push_back({.name = "cboWhat", .kind = Kind::Combo, .left = 3720, .top = 2880, .width = 1215, .height = 315,
                 .items = {"Number", "HTML", "C", "QBColor", "VB", "{ESC}", "POV-Ray"}, .bind = into(c.cboWhat)});
    t.push_back({.name = "txtDec", .kind = Kind::TextBox, .left = 2050, .top = 3240, .width = 1575, .height = 255,
                 .caption = "WWWWWWWW", .points = 9.75, .flags = ReadOnly | NoFrame | RightAligned,
                 .back = ButtonFace, .bind = into(c.txtDec)});
    t.push_back({.name = "cmdSend", .kind = Kind::Button, .left = 3720, .top = 3240, .width = 1215, .height = 315,
                 .caption = "&To clipboard", .bind = into(c.cmdSend)});
    t.push_back({.name = "liLight", .kind = Kind::Line, .left = 2170, .top = 3540, .width = 1430, .height = 15,
                 .back = ButtonHighlight, .bind = into(c.liLight)});
    t.push_back({.name = "liDark", .kind = Kind::Line, .left = 2170, .top = 3550, .width = 1430, .height = 15,
                 .back = ButtonShadow, .bind = into(c.liDark)});
    t.push_back({.name = "liL2", .kind = Kind::Line, .left = 2170, .top = 3580, .width = 1430, .height = 15,
                 .back = ButtonHighlight, .bind = into(c.liL2)});
    t.push_back({.name = "liD2", .kind = Kind::Line, .left = 2170, .top = 3600, .width = 1430, .height = 15,
                 .back = ButtonShadow, .bind = into(c.liD2)});
    t.push_back({.name = "cmdTagEditor", .kind = Kind::Button, .left = 3720, .top = 3600, .width = 1215,
                 .height = 315, .caption = "Tag &Editor >>", .toolTip = "Open-Close tag <BODY> Editor",
                 .bind = into(c.cmdTagEditor)});
    t.push_back({.name = "chkOnTop", .kind = Kind::CheckBox, .top = 3670, .width = 855, .height = 195,
                 .caption = "&On Top", .toolTip = "Make the form top of most", .bind = into(c.chkOnTop)});
    t.push_back({.name = "lblURL", .left = 840, .top = 3675, .width = 2760, .height = 195,
                 .toolTip = "Right Click to copy URL to clipboard", .flags = Underline | Transparent | HandCursor,
                 .fore = RGB(0, 0, 255), .bind = into(c.lblURL)});

    // Scheme-editor panel: the miniature page first, so its words lie on top of it.
    t.push_back({.name = "lblTag(0)", .left = 60, .top = 3940, .width = 1725, .height = 1050,
                 .toolTip = "Dblclick to open Windows Color Dialog", .back = RGB(255, 255, 255),
                 .bind = into(c.lblTag[0])});
    const char* sample[5] = {"", "Text", "Link", "Visited link", "Active link"};
    const int sampleTop[5] = {0, 3960, 4170, 4380, 4605};
    for (int i = 1; i < 5; ++i) {
        t.push_back({.name = indexed("lblTag", i), .left = 240, .top = sampleTop[i], .caption = sample[i], .points = 9.75,
                     .flags = Transparent | Bold | (i > 1 ? Underline : 0u), .fore = 0, .bind = into(c.lblTag[i])});
    }
    const char* slot[5] = {"BGCOLOR", "TEXT", "LINK", "VLINK", "ALINK"};
    const int slotTop[5] = {4830, 3975, 4188, 4401, 4614};
    for (int i : {1, 2, 3, 4, 0}) {
        t.push_back({.name = indexed("optTag", i), .kind = Kind::Option, .left = 1830, .top = slotTop[i], .width = 1000,
                     .height = 210, .caption = slot[i], .bind = into(c.optTag[i])});
    }
    t.push_back({.name = "lblBold", .left = 2880, .top = 3960, .caption = "Bold",
                 .toolTip = "Click to switch  the thickness", .points = 9.75, .flags = Border | Bold | Transparent,
                 .bind = into(c.lblBold)});
    t.push_back({.name = "cboStore", .kind = Kind::Combo, .left = 3480, .top = 3960, .width = 1455, .height = 315,
                 .bind = into(c.cboStore)});
    t.push_back({.name = "cmdStoreTag", .kind = Kind::Button, .left = 3960, .top = 4320, .width = 975,
                 .height = 340, .caption = "&Store Tag", .toolTip = "Store <BODY> tag for later usage",
                 .bind = into(c.cmdStoreTag)});
    t.push_back({.name = "cmdCopyTag", .kind = Kind::Button, .left = 2930, .top = 4680, .width = 975,
                 .height = 340, .caption = "&Copy Tag", .toolTip = "Copy tag <BODY> to clipboard",
                 .bind = into(c.cmdCopyTag)});
    t.push_back({.name = "cmdDeleteTag", .kind = Kind::Button, .left = 3960, .top = 4680, .width = 975,
                 .height = 340, .caption = "&Delete Tag", .toolTip = "Rremove selected <BODY> tag",
                 .bind = into(c.cmdDeleteTag)});
    t.push_back({.name = "txtTag", .kind = Kind::MultiLineText, .top = 5040, .width = 4935, .height = 525,
                 .caption = "Text1", .flags = ReadOnly, .bind = into(c.txtTag)});

    // Safe-palette panel.
    t.push_back({.name = "fraSF", .kind = Kind::Frame, .left = 5005, .top = -70, .width = 4180, .height = 2920,
                 .bind = into(c.fraSF)});
    c.lblSF.assign(1, nullptr);
    t.push_back({.name = "lblSF(0)", .parent = "fraSF", .left = 30, .top = 120, .width = 220, .height = 225,
                 .back = 0, .bind = into(c.lblSF[0])});
    t.push_back({.name = "fraPerformance", .kind = Kind::Frame, .left = 5040, .top = 2880, .width = 3015,
                 .height = 615, .caption = "Performance", .bind = into(c.fraPerformance)});
    for (int i = 0; i < 6; ++i) {
        t.push_back({.name = indexed("optPerformance", i), .kind = Kind::Option, .parent = "fraPerformance", .left = 120 + 504 * i,
                     .top = 240, .width = 255, .height = 255, .flags = i == 0 ? Selected : 0u,
                     .bind = into(c.optPerformance[i])});
    }

    // Hole panel.
    t.push_back({.name = "lblBottom", .left = 5040, .top = 3960, .width = 135, .height = 1215,
                 .caption = "B o t  t o m", .flags = WordWrap, .bind = into(c.lblBottom)});
    t.push_back({.name = "vsHoleBottom", .kind = Kind::VSlider, .left = 5160, .top = 3960, .width = 135,
                 .height = 1455, .topValue = 109, .bottomValue = 212, .value = 140, .largeStep = 5,
                 .bind = into(c.vsHoleBottom)});
    t.push_back({.name = "lblHBottom", .left = 5290, .top = 3960, .width = 135, .height = 615, .caption = "T o p",
                 .flags = WordWrap, .bind = into(c.lblHBottom)});
    t.push_back({.name = "vsHoleTop", .kind = Kind::VSlider, .left = 5400, .top = 3960, .width = 135,
                 .height = 1455, .topValue = 109, .bottomValue = 212, .value = 120, .largeStep = 5,
                 .bind = into(c.vsHoleTop)});
    t.push_back({.name = "cmdResetHole", .kind = Kind::Button, .left = 5640, .top = 3960, .width = 735,
                 .height = 255, .caption = "&Reset", .toolTip = "Restore standart hole size",
                 .bind = into(c.cmdResetHole)});
    t.push_back({.name = "vsHoleRoundY", .kind = Kind::VSlider, .left = 6600, .top = 3960, .width = 135,
                 .height = 615, .topValue = 100, .bottomValue = 1, .value = 1, .largeStep = 5,
                 .bind = into(c.vsHoleRoundY)});
    t.push_back({.name = "Label1", .left = 6120, .top = 4230, .caption = "Shape", .bind = into(c.Label1)});
    t.push_back({.name = "vsHoleRoundX", .kind = Kind::HSlider, .left = 5880, .top = 4440, .width = 735,
                 .height = 135, .topValue = 1, .bottomValue = 180, .value = 20, .largeStep = 5,
                 .bind = into(c.vsHoleRoundX)});
    t.push_back({.name = "lblHRight", .left = 5640, .top = 4680, .width = 375, .height = 255, .caption = "Right",
                 .bind = into(c.lblHRight)});
    t.push_back({.name = "vsHoleRight", .kind = Kind::HSlider, .left = 5640, .top = 4920, .width = 1095,
                 .height = 135, .topValue = 150, .bottomValue = 330, .value = 320, .largeStep = 5,
                 .bind = into(c.vsHoleRight)});
    t.push_back({.name = "lblLeft", .left = 5640, .top = 5040, .width = 375, .height = 255, .caption = "Left",
                 .bind = into(c.lblLeft)});
    t.push_back({.name = "vsHoleLeft", .kind = Kind::HSlider, .left = 5640, .top = 5280, .width = 1095,
                 .height = 135, .topValue = 150, .bottomValue = 330, .value = 270, .largeStep = 5,
                 .bind = into(c.vsHoleLeft)});
    return t;
}

} // namespace inventory

#include "shell/Controls.h"
#include "shell/InventoryRows.h"

namespace inventory {

namespace {
using modColors::RGB;
using rows::indexed;
using rows::into;
} // namespace

void rows::schemeEditorPanel(std::vector<ControlSpec>& t, Controls& c) {
    // The miniature page first, so its words lie on top of it.
    t.push_back({.name = "lblTag(0)",
                 .left = 60,
                 .top = 3940,
                 .width = 1725,
                 .height = 1050,
                 .toolTip = "Dblclick to open Windows Color Dialog",
                 .accessibleName = "Sample page",
                 .back = RGB(255, 255, 255),
                 .bind = into(c.lblTag[0])});
    const char* sample[5] = {"", "Text", "Link", "Visited link", "Active link"};
    const int sampleTop[5] = {0, 3960, 4170, 4380, 4605};
    for (int i = 1; i < 5; ++i) {
        t.push_back({.name = indexed("lblTag", i),
                     .left = 240,
                     .top = sampleTop[i],
                     .caption = sample[i],
                     .points = 9.75,
                     .flags = Transparent | Bold | (i > 1 ? Underline : 0u),
                     .fore = 0,
                     .bind = into(c.lblTag[i])});
    }
    const char* slot[5] = {"BGCOLOR", "TEXT", "LINK", "VLINK", "ALINK"};
    const int slotTop[5] = {4830, 3975, 4188, 4401, 4614};
    for (int i : {1, 2, 3, 4, 0}) {
        t.push_back({.name = indexed("optTag", i),
                     .kind = Kind::Option,
                     .left = 1830,
                     .top = slotTop[i],
                     .width = 1215,
                     .height = 210,
                     .caption = slot[i],
                     .bind = into(c.optTag[i])});
    }
    t.push_back({.name = "lblBold",
                 .left = 2880,
                 .top = 3960,
                 // Up to the scheme list and the Store button, whatever the desktop's font size.
                 .width = 600,
                 .height = 360,
                 .caption = "Bold",
                 .toolTip = "Click to switch  the thickness. Keys: Space switches it",
                 .accessibleName = "Bold samples",
                 .points = 9.75,
                 .flags = Border | Bold | Transparent | FitInRoom | Pressable | Switch,
                 .bind = into(c.lblBold)});
    t.push_back({.name = "cboStore",
                 .kind = Kind::Combo,
                 .left = 3480,
                 .top = 3960,
                 .width = 1455,
                 .height = 315,
                 .accessibleName = "Stored schemes",
                 .bind = into(c.cboStore)});
    t.push_back({.name = "cmdStoreTag",
                 .kind = Kind::Button,
                 .left = 3960,
                 .top = 4320,
                 .width = 975,
                 .height = 340,
                 .caption = "&Store Tag",
                 .toolTip = "Store <BODY> tag for later usage",
                 .bind = into(c.cmdStoreTag)});
    t.push_back({.name = "cmdCopyTag",
                 .kind = Kind::Button,
                 .left = 2930,
                 .top = 4680,
                 .width = 975,
                 .height = 340,
                 .caption = "&Copy Tag",
                 .toolTip = "Copy tag <BODY> to clipboard",
                 .bind = into(c.cmdCopyTag)});
    t.push_back({.name = "cmdDeleteTag",
                 .kind = Kind::Button,
                 .left = 3960,
                 .top = 4680,
                 .width = 975,
                 .height = 340,
                 .caption = "&Delete Tag",
                 .toolTip = "Rremove selected <BODY> tag",
                 .bind = into(c.cmdDeleteTag)});
    t.push_back({.name = "txtTag",
                 .kind = Kind::MultiLineText,
                 .top = 5040,
                 .width = 4935,
                 .height = 525,
                 .caption = "Text1",
                 .accessibleName = "BODY tag",
                 .flags = ReadOnly,
                 .bind = into(c.txtTag)});
}

void rows::safePalettePanel(std::vector<ControlSpec>& t, Controls& c) {
    t.push_back({.name = "fraSF",
                 .kind = Kind::Frame,
                 .left = 5005,
                 .top = -70,
                 .width = 4180,
                 .height = 2920,
                 .bind = into(c.fraSF)});
    c.lblSF.assign(1, nullptr);
    t.push_back({.name = "lblSF(0)",
                 .parent = "fraSF",
                 .left = 30,
                 .top = 120,
                 .width = 220,
                 .height = 225,
                 .flags = Pressable,
                 .back = 0,
                 .bind = into(c.lblSF[0])});
    t.push_back({.name = "fraPerformance",
                 .kind = Kind::Frame,
                 .left = 5040,
                 .top = 2880,
                 .width = 3015,
                 .height = 615,
                 .caption = "Performance",
                 .bind = into(c.fraPerformance)});
    // Which channel each order runs slowest to fastest, as the cells show it.
    const char* orderName[6] = {"Order red, green, blue", "Order red, blue, green", "Order green, red, blue",
                                "Order green, blue, red", "Order blue, red, green", "Order blue, green, red"};
    for (int i = 0; i < 6; ++i) {
        t.push_back({.name = indexed("optPerformance", i),
                     .kind = Kind::Option,
                     .parent = "fraPerformance",
                     .left = 120 + 504 * i,
                     .top = 240,
                     .width = 255,
                     .height = 255,
                     .accessibleName = orderName[i],
                     .flags = i == 0 ? Selected : 0u,
                     .bind = into(c.optPerformance[i])});
    }
}

void rows::holePanel(std::vector<ControlSpec>& t, Controls& c) {
    t.push_back({.name = "lblBottom",
                 .left = 5040,
                 .top = 3960,
                 .width = 135,
                 .height = 1215,
                 .caption = "B o t  t o m",
                 .flags = WordWrap,
                 .bind = into(c.lblBottom)});
    t.push_back({.name = "vsHoleBottom",
                 .kind = Kind::VSlider,
                 .left = 5160,
                 .top = 3960,
                 .width = 135,
                 .height = 1455,
                 .accessibleName = "Hole bottom edge",
                 .topValue = 109,
                 .bottomValue = 212,
                 .value = 140,
                 .largeStep = 5,
                 .bind = into(c.vsHoleBottom)});
    t.push_back({.name = "lblHBottom",
                 .left = 5290,
                 .top = 3960,
                 .width = 135,
                 .height = 615,
                 .caption = "T o p",
                 .flags = WordWrap,
                 .bind = into(c.lblHBottom)});
    t.push_back({.name = "vsHoleTop",
                 .kind = Kind::VSlider,
                 .left = 5400,
                 .top = 3960,
                 .width = 135,
                 .height = 1455,
                 .accessibleName = "Hole top edge",
                 .topValue = 109,
                 .bottomValue = 212,
                 .value = 120,
                 .largeStep = 5,
                 .bind = into(c.vsHoleTop)});
    t.push_back({.name = "cmdResetHole",
                 .kind = Kind::Button,
                 .left = 5640,
                 .top = 3960,
                 .width = 735,
                 .height = 255,
                 .caption = "&Reset",
                 .toolTip = "Restore standart hole size",
                 .bind = into(c.cmdResetHole)});
    t.push_back({.name = "vsHoleRoundY",
                 .kind = Kind::VSlider,
                 .left = 6600,
                 .top = 3960,
                 .width = 135,
                 .height = 615,
                 .accessibleName = "Hole corner height",
                 .topValue = 100,
                 .bottomValue = 1,
                 .value = 1,
                 .largeStep = 5,
                 .bind = into(c.vsHoleRoundY)});
    t.push_back({.name = "Label1", .left = 6120, .top = 4230, .caption = "Shape", .bind = into(c.Label1)});
    t.push_back({.name = "vsHoleRoundX",
                 .kind = Kind::HSlider,
                 .left = 5880,
                 .top = 4440,
                 .width = 735,
                 .height = 135,
                 .accessibleName = "Hole corner width",
                 .topValue = 1,
                 .bottomValue = 180,
                 .value = 20,
                 .largeStep = 5,
                 .bind = into(c.vsHoleRoundX)});
    t.push_back({.name = "lblHRight",
                 .left = 5640,
                 .top = 4680,
                 .width = 405,
                 .height = 255,
                 .caption = "Right",
                 .bind = into(c.lblHRight)});
    t.push_back({.name = "vsHoleRight",
                 .kind = Kind::HSlider,
                 .left = 5640,
                 .top = 4920,
                 .width = 1095,
                 .height = 135,
                 .accessibleName = "Hole right edge",
                 .topValue = 150,
                 .bottomValue = 330,
                 .value = 320,
                 .largeStep = 5,
                 .bind = into(c.vsHoleRight)});
    t.push_back({.name = "lblLeft",
                 .left = 5640,
                 .top = 5040,
                 .width = 375,
                 .height = 255,
                 .caption = "Left",
                 .bind = into(c.lblLeft)});
    t.push_back({.name = "vsHoleLeft",
                 .kind = Kind::HSlider,
                 .left = 5640,
                 .top = 5280,
                 .width = 1095,
                 .height = 135,
                 .accessibleName = "Hole left edge",
                 .topValue = 150,
                 .bottomValue = 330,
                 .value = 270,
                 .largeStep = 5,
                 .bind = into(c.vsHoleLeft)});
}

} // namespace inventory

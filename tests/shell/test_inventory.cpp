// The window as built: every control by name, where it lies, what it says, how its
// sliders run, the focus order, and which panels each window size uncovers.
#include "scheme/StoredSchemes.h"
#include "support/WindowFixture.h"

#include <QStyleOptionButton>
#include <QTest>
#include <QWheelEvent>

namespace {
struct Expected {
    const char* name;
    const char* className;
    int left, top, width, height; // twips; a width of 0 is not checked
    const char* caption;
    const char* toolTip;
};

QString textOf(QWidget* w) {
    if (auto* b = qobject_cast<QAbstractButton*>(w)) {
        return b->text();
    }
    if (auto* l = qobject_cast<QLabel*>(w)) {
        return l->text();
    }
    if (auto* e = qobject_cast<QLineEdit*>(w)) {
        return e->text();
    }
    if (auto* g = qobject_cast<QGroupBox*>(w)) {
        return g->title();
    }
    if (auto* p = qobject_cast<QPlainTextEdit*>(w)) {
        return p->toPlainText();
    }
    return QString();
}

// Controls whose place and caption do not change at start-up.
const Expected Fixed[] = {
    {"cmdWinColor", "QPushButton", 3720, 85, 495, 495, "&W", "Open Windows Color Dialog"},
    {"cmdSafe", "QPushButton", 4320, 85, 615, 495, "S&F >>", "Open-Close Safe Pallette Colors"},
    {"chkSF", "QCheckBox", 2280, 480, 1215, 195, "Safe &Pallette",
     "To Undo SF change, uncheck before other changes"},
    {"lblColor(0)", "FormLabel", 2160, 720, 930, 465, "", ""},
    {"lblColor(2)", "FormLabel", 4020, 720, 915, 465, "", ""},
    {"lblCMix", "FormLabel", 2160, 1200, 2775, 1575, "",
     "DblClick to open Windows Color Dialog. SHIFT + Right Click opens full program screen"},
    {"fraVSB", "QGroupBox", 0, 600, 2055, 3015, "", ""},
    {"vsbColor(0)", "FormScrollBar", 120, 480, 135, 2415, "", ""},
    {"vsbDL", "FormScrollBar", 960, 480, 135, 2295, "", ""},
    {"vsbTone", "FormScrollBar", 1800, 480, 135, 2295, "", ""},
    {"lblH", "FormLabel", 2160, 2840, 0, 0, "#",
     "DoubleClick on # to copy to clipboard, RightClick - temp store. Keys: Space copies, the menu key "
     "stores "
     "or recalls"},
    {"txtHex", "QLineEdit", 2400, 2880, 1005, 285, nullptr, "You can put your HTML-color here"},
    {"txtDec", "QLineEdit", 2050, 3240, 1575, 255, nullptr, ""},
    {"cmdSend", "QPushButton", 3720, 3240, 1215, 315, "&To clipboard", ""},
    {"cmdTagEditor", "QPushButton", 3720, 3600, 1215, 315, "Tag &Editor >>", "Open-Close tag <BODY> Editor"},
    {"chkOnTop", "QCheckBox", 0, 3670, 855, 195, "&On Top", "Make the form top of most"},
    {"lblURL", "FormLabel", 840, 3675, 2760, 195, nullptr,
     "Right Click to copy URL to clipboard. Keys: Enter opens, the menu key copies"},
    {"lblTag(0)", "FormLabel", 60, 3940, 1725, 1050, "", "Dblclick to open Windows Color Dialog"},
    {"lblTag(3)", "FormLabel", 240, 4380, 0, 0, "Visited link", ""},
    {"optTag(0)", "QRadioButton", 1830, 4830, 0, 0, "BGCOLOR", ""},
    {"optTag(4)", "QRadioButton", 1830, 4614, 0, 0, "ALINK", ""},
    {"lblBold", "FormLabel", 2880, 3960, 0, 0, "Bold",
     "Click to switch  the thickness. Keys: Space switches it"},
    {"cmdStoreTag", "QPushButton", 3960, 4320, 975, 340, "&Store Tag", "Store <BODY> tag for later usage"},
    {"cmdCopyTag", "QPushButton", 2930, 4680, 975, 340, "&Copy Tag", "Copy tag <BODY> to clipboard"},
    {"cmdDeleteTag", "QPushButton", 3960, 4680, 975, 340, "&Delete Tag", "Rremove selected <BODY> tag"},
    {"txtTag", "QPlainTextEdit", 0, 5040, 4935, 525, nullptr, ""},
    {"fraSF", "QGroupBox", 5005, -70, 4180, 2920, "", ""},
    {"lblSF(0)", "FormLabel", 30, 120, 220, 225, "", ""},
    {"fraPerformance", "QGroupBox", 5040, 2880, 3015, 615, "Performance", ""},
    {"optPerformance(5)", "QRadioButton", 2640, 240, 255, 255, "", ""},
    {"lblBottom", "FormLabel", 5040, 3960, 135, 1215, "B o t  t o m", ""},
    {"lblHBottom", "FormLabel", 5290, 3960, 135, 615, "T o p", ""},
    {"cmdResetHole", "QPushButton", 5640, 3960, 735, 255, "&Reset", "Restore standart hole size"},
    {"Label1", "FormLabel", 6120, 4230, 0, 0, "Shape", ""},
    {"vsHoleRoundX", "FormScrollBar", 5880, 4440, 735, 135, "", ""},
    {"vsHoleLeft", "FormScrollBar", 5640, 5280, 1095, 135, "", ""},
};

int px(int twips) {
    return static_cast<int>(std::lround(twips / 15.0));
}

class Inventory : public WindowTest {};
} // namespace

TEST_F(Inventory, ControlsLieWhereDesignedWithTheirTexts) {
    frmTintwell& f = open();
    f.buildExtraPanels();
    for (const Expected& e : Fixed) {
        auto* w = f.findChild<QWidget*>(QString::fromLatin1(e.name));
        ASSERT_NE(w, nullptr) << e.name;
        EXPECT_STREQ(w->metaObject()->className(), e.className) << e.name;
        EXPECT_EQ(w->pos(), QPoint(px(e.left), px(e.top))) << e.name;
        if (e.width > 0) {
            EXPECT_EQ(w->size(), QSize(px(e.width), px(e.height))) << e.name;
        }
        if (e.caption != nullptr) {
            EXPECT_EQ(textOf(w), QString::fromUtf8(e.caption)) << e.name;
        }
        // The sample words' tips tell their contrast, which the scheme's own test checks.
        const QLatin1String name(e.name);
        if (!name.startsWith(QLatin1String("lblTag(")) || name == QLatin1String("lblTag(0)")) {
            EXPECT_EQ(w->toolTip(), QString::fromUtf8(e.toolTip)) << e.name;
        }
    }
}

TEST_F(Inventory, EveryNamedControlExistsOnceUnderItsName) {
    frmTintwell& f = open();
    // Asked twice, the extra panels are still built once.
    f.buildExtraPanels();
    f.buildExtraPanels();
    QStringList names;
    for (QWidget* w : f.findChildren<QWidget*>()) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith("qt_")) {
            names << w->objectName();
        }
    }
    const QStringList required = {
        "fraStCol",  "cmdColorName", "lblNColor(0)",  "lblNColor(1)", "lblNColor(2)",
        "lblR",      "lblG",         "lblB",          "lblL",         "lblD",
        "lblC",      "lblT",         "vsbSaturation", "cboWhat",      "liLight",
        "liDark",    "liL2",         "liD2",          "cboStore",     "vsHoleBottom",
        "vsHoleTop", "vsHoleRoundY", "lblHRight",     "vsHoleRight",  "lblLeft"};
    for (const QString& name : required) {
        EXPECT_EQ(names.count(name), 1) << name.toStdString();
    }
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(names.count(QString("lblStandartColor(%1)").arg(i)), 1) << i;
    }
    EXPECT_EQ(names.removeDuplicates(), 0);
}

TEST_F(Inventory, ListsFontsAndColours) {
    frmTintwell& f = open();
    f.buildExtraPanels();
    QStringList items;
    for (int i = 0; i < f.cboWhat->count(); ++i) {
        items << f.cboWhat->itemText(i);
    }
    EXPECT_EQ(items, (QStringList{"Number", "HTML", "C", "QBColor", "VB", "{ESC}", "POV-Ray", "CSS rgb",
                                  "CSS hsl", "CSS oklch", "CSS hex", "CSS hwb", "CSS lab", "CSS lch",
                                  "CSS oklab", "CSS display-p3"}));
    EXPECT_EQ(f.cboStore->count(), 0);
    EXPECT_EQ(f.txtHex->maxLength(), 6);
    EXPECT_TRUE(f.txtDec->isReadOnly());
    EXPECT_FALSE(f.txtDec->hasFrame());
    EXPECT_TRUE(f.txtDec->alignment() & Qt::AlignRight);
    EXPECT_TRUE(f.txtTag->isReadOnly());
    EXPECT_TRUE(f.txtHex->font().bold());
    EXPECT_DOUBLE_EQ(f.txtHex->font().pointSizeF(), 12);
    EXPECT_DOUBLE_EQ(f.lblCMix->font().pointSizeF(), 9.75);
    EXPECT_TRUE(f.cmdWinColor->font().bold());
    EXPECT_TRUE(f.lblURL->font().underline());
    EXPECT_EQ(f.lblURL->foreColour(), modColors::RGB(0, 0, 255));
    EXPECT_EQ(f.lblG->foreColour(), modColors::RGB(0, 192, 0));
    EXPECT_EQ(f.lblT->foreColour(), modColors::RGB(128, 255, 128));
    EXPECT_EQ(f.lblC->foreColour(), modColors::RGB(128, 255, 255));
    EXPECT_EQ(f.lblNColor[0]->foreColour(), 0x00C0FFFF);
    EXPECT_TRUE(f.lblTag[2]->font().underline());
    EXPECT_FALSE(f.lblTag[1]->font().underline());
    EXPECT_EQ(f.lblColor[1]->borderStyle(), 1);
    EXPECT_EQ(f.lblCMix->borderStyle(), 1);
    EXPECT_TRUE(f.optPerformance[0]->isChecked());
    for (QRadioButton* option : f.optTag) {
        EXPECT_FALSE(option->isChecked()) << option->objectName().toStdString();
    }
}

TEST_F(Inventory, SlidersRunWithTheLargerEndWhereDesigned) {
    frmTintwell& f = open();
    struct Range {
        QScrollBar* bar;
        int top, bottom, large;
    };
    const Range ranges[] = {{f.vsbColor[0], 255, 0, 16},   {f.vsbDL, 255, 0, 16},
                            {f.vsbSaturation, 255, 0, 16}, {f.vsbTone, 240, 0, 20},
                            {f.vsHoleRoundY, 100, 1, 5},   {f.vsHoleTop, 109, 212, 5},
                            {f.vsHoleLeft, 150, 330, 5},   {f.vsHoleRoundX, 1, 180, 5}};
    for (const Range& r : ranges) {
        const std::string name = r.bar->objectName().toStdString();
        EXPECT_EQ(r.bar->minimum(), std::min(r.top, r.bottom)) << name;
        EXPECT_EQ(r.bar->maximum(), std::max(r.top, r.bottom)) << name;
        EXPECT_EQ(r.bar->pageStep(), r.large) << name;
        EXPECT_EQ(r.bar->singleStep(), 1) << name;
        // Shown upside down exactly when the larger value is at the top.
        EXPECT_EQ(r.bar->invertedAppearance(), r.top > r.bottom) << name;
    }

    f.show();
    QScrollBar* red = f.vsbColor[0];
    const QPoint top(red->width() / 2, 2);
    const QPoint bottom(red->width() / 2, red->height() - 3);
    // The top arrow raises a channel, the bottom arrow lowers it.
    QTest::mouseClick(red, Qt::LeftButton, {}, top);
    EXPECT_EQ(red->value(), 129);
    QTest::mouseClick(red, Qt::LeftButton, {}, bottom);
    QTest::mouseClick(red, Qt::LeftButton, {}, bottom);
    EXPECT_EQ(red->value(), 127);
    // A click in the track above the thumb moves up by the large step; so do the keys.
    red->setValue(100);
    QTest::mouseClick(red, Qt::LeftButton, {}, QPoint(red->width() / 2, red->height() / 6));
    EXPECT_EQ(red->value(), 116);
    QTest::keyClick(red, Qt::Key_Up);
    EXPECT_EQ(red->value(), 117);
    QTest::keyClick(red, Qt::Key_PageDown);
    EXPECT_EQ(red->value(), 101);
    QTest::keyClick(red, Qt::Key_Home);
    EXPECT_EQ(red->value(), 255);
    // Turning the wheel away from the user raises the thumb, and with it the value.
    red->setValue(100);
    const QPointF centre(red->width() / 2.0, red->height() / 2.0);
    QWheelEvent away(centre, red->mapToGlobal(centre), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                     Qt::NoScrollPhase, false);
    QApplication::sendEvent(red, &away);
    EXPECT_GT(red->value(), 100);
    // The corner-height slider, 100 at its top: its top arrow raises it too.
    f.views.setOuterWidthTwips(9300);
    f.views.setOuterHeightTwips(6040);
    f.vsHoleRoundY->setValue(50);
    QTest::mouseClick(f.vsHoleRoundY, Qt::LeftButton, {}, QPoint(f.vsHoleRoundY->width() / 2, 2));
    EXPECT_EQ(f.vsHoleRoundY->value(), 51);
    // The position sliders run 109 at the top to 212 at the bottom: the top arrow lowers.
    const int topEdge = f.vsHoleTop->value();
    QTest::mouseClick(f.vsHoleTop, Qt::LeftButton, {}, QPoint(f.vsHoleTop->width() / 2, 2));
    EXPECT_EQ(f.vsHoleTop->value(), topEdge - 1);
}

TEST_F(Inventory, ToneAndSaturationCannotBeOperated) {
    frmTintwell& f = open();
    f.show();
    for (QScrollBar* bar : {f.vsbTone, f.vsbSaturation}) {
        EXPECT_FALSE(bar->isEnabled());
        EXPECT_EQ(bar->focusPolicy(), Qt::NoFocus);
        const int before = bar->value();
        QTest::mouseClick(bar, Qt::LeftButton, {}, QPoint(bar->width() / 2, 2));
        QTest::keyClick(bar, Qt::Key_Up);
        EXPECT_EQ(bar->value(), before);
    }
    const auto colour = f.lblCMix->backColour();
    f.vsbTone->setValue(100);
    f.vsbSaturation->setValue(10);
    EXPECT_EQ(f.lblCMix->backColour(), colour);
}

TEST_F(Inventory, FocusFollowsTheDesignedOrder) {
    frmTintwell& f = open();
    // Opening the editor builds both extra panels, and their controls join the chain in place.
    f.schemes.cmdTagEditor_Click();
    // The cells and labels that answer keys sit beside their neighbours; every standard cell is
    // in the chain, though only one of them is a Tab stop at a time.
    QList<QWidget*> expected = {f.cmdWinColor, f.vsbColor[0], f.vsbColor[1], f.vsbColor[2], f.vsbDL,
                                f.lblH,        f.txtHex,      f.cboWhat,     f.cmdSend,     f.cmdTagEditor};
    expected.append(QList<QWidget*>(f.lblStandartColor.begin(), f.lblStandartColor.end()));
    expected.append({f.cmdColorName, f.chkOnTop, f.lblURL, f.lblBold, f.cboStore, f.txtTag, f.cmdCopyTag,
                     f.cmdStoreTag, f.cmdDeleteTag, f.optTag[1], f.optTag[2], f.optTag[3], f.optTag[4],
                     f.optTag[0], f.cmdSafe, f.chkSF, f.lblSF[0]});
    // The next control in the chain, past the inner parts of a compound control.
    auto next = [](QWidget* w) {
        QWidget* n = w->nextInFocusChain();
        while (w->isAncestorOf(n)) {
            n = n->nextInFocusChain();
        }
        return n;
    };
    for (int i = 1; i < expected.size(); ++i) {
        EXPECT_EQ(next(expected[i - 1]), expected[i]) << expected[i - 1]->objectName().toStdString() << " -> "
                                                      << expected[i]->objectName().toStdString();
    }
    EXPECT_EQ(next(f.optPerformance[5]), f.cmdResetHole);
}

TEST_F(Inventory, TheWindowSizeDecidesWhichPanelsShow) {
    frmTintwell& f = open();
    EXPECT_EQ(f.windowTitle(), "Tintwell");
    EXPECT_EQ(f.windowIcon().availableSizes(), QList<QSize>{QSize(32, 32)});
    // The compact view builds neither the scheme editor nor the safe palette; the hole's
    // controls hold its geometry and exist from the start.
    EXPECT_FALSE(f.extraPanelsBuilt());
    EXPECT_EQ(f.fraSF, nullptr);
    EXPECT_EQ(f.txtTag, nullptr);
    EXPECT_NE(f.vsHoleLeft, nullptr);
    struct View {
        int width, height;
        bool safe, scheme, hole;
    };
    const View views[] = {{9300, 4370, true, false, false},
                          {5100, 4370, false, false, false},
                          {5100, 6040, false, true, false},
                          {9300, 6040, true, true, true}};
    auto uncovered = [&f](QWidget* w) {
        QRect inWindow(w->mapTo(&f, QPoint(0, 0)), w->size());
        inWindow.setTop(std::max(0, inWindow.top())); // the palette frame starts above the edge
        return f.rect().contains(inWindow);
    };
    auto hidden = [&f](QWidget* w) {
        const QRect inWindow(w->mapTo(&f, QPoint(0, 0)), w->size());
        return !f.rect().intersects(inWindow);
    };
    for (const View& v : views) {
        f.views.setOuterWidthTwips(v.width);
        f.views.setOuterHeightTwips(v.height);
        // Client area = outer size less the designed frame of 90 x 450 twips.
        EXPECT_EQ(f.size(), QSize(px(v.width - 90), px(v.height - 450)));
        EXPECT_TRUE(uncovered(f.cmdTagEditor));
        EXPECT_TRUE(uncovered(f.lblCMix));
        for (QWidget* w : {static_cast<QWidget*>(f.fraSF), static_cast<QWidget*>(f.fraPerformance)}) {
            EXPECT_EQ(uncovered(w), v.safe) << v.width << "x" << v.height;
            EXPECT_EQ(hidden(w), !v.safe) << v.width << "x" << v.height;
        }
        for (QWidget* w : {static_cast<QWidget*>(f.lblTag[0]), static_cast<QWidget*>(f.txtTag),
                           static_cast<QWidget*>(f.cmdDeleteTag)}) {
            EXPECT_EQ(uncovered(w), v.scheme) << v.width << "x" << v.height;
            EXPECT_EQ(hidden(w), !v.scheme) << v.width << "x" << v.height;
        }
        for (QWidget* w : {static_cast<QWidget*>(f.vsHoleLeft), static_cast<QWidget*>(f.vsHoleRoundY),
                           static_cast<QWidget*>(f.cmdResetHole)}) {
            EXPECT_EQ(uncovered(w), v.hole) << v.width << "x" << v.height;
            EXPECT_EQ(hidden(w), !v.hole) << v.width << "x" << v.height;
        }
    }
}

// The boxes and buttons were laid out for an 11-pixel indicator 3 pixels from the caption, in every
// view, including the panels that a start leaves closed.
TEST_F(Inventory, CheckBoxesAndOptionButtonsHaveTheirSmallIndicatorWhenShown) {
    frmTintwell& f = open();
    f.show();
    f.buildExtraPanels();
    auto indicator = [](QAbstractButton* button) {
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const bool check = qobject_cast<QCheckBox*>(button) != nullptr;
        const QStyle* style = button->style();
        return std::pair{
            style->subElementRect(check ? QStyle::SE_CheckBoxIndicator : QStyle::SE_RadioButtonIndicator,
                                  &option, button),
            style->subElementRect(check ? QStyle::SE_CheckBoxContents : QStyle::SE_RadioButtonContents,
                                  &option, button)};
    };
    struct View {
        int width, height;
        std::vector<QAbstractButton*> buttons;
    };
    const View views[] = {
        {5100, 4370, {f.chkSF, f.chkOnTop}},
        {9300, 4370, {f.optPerformance.begin(), f.optPerformance.end()}},
        {5100, 6040, {f.optTag.begin(), f.optTag.end()}},
    };
    for (const View& v : views) {
        f.views.setOuterWidthTwips(v.width);
        f.views.setOuterHeightTwips(v.height);
        for (QAbstractButton* button : v.buttons) {
            const auto [box, caption] = indicator(button);
            EXPECT_EQ(box.size(), QSize(11, 11)) << button->objectName().toStdString();
            EXPECT_EQ(caption.left() - box.right() - 1, 3) << button->objectName().toStdString();
        }
    }
}

// The first colour of a run: the restored notation, then grey through one refresh.
#include "EditorChecks.h"

#include "notation/StandardColours.h"

#include <QApplication>

using namespace editorChecks;
using modColors::RGB;

namespace {

class StartUpColourTest : public EditorTest {};

// Notes, while a window is being built, how many refreshes had run each time the notation
// field took a new font (the notation filling it) and each time the preview took a colour.
class StartUpWatcher : public QObject {
  public:
    QStringList seen;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const bool notation = event->type() == QEvent::FontChange && watched->objectName() == "txtDec";
        const bool preview = event->type() == QEvent::PaletteChange && watched->objectName() == "lblCMix";
        if (notation || preview) {
            auto* form = qobject_cast<frmTintwell*>(static_cast<QWidget*>(watched)->window());
            const int refreshes = form ? form->editor.refreshCount() : -1;
            seen << QStringLiteral("%1 after %2").arg(notation ? "notation" : "preview").arg(refreshes);
        }
        return false;
    }
};

TEST_F(StartUpColourTest, FirstRunShowsGreyWithCellEightMarked) {
    frmTintwell& f = open();
    EXPECT_EQ(f.editor.refreshCount(), 1);
    EXPECT_EQ(f.lblCMix->backColour(), RGB(128, 128, 128));
    EXPECT_EQ(sliders(f), (Channels{128, 128, 128}));
    for (FormLabel* number : f.lblNColor) {
        EXPECT_EQ(number->text(), QStringLiteral("128"));
    }
    EXPECT_EQ(f.txtHex->text(), QStringLiteral("808080"));
    EXPECT_EQ(f.vsbDL->value(), 128);
    EXPECT_EQ(f.editor.LastDarkLight, 128);
    EXPECT_EQ(f.cboWhat->currentIndex(), 0);
    EXPECT_EQ(f.txtDec->text(), QStringLiteral("8421504"));
    for (int i = 0; i < 16; ++i) {
        EXPECT_EQ(f.lblStandartColor[i]->borderStyle(), i == 8 ? 1 : 0) << i;
    }
    EXPECT_EQ(f.standard.StdIndex, 8);
    EXPECT_TRUE(f.cmdColorName->isVisibleTo(&f));
    EXPECT_EQ(f.cmdColorName->text(), QStringLiteral("gray в буфер"));
    EXPECT_TRUE(f.cmdSend->isEnabled());
    EXPECT_TRUE(flagsClear(f.flags));
    EXPECT_TRUE(desktop.messages.isEmpty());
}

// The stored notation fills the field before the first colour, and grey is the only colour
// shown on the way: no other standard colour is refreshed first.
TEST_F(StartUpColourTest, StoredNotationIsFilledBeforeTheFirstColour) {
    struct Case {
        const char* stored;
        int index;
        const char* text;
    };
    const Case cases[] = {
        {"6", 6, "0.502  0.502  0.502"},
        {" 4", 4, "RGB(128 ,128 ,128)"},
        {" 3", 3, "QBColor( 8 )"},
        {"5", 5, "$e[30;1m"},
        {"1", 1, "#808080"},
        {"2", 2, "0x00808080"},
        {" 9", 9, "oklch(59.99% 0 none)"},
        {" 10", 10, "#808080"},
        {" 13", 13, "lch(53.59 0 none)"},
        {"16", 0, "8421504"},
        {"abc", 0, "8421504"},
        {"-1", 0, "8421504"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.stored);
        close();
        preset("Init", "cboWhat", c.stored);
        StartUpWatcher watcher;
        qApp->installEventFilter(&watcher);
        frmTintwell& f = open();
        qApp->removeEventFilter(&watcher);

        EXPECT_EQ(f.cboWhat->currentIndex(), c.index);
        EXPECT_EQ(f.txtDec->text(), QLatin1String(c.text));
        EXPECT_EQ(f.editor.refreshCount(), 1);
        ASSERT_FALSE(watcher.seen.isEmpty());
        EXPECT_EQ(watcher.seen.first(), QStringLiteral("notation after 0"));
        EXPECT_EQ(watcher.seen.filter("preview"), QStringList{"preview after 1"});
        EXPECT_EQ(f.lblCMix->backColour(), RGB(128, 128, 128));
        EXPECT_TRUE(f.cmdSend->isEnabled());
    }
}

TEST_F(StartUpColourTest, NotationChosenAtCloseComesBack) {
    frmTintwell& f = open();
    f.cboWhat->setCurrentIndex(5);
    restart();
    EXPECT_EQ(setting("Init", "cboWhat"), QStringLiteral(" 5"));
    EXPECT_EQ(form->cboWhat->currentIndex(), 5);
    EXPECT_EQ(form->txtDec->text(), QStringLiteral("$e[30;1m"));
}

} // namespace

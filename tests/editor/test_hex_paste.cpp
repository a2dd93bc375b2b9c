// Every way of pasting into the hex box: the keys, the context menu and the middle button.
#include "EditorChecks.h"
#include "notation/NotationIndex.h"

#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QMenu>
#include <optional>

using namespace editorChecks;
using modColors::RGB;

namespace {

enum class Path { CtrlV, ShiftInsert, Menu, MiddleButton };

const char* pathName(Path path) {
    switch (path) {
    case Path::CtrlV:
        return "Ctrl+V";
    case Path::ShiftInsert:
        return "Shift+Insert";
    case Path::Menu:
        return "menu";
    case Path::MiddleButton:
        return "middle button";
    }
    return "";
}

class HexPasteTest : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        openShown();
        f().txtHex->setFocus();
    }

    static QClipboard& clipboard() { return *QGuiApplication::clipboard(); }

    static bool hasSelection() { return clipboard().supportsSelection(); }

    // Puts `text` where the path reads it and a decoy where the other paths read, so a path
    // that reads the wrong one shows.
    void paste(Path path, const QString& text) {
        const QString decoy = QStringLiteral("#000000");
        const bool middle = path == Path::MiddleButton;
        clipboard().setText(middle ? decoy : text);
        if (hasSelection()) {
            clipboard().setText(middle ? text : decoy, QClipboard::Selection);
        }
        QLineEdit* box = f().txtHex;
        switch (path) {
        case Path::CtrlV:
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            break;
        case Path::ShiftInsert:
            QTest::keyClick(box, Qt::Key_Insert, Qt::ShiftModifier);
            break;
        case Path::Menu:
            pasteFromMenu();
            break;
        case Path::MiddleButton:
            QTest::mouseClick(box, Qt::MiddleButton, Qt::NoModifier, box->rect().center());
            break;
        }
        settle();
    }

    // Opens the box's context menu and chooses Paste by its access key.
    void pasteFromMenu() {
        QLineEdit* box = f().txtHex;
        QContextMenuEvent event(QContextMenuEvent::Keyboard, box->rect().center(),
                                box->mapToGlobal(box->rect().center()));
        QApplication::sendEvent(box, &event);
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_NE(menu, nullptr) << "no context menu";
        QTest::keyClick(menu, Qt::Key_P);
        QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
    }

    void emptyBox() {
        f().txtHex->selectAll();
        QTest::keyClick(f().txtHex, Qt::Key_Delete);
    }
};

TEST_F(HexPasteTest, EveryPathPastesTheSameWay) {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        ASSERT_TRUE(hasSelection()) << "X11 has a selection to paste";
    }
    struct Case {
        const char* text;
        const char* fromEmpty; // the box after pasting into an empty box
        bool colour;           // a whole colour: it also replaces a full box
        int messages;
    };
    const Case cases[] = {
        {"#FF8000", "FF8000", true, 0},
        {"  #ff8000\n", "FF8000", true, 0},
        {"#f80", "FF8800", true, 0},
        {"#F80C", "FF8800", true, 0},
        {"#ff800080", "FF8000", true, 0},
        {"rgb(255, 128, 0)", "FF8000", true, 0},
        {"rgba(255,128,0,0.5)", "FF8000", true, 0},
        {"RGB(255 128 0 / 50%)", "FF8000", true, 0},
        {"rgb(100% 50% 0%)", "FF8000", true, 0},
        {"hsl(30, 100%, 50%)", "FF8000", true, 0},
        {"hsla(0.5turn 100% 25% / .3)", "008080", true, 0},
        {"oklch(73.19% 0.1858 52.98)", "FF8000", true, 0},
        {"oklch(0.628 0.2577 29.23 / 1)", "FF0000", true, 0},
        {"hwb(30.1 0% 0%)", "FF8000", true, 0},
        {"lab(67.82 45.49 74.84 / none)", "FF8000", true, 0},
        {"LCH(67.82% 87.58 1.0247rad)", "FF8000", true, 0},
        {"oklab(73.19% 27.965% 0.14836)", "FF8000", true, 0},
        {"color(display-p3 0.9361 0.529 0.1987)", "FF8000", true, 0},
        {"color(xyz 0.4 0.2 none)", "FE0000", true, 0},
        {"RebeccaPurple", "663399", true, 0},
        {"beige", "F5F5DC", true, 0},
        {" white ", "FFFFFF", true, 0},
        // Not a whole colour: pasted as typed text, hex digits only.
        {"  00ff00 \n", "00FF00", false, 0},
        {"# 123456", "123456", false, 0},
        {"#12G456", "12456", false, 1},
        {"#12345", "12345", false, 0},
        // As typed text, six characters that leave fewer digits fall short of a code.
        {"rgb(255,128)", "B25", false, 1},
        {"grey50", "E50", false, 1},
        {"color: red", "C", false, 1},
        {"lab(67.82, 45.49, 74.84)", "AB67", false, 1}, // commas belong to rgb() and hsl() only
    };
    const QString full = QStringLiteral("010203");
    for (Path path : {Path::CtrlV, Path::ShiftInsert, Path::Menu, Path::MiddleButton}) {
        const bool pastes = path != Path::MiddleButton || hasSelection();
        for (const Case& c : cases) {
            for (bool startEmpty : {true, false}) {
                SCOPED_TRACE(QStringLiteral("%1 of '%2' into %3 box")
                                 .arg(QLatin1String(pathName(path)), QString::fromUtf8(c.text),
                                      startEmpty ? QStringLiteral("an empty") : QStringLiteral("a full"))
                                 .toStdString());
                f().editor.ShowColour(RGB(1, 2, 3));
                if (startEmpty) {
                    emptyBox();
                } else {
                    f().txtHex->end(false);
                }
                const QString before = f().txtHex->text();
                const int refreshes = f().editor.refreshCount();
                const auto messages = desktop.messages.size();

                paste(path, QString::fromUtf8(c.text));

                // A full box has no room for text that is not a colour.
                const QString expected = !pastes                  ? before
                                         : startEmpty || c.colour ? QString::fromLatin1(c.fromEmpty)
                                                                  : before;
                EXPECT_EQ(f().txtHex->text(), expected);
                if (pastes && (startEmpty || c.colour)) {
                    EXPECT_EQ(f().txtHex->cursorPosition(), f().txtHex->text().size());
                }
                const bool applied = expected.size() == 6 && expected != before;
                EXPECT_EQ(f().editor.refreshCount() - refreshes, applied ? 1 : 0);
                EXPECT_EQ(modColors::ColourToHtml(f().lblCMix->backColour()),
                          QLatin1Char('#') + (applied ? expected : full));
                EXPECT_EQ(desktop.messages.size() - messages, pastes && startEmpty ? c.messages : 0);
                EXPECT_TRUE(flagsClear(f().flags));
            }
        }
    }
}

// The code already in the box, pasted again, is applied again, as typing it over would be.
TEST_F(HexPasteTest, PastingTheCodeInTheBoxAppliesItAgain) {
    const QString shown = f().txtHex->text();
    const int refreshes = f().editor.refreshCount();
    paste(Path::CtrlV, QLatin1Char('#') + shown);
    EXPECT_EQ(f().txtHex->text(), shown);
    EXPECT_EQ(f().editor.refreshCount(), refreshes + 1);
    EXPECT_EQ(modColors::ColourToHtml(f().lblCMix->backColour()), QLatin1Char('#') + shown);
}

// What the CSS hex notation shows, pasted back, gives the same six digits.
TEST_F(HexPasteTest, CssHexNotationPastesBack) {
    f().cboWhat->setCurrentIndex(notation::CssHex);
    const std::pair<modColors::ColourValue, const char*> cases[] = {
        {RGB(0xFF, 0x88, 0x00), "#f80"},
        {RGB(0x33, 0x66, 0x99), "#369"},
        {RGB(0xFF, 0x80, 0x00), "#ff8000"},
        {RGB(0xAB, 0xCD, 0xEF), "#abcdef"},
    };
    for (const auto& [colour, written] : cases) {
        SCOPED_TRACE(written);
        f().editor.ShowColour(colour);
        const QString code = f().txtHex->text();
        const QString shown = f().txtDec->text();
        EXPECT_EQ(shown, QString::fromLatin1(written));
        f().editor.ShowColour(RGB(1, 2, 3));
        paste(Path::CtrlV, shown);
        EXPECT_EQ(f().txtHex->text(), code);
        EXPECT_EQ(f().lblCMix->backColour(), colour);
    }
}

// While snapping holds the box read-only, no path writes into it.
TEST_F(HexPasteTest, ReadOnlyBoxTakesNoPaste) {
    f().txtHex->setReadOnly(true);
    const QString shown = f().txtHex->text();
    for (Path path : {Path::CtrlV, Path::ShiftInsert, Path::MiddleButton}) {
        SCOPED_TRACE(pathName(path));
        paste(path, QStringLiteral("rebeccapurple"));
        EXPECT_EQ(f().txtHex->text(), shown);
    }
    f().txtHex->setReadOnly(false);
}

} // namespace

// Typing and pasting codes into the hex box.
#include "EditorChecks.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QRegularExpression>
#include <random>

using namespace editorChecks;
using modColors::RGB;

namespace {

class HexEntryTest : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        openShown();
        f().txtHex->setFocus();
    }

    void emptyBox() {
        f().txtHex->selectAll();
        QTest::keyClick(f().txtHex, Qt::Key_Delete);
        ASSERT_TRUE(f().txtHex->text().isEmpty());
    }

    void paste(const QString& text) {
        QGuiApplication::clipboard()->setText(text);
        f().txtHex->paste();
    }

    // Types each character as a key press; characters without a key of their own arrive as
    // text, the way an input method delivers them.
    void type(const QString& text) {
        for (qsizetype i = 0; i < text.size(); ++i) {
            const QChar c = text[i];
            if (c.unicode() < 0x7F && (c.isPrint() || c == '\t' || c == '\r')) {
                QTest::keyClick(f().txtHex, c.toLatin1());
                continue;
            }
            const qsizetype width = c.isHighSurrogate() && i + 1 < text.size() ? 2 : 1;
            QTest::sendKeyEvent(QTest::Click, f().txtHex, Qt::Key_unknown, text.mid(i, width),
                                Qt::NoModifier);
            i += width - 1;
        }
    }

    int messagesShown() const { return static_cast<int>(desktop.messages.size()); }
};

TEST_F(HexEntryTest, TypedCodeIsAppliedOnceAtTheSixthCharacter) {
    emptyBox();
    const int before = f().editor.refreshCount();
    const QString keys = QStringLiteral("ff8000");
    for (qsizetype i = 0; i < keys.size(); ++i) {
        QTest::keyClick(f().txtHex, keys[i].toLatin1());
        EXPECT_EQ(f().txtHex->text(), QStringLiteral("FF8000").left(i + 1));
        EXPECT_EQ(f().txtHex->cursorPosition(), i + 1);
        EXPECT_EQ(f().editor.refreshCount() - before, i == 5 ? 1 : 0) << "after key " << i + 1;
        EXPECT_EQ(f().lblCMix->backColour(), i == 5 ? RGB(255, 128, 0) : RGB(128, 128, 128));
    }
    EXPECT_EQ(sliders(f()), (Channels{255, 128, 0}));
    EXPECT_EQ(f().editor.CurrentChannels[0], 255);
    EXPECT_EQ(f().vsbDL->value(), 127);
    EXPECT_EQ(f().txtDec->text(), QStringLiteral("33023"));
    EXPECT_EQ(messagesShown(), 0);
    EXPECT_TRUE(flagsClear(f().flags));
}

TEST_F(HexEntryTest, SeventhCharacterAndDeletingChangeNothingElse) {
    f().editor.ShowColour(RGB(255, 128, 0));
    f().txtHex->end(false);
    const int before = f().editor.refreshCount();
    QTest::keyClick(f().txtHex, Qt::Key_1);
    EXPECT_EQ(f().txtHex->text(), QStringLiteral("FF8000"));
    QTest::keyClick(f().txtHex, Qt::Key_Backspace);
    EXPECT_EQ(f().txtHex->text(), QStringLiteral("FF800"));
    QTest::keyClick(f().txtHex, Qt::Key_Return);
    QTest::keyClick(f().txtHex, Qt::Key_Enter);
    EXPECT_EQ(f().txtHex->text(), QStringLiteral("FF800"));
    EXPECT_EQ(f().editor.refreshCount(), before);
    EXPECT_EQ(f().lblCMix->backColour(), RGB(255, 128, 0));
    EXPECT_EQ(messagesShown(), 0);
    EXPECT_EQ(f().editor.txtHex_KeyPress(13), 0);
    EXPECT_EQ(f().editor.txtHex_KeyPress(48), 48);
    EXPECT_EQ(f().editor.txtHex_KeyPress(10), 10);
}

// Pasted or assigned texts are filtered by the box's own nested runs.
TEST_F(HexEntryTest, PastedTextKeepsOnlyHexDigits) {
    struct Case {
        const char* pasted;
        const char* kept;
        bool applied;
    };
    const Case cases[] = {
        {"12G4", "124", false},      {"GG12", "12", false},           {"ab12cd", "AB12CD", true},
        {"#123456", "12345", false}, {"a b c d e f", "ABC", false},   {"00ff00", "00FF00", true},
        {"zzzzzz", "", false},       {"12\n34\r\n56", "1234", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pasted);
        f().editor.ShowColour(RGB(1, 2, 3));
        emptyBox();
        const int before = f().editor.refreshCount();
        paste(QString::fromUtf8(c.pasted));
        EXPECT_EQ(f().txtHex->text(), QLatin1String(c.kept));
        EXPECT_EQ(f().txtHex->cursorPosition(), f().txtHex->text().size());
        if (c.applied) {
            EXPECT_EQ(modColors::ColourToHtml(f().lblCMix->backColour()).mid(1), QLatin1String(c.kept));
            EXPECT_EQ(f().editor.refreshCount(), before + 1);
        } else {
            EXPECT_EQ(f().lblCMix->backColour(), RGB(1, 2, 3));
            EXPECT_EQ(f().editor.refreshCount(), before);
        }
        EXPECT_TRUE(flagsClear(f().flags));
    }
}

// Ctrl+V takes a code as the program copies it ("#FF8000") or with blanks round it.
TEST_F(HexEntryTest, KeyboardPasteDropsTheHashAndBlanksBeforeTheLengthLimit) {
    const std::pair<const char*, const char*> cases[] = {
        {"#ff8000", "FF8000"}, {"  00ff00 \n", "00FF00"}, {"# 123456", "123456"}, {"#12G456", "12456"}};
    for (const auto& [pasted, kept] : cases) {
        SCOPED_TRACE(pasted);
        f().editor.ShowColour(RGB(1, 2, 3));
        f().txtHex->selectAll();
        QGuiApplication::clipboard()->setText(QString::fromUtf8(pasted));
        QTest::keyClick(f().txtHex, Qt::Key_V, Qt::ControlModifier);
        EXPECT_EQ(f().txtHex->text(), QLatin1String(kept));
        if (QLatin1String(kept).size() == 6) {
            EXPECT_EQ(modColors::ColourToHtml(f().lblCMix->backColour()).mid(1), QLatin1String(kept));
        }
    }
    // Only the code with a letter that is no digit falls short of six.
    EXPECT_EQ(desktop.messages.size(), 1);
}

// With five digits in the box, a sixth character that is no digit says "Length less then 6"
// and leaves the current colour as it is, even after slider moves since the last code.
TEST_F(HexEntryTest, NonDigitAsSixthCharacterKeepsTheCurrentColour) {
    f().editor.ShowColour(RGB(10, 20, 30));
    f().vsbColor[0]->setValue(200); // the channel buffer still holds 10, 20, 30
    emptyBox();
    QTest::keyClicks(f().txtHex, QStringLiteral("12345"));
    const int before = f().editor.refreshCount();

    QTest::keyClick(f().txtHex, Qt::Key_G);

    EXPECT_EQ(f().txtHex->text(), QStringLiteral("12345"));
    ASSERT_EQ(messagesShown(), 1);
    EXPECT_EQ(desktop.messages[0].text, QStringLiteral("Length less then 6"));
    EXPECT_EQ(desktop.messages[0].style, DesktopServices::StyleOkOnly);
    EXPECT_EQ(desktop.messages[0].title, QStringLiteral("Tintwell"));
    EXPECT_EQ(f().editor.refreshCount(), before);
    EXPECT_EQ(f().lblCMix->backColour(), RGB(200, 20, 30));
    EXPECT_EQ(sliders(f()), (Channels{200, 20, 30}));

    QTest::keyClick(f().txtHex, Qt::Key_6); // the box still takes the sixth digit
    EXPECT_EQ(f().lblCMix->backColour(), RGB(0x12, 0x34, 0x56));
    EXPECT_EQ(messagesShown(), 1);
}

// Whatever arrives, the box ends with at most six of 0-9 and A-F, the guards are down and
// every display still agrees with the sliders.
TEST_F(HexEntryTest, RandomTextsNeverLeaveAnythingButHexDigits) {
    const QString pool = QStringLiteral("0123456789abcdefABCDEFgGzZ #@!%&*()[]{}<>/\\|\"'`~^_=+-.,;:?\t\n\r"
                                        "ßﬀµéÄЖжЯ中文☃\u00A0\u200B\uFF21\uFF41");
    const QString surrogatePair = QStringLiteral("\U0001F600");
    std::mt19937 random(20240611);
    auto pick = [&](int n) { return std::uniform_int_distribution<int>(0, n - 1)(random); };
    const QRegularExpression hexOnly(QStringLiteral("^[0-9A-F]{0,6}$"));
    for (int round = 0; round < 600; ++round) {
        QString text;
        const int length = pick(4) == 0 ? 40 + pick(400) : pick(12);
        for (int i = 0; i < length; ++i) {
            text += pick(20) == 0 ? surrogatePair : QString(pool[pick(static_cast<int>(pool.size()))]);
        }
        const int way = round % 3;
        SCOPED_TRACE(QStringLiteral("round %1 way %2 text %3").arg(round).arg(way).arg(text).toStdString());
        if (pick(2) == 0) {
            emptyBox();
        }
        if (way == 0) {
            f().txtHex->setText(text);
        } else if (way == 1) {
            type(text);
        } else {
            paste(text);
        }
        ASSERT_TRUE(hexOnly.match(f().txtHex->text()).hasMatch()) << f().txtHex->text().toStdString();
        ASSERT_TRUE(flagsClear(f().flags));
        const Channels c = sliders(f());
        ASSERT_EQ(f().lblCMix->backColour(), colourOf(c));
        ASSERT_EQ(f().vsbDL->value(), (c[0] + c[1] + c[2]) / 3);
        ASSERT_EQ(f().txtDec->text(), QString::number(colourOf(c)));
    }
    for (const auto& message : desktop.messages) {
        EXPECT_EQ(message.text, QStringLiteral("Length less then 6"));
    }
}

} // namespace

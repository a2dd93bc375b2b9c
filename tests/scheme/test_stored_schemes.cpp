#include "SchemeFixture.h"

#include "platform/DesktopServices.h"

#include <QAbstractItemView>

using modColors::RGB;

namespace {

constexpr int Yes = DesktopServices::AnswerYes;
constexpr int No = DesktopServices::AnswerNo;

QString overwriteQuestion(const QString& name) {
    return name + QStringLiteral(" already existDo You whant to rewrite it?");
}

TEST_F(SchemeTest, FirstOpeningOnAnEmptyStoreWritesListsAndLoadsTheDefault) {
    show();
    EXPECT_EQ(form->cboStore, nullptr) << "the panel is built when it first opens";
    toggleEditor();
    EXPECT_EQ(storedNames(), QStringList{QStringLiteral("Standart")});
    EXPECT_EQ(storedTag(QStringLiteral("Standart")), DefaultTag);
    EXPECT_EQ(listed(), QStringList{QStringLiteral("Standart")});
    EXPECT_EQ(selected(), 0);
    EXPECT_EQ(tag(), DefaultTag);
    EXPECT_EQ(form->lblTag[0]->backColour(), RGB(255, 255, 255));
    const modColors::ColourValue words[5] = {0, 0, RGB(0, 0, 255), RGB(128, 0, 128), RGB(255, 0, 0)};
    for (int i = 1; i < 5; ++i) {
        EXPECT_EQ(form->lblTag[i]->foreColour(), words[i]) << "sample " << i;
    }
    EXPECT_FALSE(form->cmdDeleteTag->isEnabled());
    EXPECT_EQ(form->cmdTagEditor->text(), QStringLiteral("<< Clos&e"));
    EXPECT_EQ(form->outerHeightTwips(), 6040);
    EXPECT_TRUE(form->lblURL->isHidden());
    EXPECT_TRUE(desktop.messages.isEmpty());
}

TEST_F(SchemeTest, StoringUnderTheProposalCountsAndSelectsTheNewLastEntry) {
    show();
    toggleEditor();
    click(form->optTag[1]);
    click(form->lblStandartColor[12]); // red text
    const QString edited = tag();
    desktop.inputAnswers = {QStringLiteral("Pallette 1")};
    click(form->cmdStoreTag);

    ASSERT_EQ(desktop.inputs.size(), 1);
    EXPECT_EQ(desktop.inputs[0].prompt, QStringLiteral("Specify the name for the pallette"));
    EXPECT_EQ(desktop.inputs[0].title, QStringLiteral("Store pallette"));
    EXPECT_EQ(desktop.inputs[0].defaultText, QStringLiteral("Pallette 1"));
    EXPECT_TRUE(desktop.messages.isEmpty());
    EXPECT_EQ(setting(QStringLiteral("Init"), QStringLiteral("PN")), QStringLiteral("1"));
    EXPECT_EQ(storedTag(QStringLiteral("Pallette 1")), edited);
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("Standart"), QStringLiteral("Pallette 1")}));
    EXPECT_EQ(selected(), 1);
    EXPECT_EQ(tag(), edited);
    EXPECT_TRUE(form->cmdDeleteTag->isEnabled());

    desktop.inputAnswers = {QStringLiteral("Pallette 2")};
    click(form->cmdStoreTag);
    EXPECT_EQ(desktop.inputs.last().defaultText, QStringLiteral("Pallette 2"));
    EXPECT_EQ(setting(QStringLiteral("Init"), QStringLiteral("PN")), QStringLiteral("2"));
}

TEST_F(SchemeTest, StoringUnderATypedNameLeavesTheCounter) {
    preset(QStringLiteral("Init"), QStringLiteral("PN"), QStringLiteral("4"));
    show();
    toggleEditor();
    desktop.inputAnswers = {QStringLiteral("Mine")};
    click(form->cmdStoreTag);
    EXPECT_EQ(desktop.inputs[0].defaultText, QStringLiteral("Pallette 5"));
    EXPECT_EQ(setting(QStringLiteral("Init"), QStringLiteral("PN")), QStringLiteral("4"));
    EXPECT_EQ(listed(), (QStringList{QStringLiteral("Standart"), QStringLiteral("Mine")}));
    EXPECT_EQ(selected(), 1);

    click(form->cmdStoreTag); // cancelled: nothing changes
    EXPECT_EQ(desktop.inputs.size(), 2);
    EXPECT_EQ(storedNames(), (QStringList{QStringLiteral("Standart"), QStringLiteral("Mine")}));
    EXPECT_EQ(selected(), 1);
}

// Four schemes A..D, entry `before` selected; storing under `typed` with the given answers.
struct Overwrite {
    const char* what;
    int before;
    QStringList typed;
    QList<int> answers;
    int selectedAfter;
    QStringList namesAfter;
};

void PrintTo(const Overwrite& c, std::ostream* os) {
    *os << c.what;
}

class OverwriteTest : public SchemeTest, public ::testing::WithParamInterface<Overwrite> {};

TEST_P(OverwriteTest, AsksAndReselectsByTheRules) {
    const Overwrite& c = GetParam();
    const QStringList names{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
                            QStringLiteral("D")};
    presetSchemes(names);
    show();
    toggleEditor();
    form->cboStore->setCurrentIndex(c.before);
    click(form->optTag[0]);
    form->txtHex->setText(QStringLiteral("0A0B0C"));
    const QString edited = tag();
    desktop.inputAnswers = c.typed;
    desktop.messageAnswers = c.answers;
    click(form->cmdStoreTag);

    ASSERT_EQ(desktop.messages.size(), c.answers.size());
    for (int i = 0; i < c.answers.size(); ++i) {
        EXPECT_EQ(desktop.messages[i].text, overwriteQuestion(c.typed[i]));
        EXPECT_EQ(desktop.messages[i].style, 36);
        EXPECT_EQ(desktop.messages[i].title, QStringLiteral("Store pallette"));
    }
    for (const auto& input : desktop.inputs) {
        EXPECT_EQ(input.defaultText, QStringLiteral("Pallette 1"))
            << "a No brings back the numbered proposal";
    }
    EXPECT_EQ(storedNames(), c.namesAfter) << "rows keep the order in which they were first stored";
    EXPECT_EQ(listed(), c.namesAfter);
    EXPECT_EQ(selected(), c.selectedAfter);
    const bool stored = desktop.inputs.size() == c.typed.size() && !c.typed.last().isEmpty();
    if (stored) {
        EXPECT_EQ(storedTag(c.typed.last()), edited);
        EXPECT_EQ(tag(), storedTag(c.namesAfter[c.selectedAfter])) << "the selected entry was loaded";
    }
    for (const QString& name : names) {
        if (!stored || name != c.typed.last()) {
            EXPECT_EQ(storedTag(name), DefaultTag) << name.toStdString();
        }
    }
}

const QStringList ABCD{QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"), QStringLiteral("D")};

INSTANTIATE_TEST_SUITE_P(
    StoredSchemes, OverwriteTest,
    ::testing::Values(
        Overwrite{"YesKeepsTheSelectedEntry", 2, {QStringLiteral("B")}, {Yes}, 2, ABCD},
        Overwrite{"YesOnTheSelectedEntryItself", 3, {QStringLiteral("D")}, {Yes}, 3, ABCD},
        Overwrite{"YesWhileTheFirstIsSelectedShowsTheLast", 0, {QStringLiteral("C")}, {Yes}, 3, ABCD},
        Overwrite{"NoThenCancelChangesNothing", 1, {QStringLiteral("C"), QString()}, {No}, 1, ABCD},
        Overwrite{"NoThenANewNameStoresItLast",
                  2,
                  {QStringLiteral("A"), QStringLiteral("E")},
                  {No},
                  4,
                  ABCD + QStringList{QStringLiteral("E")}},
        Overwrite{"NoNoYes",
                  1,
                  {QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("D")},
                  {No, No, Yes},
                  1,
                  ABCD}),
    [](const auto& info) { return std::string(info.param.what); });

TEST_F(SchemeTest, DeletingAsksWithTheNameAndSelectsTheEntryAbove) {
    presetSchemes({QStringLiteral("Standart"), QStringLiteral("Second")});
    preset(StoredSchemes::Section, QStringLiteral("Third"), defaultWith(1, QStringLiteral("#333333")));
    presetSchemes({QStringLiteral("Fourth")});
    preset(StoredSchemes::Section, QStringLiteral("Second"), defaultWith(1, QStringLiteral("#222222")));
    show();
    toggleEditor();
    form->cboStore->setCurrentIndex(2);

    desktop.messageAnswers = {No};
    click(form->cmdDeleteTag);
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages[0].text, QStringLiteral("Are You shure  that You want to remove\"Third\"?"));
    EXPECT_EQ(desktop.messages[0].style, 36);
    EXPECT_EQ(desktop.messages[0].title, QStringLiteral(":(("));
    EXPECT_EQ(storedNames().size(), 4);
    EXPECT_EQ(selected(), 2);
    EXPECT_EQ(code(1), QStringLiteral("#333333"));

    desktop.messageAnswers = {Yes};
    click(form->cmdDeleteTag);
    const QStringList rest{QStringLiteral("Standart"), QStringLiteral("Second"), QStringLiteral("Fourth")};
    EXPECT_EQ(storedNames(), rest);
    EXPECT_EQ(listed(), rest);
    EXPECT_EQ(selected(), 1);
    EXPECT_EQ(code(1), QStringLiteral("#222222")) << "the entry above was loaded";

    desktop.messageAnswers = {Yes};
    click(form->cmdDeleteTag);
    EXPECT_EQ(selected(), 0);
    EXPECT_FALSE(form->cmdDeleteTag->isEnabled()) << "the first entry cannot be deleted";
    form->cmdDeleteTag->click(); // even if it were reached, the first entry stays
    EXPECT_EQ(storedNames(), (QStringList{QStringLiteral("Standart"), QStringLiteral("Fourth")}));
}

TEST_F(SchemeTest, RowOrderSurvivesOverwritesDeletesAndRestarts) {
    presetSchemes(
        {QStringLiteral("Standart"), QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C")});
    show();
    toggleEditor();
    desktop.inputAnswers = {QStringLiteral("A")};
    desktop.messageAnswers = {Yes};
    click(form->cmdStoreTag);
    form->cboStore->setCurrentIndex(2);
    desktop.messageAnswers = {Yes};
    click(form->cmdDeleteTag);
    desktop.inputAnswers = {QStringLiteral("D")};
    click(form->cmdStoreTag);
    desktop.inputAnswers = {QStringLiteral("B")};
    click(form->cmdStoreTag);
    const QStringList order{QStringLiteral("Standart"), QStringLiteral("A"), QStringLiteral("C"),
                            QStringLiteral("D"), QStringLiteral("B")};
    EXPECT_EQ(listed(), order);
    restart();
    form->show();
    toggleEditor();
    EXPECT_EQ(listed(), order);
    EXPECT_EQ(selected(), 0);
}

// Any non-empty text is a name, stored and listed exactly.
class NameTest : public SchemeTest, public ::testing::WithParamInterface<QString> {};

TEST_P(NameTest, IsStoredListedAndLoadedExactly) {
    const QString name = GetParam();
    show();
    toggleEditor();
    click(form->optTag[2]);
    form->txtHex->setText(QStringLiteral("ABCDEF"));
    const QString edited = tag();
    desktop.inputAnswers = {name};
    click(form->cmdStoreTag);
    EXPECT_TRUE(desktop.messages.isEmpty());

    restart();
    form->show();
    toggleEditor();
    ASSERT_EQ(listed(), (QStringList{QStringLiteral("Standart"), name}));
    form->cboStore->setCurrentIndex(1);
    EXPECT_EQ(tag(), edited);
    EXPECT_EQ(form->cboStore->currentText(), name);

    desktop.inputAnswers = {name}; // the same name again is an overwrite
    desktop.messageAnswers = {No};
    click(form->cmdStoreTag);
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_EQ(desktop.messages[0].text, overwriteQuestion(name));
}

// The user chooses from the open list: a click opens it, Enter takes the entry.
void chooseFromList(QComboBox* list, int k) {
    QTest::mouseClick(list, Qt::LeftButton);
    QAbstractItemView* view = list->view();
    ASSERT_TRUE(view->isVisible());
    view->setCurrentIndex(view->model()->index(k, 0));
    QTest::keyClick(view, Qt::Key_Return);
}

// Choosing the entry that is selected throws the edits away; any choice loads exactly once
// (a short piece reports once per load).
TEST_F(SchemeTest, ChoosingTheSelectedEntryAgainLoadsItAgain) {
    preset(StoredSchemes::Section, StoredSchemes::DefaultName, DefaultTag);
    preset(StoredSchemes::Section, QStringLiteral("Short"), QStringLiteral("<BODY BGCOLOR=#FFF>"));
    show();
    toggleEditor();
    ASSERT_EQ(selected(), 0);
    click(form->optTag[1]);
    form->txtHex->setText(QStringLiteral("ABCDEF"));
    ASSERT_EQ(tag(), defaultWith(1, QStringLiteral("#ABCDEF")));

    chooseFromList(form->cboStore, 0);
    EXPECT_EQ(tag(), DefaultTag);
    EXPECT_EQ(code(1), QStringLiteral("#000000"));
    EXPECT_FALSE(form->optTag[1]->isChecked());

    chooseFromList(form->cboStore, 1);
    EXPECT_EQ(selected(), 1);
    EXPECT_EQ(desktop.messages.size(), 1);
    chooseFromList(form->cboStore, 1);
    EXPECT_EQ(desktop.messages.size(), 2);
    EXPECT_EQ(tag(), QStringLiteral("<BODY BGCOLOR=#FFF>"));
}

INSTANTIATE_TEST_SUITE_P(
    StoredSchemes, NameTest,
    ::testing::Values(QStringLiteral("a=b"), QStringLiteral("[Init]"), QStringLiteral("]["),
                      QStringLiteral(";not a comment"), QStringLiteral("#not a comment"),
                      QStringLiteral("100%"), QStringLiteral("C:\\dir\\n"), QStringLiteral("  blanks  "),
                      QStringLiteral(" "), QStringLiteral("Grüße – 配色 ✓"),
                      QStringLiteral("standart") /* differs from the default in case only */,
                      QString(400, QLatin1Char('x'))));

// A stored text of another shape loads what it can, with one message at most.
struct Shape {
    const char* what;
    QString text;
    QStringList codes;
    int messages;
};

void PrintTo(const Shape& c, std::ostream* os) {
    *os << c.what;
}

class ShapeTest : public SchemeTest, public ::testing::WithParamInterface<Shape> {};

TEST_P(ShapeTest, LoadsWhatItCan) {
    const Shape& c = GetParam();
    preset(StoredSchemes::Section, QStringLiteral("Standart"), c.text);
    show();
    toggleEditor();
    EXPECT_EQ(tag(), c.text) << "the field shows the text as stored";
    for (int slot = 0; slot < 5; ++slot) {
        EXPECT_EQ(code(slot), c.codes[slot]) << "slot " << slot;
    }
    ASSERT_EQ(desktop.messages.size(), c.messages);
    for (const auto& m : desktop.messages) {
        EXPECT_EQ(m.text, QStringLiteral("Length less then 6"));
        EXPECT_EQ(m.style, 0);
    }
    // A slot chosen afterwards takes colours normally and the tag becomes well-formed again.
    click(form->optTag[4]);
    click(form->lblStandartColor[9]);
    EXPECT_EQ(code(4), QStringLiteral("#0000FF"));
    EXPECT_TRUE(tag().endsWith(QStringLiteral(" ALINK=#0000FF>")));
}

const QStringList DefaultCodes{QStringLiteral("#FFFFFF"), QStringLiteral("#000000"),
                               QStringLiteral("#0000FF"), QStringLiteral("#800080"),
                               QStringLiteral("#FF0000")};

INSTANTIATE_TEST_SUITE_P(
    StoredSchemes, ShapeTest,
    ::testing::Values(
        Shape{"Tiny", QStringLiteral("<BODY>"), {"", "", "", "", ""}, 1},
        Shape{"CutAfterText",
              QStringLiteral("<BODY BGCOLOR=#FFFFFF TEXT=#000000>"),
              {QStringLiteral("#FFFFFF"), QStringLiteral("#000000"), "", "", ""},
              1},
        Shape{"LastCodeCut", StoredSchemes::DefaultTag.left(72),
              DefaultCodes.mid(0, 4) + QStringList{QStringLiteral("#FF0")}, 1},
        Shape{"Longer", StoredSchemes::DefaultTag + QStringLiteral(" <!-- more -->"), DefaultCodes, 0},
        Shape{"NotCodes",
              QStringLiteral("<BODY BGCOLOR=#GGGGGG TEXT=#00000  LINK=######  VLINK=#800080 ALINK=red    >"),
              {QStringLiteral("#GGGGGG"), QStringLiteral("#00000 "), QStringLiteral("###### "),
               QStringLiteral("#800080"), QStringLiteral("red    ")},
              0},
        Shape{"ShortAndNotCodes",
              QStringLiteral("<BODY BGCOLOR=#ZZZZZZ TEXT=#1"),
              {QStringLiteral("#ZZZZZZ"), QStringLiteral("#1"), "", "", ""},
              1}),
    [](const auto& info) { return std::string(info.param.what); });

// The naming counter as stored, the name proposed, and the counter after taking it.
struct Counter {
    const char* what;
    QString stored;
    QString proposal;
    QString after;
};

void PrintTo(const Counter& c, std::ostream* os) {
    *os << c.what;
}

class CounterTest : public SchemeTest, public ::testing::WithParamInterface<Counter> {};

TEST_P(CounterTest, ProposesAFreshNameAndNeverWrapsTheCounter) {
    const Counter& c = GetParam();
    if (!c.stored.isNull()) {
        preset(QStringLiteral("Init"), QStringLiteral("PN"), c.stored);
    }
    presetSchemes({QStringLiteral("Standart"), QStringLiteral("Pallette 1"), QStringLiteral("Pallette 2")});
    show();
    toggleEditor();
    desktop.inputAnswers = {c.proposal};
    desktop.messageAnswers = {Yes};
    click(form->cmdStoreTag);
    ASSERT_EQ(desktop.inputs.size(), 1);
    EXPECT_EQ(desktop.inputs[0].defaultText, c.proposal);
    EXPECT_EQ(setting(QStringLiteral("Init"), QStringLiteral("PN")), c.after);
}

INSTANTIATE_TEST_SUITE_P(
    StoredSchemes, CounterTest,
    ::testing::Values(
        Counter{"Absent", QString(), QStringLiteral("Pallette 1"), QStringLiteral("1")},
        Counter{"Counting", QStringLiteral("41"), QStringLiteral("Pallette 42"), QStringLiteral("42")},
        Counter{"WithSignBlank", QStringLiteral(" 7"), QStringLiteral("Pallette 8"), QStringLiteral("8")},
        Counter{"NotANumber", QStringLiteral("many"), QStringLiteral("Pallette 1"), QStringLiteral("1")},
        Counter{"Fraction", QStringLiteral("2.5"), QStringLiteral("Pallette 1"), QStringLiteral("1")},
        Counter{"Negative", QStringLiteral("-3"), QStringLiteral("Pallette 1"), QStringLiteral("1")},
        Counter{"BeyondRange", QStringLiteral("40000"), QStringLiteral("Pallette 1"), QStringLiteral("1")},
        Counter{"JustBelowFull", QStringLiteral("32766"), QStringLiteral("Pallette 32767"),
                QStringLiteral("32767")},
        Counter{"Full", QStringLiteral("32767"), QStringLiteral("Pallette 3"), QStringLiteral("32767")}),
    [](const auto& info) { return std::string(info.param.what); });

} // namespace

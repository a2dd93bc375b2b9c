// Texts the window shows are shown as written: tool tips, captions and the boxes' texts, with
// "<BODY>", "<b>" and double blanks kept.
#include "platform/QtDesktopServices.h"
#include "shell/WindowExtras.h"
#include "support/DialogScript.h"
#include "support/WindowFixture.h"
#include "widgets/PlainToolTip.h"

#include <QHelpEvent>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTextDocument>
#include <QToolTip>

namespace {

// The tool tip on the screen, if one is shown.
QLabel* shownToolTip() {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String("qtooltip_label") && w->isVisible()) {
            return qobject_cast<QLabel*>(w);
        }
    }
    return nullptr;
}

// The characters a label puts on the screen.
QString shownText(const QLabel* label) {
    const bool rich = label->textFormat() == Qt::RichText ||
                      (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(label->text()));
    if (!rich) {
        return label->text();
    }
    QTextDocument document;
    document.setHtml(label->text());
    return document.toPlainText();
}

// Hovers `w` until its tip shows and returns the tip.
QLabel* hover(QWidget* w) {
    const QPoint at = w->rect().center();
    QHelpEvent help(QEvent::ToolTip, at, w->mapToGlobal(at));
    QApplication::sendEvent(w, &help);
    return shownToolTip();
}

class PlainTextTest : public WindowTest {
  protected:
    void openFullView() {
        open();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
        form->extras.lblCMix_MouseUp(1, 1);
    }
};

TEST_F(PlainTextTest, EveryToolTipShowsExactlyItsTextOnOneLine) {
    openFullView();
    QStringList checked;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (w->toolTip().isEmpty() || !w->isVisible()) {
            continue;
        }
        SCOPED_TRACE(w->objectName().toStdString());
        QLabel* tip = hover(w);
        ASSERT_NE(tip, nullptr);
        EXPECT_EQ(shownText(tip), w->toolTip());
        EXPECT_LT(tip->height(), 2 * tip->fontMetrics().lineSpacing()) << "the tip wraps";
        checked << w->toolTip();
        QToolTip::hideText();
    }
    for (const char* tip :
         {"Open-Close tag <BODY> Editor", "Store <BODY> tag for later usage", "Copy tag <BODY> to clipboard",
          "Rremove selected <BODY> tag", "Click to switch  the thickness. Keys: Space switches it"}) {
        EXPECT_TRUE(checked.contains(QString::fromUtf8(tip))) << tip;
    }
}

// The helper other rooms use for tips they make up at run time, such as a scheme's name.
TEST_F(PlainTextTest, PlainToolTipHelperKeepsMarkupBlanksAndLineBreaks) {
    openFullView();
    for (const QString& text : {QStringLiteral("<b>A</b>  &amp; <BODY>"), QStringLiteral("two\nlines  ")}) {
        setPlainToolTip(form->lblBold, text);
        EXPECT_EQ(form->lblBold->toolTip(), text);
        QLabel* tip = hover(form->lblBold);
        ASSERT_NE(tip, nullptr);
        EXPECT_EQ(shownText(tip), text);
        QToolTip::hideText();
    }
}

TEST_F(PlainTextTest, CaptionsAreNeverReadAsMarkup) {
    openFullView();
    for (QLabel* label : form->findChildren<QLabel*>()) {
        EXPECT_EQ(label->textFormat(), Qt::PlainText) << label->objectName().toStdString();
    }
}

TEST_F(PlainTextTest, MessageBoxesShowTheirTextAsWrittenWithTheirOwnButtonsAndIcon) {
    struct Case {
        const char* text;
        int style;
        const char* title;
        QMessageBox::Icon icon;
        QMessageBox::StandardButtons buttons;
        QMessageBox::StandardButton press;
        int answer;
    };
    const Case cases[] = {
        {"Length less then 6", DesktopServices::StyleOkOnly, "Tintwell", QMessageBox::NoIcon, QMessageBox::Ok,
         QMessageBox::Ok, DesktopServices::AnswerOk},
        {"<b>A</b> already existDo You whant to rewrite it?", DesktopServices::StyleYesNoQuestion,
         "Store pallette", QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes,
         DesktopServices::AnswerYes},
        {"Are You shure  that You want to remove\"<b>A</b>\"?", DesktopServices::StyleYesNoQuestion, ":((",
         QMessageBox::Question, QMessageBox::Yes | QMessageBox::No, QMessageBox::No,
         DesktopServices::AnswerNo},
    };
    QtDesktopServices real;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        DialogScript script({[&](QWidget* box) {
            auto* message = qobject_cast<QMessageBox*>(box);
            if (!message) {
                ADD_FAILURE() << "expected a message box";
                static_cast<QDialog*>(box)->reject();
                return;
            }
            auto* label = message->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
            EXPECT_EQ(message->windowTitle(), QString::fromUtf8(c.title));
            EXPECT_NE(label, nullptr);
            if (label) {
                EXPECT_EQ(shownText(label), QString::fromUtf8(c.text));
            }
            EXPECT_EQ(message->icon(), c.icon);
            EXPECT_EQ(message->standardButtons(), c.buttons);
            message->button(c.press)->click();
        }});
        EXPECT_EQ(real.messageBox(QString::fromUtf8(c.text), c.style, QString::fromUtf8(c.title)), c.answer);
        EXPECT_TRUE(script.finished());
    }
}

TEST_F(PlainTextTest, InputBoxShowsItsPromptAsWritten) {
    QtDesktopServices real;
    const QString prompt = QStringLiteral("Name  for <b>it</b>");
    DialogScript script({[&](QWidget* box) {
        auto* input = qobject_cast<QInputDialog*>(box);
        if (!input) {
            ADD_FAILURE() << "expected the input box";
            static_cast<QDialog*>(box)->reject();
            return;
        }
        auto* label = input->findChild<QLabel*>();
        EXPECT_NE(label, nullptr);
        if (label) {
            EXPECT_EQ(shownText(label), prompt);
        }
        EXPECT_EQ(input->textValue(), QStringLiteral("<i>x</i>"));
        input->accept();
    }});
    EXPECT_EQ(real.inputBox(prompt, QStringLiteral("Store pallette"), QStringLiteral("<i>x</i>")),
              QStringLiteral("<i>x</i>"));
    EXPECT_TRUE(script.finished());
}

} // namespace

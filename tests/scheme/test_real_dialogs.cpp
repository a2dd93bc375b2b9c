#include "SchemeFixture.h"

#include "platform/QtDesktopServices.h"
#include "support/DialogScript.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

namespace {

TEST_F(SchemeTest, StoringAnswersTheRealInputAndMessageBoxes) {
    QtDesktopServices qtDesktop;
    form = std::make_unique<frmTintwell>(*store, qtDesktop);
    form->show();
    toggleEditor();

    QStringList seen;
    const auto readInput = [&seen](QWidget* box) {
        auto* input = qobject_cast<QInputDialog*>(box);
        if (!input) {
            ADD_FAILURE() << "expected the input box";
            static_cast<QDialog*>(box)->reject();
            return input;
        }
        seen << input->windowTitle() << input->labelText() << input->textValue();
        return input;
    };
    DialogScript script({
        [&](QWidget* box) {
            QInputDialog* input = readInput(box);
            if (!input) {
                return;
            }
            input->setTextValue(QStringLiteral("Standart"));
            input->accept();
        },
        [&](QWidget* box) {
            auto* message = qobject_cast<QMessageBox*>(box);
            if (!message) {
                ADD_FAILURE() << "expected the overwrite question";
                static_cast<QDialog*>(box)->reject();
                return;
            }
            seen << message->windowTitle() << message->text();
            EXPECT_EQ(message->icon(), QMessageBox::Question);
            EXPECT_EQ(message->standardButtons(), QMessageBox::Yes | QMessageBox::No);
            message->button(QMessageBox::No)->click();
        },
        [&](QWidget* box) {
            QInputDialog* input = readInput(box);
            if (!input) {
                return;
            }
            auto* edit = input->findChild<QLineEdit*>();
            edit->selectAll();
            QTest::keyClicks(edit, QStringLiteral("Mine"));
            QTest::keyClick(edit, Qt::Key_Return);
        },
    });
    click(form->cmdStoreTag);

    EXPECT_TRUE(script.finished());
    const QString title = QStringLiteral("Store pallette");
    const QString prompt = QStringLiteral("Specify the name for the pallette");
    EXPECT_EQ(seen, (QStringList{title, prompt, QStringLiteral("Pallette 1"), title,
                                 QStringLiteral("Standart already existDo You whant to rewrite it?"), title,
                                 prompt, QStringLiteral("Pallette 1")}));
    EXPECT_EQ(storedNames(), (QStringList{QStringLiteral("Standart"), QStringLiteral("Mine")}));
    EXPECT_EQ(selected(), 1);
    EXPECT_TRUE(setting(QStringLiteral("Init"), QStringLiteral("PN")).isEmpty());
    form.reset(); // before the desktop it uses
}

} // namespace

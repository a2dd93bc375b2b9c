#include "SchemeFixture.h"

#include "platform/QtDesktopServices.h"

#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>

namespace {

// Answers the real Qt boxes in turn: a zero-delay timer finds each modal box as it opens and
// hands it to the next step, which reads it and answers as a user would.
class DialogScript {
  public:
    using Step = std::function<void(QWidget*)>;
    explicit DialogScript(QList<Step> steps) : steps_(std::move(steps)) {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
        timer_.start();
    }
    bool finished() const { return next_ == steps_.size(); }

  private:
    // An answered box hides at once, so a visible one is always the next to answer.
    void poll() {
        QWidget* box = QApplication::activeModalWidget();
        if (!box || !box->isVisible()) {
            return;
        }
        if (finished()) {
            ADD_FAILURE() << "an unexpected box opened: " << box->windowTitle().toStdString();
            static_cast<QDialog*>(box)->reject();
            return;
        }
        steps_[next_++](box);
    }

    QList<Step> steps_;
    qsizetype next_ = 0;
    QTimer timer_;
};

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

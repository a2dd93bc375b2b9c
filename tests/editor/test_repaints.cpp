// What one user action costs on screen: each control that changed is painted once, and
// controls that did not change are not painted at all.
#include "EditorChecks.h"

#include <QApplication>
#include <QMap>

using namespace editorChecks;
using modColors::RGB;

namespace {

// Counts paint events per control of one window.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget* window) {
        for (QWidget* w : window->findChildren<QWidget*>()) {
            w->installEventFilter(this);
        }
    }
    QMap<QString, int> paints;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !watched->objectName().isEmpty()) {
            ++paints[watched->objectName()];
        }
        return false;
    }
};

class RepaintTest : public EditorTest {
  protected:
    void SetUp() override {
        EditorTest::SetUp();
        openShown();
    }
};

TEST_F(RepaintTest, EachActionPaintsEachChangedControlOnce) {
    struct Action {
        const char* name;
        std::function<void()> act;
        QStringList mustPaint;
        QStringList mustNotPaint;
    };
    const QStringList quiet{"cboWhat", "cmdSend", "cmdTagEditor", "chkOnTop", "txtTag"};
    const Action actions[] = {
        {"red slider one step",
         [&] { f().vsbColor[0]->setValue(f().vsbColor[0]->value() + 1); },
         {"lblCMix", "vsbColor(0)", "lblNColor(0)", "lblColor(0)", "txtHex", "txtDec"},
         QStringList{"vsbColor(1)", "vsbColor(2)", "lblColor(1)", "lblColor(2)"} + quiet},
        {"refresh with another colour",
         [&] { f().editor.ShowColour(RGB(10, 200, 30)); },
         {"lblCMix", "vsbColor(0)", "vsbColor(1)", "vsbColor(2)", "vsbDL", "txtHex", "txtDec"},
         QStringList{"lblStandartColor(8)"} + quiet},
        {"refresh with the same colour",
         [&] { f().editor.ShowColour(RGB(10, 200, 30)); },
         {},
         QStringList{"lblCMix", "vsbColor(0)", "vsbDL", "txtHex", "txtDec", "lblNColor(1)",
                     "lblStandartColor(8)"} +
             quiet},
        {"dark-light up",
         [&] { f().vsbDL->setValue(f().vsbDL->value() + 3); },
         {"lblCMix", "vsbDL", "vsbColor(0)", "txtHex", "txtDec"},
         quiet},
        {"standard cell",
         [&] { emit f().lblStandartColor[12]->clicked(); },
         {"lblCMix", "lblStandartColor(12)", "cmdColorName", "txtHex"},
         quiet},
        {"notation",
         [&] { f().cboWhat->setCurrentIndex(4); },
         {"txtDec"},
         {"lblCMix", "txtHex", "vsbDL", "vsbColor(0)", "lblStandartColor(12)"}},
    };
    for (const Action& a : actions) {
        SCOPED_TRACE(a.name);
        PaintCounter counter(&f());
        a.act();
        settle();
        for (auto it = counter.paints.cbegin(); it != counter.paints.cend(); ++it) {
            EXPECT_LE(it.value(), 1) << qPrintable(it.key());
        }
        for (const QString& name : a.mustPaint) {
            EXPECT_EQ(counter.paints.value(name), 1) << qPrintable(name);
        }
        for (const QString& name : a.mustNotPaint) {
            EXPECT_EQ(counter.paints.value(name), 0) << qPrintable(name);
        }
    }
}

} // namespace

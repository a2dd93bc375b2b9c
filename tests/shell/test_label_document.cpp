// Labels that answer keys draw their captions themselves: Qt would build a text document for
// each of them at start and draw a focused one through it, a pixel off. They stay Tab stops.
#include "support/WindowFixture.h"

#include <QTest>

namespace {

int textDocuments(const QWidget* label) {
    int count = 0;
    for (const QObject* child : label->children()) {
        count +=
            QLatin1String(child->metaObject()->className()) == QLatin1String("QWidgetTextControl") ? 1 : 0;
    }
    return count;
}

QImage looks(QWidget* label) {
    return label->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

class LabelDocument : public WindowTest {};

TEST_F(LabelDocument, KeyLabelsDrawTheirCaptionsThemselvesFocusedOrNot) {
    frmTintwell& f = open();
    f.show();
    f.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&f));
    // "#" and the address label are Tab stops; the standard cells have one Tab stop among them.
    for (FormLabel* label : {f.lblH, f.lblURL, f.lblStandartColor[0], f.lblStandartColor[9]}) {
        SCOPED_TRACE(label->objectName().toStdString());
        EXPECT_EQ(textDocuments(label), 0) << "built at start";
        const Qt::FocusPolicy policy = label->focusPolicy();
        const QString caption = label->text();
        label->setText(QStringLiteral("7"));
        label->setText(caption);
        EXPECT_EQ(textDocuments(label), 0) << "built with a new caption";
        EXPECT_EQ(label->focusPolicy(), policy) << "a new caption changed the Tab stop";
        const QImage plain = looks(label);

        // With the focus, the caption stays where it was: only the focus mark round it is new.
        label->setFocus();
        ASSERT_EQ(QApplication::focusWidget(), label);
        const QRect inside = label->rect().adjusted(3, 3, -3, -3);
        EXPECT_EQ(looks(label).copy(inside), plain.copy(inside)) << "the caption moved with the focus";
        EXPECT_NE(looks(label), plain) << "no focus mark";
        label->setText(QStringLiteral("7"));
        label->setText(caption);
        EXPECT_EQ(QApplication::focusWidget(), label) << "a new caption took the focus away";
        f.cmdWinColor->setFocus();
        EXPECT_EQ(textDocuments(label), 0) << "built with the focus";
        EXPECT_EQ(looks(label), plain);
    }
    EXPECT_TRUE(f.lblH->focusPolicy() & Qt::TabFocus);
    EXPECT_TRUE(f.lblURL->focusPolicy() & Qt::TabFocus);
}

} // namespace

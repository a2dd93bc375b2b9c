#include "editor/ScreenPicking.h"
#include "support/WindowFixture.h"

#include <QMenu>
#include <QTest>

namespace {

class ScreenPickingTest : public WindowTest {};

// The preview's menu opens on a right button release without Shift, and only then; its one
// entry starts a pick, which on a display with no picker is told in one box and changes nothing.
TEST_F(ScreenPickingTest, ThePreviewsMenuOffersPickingAndANoPickChangesNothing) {
    open();
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    const modColors::ColourValue before = form->editor.currentColour();
    auto openMenus = [&] {
        int shown = 0;
        for (QMenu* menu : form->findChildren<QMenu*>(QStringLiteral("previewMenu"))) {
            shown += menu->isVisible() ? 1 : 0;
        }
        return shown;
    };
    QTest::mouseRelease(form->lblCMix, Qt::LeftButton);
    QTest::mouseRelease(form->lblCMix, Qt::RightButton, Qt::ShiftModifier);
    EXPECT_EQ(openMenus(), 0);
    QTest::mouseRelease(form->lblCMix, Qt::RightButton);
    ASSERT_EQ(openMenus(), 1);
    QMenu* menu = form->findChild<QMenu*>(QStringLiteral("previewMenu"));
    ASSERT_EQ(menu->actions().size(), 1);
    EXPECT_EQ(menu->actions()[0]->text(), ScreenPicking::MenuText);
    menu->actions()[0]->trigger();
    menu->close();
    EXPECT_TRUE(form->picking.picking());
    QTRY_VERIFY(!form->picking.picking());
    ASSERT_EQ(desktop.messages.size(), 1);
    EXPECT_TRUE(desktop.messages[0].text.startsWith("No colour picker here"))
        << qPrintable(desktop.messages[0].text);
    EXPECT_EQ(form->editor.currentColour(), before);
}

} // namespace

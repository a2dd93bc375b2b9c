// The scheme for today's web: its CSS copies from two context menus, and the page drawn as
// eyes that see colours differently would see it.
#include "SchemeFixture.h"

#include "editor/ColourEditor.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>

using modColors::ColourValue;
using modColors::RGB;

namespace {

class SchemeWebTest : public SchemeTest {
  protected:
    // Opens a widget's context menu as a right click in its middle would.
    static QMenu* contextMenu(QWidget* widget) {
        const QPoint middle = widget->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Mouse, middle, widget->mapToGlobal(middle));
        QApplication::sendEvent(widget, &event);
        return qobject_cast<QMenu*>(QApplication::activePopupWidget());
    }
    static QAction* entry(QMenu* menu, const QString& caption) {
        for (QAction* action : menu->actions()) {
            if (action->text() == caption) {
                return action;
            }
        }
        return nullptr;
    }
    // Clicks the entry as the user does; a disabled entry does nothing and leaves the menu open.
    static void choose(QMenu* menu, QAction* action) {
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
        if (QApplication::activePopupWidget() == menu) {
            menu->close();
        }
        QTRY_VERIFY(QApplication::activePopupWidget() == nullptr);
    }
    static QColor pixel(QWidget* widget, QPoint at) { return widget->grab().toImage().pixelColor(at); }
};

const QString Rules = QStringLiteral("Copy as CSS rules");
const QString Properties = QStringLiteral("Copy as CSS custom properties");

TEST_F(SchemeWebTest, CssCopiesFromTheButtonAndTheFieldMenus) {
    struct Case {
        const char* name;
        QString tag; // loaded as a stored scheme would be; empty for the default scheme
        const char* rules;
        const char* properties; // "" for both: nothing to copy, the entries are off
    };
    const Case cases[] = {
        {"default scheme",
         {},
         "body { background-color: #FFFFFF; color: #000000; }\n"
         "a:link { color: #0000FF; }\n"
         "a:visited { color: #800080; }\n"
         "a:active { color: #FF0000; }\n",
         ":root {\n  --bgcolor: #FFFFFF;\n  --text: #000000;\n  --link: #0000FF;\n  --vlink: #800080;\n"
         "  --alink: #FF0000;\n}\n"},
        {"hand-edited: link and text not colours, a lower-case code",
         defaultWith(2, QStringLiteral("#00G0FF"))
             .replace(27, 7, QStringLiteral("black!!"))
             .replace(54, 7, "#8000aa"),
         "body { background-color: #FFFFFF; }\n"
         "a:visited { color: #8000aa; }\n"
         "a:active { color: #FF0000; }\n",
         ":root {\n  --bgcolor: #FFFFFF;\n  --vlink: #8000aa;\n  --alink: #FF0000;\n}\n"},
        {"no colour at all", QStringLiteral("<BODY>"), "", ""},
    };
    show();
    toggleEditor();
    for (const Case& c : cases) {
        form->scheme.loadTag(c.tag.isEmpty() ? DefaultTag : c.tag);
        const QString shownTag = tag();
        for (QWidget* owner : {static_cast<QWidget*>(form->cmdCopyTag), form->txtTag->viewport()}) {
            for (const auto& [caption, expected] :
                 {std::pair{Rules, c.rules}, std::pair{Properties, c.properties}}) {
                SCOPED_TRACE(QStringLiteral("%1, %2 on %3")
                                 .arg(QLatin1String(c.name), caption, owner->parentWidget()->objectName())
                                 .toStdString());
                QMenu* menu = contextMenu(owner);
                ASSERT_NE(menu, nullptr);
                QStringList captions;
                for (QAction* action : menu->actions()) {
                    if (!action->isSeparator()) {
                        captions << action->text().section(QLatin1Char('\t'), 0, 0);
                    }
                }
                if (owner == form->cmdCopyTag) {
                    EXPECT_EQ(captions, (QStringList{Rules, Properties}));
                } else { // the field's own entries stay, ours come last
                    EXPECT_TRUE(captions.contains(QStringLiteral("&Copy")));
                    EXPECT_TRUE(captions.contains(QStringLiteral("Select All")));
                    EXPECT_EQ(captions.mid(captions.size() - 2), (QStringList{Rules, Properties}));
                }
                QAction* action = entry(menu, caption);
                ASSERT_NE(action, nullptr);
                EXPECT_EQ(action->isEnabled(), *expected != '\0');
                desktop.clipboard = QStringLiteral("before");
                const int writes = desktop.clipboardWrites;
                choose(menu, action);
                EXPECT_EQ(desktop.clipboard,
                          *expected ? QString::fromUtf8(expected) : QStringLiteral("before"));
                EXPECT_EQ(desktop.clipboardWrites, writes + (*expected ? 1 : 0));
                EXPECT_EQ(tag(), shownTag) << "the copies change nothing";
            }
        }
    }
    // A left click still copies the tag, once.
    form->scheme.loadTag(DefaultTag);
    const int writes = desktop.clipboardWrites;
    click(form->cmdCopyTag);
    EXPECT_EQ(desktop.clipboard, DefaultTag);
    EXPECT_EQ(desktop.clipboardWrites, writes + 1);
}

// Reference colours: the paper's deuteranopia matrix at severity 1 in linear light, worked
// out apart from the program.
TEST_F(SchemeWebTest, PageDrawnForDeuteranopiaKeepsItsColours) {
    show();
    toggleEditor();
    click(form->lblTag[0]);
    click(form->lblStandartColor[12]); // a red page
    const QString redTag = tag();
    const ColourValue current = form->editor.currentColour();
    std::array<ColourValue, 5> own{};
    for (int i = 0; i < 5; ++i) {
        own[i] = i == 0 ? form->lblTag[0]->backColour() : form->lblTag[i]->foreColour();
    }
    const QLabel* note = form->findChild<QLabel*>(QStringLiteral("lblVision"));
    ASSERT_NE(note, nullptr);
    EXPECT_FALSE(note->isVisible()) << "a run starts with normal vision";

    QMenu* menu = contextMenu(form->lblTag[2]); // a word offers it as the backdrop does
    ASSERT_NE(menu, nullptr);
    QStringList captions;
    for (QAction* action : menu->actions()) {
        captions << action->text();
        EXPECT_TRUE(action->isCheckable());
        EXPECT_EQ(action->isChecked(), action->text() == QStringLiteral("Normal vision"));
    }
    EXPECT_EQ(captions,
              (QStringList{"Normal vision", "Protanopia", "Deuteranopia", "Tritanopia", "Achromatopsia"}));
    choose(menu, entry(menu, QStringLiteral("Deuteranopia")));

    const ColourValue drawn[5] = {RGB(0xA3, 0x90, 0x00), RGB(0, 0, 0), RGB(0x00, 0x3D, 0xFB),
                                  RGB(0x30, 0x4B, 0x7D), RGB(0xA3, 0x90, 0x00)};
    for (int i = 0; i < 5; ++i) {
        SCOPED_TRACE(i);
        const FormLabel* label = form->lblTag[i];
        EXPECT_EQ(i == 0 ? label->backColour() : label->foreColour(), own[i]) << "the label keeps its colour";
        EXPECT_EQ(i == 0 ? label->drawnBackColour() : label->drawnForeColour(), drawn[i]);
        EXPECT_EQ(label->palette().color(i == 0 ? QPalette::Window : QPalette::WindowText),
                  QColor(drawn[i] & 0xFF, (drawn[i] >> 8) & 0xFF, drawn[i] >> 16));
    }
    EXPECT_EQ(pixel(form->lblTag[0], {2, 2}), QColor(0xA3, 0x90, 0x00)) << "the page is drawn so";
    EXPECT_EQ(tag(), redTag);
    EXPECT_EQ(form->editor.currentColour(), current);
    EXPECT_TRUE(note->isVisible());
    EXPECT_EQ(note->text(), QStringLiteral("Deuteranopia"));
    EXPECT_EQ(note->palette().color(QPalette::WindowText), QColor(Qt::black)) << "legible on the drawn page";
    EXPECT_TRUE(form->lblTag[0]->rect().contains(note->geometry()));
    EXPECT_EQ(form->lblTag[3]->toolTip(),
              QStringLiteral("Contrast 2.3:1 (fails AA), APCA Lc 23.5\n"
                             "As drawn for deuteranopia: Contrast 2.6:1 (fails AA), "
                             "APCA Lc 28.4"));

    // The simulation follows a changed slot, and the menu marks it.
    click(form->lblTag[1]);
    click(form->lblStandartColor[9]); // bright blue text
    EXPECT_EQ(form->lblTag[1]->foreColour(), RGB(0, 0, 255));
    EXPECT_EQ(form->lblTag[1]->drawnForeColour(), RGB(0x00, 0x3D, 0xFB));
    click(form->lblTag[0]);
    click(form->lblStandartColor[0]); // a black page: the note turns white
    EXPECT_EQ(note->palette().color(QPalette::WindowText), QColor(Qt::white));
    menu = contextMenu(form->lblTag[0]);
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(entry(menu, QStringLiteral("Deuteranopia"))->isChecked());
    choose(menu, entry(menu, QStringLiteral("Normal vision")));
    EXPECT_FALSE(note->isVisible());
    EXPECT_EQ(form->lblTag[0]->drawnBackColour(), RGB(0, 0, 0));
    EXPECT_EQ(form->lblTag[3]->toolTip(), QStringLiteral("Contrast 2.2:1 (fails AA), APCA Lc -12.6"));
}

} // namespace

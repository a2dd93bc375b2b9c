#pragma once

#include "scheme/SchemeEditor.h"
#include "scheme/StoredSchemes.h"
#include "support/WindowFixture.h"

#include <QStringList>
#include <QTest>

// A shown window on a real settings file, with helpers that work its scheme controls the
// way a user does.
class SchemeTest : public WindowTest {
  protected:
    static inline const QString DefaultTag = StoredSchemes::DefaultTag;

    frmTintwell& show() {
        open();
        form->show();
        return *form;
    }
    void click(QWidget* w) { QTest::mouseClick(w, Qt::LeftButton); }
    // What the window system delivers for a double-click: press, release, double-click, release.
    void doubleClick(QWidget* w) {
        QTest::mouseClick(w, Qt::LeftButton);
        QTest::mouseDClick(w, Qt::LeftButton);
        QTest::mouseRelease(w, Qt::LeftButton);
    }
    void toggleEditor() { click(form->cmdTagEditor); }
    QString tag() const { return form->txtTag->toPlainText(); }
    QString code(int slot) const { return form->lblTag[slot]->tag(); }
    int selected() const { return form->cboStore->currentIndex(); }

    QStringList listed() const {
        QStringList names;
        for (int i = 0; i < form->cboStore->count(); ++i) {
            names << form->cboStore->itemText(i);
        }
        return names;
    }
    QStringList storedNames() const {
        QStringList names;
        for (const auto& row : store->GetAllSettings(frmTintwell::Title, StoredSchemes::Section)) {
            names << row.first;
        }
        return names;
    }
    QString storedTag(const QString& name) const { return setting(StoredSchemes::Section, name); }
    void presetSchemes(const QStringList& names) {
        for (const QString& name : names) {
            preset(StoredSchemes::Section, name, DefaultTag);
        }
    }
    // The default tag with one slot's code replaced.
    static QString defaultWith(int slot, const QString& code) {
        static constexpr int start[5] = {14, 27, 40, 54, 68};
        QString t = DefaultTag;
        return t.replace(start[slot], 7, code);
    }
    QStringList messageTexts() const {
        QStringList texts;
        for (const auto& m : desktop.messages) {
            texts << m.text;
        }
        return texts;
    }
};

// Storing schemes while another copy writes the same file, or while the file cannot be written.
#include "SchemeFixture.h"

#include <QElapsedTimer>
#include <QLockFile>

namespace {

class SharedSchemes : public SchemeTest {
  protected:
    static QString overwriteQuestion(const QString& name) {
        return name + " already existDo You whant to rewrite it?";
    }
    QString file() const { return store->filePath(frmTintwell::Title); }
};

TEST_F(SharedSchemes, NameStoredByAnotherCopyIsAskedAboutAndTheCounterComesFromTheFile) {
    show();
    toggleEditor();
    SettingsStore other(dir.path());
    other.SaveSettings(frmTintwell::Title, {{"Init", "PN", "5"}, {"Pallettes", "Pallette 6", "theirs"}});
    desktop.inputAnswers = {"Pallette 6", ""};
    desktop.messageAnswers = {DesktopServices::AnswerNo};
    click(form->cmdStoreTag);
    ASSERT_EQ(desktop.inputs.size(), 2);
    EXPECT_EQ(desktop.inputs[0].defaultText, "Pallette 6");
    EXPECT_EQ(messageTexts(), QStringList{overwriteQuestion("Pallette 6")});
    EXPECT_EQ(storedTag("Pallette 6"), "theirs") << "No keeps the other copy's scheme";

    // The next proposal follows the other copy's counter too.
    other.SaveSetting(frmTintwell::Title, "Init", "PN", "8");
    desktop.inputs.clear();
    desktop.inputAnswers = {"Pallette 9"};
    click(form->cmdStoreTag);
    ASSERT_EQ(desktop.inputs.size(), 1);
    EXPECT_EQ(desktop.inputs[0].defaultText, "Pallette 9");
    EXPECT_EQ(setting("Init", "PN"), "9");
    EXPECT_EQ(listed(), (QStringList{"Standart", "Pallette 6", "Pallette 9"}));
    EXPECT_EQ(form->cboStore->currentText(), "Pallette 9");
}

TEST_F(SharedSchemes, UnwritableFileIsToldOncePerKindAndTheListKeepsTheSchemes) {
    QDir().mkpath(file()); // a directory where the file should be
    show();
    QElapsedTimer timer;
    timer.start();
    toggleEditor();
    desktop.inputAnswers = {"Mine", "Other"};
    click(form->cmdStoreTag);
    click(form->cmdStoreTag);
    EXPECT_LT(timer.elapsed(), 2000) << "each write waited 5 s for the lock";
    EXPECT_EQ(listed(), (QStringList{"Standart", "Mine", "Other"}));
    // Notices are told once the click has returned to the event loop.
    QTest::qWait(50);
    const QStringList told = messageTexts();
    ASSERT_EQ(told.size(), 1) << told.join('|').toStdString();
    for (const QString& text : told) {
        EXPECT_NE(text.indexOf(file()), -1) << text.toStdString();
        EXPECT_NE(text.indexOf("it is a directory"), -1) << text.toStdString();
    }
    desktop.messageAnswers = {DesktopServices::AnswerYes};
    click(form->cmdDeleteTag);
    EXPECT_EQ(listed(), (QStringList{"Standart", "Mine"}));
    QTest::qWait(50);
    EXPECT_EQ(desktop.messages.size(), 2) << "only the delete question, no second notice";
}

TEST_F(SharedSchemes, SchemesStoredWhileTheLockIsHeldAreSavedWhenItIsFree) {
    show();
    toggleEditor();
    auto lock = std::make_unique<QLockFile>(file() + ".lock");
    ASSERT_TRUE(lock->tryLock(0));
    desktop.inputAnswers = {"Mine"};
    QElapsedTimer timer;
    timer.start();
    click(form->cmdStoreTag);
    EXPECT_LT(timer.elapsed(), 1000);
    EXPECT_EQ(listed(), (QStringList{"Standart", "Mine"}));
    EXPECT_EQ(SettingsStore(dir.path()).GetSetting(frmTintwell::Title, "Pallettes", "Mine", "none"), "none");
    lock.reset();
    QTRY_COMPARE_WITH_TIMEOUT(
        SettingsStore(dir.path()).GetSetting(frmTintwell::Title, "Pallettes", "Mine", "none"), tag(), 3000);
}

} // namespace

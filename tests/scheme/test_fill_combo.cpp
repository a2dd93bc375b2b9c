#include "scheme/modReadComboSettigs.h"

#include "platform/SettingsStore.h"
#include "support/WindowFixture.h"

#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>

using modReadComboSettigs::FillComboFromSettings;
using modReadComboSettigs::SettingsRows;

namespace {

const QString App = QStringLiteral("Tintwell");
const QString Section = QStringLiteral("Pallettes");

// A bare list on a fresh store, counting the selections that reach the list's handler.
class FillComboTest : public ::testing::Test {
  protected:
    void SetUp() override {
        testApplication();
        ASSERT_TRUE(dir.isValid());
        store = std::make_unique<SettingsStore>(dir.path());
        QObject::connect(&list, &QComboBox::currentIndexChanged, [this](int index) { raised << index; });
    }
    void fill(const QString& key, const QString& value) {
        FillComboFromSettings(&list, *store, App, Section, table, key, value);
    }
    QStringList items() const {
        QStringList names;
        for (int i = 0; i < list.count(); ++i) {
            names << list.itemText(i);
        }
        return names;
    }

    QTemporaryDir dir;
    std::unique_ptr<SettingsStore> store;
    QComboBox list{(testApplication(), nullptr)}; // the application must exist before any widget
    SettingsRows table;
    QList<int> raised;
};

TEST_F(FillComboTest, EmptySectionGetsTheDefaultWrittenListedAndSelected) {
    fill(QStringLiteral("Standart"), QStringLiteral("tag"));
    EXPECT_EQ(store->GetAllSettings(App, Section),
              (SettingsRows{{QStringLiteral("Standart"), QStringLiteral("tag")}}));
    EXPECT_EQ(table, store->GetAllSettings(App, Section));
    EXPECT_EQ(items(), QStringList{QStringLiteral("Standart")});
    EXPECT_EQ(raised, QList<int>{0}) << "one selection, seen by the handler";
}

TEST_F(FillComboTest, EmptySectionWithoutADefaultStaysEmpty) {
    for (const auto& [key, value] :
         {std::pair{QString(), QStringLiteral("tag")}, std::pair{QStringLiteral("Standart"), QString()}}) {
        list.addItem(QStringLiteral("left over"));
        raised.clear();
        table = {{QStringLiteral("stale"), QStringLiteral("row")}};
        fill(key, value);
        EXPECT_EQ(list.count(), 0);
        EXPECT_EQ(list.currentIndex(), -1);
        EXPECT_TRUE(table.isEmpty());
        EXPECT_TRUE(raised.isEmpty());
        EXPECT_TRUE(store->GetAllSettings(App, Section).isEmpty()) << "nothing written";
    }
}

TEST_F(FillComboTest, SeveralRowsAreListedInStoreOrderWithNothingSelected) {
    for (const char* name : {"zeta", "Alpha", "mid", "alpha"}) {
        store->SaveSetting(App, Section, QString::fromLatin1(name), QStringLiteral("v"));
    }
    list.addItem(QStringLiteral("old"));
    raised.clear();
    fill(QStringLiteral("Standart"), QStringLiteral("tag"));
    EXPECT_EQ(items(), (QStringList{QStringLiteral("zeta"), QStringLiteral("Alpha"), QStringLiteral("mid"),
                                    QStringLiteral("alpha")}));
    EXPECT_EQ(table.size(), 4);
    EXPECT_EQ(list.currentIndex(), -1);
    EXPECT_TRUE(raised.isEmpty());
    EXPECT_FALSE(
        store->GetAllSettings(App, Section).contains({QStringLiteral("Standart"), QStringLiteral("tag")}));
}

TEST_F(FillComboTest, OneRowIsSelected) {
    store->SaveSetting(App, Section, QStringLiteral("only"), QStringLiteral("v"));
    fill(QString(), QString());
    EXPECT_EQ(items(), QStringList{QStringLiteral("only")});
    EXPECT_EQ(raised, QList<int>{0});
}

TEST_F(FillComboTest, AStoreThatCannotBeWrittenStillListsTheDefault) {
    // The settings file's place is taken by a folder: every write does nothing.
    ASSERT_TRUE(QDir().mkpath(store->filePath(App)));
    fill(QStringLiteral("Standart"), QStringLiteral("tag"));
    EXPECT_EQ(table, (SettingsRows{{QStringLiteral("Standart"), QStringLiteral("tag")}}));
    EXPECT_EQ(items(), QStringList{QStringLiteral("Standart")});
    EXPECT_EQ(raised, QList<int>{0});
}

} // namespace

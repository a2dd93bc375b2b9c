#include "scheme/StoredSchemes.h"

#include "handles/Views.h"
#include "platform/AppSettings.h"
#include "platform/DesktopServices.h"
#include "platform/StoredNumbers.h"
#include "scheme/SchemeEditor.h"

#include <QComboBox>
#include <QEvent>
#include <QPushButton>
#include <algorithm>
#include <functional>
#include <limits>

using namespace modColors;

namespace {
const QString StoreTitle = QStringLiteral("Store pallette");
const QString CounterSection = QStringLiteral("Init");
const QString CounterKey = QStringLiteral("PN");
constexpr int CounterMax = std::numeric_limits<std::int16_t>::max();
constexpr int NoCounter = -1;

// Qt raises no change when the user chooses the entry that is already selected, yet a user
// does that to throw away edits. This remembers the selection as the user starts to choose
// (a press, a key or the wheel on the list) and reloads when the choice is that same entry.
// Choices that move the selection are loaded by the change itself.
class ReselectWatch : public QObject {
  public:
    ReselectWatch(QComboBox* list, std::function<void()> reload) : QObject(list), list_(list) {
        list->installEventFilter(this);
        connect(list, &QComboBox::activated, this, [this, reload](int index) {
            if (index == before_) {
                reload();
            }
        });
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        const QEvent::Type type = event->type();
        if (type == QEvent::MouseButtonPress || type == QEvent::KeyPress || type == QEvent::Wheel) {
            before_ = list_->currentIndex();
        }
        return false;
    }

  private:
    QComboBox* list_;
    int before_ = -1;
};
} // namespace

void StoredSchemes::wire(QObject* context) {
    QObject::connect(c.cmdTagEditor, &QPushButton::clicked, context, [this] { cmdTagEditor_Click(); });
}

void StoredSchemes::wirePanel(QObject* context) {
    QObject::connect(c.cboStore, &QComboBox::currentIndexChanged, context, [this] { cboStore_Click(); });
    new ReselectWatch(c.cboStore, [this] { cboStore_Click(); });
    QObject::connect(c.cmdStoreTag, &QPushButton::clicked, context, [this] { cmdStoreTag_Click(); });
    QObject::connect(c.cmdDeleteTag, &QPushButton::clicked, context, [this] { cmdDeleteTag_Click(); });
}

bool StoredSchemes::isOpen() const {
    return c.cmdTagEditor->text() != ClosedCaption;
}

void StoredSchemes::cmdTagEditor_Click() {
    if (isOpen()) {
        c.cmdTagEditor->setText(ClosedCaption);
        views_.setOuterHeightTwips(ClosedHeightTwips);
        views_.setSchemeEditorOpen(false);
        return;
    }
    c.cmdTagEditor->setText(OpenCaption);
    views_.setOuterHeightTwips(OpenHeightTwips); // builds the panel the first time
    views_.setSchemeEditorOpen(true);
    bool loaded = false;
    if (c.cboStore->currentIndex() == -1) {
        loaded = refill(DefaultName, DefaultTag);
    }
    // Until a slot has been chosen every opening starts from the first stored scheme.
    if (scheme_.SelectedSlot == SchemeEditor::NoSlot) {
        selectEntry(0, loaded);
    }
}

bool StoredSchemes::refill(const QString& defaultKey, const QString& defaultValue) {
    modReadComboSettigs::FillComboFromSettings(c.cboStore, settings_.store(), settings_.app(), Section, Table,
                                               defaultKey, defaultValue);
    return c.cboStore->currentIndex() == 0;
}

void StoredSchemes::selectEntry(int index, bool alreadyLoaded) {
    const int count = c.cboStore->count();
    if (count == 0) {
        return;
    }
    // The section may have shrunk behind the program's back.
    index = std::clamp(index, 0, count - 1);
    if (c.cboStore->currentIndex() != index) {
        c.cboStore->setCurrentIndex(index); // raises cboStore_Click
    } else if (!alreadyLoaded) {
        cboStore_Click(); // Qt raises nothing for the entry that is already selected
    }
}

void StoredSchemes::cboStore_Click() {
    const int k = c.cboStore->currentIndex();
    if (k < 0 || k >= Table.size()) {
        return;
    }
    c.cmdDeleteTag->setEnabled(k != 0);
    scheme_.loadTag(Table[k].second);
}

StoredSchemes::Proposal StoredSchemes::proposedName(const QStringList& stored) const {
    // Only counting up from 0 is ever written; anything else counts from 0.
    const int n = storedNumbers::toInt16InRange(
        settings_.get(CounterSection, CounterKey, QStringLiteral("0")), 0, CounterMax, 0);
    const auto numbered = [](int k) { return QStringLiteral("Pallette %1").arg(k); };
    if (n < CounterMax) {
        return {numbered(n + 1), n + 1};
    }
    // The counter is full: propose the first numbered name not stored yet and leave it as it is.
    int k = 1;
    while (stored.contains(numbered(k))) {
        ++k;
    }
    return {numbered(k), NoCounter};
}

QStringList StoredSchemes::storedNames() const {
    // Another running copy may have stored since the list was filled: ask the file.
    QStringList names;
    for (const auto& row : settings_.rows(Section)) {
        names << row.first;
    }
    return names;
}

void StoredSchemes::cmdStoreTag_Click() {
    QString name;
    Proposal proposal;
    int remembered = -1;
    for (;;) {
        // The counter and the names are taken from the file each time the box opens.
        proposal = proposedName(storedNames());
        name =
            desktop_.inputBox(QStringLiteral("Specify the name for the pallette"), StoreTitle, proposal.name);
        if (name.isEmpty()) {
            return;
        }
        if (!storedNames().contains(name)) {
            break;
        }
        const QString question =
            name + QStringLiteral(" already exist") + QStringLiteral("Do You whant to rewrite it?");
        if (desktop_.messageBox(question, DesktopServices::StyleYesNoQuestion, StoreTitle) ==
            DesktopServices::AnswerYes) {
            remembered = c.cboStore->currentIndex();
            break;
        }
    }
    QList<SettingsStore::Change> changes;
    if (name == proposal.name && proposal.nextCounter != NoCounter) {
        changes.append({CounterSection, CounterKey, storedNumbers::plainText(proposal.nextCounter)});
    }
    changes.append({Section, name, scheme_.tagText()});
    settings_.saveAll(changes);
    const bool loaded = refill(QString(), QString());
    // An overwrite keeps the entry that was selected, except the first; anything else shows
    // the stored name's entry, which is the last one for a new name.
    int entry = c.cboStore->count() - 1;
    if (remembered > 0) {
        entry = remembered;
    } else if (remembered < 0) {
        const int found = c.cboStore->findText(name, Qt::MatchExactly | Qt::MatchCaseSensitive);
        entry = found >= 0 ? found : entry;
    }
    selectEntry(entry, loaded);
}

void StoredSchemes::cmdDeleteTag_Click() {
    const int k = c.cboStore->currentIndex();
    if (k <= 0) {
        return; // the first entry stays, so the section never runs empty
    }
    const QString name = c.cboStore->itemText(k);
    const QString question = QStringLiteral("Are You shure  that You want to remove") + QLatin1Char('"') +
                             name + QStringLiteral("\"?");
    if (desktop_.messageBox(question, DesktopServices::StyleYesNoQuestion, QStringLiteral(":((")) !=
        DesktopServices::AnswerYes) {
        return;
    }
    settings_.remove(Section, name);
    const bool loaded = refill(QString(), QString());
    selectEntry(k - 1, loaded);
}

#include "widgets/PressableLabelAccessible.h"

#include "widgets/FormLabel.h"

#include <QAccessibleWidget>

namespace {

class PressableLabel : public QAccessibleWidget {
  public:
    explicit PressableLabel(FormLabel* label) : QAccessibleWidget(label, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override {
        QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty()) {
            text = label()->text();
        }
        return text;
    }

    // Screen readers read no state on a plain button: a label whose border is a state is a
    // check box (on or off) or an option button (the chosen one of its cells).
    QAccessible::Role role() const override {
        switch (label()->borderMeans()) {
        case FormLabel::BorderMeans::OnOff:
            return QAccessible::CheckBox;
        case FormLabel::BorderMeans::ChosenOfSet:
            return QAccessible::RadioButton;
        case FormLabel::BorderMeans::Nothing:
            break;
        }
        return QAccessible::Button;
    }

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        // Only one cell of a palette is a Tab stop at a time, yet every cell takes the focus.
        s.focusable = true;
        if (label()->borderMeans() != FormLabel::BorderMeans::Nothing) {
            s.checkable = true;
            s.checked = label()->borderStyle() == 1;
        }
        return s;
    }

    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }

    void doAction(const QString& action) override {
        if (action == pressAction()) {
            label()->pressAs(1);
            return;
        }
        QAccessibleWidget::doAction(action);
    }

  private:
    FormLabel* label() const { return static_cast<FormLabel*>(widget()); }
};

QAccessibleInterface* pressableFactory(const QString& className, QObject* object) {
    if (className == QLatin1String("FormLabel")) {
        auto* label = static_cast<FormLabel*>(object);
        if (label->isPressable()) {
            return new PressableLabel(label);
        }
    }
    return nullptr;
}

} // namespace

void pressableLabelAccessible::install() {
    static const bool installed = [] {
        QAccessible::installFactory(pressableFactory);
        return true;
    }();
    (void)installed;
}

#include "colour/ColourQt.h"
#include "shell/ControlInventory.h"
#include "shell/Controls.h"
#include "widgets/Fonts.h"
#include "widgets/FormScrollBar.h"
#include "widgets/PlainToolTip.h"
#include "widgets/Twips.h"

#include <QComboBox>
#include <QEvent>
#include <QFocusFrame>
#include <QHash>
#include <QLabel>

namespace inventory {

namespace {

// A label's text colour where the layout names none, as on the classic desktop: it reads on
// light and dark themes alike.
constexpr auto ButtonText = systemColour(18);

QRect pixelRect(const ControlSpec& row) {
    return QRect(twipsToPixels(row.left), twipsToPixels(row.top), twipsToPixels(row.width),
                 twipsToPixels(row.height));
}

void setColours(QWidget* w, const ControlSpec& row, QPalette::ColorRole foreRole,
                QPalette::ColorRole backRole, const modColors::SystemColourLookup& systemColours) {
    QPalette pal = w->palette();
    if (row.fore != Unset) {
        pal.setColor(foreRole, toQColor(row.fore, systemColours));
    }
    if (row.back != Unset) {
        pal.setColor(backRole, toQColor(row.back, systemColours));
    }
    w->setPalette(pal);
}

QWidget* makeLabel(QWidget* parent, const ControlSpec& row,
                   const modColors::SystemColourLookup& systemColours) {
    auto* label = new FormLabel(parent);
    // Before its caption: assistive tools take the label's kind when it first changes.
    label->setPressable(row.flags & Pressable);
    if (row.flags & Switch) {
        label->setBorderMeans(FormLabel::BorderMeans::OnOff);
    }
    if (row.flags & Pressable) {
        label->setFocusPolicy(Qt::TabFocus);
    }
    label->setSystemColours(systemColours);
    label->setText(QString::fromUtf8(row.caption));
    label->setForeColour(row.fore != Unset ? row.fore : ButtonText);
    if (row.back != Unset) {
        label->setBackColour(row.back);
    }
    label->setTransparent((row.flags & Transparent) || row.back == Unset);
    label->setBorderStyle(row.flags & Border ? 1 : 0);
    label->setWordWrap(row.flags & WordWrap);
    label->setAlignment(row.flags & Centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
    if (row.flags & HandCursor) {
        label->setCursor(Qt::PointingHandCursor);
    }
    label->setOutlinedWhenFaint(row.flags & Outlined);
    return label;
}

QWidget* makeSlider(QWidget* parent, const ControlSpec& row) {
    auto* bar = new FormScrollBar(row.kind == Kind::VSlider ? Qt::Vertical : Qt::Horizontal, parent);
    bar->setRange(std::min(row.topValue, row.bottomValue), std::max(row.topValue, row.bottomValue));
    bar->setLargerAtStart(row.topValue > row.bottomValue);
    bar->setSingleStep(1);
    bar->setPageStep(row.largeStep);
    bar->setValue(row.value);
    bar->setFocusPolicy(Qt::StrongFocus);
    return bar;
}

// Gives a control its style sheet when it is first shown. Qt parses a sheet and keeps rules for
// each control it is set on, and most of the option buttons lie on panels that a start does
// not open.
class SheetOnFirstShow : public QObject {
  public:
    SheetOnFirstShow(QWidget* control, QString sheet) : QObject(control), sheet_(std::move(sheet)) {
        control->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Show) {
            watched->removeEventFilter(this);
            static_cast<QWidget*>(watched)->setStyleSheet(sheet_);
            deleteLater();
        }
        return false;
    }

  private:
    QString sheet_;
};

// The captions of check boxes and option buttons were laid out for a small box close to its text.
void giveSmallIndicator(QWidget* button, QLatin1String className) {
    new SheetOnFirstShow(
        button,
        QStringLiteral("%1 { spacing: 3px; } %1::indicator { width: 11px; height: 11px; }").arg(className));
}

// A line that is only drawn. Qt leaves focus frames out of what it shows assistive tools, so a
// screen reader's review does not stop at a one-pixel object; the line paints its background
// alone and lets the mouse through to the window, as a plain frame would leave it unanswered.
class DrawnLine : public QFocusFrame {
  public:
    explicit DrawnLine(QWidget* parent) : QFocusFrame(parent) {}

  protected:
    void paintEvent(QPaintEvent*) override {}
};

// Screen readers on this desktop read a list box by its buddy label, neither by a name set on it
// nor by its entry once it has a label: the label tells both, "Notation: HTML". It is never
// shown, so the list keeps its looks and the window its captions.
void giveUnshownBuddyLabel(QComboBox* list, const QString& name) {
    auto* label = new QLabel(list->parentWidget());
    label->setTextFormat(Qt::PlainText);
    label->setObjectName(list->objectName() + QStringLiteral("Name"));
    label->setBuddy(list);
    label->hide();
    const auto tell = [label, name](const QString& entry) {
        label->setText(entry.isEmpty() ? name : name + QStringLiteral(": ") + entry);
    };
    tell(list->currentText());
    QObject::connect(list, &QComboBox::currentTextChanged, label, tell);
}

QWidget* makeWidget(QWidget* parent, const ControlSpec& row,
                    const modColors::SystemColourLookup& systemColours) {
    const QString caption = QString::fromUtf8(row.caption);
    switch (row.kind) {
    case Kind::Frame: {
        auto* frame = new QGroupBox(caption, parent);
        return frame;
    }
    case Kind::Label:
        return makeLabel(parent, row, systemColours);
    case Kind::Button:
        return new QPushButton(caption, parent);
    case Kind::CheckBox: {
        auto* box = new QCheckBox(caption, parent);
        giveSmallIndicator(box, QLatin1String("QCheckBox"));
        return box;
    }
    case Kind::Option: {
        auto* option = new QRadioButton(caption, parent);
        giveSmallIndicator(option, QLatin1String("QRadioButton"));
        option->setChecked(row.flags & Selected);
        return option;
    }
    case Kind::Combo: {
        auto* combo = new QComboBox(parent);
        for (const char* item : row.items) {
            combo->addItem(QString::fromUtf8(item));
        }
        // Adding items selects the first; the list starts with nothing chosen.
        combo->setCurrentIndex(-1);
        return combo;
    }
    case Kind::TextBox: {
        auto* edit = new QLineEdit(caption, parent);
        if (row.maxLength > 0) {
            edit->setMaxLength(row.maxLength);
        }
        edit->setReadOnly(row.flags & ReadOnly);
        edit->setFrame(!(row.flags & NoFrame));
        if (row.flags & RightAligned) {
            edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        setColours(edit, row, QPalette::Text, QPalette::Base, systemColours);
        return edit;
    }
    case Kind::MultiLineText: {
        auto* text = new QPlainTextEdit(caption, parent);
        text->setReadOnly(row.flags & ReadOnly);
        // A read-only text still shows its caret and selects by keyboard, so a keyboard user
        // sees where the focus is and can copy a part of it.
        text->setTextInteractionFlags(text->textInteractionFlags() | Qt::TextSelectableByKeyboard);
        text->setLineWrapMode(QPlainTextEdit::NoWrap);
        text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        return text;
    }
    case Kind::Line: {
        auto* line = new DrawnLine(parent);
        line->setAutoFillBackground(true);
        setColours(line, row, QPalette::WindowText, QPalette::Window, systemColours);
        return line;
    }
    case Kind::VSlider:
    case Kind::HSlider:
        return makeSlider(parent, row);
    }
    return nullptr;
}

} // namespace

std::vector<QWidget*> build(QWidget* window, Controls& controls, Panel panel,
                            const modColors::SystemColourLookup& systemColours) {
    std::vector<QWidget*> onWindow;
    QHash<QString, QWidget*> frames;
    for (ControlSpec& row : table(controls, panel)) {
        QWidget* parent = row.parent.isEmpty() ? window : frames.value(row.parent);
        QWidget* w = makeWidget(parent, row, systemColours);
        w->setObjectName(row.name);
        // Most controls wear their parent's font already; setting it again would only make Qt
        // resolve it and tell the control and its children of a change that is none.
        const QFont font = uiFont(row.points, row.flags & Bold, row.flags & Underline, row.flags & Mono);
        if (w->font() != font) {
            w->setFont(font);
        }
        if (*row.toolTip) {
            setPlainToolTip(w, QString::fromUtf8(row.toolTip));
        }
        if (*row.accessibleName) {
            w->setAccessibleName(QString::fromUtf8(row.accessibleName));
            if (row.kind == Kind::Combo) {
                giveUnshownBuddyLabel(static_cast<QComboBox*>(w), w->accessibleName());
            }
        }
        if (row.kind == Kind::Frame) {
            frames.insert(row.name, w);
        }
        const QRect r = pixelRect(row);
        if (row.kind == Kind::Label && (row.width == 0 || (row.flags & FitInRoom))) {
            w->move(r.topLeft());
            static_cast<FormLabel*>(w)->fitToText(row.flags & FitInRoom ? r.size() : QSize());
        } else if (row.kind == Kind::Combo) {
            w->setGeometry(r.x(), r.y(), r.width(), w->sizeHint().height());
        } else {
            w->setGeometry(r);
        }
        w->setEnabled(!(row.flags & Disabled));
        if (row.flags & Disabled) {
            w->setFocusPolicy(Qt::NoFocus);
        }
        row.bind(w);
        if (parent == window) {
            onWindow.push_back(w);
        }
    }
    return onWindow;
}

} // namespace inventory

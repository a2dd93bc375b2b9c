#include "colour/ColourQt.h"
#include "shell/ControlInventory.h"
#include "shell/Controls.h"
#include "shell/Fonts.h"
#include "shell/FormScrollBar.h"
#include "shell/Twips.h"

#include <QHash>

namespace inventory {

namespace {

QRect pixelRect(const ControlSpec& spec) {
    return QRect(twipsToPixels(spec.left), twipsToPixels(spec.top), twipsToPixels(spec.width),
                 twipsToPixels(spec.height));
}

void setColours(QWidget* w, const ControlSpec& spec, QPalette::ColorRole foreRole,
                QPalette::ColorRole backRole) {
    QPalette pal = w->palette();
    if (spec.fore != Unset) {
        pal.setColor(foreRole, toQColor(spec.fore));
    }
    if (spec.back != Unset) {
        pal.setColor(backRole, toQColor(spec.back));
    }
    w->setPalette(pal);
}

QWidget* makeLabel(QWidget* parent, const ControlSpec& spec) {
    auto* label = new FormLabel(parent);
    label->setText(QString::fromUtf8(spec.caption));
    if (spec.fore != Unset) {
        label->setForeColour(spec.fore);
    }
    if (spec.back != Unset) {
        label->setBackColour(spec.back);
    }
    label->setTransparent((spec.flags & Transparent) || spec.back == Unset);
    label->setBorderStyle(spec.flags & Border ? 1 : 0);
    label->setWordWrap(spec.flags & WordWrap);
    label->setAlignment(spec.flags & Centred ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignTop);
    if (spec.flags & HandCursor) {
        label->setCursor(Qt::PointingHandCursor);
    }
    return label;
}

QWidget* makeSlider(QWidget* parent, const ControlSpec& spec) {
    auto* bar = new FormScrollBar(spec.kind == Kind::VSlider ? Qt::Vertical : Qt::Horizontal, parent);
    bar->setRange(std::min(spec.topValue, spec.bottomValue), std::max(spec.topValue, spec.bottomValue));
    bar->setLargerAtStart(spec.topValue > spec.bottomValue);
    bar->setSingleStep(1);
    bar->setPageStep(spec.largeStep);
    bar->setValue(spec.value);
    bar->setFocusPolicy(Qt::StrongFocus);
    return bar;
}

QWidget* makeWidget(QWidget* parent, const ControlSpec& spec) {
    const QString caption = QString::fromUtf8(spec.caption);
    switch (spec.kind) {
    case Kind::Frame: {
        auto* frame = new QGroupBox(caption, parent);
        return frame;
    }
    case Kind::Label:
        return makeLabel(parent, spec);
    case Kind::Button:
        return new QPushButton(caption, parent);
    case Kind::CheckBox: {
        auto* box = new QCheckBox(caption, parent);
        // The captions were laid out for a small box close to its text.
        box->setStyleSheet(QStringLiteral("QCheckBox { spacing: 3px; } "
                                          "QCheckBox::indicator { width: 11px; height: 11px; }"));
        return box;
    }
    case Kind::Option: {
        auto* option = new QRadioButton(caption, parent);
        option->setStyleSheet(QStringLiteral("QRadioButton { spacing: 3px; } "
                                             "QRadioButton::indicator { width: 11px; height: 11px; }"));
        option->setChecked(spec.flags & Selected);
        return option;
    }
    case Kind::Combo: {
        auto* combo = new QComboBox(parent);
        for (const char* item : spec.items) {
            combo->addItem(QString::fromUtf8(item));
        }
        // Adding items selects the first; the list starts with nothing chosen.
        combo->setCurrentIndex(-1);
        return combo;
    }
    case Kind::TextBox: {
        auto* edit = new QLineEdit(caption, parent);
        if (spec.maxLength > 0) {
            edit->setMaxLength(spec.maxLength);
        }
        edit->setReadOnly(spec.flags & ReadOnly);
        edit->setFrame(!(spec.flags & NoFrame));
        if (spec.flags & RightAligned) {
            edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
        setColours(edit, spec, QPalette::Text, QPalette::Base);
        return edit;
    }
    case Kind::MultiLineText: {
        auto* text = new QPlainTextEdit(caption, parent);
        text->setReadOnly(spec.flags & ReadOnly);
        text->setLineWrapMode(QPlainTextEdit::NoWrap);
        text->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        return text;
    }
    case Kind::Line: {
        auto* line = new QFrame(parent);
        line->setAutoFillBackground(true);
        setColours(line, spec, QPalette::WindowText, QPalette::Window);
        return line;
    }
    case Kind::VSlider:
    case Kind::HSlider:
        return makeSlider(parent, spec);
    }
    return nullptr;
}

} // namespace

void build(QWidget* window, Controls& controls) {
    QHash<QString, QWidget*> frames;
    for (ControlSpec& spec : table(controls)) {
        QWidget* parent = spec.parent.isEmpty() ? window : frames.value(spec.parent);
        QWidget* w = makeWidget(parent, spec);
        w->setObjectName(spec.name);
        const bool bold = spec.flags & Bold;
        w->setFont(uiFont(spec.points, bold, spec.flags & Underline, spec.flags & Mono));
        if (*spec.toolTip) {
            w->setToolTip(QString::fromUtf8(spec.toolTip));
        }
        if (spec.kind == Kind::Frame) {
            frames.insert(spec.name, w);
        }
        const QRect r = pixelRect(spec);
        if (spec.kind == Kind::Label && spec.width == 0) {
            w->move(r.topLeft());
            static_cast<FormLabel*>(w)->setFittedToText(true);
            w->adjustSize();
        } else if (spec.kind == Kind::Combo) {
            w->setGeometry(r.x(), r.y(), r.width(), w->sizeHint().height());
        } else {
            w->setGeometry(r);
        }
        w->setEnabled(!(spec.flags & Disabled));
        if (spec.flags & Disabled) {
            w->setFocusPolicy(Qt::NoFocus);
        }
        spec.bind(w);
    }
}

} // namespace inventory

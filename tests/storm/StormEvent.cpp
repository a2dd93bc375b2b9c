#include "storm/StormEvent.h"

#include <QKeySequence>
#include <QStringList>

namespace {

QString buttonName(Qt::MouseButton button) {
    switch (button) {
    case Qt::LeftButton:
        return QStringLiteral("left");
    case Qt::RightButton:
        return QStringLiteral("right");
    case Qt::MiddleButton:
        return QStringLiteral("middle");
    case Qt::BackButton:
        return QStringLiteral("back");
    case Qt::ForwardButton:
        return QStringLiteral("forward");
    default:
        return QStringLiteral("button %1").arg(static_cast<int>(button));
    }
}

QString modifierNames(Qt::KeyboardModifiers modifiers) {
    QStringList names;
    const std::pair<Qt::KeyboardModifier, const char*> all[] = {{Qt::ShiftModifier, "Shift"},
                                                                {Qt::ControlModifier, "Ctrl"},
                                                                {Qt::AltModifier, "Alt"},
                                                                {Qt::MetaModifier, "Meta"},
                                                                {Qt::KeypadModifier, "Keypad"}};
    for (const auto& [modifier, name] : all) {
        if (modifiers & modifier) {
            names << QString::fromLatin1(name);
        }
    }
    return names.isEmpty() ? QString() : names.join(QLatin1Char('+')) + QLatin1Char('+');
}

QString place(const StormEvent& e) {
    return QStringLiteral("at (%1,%2)%3 on %4")
        .arg(e.at.x())
        .arg(e.at.y())
        .arg(e.inPopup ? QStringLiteral(" of the popup") : QString(), e.target);
}

// Unicode escapes for anything outside printable ASCII, so the line can be read and pasted.
QString quoted(const QString& text) {
    QString out = QStringLiteral("\"");
    for (QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F && c != QLatin1Char('"') && c != QLatin1Char('\\')) {
            out += c;
        } else {
            out += QStringLiteral("\\u%1").arg(c.unicode(), 4, 16, QLatin1Char('0'));
        }
    }
    return out + QLatin1Char('"');
}

} // namespace

QString StormEvent::describe() const {
    const QString mouse = modifierNames(modifiers) + buttonName(button);
    switch (kind) {
    case Click:
        return QStringLiteral("click %1 %2").arg(mouse, place(*this));
    case DoubleClick:
        return QStringLiteral("double click %1 %2").arg(mouse, place(*this));
    case Press:
        return QStringLiteral("press %1 %2").arg(mouse, place(*this));
    case Release:
        return QStringLiteral("release %1 %2").arg(mouse, place(*this));
    case Drag:
        return QStringLiteral("drag %1 %2 to (%3,%4) in %5 moves")
            .arg(mouse, place(*this))
            .arg(to.x())
            .arg(to.y())
            .arg(steps);
    case Wheel:
        return QStringLiteral("wheel %1(%2,%3) %4")
            .arg(modifierNames(modifiers))
            .arg(wheelDelta.x())
            .arg(wheelDelta.y())
            .arg(place(*this));
    case Key:
        return QStringLiteral("key %1").arg(QKeySequence(key | modifiers).toString());
    case Text:
        return QStringLiteral("type %1").arg(quoted(text));
    case Restart:
        return QStringLiteral("close the window and open it again");
    }
    return QString();
}

#include "platform/StoredNumbers.h"

namespace storedNumbers {

std::optional<std::int16_t> toInt16(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty()) {
        return std::nullopt;
    }
    // Digits with an optional sign only: toInt alone would also take "+ 1" or "0x10" in some forms.
    for (qsizetype i = 0; i < trimmed.size(); ++i) {
        const QChar c = trimmed[i];
        const bool sign = i == 0 && (c == QLatin1Char('-') || c == QLatin1Char('+')) && trimmed.size() > 1;
        if (!sign && !(c >= QLatin1Char('0') && c <= QLatin1Char('9'))) {
            return std::nullopt;
        }
    }
    bool ok = false;
    const int value = trimmed.toInt(&ok, 10);
    if (!ok || value < -32768 || value > 32767) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(value);
}

std::int16_t toInt16InRange(const QString& text, int min, int max, std::int16_t fallback) {
    const auto value = toInt16(text);
    if (!value || *value < min || *value > max) {
        return fallback;
    }
    return *value;
}

QString signedText(int value) {
    return value < 0 ? QString::number(value) : QStringLiteral(" ") + QString::number(value);
}

QString plainText(int value) {
    return QString::number(value);
}

} // namespace storedNumbers

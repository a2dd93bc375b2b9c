#include "pick/PortalAnswer.h"

#include <QDBusArgument>
#include <algorithm>
#include <cmath>

QString portalAnswer::requestPath(const QString& uniqueName, const QString& token) {
    QString sender = uniqueName;
    sender.remove(QLatin1Char(':')).replace(QLatin1Char('.'), QLatin1Char('_'));
    return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
}

std::optional<portalAnswer::Rgb> portalAnswer::colourIn(const QVariantMap& results) {
    const QVariant colour = results.value(QStringLiteral("color"));
    if (!colour.canConvert<QDBusArgument>()) {
        return std::nullopt;
    }
    const auto argument = colour.value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("(ddd)")) {
        return std::nullopt;
    }
    Rgb rgb{};
    argument.beginStructure();
    argument >> rgb[0] >> rgb[1] >> rgb[2];
    argument.endStructure();
    return rgb;
}

PickOutcome portalAnswer::outcomeOf(unsigned response, const std::optional<Rgb>& colour) {
    if (response == 1) {
        return {.kind = PickOutcome::Cancelled};
    }
    const PickOutcome failed{.kind = PickOutcome::Failed,
                             .message =
                                 QStringLiteral("The desktop's colour picker could not pick a colour.")};
    if (response != 0 || !colour) {
        return failed;
    }
    int channels[3];
    for (int i = 0; i < 3; ++i) {
        const double value = (*colour)[static_cast<std::size_t>(i)];
        if (!std::isfinite(value)) {
            return failed;
        }
        channels[i] = static_cast<int>(std::lround(std::clamp(value, 0.0, 1.0) * 255));
    }
    return {.kind = PickOutcome::Picked, .colour = modColors::RGB(channels[0], channels[1], channels[2])};
}

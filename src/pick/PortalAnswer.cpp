#include "pick/PortalAnswer.h"

#include <QDBusArgument>
#include <algorithm>
#include <cmath>
#include <limits>

QString portalAnswer::requestPath(const QString& uniqueName, const QString& token) {
    QString sender = uniqueName;
    sender.remove(QLatin1Char(':')).replace(QLatin1Char('.'), QLatin1Char('_'));
    return QStringLiteral("/org/freedesktop/portal/desktop/request/%1/%2").arg(sender, token);
}

std::optional<portalAnswer::Rgb> portalAnswer::colourIn(const QVariantMap& results) {
    const auto field = results.constFind(QStringLiteral("color"));
    if (field == results.constEnd()) {
        return std::nullopt;
    }
    const double malformed = std::numeric_limits<double>::quiet_NaN();
    if (!field->canConvert<QDBusArgument>()) {
        return Rgb{malformed, malformed, malformed};
    }
    const auto argument = field->value<QDBusArgument>();
    if (argument.currentSignature() != QLatin1String("(ddd)")) {
        return Rgb{malformed, malformed, malformed};
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
    if (response != 0 || !colour) {
        return {.kind = PickOutcome::NothingPicked,
                .message = QStringLiteral("The desktop's colour picker ended without a colour.")};
    }
    int channels[3];
    for (int i = 0; i < 3; ++i) {
        const double value = (*colour)[static_cast<std::size_t>(i)];
        if (!std::isfinite(value)) {
            return {.kind = PickOutcome::Failed,
                    .message = QStringLiteral("The desktop's colour picker could not pick a colour.")};
        }
        channels[i] = static_cast<int>(std::lround(std::clamp(value, 0.0, 1.0) * 255));
    }
    return {.kind = PickOutcome::Picked, .colour = modColors::RGB(channels[0], channels[1], channels[2])};
}

portalAnswer::Absence portalAnswer::absenceOf(const QString& errorName) {
    static const QStringList noPortal{QStringLiteral("org.freedesktop.DBus.Error.ServiceUnknown"),
                                      QStringLiteral("org.freedesktop.DBus.Error.NameHasNoOwner"),
                                      QStringLiteral("org.freedesktop.DBus.Error.Disconnected")};
    // What a running frontend says when no backend lets it export the Screenshot interface.
    static const QStringList noPicker{QStringLiteral("org.freedesktop.DBus.Error.InvalidArgs"),
                                      QStringLiteral("org.freedesktop.DBus.Error.UnknownInterface"),
                                      QStringLiteral("org.freedesktop.DBus.Error.UnknownProperty"),
                                      QStringLiteral("org.freedesktop.DBus.Error.UnknownObject")};
    if (noPortal.contains(errorName) ||
        errorName.startsWith(QLatin1String("org.freedesktop.DBus.Error.Spawn"))) {
        return Absence::NoPortal;
    }
    return noPicker.contains(errorName) ? Absence::NoPicker : Absence::Silent;
}

namespace {

// The backend packages that give the desktop named in XDG_CURRENT_DESKTOP a picker.
QString backendFor(const QString& desktop) {
    const QStringList names = desktop.toLower().split(QLatin1Char(':'), Qt::SkipEmptyParts);
    auto any = [&names](std::initializer_list<const char*> wanted) {
        return std::any_of(wanted.begin(), wanted.end(),
                           [&names](const char* name) { return names.contains(QLatin1String(name)); });
    };
    const QString wlroots = QStringLiteral("xdg-desktop-portal-wlr together with xdg-desktop-portal-gtk");
    if (any({"gnome", "unity", "budgie"})) {
        return QStringLiteral("xdg-desktop-portal-gnome");
    }
    if (any({"kde"})) {
        return QStringLiteral("xdg-desktop-portal-kde");
    }
    if (any({"sway", "hyprland", "river", "wlroots", "wayfire", "labwc"})) {
        return wlroots;
    }
    return QStringLiteral("xdg-desktop-portal-gnome on GNOME, xdg-desktop-portal-kde on KDE, %1 on wlroots "
                          "desktops (sway, Hyprland, river)")
        .arg(wlroots);
}

} // namespace

QString portalAnswer::missingPiece(Absence absence, const QString& desktop, const QString& detail) {
    switch (absence) {
    case Absence::NoPortal:
        return QStringLiteral("No colour picker here: on Wayland, picking needs the desktop portal; install "
                              "xdg-desktop-portal with %1.")
            .arg(backendFor(desktop));
    case Absence::NoPicker:
        return QStringLiteral(
                   "No colour picker here: the desktop portal runs but offers no colour picker; it "
                   "needs %1.")
            .arg(backendFor(desktop));
    case Absence::OldPicker:
        return QStringLiteral(
                   "No colour picker here: the desktop portal's Screenshot interface is version %1, "
                   "and picking needs version 2; install a newer xdg-desktop-portal.")
            .arg(detail);
    case Absence::Silent:
        break;
    }
    return QStringLiteral("No colour picker here: the desktop portal did not answer (%1).").arg(detail);
}

#pragma once

#include "pick/PickOutcome.h"

#include <QString>
#include <QVariantMap>
#include <array>
#include <optional>

// The desktop portal's side of picking, as plain data.
namespace portalAnswer {

using Rgb = std::array<double, 3>; // sRGB, each 0..1

// The request object the portal answers on: the caller's unique bus name without its ':' and
// with '_' for '.', then the token the caller passed as handle_token.
QString requestPath(const QString& uniqueName, const QString& token);

// results["color"] when it is there; one that is there but no (ddd) structure comes back as
// not-a-number channels, so that it reads as malformed rather than missing.
std::optional<Rgb> colourIn(const QVariantMap& results);

// The outcome of a Response(response, results): 0 with a colour is a pick, each channel rounded
// to 0..255; 1 is a cancel; any answer without a colour is nothing picked (the wlroots picker
// answers 2 to Escape); a colour that is not three numbers is a failure.
PickOutcome outcomeOf(unsigned response, const std::optional<Rgb>& colour);

// Why the portal offers no picker, from the error of reading the Screenshot interface's version.
enum class Absence { NoPortal, NoPicker, OldPicker, Silent };
Absence absenceOf(const QString& errorName);

// One sentence naming the missing piece for the desktop named `desktop` (XDG_CURRENT_DESKTOP);
// `detail` is the interface's version for OldPicker and the bus's error text for Silent.
QString missingPiece(Absence absence, const QString& desktop, const QString& detail);

} // namespace portalAnswer

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

// results["color"], a (ddd) structure, when it is there and well formed.
std::optional<Rgb> colourIn(const QVariantMap& results);

// The outcome of a Response(response, results): 0 with a colour is a pick, each channel rounded
// to 0..255; 1 is a cancel; anything else, or a colour missing or not a number, a failure.
PickOutcome outcomeOf(unsigned response, const std::optional<Rgb>& colour);

} // namespace portalAnswer

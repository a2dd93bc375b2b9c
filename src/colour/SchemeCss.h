#pragma once

#include <QString>
#include <array>

// A scheme's five colours as style-sheet text, for pages that no longer use the BODY tag.
//
// Codes are copied as they stand (case kept). A slot whose code is not a colour, "#" and six hex
// digits with nothing round them, is left out rather than copied as garbage:
// - the body rule keeps whichever of its two declarations are colours, and is left out when
//   neither is;
// - a link rule or a custom property is left out on its own;
// - with no colour at all the text is empty: there is nothing worth pasting.
// Lines end with LF, the last one too, so a pasted block leaves the caret on a fresh line.
namespace schemeCss {

// Background, text, link, visited link, active link: the scheme's slot order.
using SlotCodes = std::array<QString, 5>;

// True for "#" followed by exactly six hex digits, in either case.
bool isColourCode(const QString& code);

// body { background-color: ...; color: ...; } and the a:link, a:visited, a:active rules.
QString cssRules(const SlotCodes& codes);

// A :root block of --bgcolor, --text, --link, --vlink, --alink, named after the BODY attributes.
QString customProperties(const SlotCodes& codes);

} // namespace schemeCss

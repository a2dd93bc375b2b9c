#pragma once

// How assistive tools see a label that answers keys (FormLabel::setPressable): a button that
// can be pressed, whose border is read as FormLabel::borderMeans says (a marked cell, a full
// store, bold on).
namespace pressableLabelAccessible {

// Makes Qt ask us first for such labels; once is enough, later calls do nothing.
void install();

} // namespace pressableLabelAccessible

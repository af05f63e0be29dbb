#pragma once

class QWidget;

namespace varnolt {

class Twips;

// Creates every control of the form as a child of the client area, each
// named after its control, placed from its twips, with its caption, font,
// focus order and accessible name. Text fields start empty; the form model
// gives them their initial texts.
void populateClientArea(QWidget *client, const Twips &twips);

// Fixed text a screen reader gives for the verdict line besides its live text.
inline constexpr char16_t VerdictDescription[] = u"水跃判断结果";

} // namespace varnolt

#pragma once

namespace varnolt {

// Loads Qt's own Simplified Chinese translation, so that the texts Qt draws
// itself (the message box's 确定, the fields' context menus) match the
// window's Chinese captions whatever the user's locale. Does nothing when the
// translation is not installed; loading twice loads once.
void loadChineseStandardTexts();

} // namespace varnolt

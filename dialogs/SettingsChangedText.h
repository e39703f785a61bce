#pragma once

// The message shown when the console's display units changed while a settings dialog was open:
// what the dialog holds was worked out in the old units, so nothing is written and the
// console's settings are shown again. In the current language.
const char* SettingsChangedMeanwhileText();

#pragma once

#include "config/app_settings.h"
#include "lang/language.h"

// The labels that go with the default assignments, the same for both key modes: the names of the
// first five functions on buttons 1 to 5, the two DPI switches "DPI +" and "DPI -" on buttons 6
// and 7, and "Key Off" on the five buttons the mouse does not have.
ButtonLabels defaultButtonLabels(const UiTexts& texts);

// Gives both key modes the default labels.
void storeDefaultButtonLabels(AppSettings& settings, const UiTexts& texts);

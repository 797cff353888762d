#pragma once

#include <cstddef>

#include "config/app_settings.h"
#include "config/device_config_record.h"
#include "lang/language.h"

// Buttons name a macro by its slot. When the macro of `deletedSlot` is deleted, the macros after it
// move down one slot, and so do the buttons of both key modes that run them; a button that ran the
// deleted macro gets its default function and its default label. So no button runs a macro other
// than the one it was given.
void followMacroDeletion(DeviceConfigRecord& record, AppSettings& settings, const UiTexts& texts,
                         std::size_t deletedSlot);

#pragma once

#include <vector>

#include "config/profile_store.h"
#include "macro/macro_store.h"
#include "profile/profile.h"

// The parts of a profile that live in the program's INI files: the macros of record.ini and the
// button labels of str.ini, read and written through the same stores the program uses.

// Every macro record.ini lists, in file order, texts as stored.
std::vector<ProfileMacro> readProfileMacros(MacroStore& store);
// Writes the macros in order; into an empty record.ini they take the slots of the list.
void writeProfileMacros(MacroStore& store, const std::vector<ProfileMacro>& macros);

// The 24 labels of each language str.ini has a section for, in the profile's language order.
std::vector<ProfileLabels> readProfileLabels(ProfileStore& settings);
// Writes the 24 labels of each language given; the other sections stay as they are.
void writeProfileLabels(ProfileStore& settings, const std::vector<ProfileLabels>& labels);

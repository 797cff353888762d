#pragma once

// Resource identifiers shared by res/app.rc and the shell. Plain macros, as the resource compiler
// reads this file too.
#define IDD_MAIN_WINDOW 700
#define IDI_APP_ICON 710
#define IDR_MACRO_LIST_MENU 180
#define ID_MACROLIST_DELETE 32772

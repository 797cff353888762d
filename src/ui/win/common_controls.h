#pragma once

// Registers the common control classes the first time it is called in the process; later calls do
// nothing. The first call loads the common controls library, which a program that waits in the
// notification area does not need until its window opens.
void registerCommonControls();

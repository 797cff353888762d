#pragma once

#include <string>
#include <string_view>

#include "device/emulator/emulator_faults.h"

// The emulated mouse's faults by the names that mousecfg's --fault and the emulated build's
// GM_EMULATOR_FAULTS use, each given as NAME=VALUE (decimal, or hexadecimal after 0x):
//   unplug-after=N       the mouse is gone after N reports on the command interface
//   silent=1             no input report ever arrives; every data read waits out its time-out
//   no-replies=1         read requests get no reply
//   bad-checksum=1       every reply's checksum is wrong
//   reply-code=N         every reply carries command code N
//   announced-length=N   data read replies announce N bytes
//   chunks-sent=N        only N input reports follow a data read reply (at most 8, what the
//                        longest reply of 255 bytes spans)
//   reply-number=N       replies name set, block or slot N
//   feature-length=N, input-length=N, output-length=N   the report lengths the interface claims
//   forget-on-unplug=1   plugged in again, the mouse holds its factory state
// A switch given 0 is off again.

// Sets the fault that `assignment` names. On failure `faults` is unchanged and `error` says why.
bool applyEmulatorFault(std::string_view assignment, EmulatorFaults& faults, std::string& error);

// Sets every fault of a comma-separated list; empty entries are skipped. When an entry is not
// understood, none of the list is set.
bool applyEmulatorFaultList(std::string_view list, EmulatorFaults& faults, std::string& error);

// The fault names separated by ", ", for messages.
std::string emulatorFaultNames();

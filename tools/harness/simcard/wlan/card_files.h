#pragma once
// Where the simulated card keeps its scenario and its call log, for the
// stand-in DLL and the stand-in service alike.
#include <windows.h>

#include <string>

#include "tools/harness/simcard/wlan/scenario.h"

namespace simcard {

// HKCU\Software\Quorix\SimulatedCard, value Scenario: the scenario file's
// Windows path, set by install-wlan.sh.
std::wstring ScenarioPath();

// Reads and parses the scenario; a missing file is an empty scenario. Lines that
// could not be read are logged.
Scenario LoadScenario();

// Appends one line, stamped with GetTickCount, to the log beside the scenario
// ("<scenario>.log"), so a test can follow the calls.
void Log(const char* format, ...) __attribute__((format(printf, 1, 2)));

std::wstring WideFromUtf8(const std::string& text);

// The AdapterName of the adapter "ip" stands for: the first one the IP helper
// lists with an IPv4 address that is not the loopback, else the first one.
std::string PickedIpAdapter();

}  // namespace simcard

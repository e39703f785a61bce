#pragma once

#include <string>

// The product's control file, registered at every start.
inline constexpr const char* kProductControlFile = "Talvorin.ocx";

// True when a class is registered under `progId`.
bool IsProgIdRegistered(const std::string& progId);

// True when the charting control that the graph dialog hosts is registered.
bool IsChartControlRegistered();

// Loads the control module `fileName` (a bare name is looked for in the program folder) and
// calls its registration entry point. True when that succeeds; the module then stays loaded
// for the life of the program. A module without the entry point stays loaded too; one whose
// registration fails is unloaded.
bool RegisterServer(const std::string& fileName);

// Registers the product's control file from the program folder.
bool RegisterProductOcx();

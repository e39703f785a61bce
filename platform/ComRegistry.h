#pragma once

#include <cstdint>
#include <string>

// Our stand-in for the system's class registry: a small ini file that maps each ProgID (a
// section, named ignoring case) to the class id registered for it (its key "CLSID").
//
// The file is $TALVORIN_REGISTRY when that is set, else talvorin/registry.ini in the user's
// configuration folder ($XDG_CONFIG_HOME, or ~/.config). Control modules loaded into the
// program find the same file, since they read the same environment.

// Result of a module's registration entry point: negative means failure.
using HResult = std::int32_t;
inline constexpr HResult kRegistrationOk = 0;
inline constexpr HResult kRegistrationFailed = static_cast<HResult>(0x80040201);

// The entry point every control module exports, called without arguments.
inline constexpr const char* kRegisterServerEntry = "DllRegisterServer";
using RegisterServerEntry = HResult (*)();

// Full path of the registry file; "" when there is no configuration folder to put it in.
std::string ComRegistryPath();

// True for a class id of the form {XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX} in hex digits.
bool IsClassIdText(const std::string& text);

// Records `classId` under `progId`, creating the registry file and its folders as needed.
// False when the class id is malformed, the ProgID cannot be a name in the file, or the file
// cannot be written.
bool RegisterProgId(const std::string& progId, const std::string& classId);

// The class id registered for `progId` into `classId`. False, and `classId` untouched, when
// none is registered or what is registered is not a well-formed class id.
bool ClassIdFromProgId(const std::string& progId, std::string& classId);

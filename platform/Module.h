#pragma once

#include <string>

// Loadable modules (shared objects) opened by file name at run time.
using ModuleHandle = void*;

// The file name of the module called `name` on this platform ("usbbat" -> "usbbat.so").
std::string ModuleFileName(const std::string& name);

// Opens a module. A bare file name (no '/') is looked for in the program folder, where the
// program keeps its own modules; a path is opened as given. Null when it cannot be loaded.
ModuleHandle LoadModule(const std::string& fileName);

// The address of an exported entry point, or null when the module has none of that name.
void* FindModuleSymbol(ModuleHandle module, const char* name);

// Closes a module opened by LoadModule; a null handle is ignored.
void FreeModule(ModuleHandle module);

#include "platform/Module.h"

#include "platform/SystemUtils.h"

#include <dlfcn.h>

std::string ModuleFileName(const std::string& name) {
    return name + ".so";
}

ModuleHandle LoadModule(const std::string& fileName) {
    if (fileName.empty())
        return nullptr;
    const std::string path =
        fileName.find('/') == std::string::npos ? GetModuleDir() + fileName : fileName;
    return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
}

void* FindModuleSymbol(ModuleHandle module, const char* name) {
    return module ? dlsym(module, name) : nullptr;
}

void FreeModule(ModuleHandle module) {
    if (module)
        dlclose(module);
}

#include "store/ControlRegistration.h"

#include "platform/ComRegistry.h"
#include "platform/Module.h"
#include "platform/ocx/ChartControl.h"

bool IsProgIdRegistered(const std::string& progId) {
    std::string classId;
    return ClassIdFromProgId(progId, classId);
}

bool IsChartControlRegistered() {
    return IsProgIdRegistered(kChartControlProgId);
}

bool RegisterServer(const std::string& fileName) {
    const ModuleHandle module = LoadModule(fileName);
    if (!module)
        return false;
    const auto entry =
        reinterpret_cast<RegisterServerEntry>(FindModuleSymbol(module, kRegisterServerEntry));
    if (!entry)
        return false;
    if (entry() >= 0)
        return true;
    FreeModule(module);
    return false;
}

bool RegisterProductOcx() {
    return RegisterServer(kProductControlFile);
}

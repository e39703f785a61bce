#include "station/link/SimulatedLink.h"

#include "station/link/SimulatedConsole.h"

bool CSimulatedLink::Open(int, int) {
    ResetSimulatedConsole();
    return true;
}

// An abandoned link fails at once, as the USB one does, and the console does not move on.
bool CSimulatedLink::ReadMemory(int address, std::uint8_t* buffer, int& length) {
    return !GivesUp() && ReadSimulatedMemory(address, buffer, length);
}

bool CSimulatedLink::WriteMemory(int address, const std::uint8_t* buffer, int& length) {
    return !GivesUp() && WriteSimulatedMemory(address, buffer, length);
}

bool CSimulatedLink::WriteMemoryByte(int address, int value) {
    const auto byte = static_cast<std::uint8_t>(value);
    return !GivesUp() && WriteSimulatedMemory(address, &byte, 1);
}

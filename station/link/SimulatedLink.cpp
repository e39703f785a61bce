#include "station/link/SimulatedLink.h"

#include "station/link/SimulatedConsole.h"

bool CSimulatedLink::Open(int, int) {
    ResetSimulatedConsole();
    return true;
}

bool CSimulatedLink::ReadMemory(int address, std::uint8_t* buffer, int& length) {
    return ReadSimulatedMemory(address, buffer, length);
}

bool CSimulatedLink::WriteMemory(int address, const std::uint8_t* buffer, int& length) {
    return WriteSimulatedMemory(address, buffer, length);
}

bool CSimulatedLink::WriteMemoryByte(int address, int value) {
    const auto byte = static_cast<std::uint8_t>(value);
    return WriteSimulatedMemory(address, &byte, 1);
}

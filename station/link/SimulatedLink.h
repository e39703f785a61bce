#pragma once

#include "station/link/ConsoleLink.h"

// The console link of test mode: serves the simulated console and leaves the USB alone. The
// console is always there; opening it lays its memory out afresh.
class CSimulatedLink : public CConsoleLink {
public:
    bool Open(int vendorId, int productId) override;
    bool CheckOpen() override { return true; }
    ConsoleAbsence Absence() const override { return ConsoleAbsence::kNone; }

    // `length` stays as asked: the simulated memory is read and written byte for byte.
    bool ReadMemory(int address, std::uint8_t* buffer, int& length) override;
    bool WriteMemory(int address, const std::uint8_t* buffer, int& length) override;
    bool WriteMemoryByte(int address, int value) override;

    bool IsSimulated() const override { return true; }
};

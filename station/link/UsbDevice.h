#pragma once

#include "platform/Module.h"
#include "station/link/ConsoleFrames.h"
#include "station/link/ConsoleLink.h"
#include "usb/UsbLibrary.h"

#include <atomic>
#include <cstdint>
#include <string>

// The program's USB library module, loaded from the program folder.
std::string UsbModuleFileName();

// The lowest layer between the program and the console: finds the console through the USB
// library module and reads and writes its 64 KB memory in 8-byte frames.
class CUsbDevice : public CConsoleLink {
public:
    // Loads the USB library module `moduleFile` (a bare name is looked for in the program
    // folder). Without the module, or without one of its operations, every call that needs the
    // missing piece fails.
    explicit CUsbDevice(const std::string& moduleFile = UsbModuleFileName());
    ~CUsbDevice() override;

    bool Open(int vendorId, int productId) override;
    bool CheckOpen() override;
    ConsoleAbsence Absence() const override { return m_absence; }

    // One frame each way, tried once.
    bool WriteFrame(const Frame& frame);
    bool ReadFrame(Frame& frame);

    // Reads `length` bytes at console address `address` into `buffer`. On return `length` holds
    // the bytes covered by the commands sent: whole 32-byte blocks, so the length rounded up,
    // or less when a command could not be sent. Nothing beyond the asked length is written.
    // False when any frame failed; the buffer's content is then not to be used.
    bool ReadMemory(int address, std::uint8_t* buffer, int& length) override;
    // Writes `length` bytes from `buffer` at `address`, in acknowledged 32-byte blocks; the
    // length must be a whole number of blocks. `length` on return as for ReadMemory.
    bool WriteMemory(int address, const std::uint8_t* buffer, int& length) override;
    // Writes the low 8 bits of `value` at `address`; true once the console acknowledged it.
    bool WriteMemoryByte(int address, int value) override;

    bool IsSimulated() const override { return false; }

private:
    // Sends the `command` for each 32-byte block of the `length` bytes at `address`, each
    // followed by `exchange(position of the block)`, and stops at a command that cannot be
    // sent. False when a command or an exchange failed; `length` := the bytes covered.
    template <typename Exchange>
    bool ExchangeBlocks(std::uint8_t command, int address, int& length, Exchange exchange);
    bool SendWithAttempts(const Frame& frame);
    bool ReceiveWithAttempts(Frame& frame);
    bool ReceiveAcknowledgement();

    ModuleHandle m_module = nullptr;
    FindHandleFunction m_findHandle = nullptr;
    CheckHandleFunction m_checkHandle = nullptr;
    WriteDataFunction m_writeData = nullptr;
    ReadDataFunction m_readData = nullptr;
    FindRefusedFunction m_findRefused = nullptr;
    // Written by the link timer's checks while the monitor thread may be using it.
    std::atomic<int> m_handle{-1};
    std::atomic<ConsoleAbsence> m_absence{ConsoleAbsence::kNone};
};

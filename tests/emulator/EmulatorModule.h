#pragma once

#include "platform/Module.h"
#include "station/link/ConsoleFrames.h"
#include "station/link/LinkSettings.h"
#include "station/link/UsbDevice.h"
#include "tests/emulator/ConsoleEmulator.h"

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// The emulator module as a test sees it: loaded once more beside the station link's own loading
// of it, so both share its one state.
class ConsoleEmulator {
public:
    static std::string FileName() { return ModuleFileName("consoleemu"); }

    ConsoleEmulator() : m_module(LoadModule(FileName())) {
        Find(m_reset, "EmuReset");
        Find(m_setMemory, "EmuSetMemory");
        Find(m_getMemory, "EmuGetMemory");
        Find(m_setAttached, "EmuSetAttached");
        Find(m_setRefusing, "EmuSetRefusing");
        Find(m_counter, "EmuCounter");
        Find(m_receivedFrame, "EmuReceivedFrame");
        Find(m_failWrites, "EmuFailWrites");
        Find(m_failReadsAt, "EmuFailReadsAt");
        Find(m_stallFrame, "EmuStallFrame");
        Find(m_corruptAcknowledgement, "EmuCorruptAcknowledgement");
        if (IsLoaded())
            m_reset();
    }
    ~ConsoleEmulator() { FreeModule(m_module); }
    ConsoleEmulator(const ConsoleEmulator&) = delete;
    ConsoleEmulator& operator=(const ConsoleEmulator&) = delete;

    bool IsLoaded() const {
        return m_reset && m_setMemory && m_getMemory && m_setAttached && m_setRefusing &&
               m_counter && m_receivedFrame && m_failWrites && m_failReadsAt && m_stallFrame &&
               m_corruptAcknowledgement;
    }

    void Reset() { m_reset(); }
    void SetMemory(int address, const std::vector<std::uint8_t>& bytes) {
        m_setMemory(address, bytes.data(), static_cast<int>(bytes.size()));
    }
    std::vector<std::uint8_t> Memory(int address, int length) {
        std::vector<std::uint8_t> bytes(length);
        m_getMemory(address, bytes.data(), length);
        return bytes;
    }
    void SetAttached(bool attached) { m_setAttached(attached ? 1 : 0); }
    void SetRefusing(bool refusing) { m_setRefusing(refusing ? 1 : 0); }
    long Count(EmuCounterId counter) { return m_counter(counter); }
    // Every frame the console took in, in order.
    std::vector<Frame> ReceivedFrames() {
        std::vector<Frame> frames;
        for (Frame frame; m_receivedFrame(static_cast<long>(frames.size()), frame.data());)
            frames.push_back(frame);
        return frames;
    }
    void FailWrites(long first, long count) { m_failWrites(first, count); }
    void FailReadsAt(int address, long count) { m_failReadsAt(address, count); }
    void StallFrame(long index, long failedReads, bool lost) {
        m_stallFrame(index, failedReads, lost ? 1 : 0);
    }
    void CorruptAcknowledgement(long index, int byte, int value) {
        m_corruptAcknowledgement(index, byte, value);
    }

private:
    template <typename Function>
    void Find(Function*& function, const char* name) {
        function = reinterpret_cast<Function*>(FindModuleSymbol(m_module, name));
    }

    ModuleHandle m_module;
    decltype(EmuReset)* m_reset = nullptr;
    decltype(EmuSetMemory)* m_setMemory = nullptr;
    decltype(EmuGetMemory)* m_getMemory = nullptr;
    decltype(EmuSetAttached)* m_setAttached = nullptr;
    decltype(EmuSetRefusing)* m_setRefusing = nullptr;
    decltype(EmuCounter)* m_counter = nullptr;
    decltype(EmuReceivedFrame)* m_receivedFrame = nullptr;
    decltype(EmuFailWrites)* m_failWrites = nullptr;
    decltype(EmuFailReadsAt)* m_failReadsAt = nullptr;
    decltype(EmuStallFrame)* m_stallFrame = nullptr;
    decltype(EmuCorruptAcknowledgement)* m_corruptAcknowledgement = nullptr;
};

// The USB link over the emulator module, and the ids of the console it emulates.
inline std::unique_ptr<CConsoleLink> EmulatorLink() {
    return std::make_unique<CUsbDevice>(ConsoleEmulator::FileName());
}
inline constexpr CLinkSettings kEmulatorIds{kConsoleVendorId, kConsoleProductId};

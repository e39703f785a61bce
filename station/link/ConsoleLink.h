#pragma once

#include "platform/StopRequest.h"

#include <atomic>
#include <cstdint>

// Why the console is not there to talk to, as the last look for it saw it.
enum class ConsoleAbsence {
    kNone,     // found and opened, or not looked for yet
    kNotFound, // no console with the ids is attached, or the one found has gone
    kRefused,  // one is attached but cannot be opened (no permission on its device file)
};

// The way to the console's 64 KB memory that the station link talks through: the USB console,
// or in test mode the simulated one. Start-up chooses it once. Not thread-safe: the
// device-busy flag of the station link keeps callers apart.
class CConsoleLink {
public:
    CConsoleLink() = default;
    virtual ~CConsoleLink() = default;
    CConsoleLink(const CConsoleLink&) = delete;
    CConsoleLink& operator=(const CConsoleLink&) = delete;

    // Looks the console up afresh by its USB ids.
    virtual bool Open(int vendorId, int productId) = 0;
    // Whether the console found by Open is still attached; forgets it when not.
    virtual bool CheckOpen() = 0;
    // Why the last Open or CheckOpen found no console to talk to.
    virtual ConsoleAbsence Absence() const = 0;

    // Reads `length` bytes at console address `address` into `buffer`. False when the read
    // failed; the buffer's content is then not to be used.
    virtual bool ReadMemory(int address, std::uint8_t* buffer, int& length) = 0;
    // Writes `length` bytes from `buffer` at `address`.
    virtual bool WriteMemory(int address, const std::uint8_t* buffer, int& length) = 0;
    // Writes the low 8 bits of `value` at `address`; true once the console took it.
    virtual bool WriteMemoryByte(int address, int value) = 0;

    // Whether this is the simulated console of test mode.
    virtual bool IsSimulated() const = 0;

    // Carries out `write`, a write that must reach the console whole (the settings block, the
    // bytes of one change): a console left with half of it would run on a block nobody wrote.
    // On an abandoned link it is not begun at all (false); once begun, it goes on to its end
    // even when the link is abandoned meanwhile.
    template <typename Write>
    bool WriteWhole(Write write) {
        if (IsAbandoned())
            return false;
        ++m_wholeWrites;
        const bool written = write();
        --m_wholeWrites;
        return written;
    }

    // The connected state. The station link sets and clears it; the links never read it.
    std::atomic<bool> m_open{false};
    // While set, an exchange under way gives up at its next frame and a new one fails at once,
    // so that a program that ends does not wait for a slow console to answer a whole read. So
    // does the system's request that the program end, which the user-interface thread, busy
    // with a read of its own, would hear of only after the read.
    std::atomic<bool> m_abandon{false};

protected:
    // Whether the exchange under way is to stop at its next frame: never inside a whole write.
    bool GivesUp() const { return m_wholeWrites == 0 && IsAbandoned(); }

private:
    bool IsAbandoned() const { return m_abandon || IsProgramEndRequested(); }

    // Whole writes under way; only the party that holds the device-busy flag changes it.
    int m_wholeWrites = 0;
};

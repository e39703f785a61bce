#include "tests/emulator/ConsoleEmulator.h"

#include "station/link/ConsoleFrames.h"
#include "usb/UsbLibrary.h"

#include <array>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <fstream>
#include <mutex>
#include <thread>
#include <vector>

namespace {

constexpr int kMemorySize = 0x10000;

// A program started by a test, with the emulator in place of its USB library, is set up through
// its environment, since the test cannot reach into that process:
//   CONSOLEEMU_MEMORY  a file of the 64 KB the console's memory holds at the start;
//   CONSOLEEMU_READ_DELAY_US  how long every ReadData call takes, for a slow console;
//   CONSOLEEMU_MARK  a file created when the console takes its kMarkAfterCommands-th command
//                    (or the CONSOLEEMU_MARK_AFTER-th), a read or write command, so that the
//                    test knows the reading or writing is under way;
//   CONSOLEEMU_KEEP  when set, the console keeps its memory in the CONSOLEEMU_MEMORY file as a
//                    real one keeps it across runs of the program: every data frame and byte
//                    the program writes goes there at once.
constexpr long kMarkAfterCommands = 100;

std::array<std::uint8_t, kMemorySize> StartMemory() {
    std::array<std::uint8_t, kMemorySize> memory{};
    if (const char* path = std::getenv("CONSOLEEMU_MEMORY"))
        std::ifstream(path, std::ios::binary)
            .read(reinterpret_cast<char*>(memory.data()), kMemorySize);
    return memory;
}

void DelayRead() {
    static const long delayUs = [] {
        const char* text = std::getenv("CONSOLEEMU_READ_DELAY_US");
        return text ? std::atol(text) : 0L;
    }();
    if (delayUs > 0)
        std::this_thread::sleep_for(std::chrono::microseconds(delayUs));
}

void MarkCommandTaken(long commands) {
    static const long markAfter = [] {
        const char* text = std::getenv("CONSOLEEMU_MARK_AFTER");
        return text ? std::atol(text) : kMarkAfterCommands;
    }();
    const char* path = std::getenv("CONSOLEEMU_MARK");
    if (path && commands == markAfter)
        std::ofstream(path) << commands << '\n';
}

void KeepMemory(const std::array<std::uint8_t, kMemorySize>& memory) {
    static const bool keep = std::getenv("CONSOLEEMU_KEEP") != nullptr;
    const char* path = std::getenv("CONSOLEEMU_MEMORY");
    if (keep && path)
        std::ofstream(path, std::ios::binary)
            .write(reinterpret_cast<const char*>(memory.data()), kMemorySize);
}

// A fault that lies ahead: `at` counts calls or frames from the reset, -1 when none is set.
struct StalledFrame {
    long at = -1;
    long failedReads = 0;
    bool lost = false;
    long stalledSoFar = 0;
};

struct FailingReads {
    int address = -1;
    long count = 0;
};

struct CorruptedAcknowledgement {
    long at = -1;
    int byte = 0;
    std::uint8_t value = 0;
};

class Console {
public:
    void Reset() { *this = Console(); }

    int FindHandle(int vendorId, int productId) {
        const bool found =
            m_attached && vendorId == kConsoleVendorId && productId == kConsoleProductId;
        m_findRefused = found && m_refusing;
        return found && !m_refusing ? kEmuHandle : -1;
    }

    bool FindRefused() const { return m_findRefused; }

    bool CheckHandle(int handle) const { return m_attached && handle == kEmuHandle; }

    bool TakeFrame(int handle, const Frame& frame) {
        const long call = m_counters[kEmuWriteCalls]++;
        if (!CheckHandle(handle) || (call >= m_failWritesFrom && call < m_failWritesTo) ||
            RefuseRead(frame))
            return false;
        m_received.push_back(frame);
        if (m_dataFramesDue > 0)
            TakeDataFrame(frame);
        else
            TakeCommand(frame);
        return true;
    }

    bool SendFrame(int handle, Frame& frame) {
        ++m_counters[kEmuReadCalls];
        if (!CheckHandle(handle) || m_outgoing.empty())
            return false;
        if (m_framesOut == m_stall.at && m_stall.stalledSoFar < m_stall.failedReads) {
            if (++m_stall.stalledSoFar == m_stall.failedReads && m_stall.lost)
                DropFrame();
            return false;
        }
        frame = m_outgoing.front();
        DropFrame();
        ++m_counters[kEmuSentFrames];
        return true;
    }

    void SetAttached(bool attached) {
        m_attached = attached;
        if (!attached)
            m_outgoing.clear();
    }

    void SetRefusing(bool refusing) { m_refusing = refusing; }

    void SetMemory(int address, const unsigned char* bytes, int length) {
        for (int i = 0; i < length; ++i)
            m_memory[(address + i) % kMemorySize] = bytes[i];
    }

    void GetMemory(int address, unsigned char* bytes, int length) const {
        for (int i = 0; i < length; ++i)
            bytes[i] = m_memory[(address + i) % kMemorySize];
    }

    long Counter(int counter) const {
        return counter >= 0 && counter < kCounterCount ? m_counters[counter] : -1;
    }

    bool ReceivedFrame(long index, Frame& frame) const {
        if (index < 0 || index >= static_cast<long>(m_received.size()))
            return false;
        frame = m_received[index];
        return true;
    }

    void FailWrites(long first, long count) {
        m_failWritesFrom = m_counters[kEmuWriteCalls] + first;
        m_failWritesTo = m_failWritesFrom + count;
    }

    void FailReadsAt(int address, long count) { m_failingReads = {address, count}; }

    void StallFrame(long index, long failedReads, bool lost) {
        m_stall = {m_framesOut + index, failedReads, lost, 0};
    }

    void CorruptAcknowledgement(long index, int byte, int value) {
        m_corruptAck = {m_acknowledgementsQueued + index, byte, static_cast<std::uint8_t>(value)};
    }

private:
    static constexpr int kCounterCount = kEmuAcknowledgements + 1;

    static int AddressOf(const Frame& frame) { return frame[1] << 8 | frame[2]; }

    static bool IsBlockCommand(const Frame& frame, std::uint8_t command) {
        return frame == BlockCommandFrame(command, AddressOf(frame));
    }

    bool RefuseRead(const Frame& frame) {
        if (m_failingReads.count <= 0 || AddressOf(frame) != m_failingReads.address ||
            !IsBlockCommand(frame, kReadBlockCommand))
            return false;
        --m_failingReads.count;
        return true;
    }

    void TakeCommand(const Frame& frame) {
        if (IsBlockCommand(frame, kReadBlockCommand)) {
            MarkCommandTaken(++m_counters[kEmuCommands]);
            for (int offset = 0; offset < kBlockSize; offset += kFrameSize) {
                Frame answer;
                GetMemory(AddressOf(frame) + offset, answer.data(), kFrameSize);
                m_outgoing.push_back(answer);
            }
        } else if (IsBlockCommand(frame, kWriteBlockCommand)) {
            MarkCommandTaken(++m_counters[kEmuCommands]);
            m_dataAddress = AddressOf(frame);
            m_dataFramesDue = kFramesPerBlock;
        } else if (frame == WriteByteFrame(AddressOf(frame), frame[5])) {
            MarkCommandTaken(++m_counters[kEmuCommands]);
            m_memory[AddressOf(frame)] = frame[5];
            KeepMemory(m_memory);
            QueueAcknowledgement();
        }
        // Anything else is not a command; the console takes it in and does nothing.
    }

    void TakeDataFrame(const Frame& frame) {
        ++m_counters[kEmuDataFrames];
        const int offset = (kFramesPerBlock - m_dataFramesDue) * kFrameSize;
        SetMemory(m_dataAddress + offset, frame.data(), kFrameSize);
        KeepMemory(m_memory);
        if (--m_dataFramesDue == 0)
            QueueAcknowledgement();
    }

    void QueueAcknowledgement() {
        Frame acknowledgement = AcknowledgeFrame();
        if (m_acknowledgementsQueued++ == m_corruptAck.at)
            acknowledgement[m_corruptAck.byte % kFrameSize] = m_corruptAck.value;
        m_outgoing.push_back(acknowledgement);
        ++m_counters[kEmuAcknowledgements];
    }

    void DropFrame() {
        m_outgoing.pop_front();
        ++m_framesOut;
    }

    std::array<std::uint8_t, kMemorySize> m_memory = StartMemory();
    bool m_attached = true;
    bool m_refusing = false;
    bool m_findRefused = false;
    std::deque<Frame> m_outgoing;
    std::vector<Frame> m_received;
    int m_dataAddress = 0;
    int m_dataFramesDue = 0;
    long m_framesOut = 0;
    long m_acknowledgementsQueued = 0;
    std::array<long, kCounterCount> m_counters{};
    long m_failWritesFrom = -1;
    long m_failWritesTo = -1;
    FailingReads m_failingReads;
    StalledFrame m_stall;
    CorruptedAcknowledgement m_corruptAck;
};

std::mutex g_mutex;
Console g_console;

} // namespace

extern "C" {

int FindHandle(int vendorId, int productId) {
    const std::lock_guard lock(g_mutex);
    return g_console.FindHandle(vendorId, productId);
}

unsigned char CheckHandle(int handle) {
    const std::lock_guard lock(g_mutex);
    return g_console.CheckHandle(handle);
}

unsigned char FindRefused() {
    const std::lock_guard lock(g_mutex);
    return g_console.FindRefused();
}

unsigned char WriteData(int handle, const unsigned char* frame) {
    Frame taken;
    std::memcpy(taken.data(), frame, kFrameSize);
    const std::lock_guard lock(g_mutex);
    return g_console.TakeFrame(handle, taken);
}

unsigned char ReadData(int handle, unsigned char* frame) {
    DelayRead();
    Frame sent;
    {
        const std::lock_guard lock(g_mutex);
        if (!g_console.SendFrame(handle, sent))
            return 0;
    }
    std::memcpy(frame, sent.data(), kFrameSize);
    return 1;
}

void EmuReset() {
    const std::lock_guard lock(g_mutex);
    g_console.Reset();
}

void EmuSetMemory(int address, const unsigned char* bytes, int length) {
    const std::lock_guard lock(g_mutex);
    g_console.SetMemory(address, bytes, length);
}

void EmuGetMemory(int address, unsigned char* bytes, int length) {
    const std::lock_guard lock(g_mutex);
    g_console.GetMemory(address, bytes, length);
}

void EmuSetAttached(int attached) {
    const std::lock_guard lock(g_mutex);
    g_console.SetAttached(attached != 0);
}

void EmuSetRefusing(int refusing) {
    const std::lock_guard lock(g_mutex);
    g_console.SetRefusing(refusing != 0);
}

long EmuCounter(int counter) {
    const std::lock_guard lock(g_mutex);
    return g_console.Counter(counter);
}

int EmuReceivedFrame(long index, unsigned char* frame) {
    Frame received;
    const std::lock_guard lock(g_mutex);
    if (!g_console.ReceivedFrame(index, received))
        return 0;
    std::memcpy(frame, received.data(), kFrameSize);
    return 1;
}

void EmuFailWrites(long first, long count) {
    const std::lock_guard lock(g_mutex);
    g_console.FailWrites(first, count);
}

void EmuFailReadsAt(int address, long count) {
    const std::lock_guard lock(g_mutex);
    g_console.FailReadsAt(address, count);
}

void EmuStallFrame(long index, long failedReads, int lost) {
    const std::lock_guard lock(g_mutex);
    g_console.StallFrame(index, failedReads, lost != 0);
}

void EmuCorruptAcknowledgement(long index, int byte, int value) {
    const std::lock_guard lock(g_mutex);
    g_console.CorruptAcknowledgement(index, byte, value);
}
}

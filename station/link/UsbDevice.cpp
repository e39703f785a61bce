#include "station/link/UsbDevice.h"

#include "platform/Sleep.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr int kNoDevice = -1;
// The console needs a moment to take in a written block or byte before it acknowledges.
constexpr int kAcknowledgeDelayMs = 50;

template <typename Function>
Function FindOperation(ModuleHandle module, const char* name) {
    return reinterpret_cast<Function>(FindModuleSymbol(module, name));
}

} // namespace

std::string UsbModuleFileName() {
    return ModuleFileName("usbbat");
}

// The operations are looked up once: the module stays loaded as long as this object lives, so
// they cannot move.
CUsbDevice::CUsbDevice(const std::string& moduleFile)
    : m_module(LoadModule(moduleFile)),
      m_findHandle(FindOperation<FindHandleFunction>(m_module, "FindHandle")),
      m_checkHandle(FindOperation<CheckHandleFunction>(m_module, "CheckHandle")),
      m_writeData(FindOperation<WriteDataFunction>(m_module, "WriteData")),
      m_readData(FindOperation<ReadDataFunction>(m_module, "ReadData")),
      m_findRefused(FindOperation<FindRefusedFunction>(m_module, "FindRefused")) {}

CUsbDevice::~CUsbDevice() {
    FreeModule(m_module);
}

bool CUsbDevice::Open(int vendorId, int productId) {
    m_handle = m_findHandle ? m_findHandle(vendorId, productId) : kNoDevice;
    if (m_handle != kNoDevice)
        m_absence = ConsoleAbsence::kNone;
    else
        m_absence =
            m_findRefused && m_findRefused() ? ConsoleAbsence::kRefused : ConsoleAbsence::kNotFound;
    return m_handle != kNoDevice;
}

bool CUsbDevice::CheckOpen() {
    if (m_checkHandle && m_checkHandle(m_handle))
        return true;
    m_handle = kNoDevice;
    m_absence = ConsoleAbsence::kNotFound;
    return false;
}

bool CUsbDevice::WriteFrame(const Frame& frame) {
    return !GivesUp() && m_handle != kNoDevice && m_writeData &&
           m_writeData(m_handle, frame.data());
}

bool CUsbDevice::ReadFrame(Frame& frame) {
    return !GivesUp() && m_handle != kNoDevice && m_readData && m_readData(m_handle, frame.data());
}

// The console hands frames over when it is ready, so a frame is tried again at once until it
// goes through or the attempts run out.
bool CUsbDevice::SendWithAttempts(const Frame& frame) {
    for (long attempt = 0; attempt < kFrameAttempts && !GivesUp(); ++attempt)
        if (WriteFrame(frame))
            return true;
    return false;
}

bool CUsbDevice::ReceiveWithAttempts(Frame& frame) {
    for (long attempt = 0; attempt < kFrameAttempts && !GivesUp(); ++attempt)
        if (ReadFrame(frame))
            return true;
    return false;
}

bool CUsbDevice::ReceiveAcknowledgement() {
    SleepMs(kAcknowledgeDelayMs);
    Frame answer{};
    return ReceiveWithAttempts(answer) && answer == AcknowledgeFrame();
}

template <typename Exchange>
bool CUsbDevice::ExchangeBlocks(std::uint8_t command, int address, int& length, Exchange exchange) {
    bool result = true;
    int position = 0;
    for (; position < length; position += kBlockSize) {
        if (!WriteFrame(BlockCommandFrame(command, address + position))) {
            result = false;
            break;
        }
        if (!exchange(position))
            result = false;
    }
    length = position;
    return result;
}

// A lost answer frame spoils the result but not the rest of the read: the following frames and
// blocks are still taken, so that the console's answers stay in step with the commands.
bool CUsbDevice::ReadMemory(int address, std::uint8_t* buffer, int& length) {
    const int wanted = length;
    return ExchangeBlocks(kReadBlockCommand, address, length, [&](int position) {
        bool complete = true;
        for (int offset = position; offset < position + kBlockSize; offset += kFrameSize) {
            Frame answer{};
            if (!ReceiveWithAttempts(answer)) {
                complete = false;
                continue;
            }
            const int count = std::min(kFrameSize, wanted - offset);
            if (count > 0)
                std::memcpy(buffer + offset, answer.data(), count);
        }
        return complete;
    });
}

// Only whole blocks are written: the bytes of a partial block past the length are not the
// caller's to give, and the console would store whatever stood there.
bool CUsbDevice::WriteMemory(int address, const std::uint8_t* buffer, int& length) {
    if (length % kBlockSize != 0) {
        length = 0;
        return false;
    }
    return ExchangeBlocks(kWriteBlockCommand, address, length, [&](int position) {
        bool complete = true;
        for (int offset = position; offset < position + kBlockSize; offset += kFrameSize) {
            Frame data;
            std::memcpy(data.data(), buffer + offset, kFrameSize);
            complete = SendWithAttempts(data) && complete;
        }
        return ReceiveAcknowledgement() && complete;
    });
}

bool CUsbDevice::WriteMemoryByte(int address, int value) {
    return WriteFrame(WriteByteFrame(address, value)) && ReceiveAcknowledgement();
}

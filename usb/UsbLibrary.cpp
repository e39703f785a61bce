// The USB library module "usbbat": the operations of the console link on top of hidapi
// (hidraw). One console at a time; its handle is 0.

#include "usb/UsbLibrary.h"

#include <algorithm>
#include <chrono>
#include <cstring>
#include <hidapi.h>
#include <mutex>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

constexpr int kHandle = 0;
constexpr std::size_t kFrameSize = 8;

// The console answers within milliseconds of the exchange before. Until this long after the
// last exchange ReadData waits for a frame; afterwards it answers at once, so that the caller's
// many quick attempts soon give up on a frame that is not coming.
constexpr milliseconds kAnswerWindow{1000};
// One ReadData call waits at most this long, so that the link lock it holds meanwhile keeps a
// link check of the user-interface thread waiting no longer; the caller's next attempts wait
// out the rest of the window.
constexpr milliseconds kLongestReadWait{20};

// The link timer checks the console while the monitor thread talks to it: every operation runs
// under the one lock, so a check can never close the device under a transfer.
class ConsoleLink {
public:
    ~ConsoleLink() {
        Close();
        hid_exit();
    }

    int Find(int vendorId, int productId) {
        const std::lock_guard lock(m_mutex);
        Close();
        m_refused = false;
        if (hid_init() != 0)
            return -1;
        m_vendorId = static_cast<unsigned short>(vendorId);
        m_productId = static_cast<unsigned short>(productId);
        // Listing the devices needs no permission, opening one does: a console listed but not
        // opened is there for a user who may not use it.
        hid_device_info* found = hid_enumerate(m_vendorId, m_productId);
        if (found) {
            m_device = hid_open_path(found->path);
            m_path = m_device ? found->path : "";
        }
        m_refused = found && !m_device;
        hid_free_enumeration(found);
        m_lastExchange = Clock::now();
        return m_device ? kHandle : -1;
    }

    bool Refused() {
        const std::lock_guard lock(m_mutex);
        return m_refused;
    }

    bool Check(int handle) {
        const std::lock_guard lock(m_mutex);
        if (handle != kHandle || !m_device)
            return false;
        if (IsStillAttached())
            return true;
        Close();
        return false;
    }

    bool Write(int handle, const unsigned char* frame) {
        const std::lock_guard lock(m_mutex);
        if (handle != kHandle || !m_device)
            return false;
        DropLateFrames();
        // Output report without a report id: the id byte 0 goes first.
        unsigned char report[1 + kFrameSize] = {0};
        std::memcpy(report + 1, frame, kFrameSize);
        if (hid_write(m_device, report, sizeof report) != static_cast<int>(sizeof report))
            return false;
        m_lastExchange = Clock::now();
        return true;
    }

    bool Read(int handle, unsigned char* frame) {
        const std::lock_guard lock(m_mutex);
        if (handle != kHandle || !m_device)
            return false;
        const auto left =
            std::chrono::duration_cast<milliseconds>(m_lastExchange + kAnswerWindow - Clock::now());
        unsigned char received[kFrameSize];
        const int timeoutMs = static_cast<int>(
            std::clamp<milliseconds::rep>(left.count(), 0, kLongestReadWait.count()));
        if (hid_read_timeout(m_device, received, kFrameSize, timeoutMs) !=
            static_cast<int>(kFrameSize))
            return false;
        std::memcpy(frame, received, kFrameSize);
        m_lastExchange = Clock::now();
        return true;
    }

private:
    // A frame that came after its reader gave up would be taken for the first answer to the
    // next command and put every later answer one frame out of step. Nothing is due before a
    // frame is sent, so whatever waits then is such a late frame.
    void DropLateFrames() {
        constexpr int kMostLateFrames = 64; // a console that keeps talking cannot hold us here
        unsigned char late[kFrameSize];
        for (int frame = 0; frame < kMostLateFrames; ++frame)
            if (hid_read_timeout(m_device, late, kFrameSize, 0) <= 0)
                return;
    }

    bool IsStillAttached() const {
        hid_device_info* found = hid_enumerate(m_vendorId, m_productId);
        bool attached = false;
        for (const hid_device_info* info = found; info && !attached; info = info->next)
            attached = m_path == info->path;
        hid_free_enumeration(found);
        return attached;
    }

    void Close() {
        if (m_device)
            hid_close(m_device);
        m_device = nullptr;
        m_path.clear();
    }

    std::mutex m_mutex;
    hid_device* m_device = nullptr;
    std::string m_path;
    bool m_refused = false;
    unsigned short m_vendorId = 0;
    unsigned short m_productId = 0;
    Clock::time_point m_lastExchange;
};

ConsoleLink g_link;

} // namespace

extern "C" {

int FindHandle(int vendorId, int productId) {
    return g_link.Find(vendorId, productId);
}

unsigned char CheckHandle(int handle) {
    return g_link.Check(handle);
}

unsigned char WriteData(int handle, const unsigned char* frame) {
    return g_link.Write(handle, frame);
}

unsigned char ReadData(int handle, unsigned char* frame) {
    return g_link.Read(handle, frame);
}

unsigned char FindRefused() {
    return g_link.Refused();
}
}

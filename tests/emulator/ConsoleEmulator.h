#pragma once

// The console emulator: a loadable module with the operations of the USB library, which
// plays a console frame by frame over a 64 KB memory, and control operations by which tests set
// and read that memory, count the traffic and inject faults. Indices of frames and calls given
// to the fault operations count from the moment the fault is set, from 0.
extern "C" {
// Memory cleared, console attached, traffic and counters and faults forgotten.
void EmuReset();
void EmuSetMemory(int address, const unsigned char* bytes, int length);
void EmuGetMemory(int address, unsigned char* bytes, int length);
// Attaches (nonzero) or detaches the console; detaching drops the frames it had ready.
void EmuSetAttached(int attached);
// An attached console that cannot be opened (nonzero), as one without a permission for the
// user: FindHandle finds no handle and FindRefused says why. Zero opens it again.
void EmuSetRefusing(int refusing);
long EmuCounter(int counter);
// Copies the `index`-th frame the console took in since the reset; zero when there is none.
int EmuReceivedFrame(long index, unsigned char* frame);
// The WriteData calls `first` .. `first` + `count` - 1 fail, and their frames are not taken.
void EmuFailWrites(long first, long count);
// The next `count` read commands for console address `address` fail as WriteData calls, and
// are not taken: the console's memory there cannot be read that many times.
void EmuFailReadsAt(int address, long count);
// The `index`-th frame the console sends is held back for `failedReads` ReadData calls; then it
// comes, or, when `lost` is nonzero, it is dropped and the frame after it is next.
void EmuStallFrame(long index, long failedReads, int lost);
// The `index`-th acknowledgement carries `value` at byte `byte`.
void EmuCorruptAcknowledgement(long index, int byte, int value);
}

enum EmuCounterId {
    kEmuWriteCalls,      // WriteData calls, failed ones too
    kEmuReadCalls,       // ReadData calls, failed ones too
    kEmuCommands,        // command frames taken in
    kEmuDataFrames,      // data frames taken in after write commands
    kEmuSentFrames,      // frames handed to the program: answers and acknowledgements
    kEmuAcknowledgements // acknowledgements among them
};

inline constexpr int kEmuHandle = 3;
inline constexpr int kConsoleVendorId = 0x1941;
inline constexpr int kConsoleProductId = 0x8021;

#pragma once

// The operations of a USB library module, exported with C linkage and looked up by name at run
// time. A handle names one open console; -1 means none. The one-byte results are nonzero on
// success.
extern "C" {
// The handle of the console with these USB ids, or -1 when none is attached.
int FindHandle(int vendorId, int productId);
// Nonzero while the console behind `handle` is still attached.
unsigned char CheckHandle(int handle);
// Sends one 8-byte frame to the console.
unsigned char WriteData(int handle, const unsigned char* frame);
// Receives one 8-byte frame from the console into `frame`; zero when none is there yet.
unsigned char ReadData(int handle, unsigned char* frame);
// Nonzero when the last FindHandle returned -1 although a console with its ids is attached:
// it is there but cannot be opened, as when this user has no permission on its device file.
// A module may leave it out; the console then counts as not attached.
unsigned char FindRefused();
}

using FindHandleFunction = decltype(&FindHandle);
using CheckHandleFunction = decltype(&CheckHandle);
using WriteDataFunction = decltype(&WriteData);
using ReadDataFunction = decltype(&ReadData);
using FindRefusedFunction = decltype(&FindRefused);

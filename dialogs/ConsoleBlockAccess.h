#pragma once

#include "station/console/WeatherSet.h"
#include "station/link/WeatherComm.h"
#include "texts/TextEntries.h"

#include <functional>

class CDialog;

// The console accesses the setup and alarm dialogs share.

enum class OpeningRead {
    kBusy,   // the console stayed busy: told, and the dialog ended as cancelled
    kFailed, // the read failed: told; the settings keep their defaults and Save may not write
    kRead,
};

// Opening: the fixed block read into `settings` under the device-busy flag.
OpeningRead ReadBlockAtOpening(CDialog& dialog, CWeatherComm& comm, CWeatherSettings& settings);

// What a dialog tells when the fresh read or the write of its save fails.
struct BlockSaveTexts {
    TextEntry readFailed;
    TextEntry writeFailed;
};

// Save: the controls validated and the user asked; then, under one taking of the device-busy
// flag, the block read afresh, `takeFields` putting the dialog's own fields into that fresh
// copy, and the whole block written back, so that what others changed meanwhile stays. The
// thresholds are typed and re-expressed in the units of `opened`, the block the dialog shows:
// when the fresh block's threshold units differ, `opened` becomes the fresh block, `showAgain`
// shows it, the user is told and nothing is written. A console that stays busy, a failed read
// and a failed write are told. True when the block was written.
bool SaveIntoFreshBlock(CDialog& dialog, CWeatherComm& comm, CWeatherSettings& opened,
                        const BlockSaveTexts& texts, const std::function<void()>& showAgain,
                        const std::function<void(CWeatherSettings& fresh)>& takeFields);

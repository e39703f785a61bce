#pragma once

#include "station/console/WeatherSet.h"
#include "station/link/WeatherComm.h"

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

// Save: the controls validated, the user asked, then `save` run while the device-busy flag is
// held; a console that stays busy is told. True when `save` ran and succeeded.
bool ConfirmAndSave(CDialog& dialog, CWeatherComm& comm, const std::function<bool()>& save);

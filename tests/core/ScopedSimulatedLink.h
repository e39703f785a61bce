#pragma once

#include "station/link/SimulatedLink.h"
#include "station/link/WeatherComm.h"
#include "tests/core/ScopedValue.h"

#include <memory>

// Puts `comm` in test mode for the life of this object: it talks to the simulated console, and
// afterwards through its own link again.
class ScopedSimulatedLink : public ScopedValue<std::unique_ptr<CConsoleLink>> {
public:
    explicit ScopedSimulatedLink(CWeatherComm& comm = g_weatherComm)
        : ScopedValue(comm.m_link, std::make_unique<CSimulatedLink>()) {}
};

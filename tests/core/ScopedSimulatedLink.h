#pragma once

#include "station/link/SimulatedLink.h"
#include "station/link/WeatherComm.h"
#include "tests/core/ScopedValue.h"

#include <atomic>
#include <cstdint>
#include <memory>

// The simulated console of test mode, which a test can make stop answering while it stays
// plugged in: every read of its memory then fails, as when its frames never come.
class CSilenceableLink : public CSimulatedLink {
public:
    bool ReadMemory(int address, std::uint8_t* buffer, int& length) override {
        return m_answering && CSimulatedLink::ReadMemory(address, buffer, length);
    }

    std::atomic<bool> m_answering{true};
};

// Puts `comm` in test mode for the life of this object: it talks to the simulated console, and
// afterwards through its own link again.
class ScopedSimulatedLink : public ScopedValue<std::unique_ptr<CConsoleLink>> {
public:
    explicit ScopedSimulatedLink(CWeatherComm& comm = g_weatherComm)
        : ScopedValue(comm.m_link, std::make_unique<CSilenceableLink>()),
          m_link(static_cast<CSilenceableLink&>(*comm.m_link)) {}

    // The console stops answering (false), or answers again.
    void SetAnswering(bool answering) { m_link.m_answering = answering; }

private:
    CSilenceableLink& m_link;
};

#pragma once

#include "device/cSerCom.h"
#include "sim/K417Simulator.h"
#include "support/Bytes.h"
#include "support/CoreTest.h"

#include <chrono>

/// Core test with a simulated K417 serving on a pseudo-terminal that COM1 maps to, and a
/// serial channel `serCom`.
class SimulatorTest : public CoreTest {
protected:
    static constexpr std::int16_t kSimPort = 1;
    static constexpr char kSettings[] = "19200,n,8,1";

    void SetUp() override {
        CoreTest::SetUp();
        sim.Start();
        serCom.Names().setPortPath(kSimPort, sim.SlavePath());
    }

    void OpenSim() { ASSERT_EQ(kSimPort, serCom.OpenCom(kSimPort, kSettings)); }

    template <class Call> static double SecondsOf(Call&& call) {
        const auto start = std::chrono::steady_clock::now();
        call();
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }

    K417Simulator sim;
    cSerCom serCom;
};

#include "device/EepromTransfer.h"
#include "base/Cancellation.h"
#include "base/Platform.h"
#include "support/CallbackPump.h"
#include "support/CountingEeprom.h"
#include "support/RecordingView.h"
#include "support/SimulatorTest.h"
#include "support/SkippingClock.h"

#include <algorithm>
#include <functional>

namespace {

/// A device holding 7, 8, 9, … in its cells, reached through the serial channel.
class EepromTransferTest : public SimulatorTest {
protected:
    void SetUp() override {
        SimulatorTest::SetUp();
        auto skipping = std::make_unique<SkippingClock>();
        clock = skipping.get();
        Platform::Install(std::move(skipping));
        OpenSim();
        device = CountingEeprom(7);
        sim.SetEeprom(device);
        sim.ClearReceived();
    }

    /// Runs `action` with the number of requests of `letter` so far whenever the transfer waits.
    void OnWait(char letter, std::function<void(int requests)> action) {
        Platform::Install(std::make_unique<CallbackPump>(
            [this, letter, action] { action(sim.CommandCount(letter)); }));
    }

    /// The device answers no request of `letter` from cell `first` on; each such request's
    /// time-out passes at once (the cells go in address order, one request each).
    void SilentFrom(char letter, int first) {
        sim.SetFaults({.noAnswerFrom = first});
        OnWait(letter, [this, first, skippedFor = 0](int requests) mutable {
            if (requests > skippedFor && requests - 1 >= first) {
                skippedFor = requests;
                clock->skipped += 2.0;
            }
        });
    }

    SkippingClock* clock = nullptr;
    K417Device::EepromImage device;
    std::vector<std::string> shown; ///< the progress shown, ":Progress 33"
    RecordingProgressView progress{"", shown};
    Cancellation cancel;
    EepromTransfer transfer{serCom, &progress, &cancel};
};

} // namespace

TEST_F(EepromTransferTest, ReadingIsASeriesBetweenBZeroAndBTwoHundredFiftyFive) {
    EepromTransfer::Image bytes{};
    EXPECT_EQ(512, EepromTransfer::Transferred(transfer.Read(bytes)));
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), device.begin()));
    const std::string received = sim.Received();
    EXPECT_EQ(Bytes({'B', 0, 'c', 0, 0}), received.substr(0, 5));
    EXPECT_EQ(Bytes({'c', 1, 0xFF, 'B', 0xFF}), received.substr(received.size() - 5));
    ASSERT_EQ(513u, shown.size()) << "one step per cell, then 0";
    EXPECT_EQ(":Progress 50", shown[256]) << "256 × 100 ÷ 512";
    EXPECT_EQ(":Progress 100", shown[511]) << "511 × 100 ÷ 512 = 99.8";
    EXPECT_EQ(":Progress 0", shown.back());
}

TEST_F(EepromTransferTest, WritingSkipsACellTheDeviceDoesNotConfirmAndNamesTheFailedCells) {
    sim.SetFaults({.wrongEchoAt = 5});
    const EepromTransfer::Image bytes = CountingEeprom(100);
    EXPECT_EQ("0x5", EepromTransfer::FailedCells(transfer.Write(bytes)));
    const auto written = sim.Eeprom();
    EXPECT_EQ(device[5], written[5]);
    EXPECT_TRUE(std::equal(bytes.begin() + 6, bytes.end(), written.begin() + 6));
    EXPECT_EQ(0, sim.CommandCount('B'));
    EXPECT_EQ(512u, shown.size()) << "511 cells written, then 0";

    EepromTransfer::CellResults mixed;
    mixed.fill(true);
    for (int adress : {0, 7, 8, 9, 511})
        mixed[adress] = false;
    EXPECT_EQ("0x0, 0x7 bis 0x9, 0x1FF", EepromTransfer::FailedCells(mixed));
}

TEST_F(EepromTransferTest, EightUnansweredCellsInARowEndTheLoop) {
    SilentFrom('c', 256);
    EepromTransfer::Image bytes;
    bytes.fill(0xEE);
    const EepromTransfer::CellResults results = transfer.Read(bytes);
    EXPECT_EQ(256 + 8, sim.CommandCount('c')) << "cells 100h to 107h were asked for, no more";
    EXPECT_EQ("0x100 bis 0x1FF", EepromTransfer::FailedCells(results));
    EXPECT_FALSE(transfer.Cancelled());
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.begin() + 256, device.begin()));
    EXPECT_EQ(0xEE, bytes[256]);
    EXPECT_EQ(2, sim.CommandCount('B')) << "the series is still closed";
}

TEST_F(EepromTransferTest, ACancelledReadChangesNoByteAndACancelledWriteStopsAtOnce) {
    const auto cancelFrom = [this](int requests) {
        return [this, requests](int count) {
            if (count >= requests)
                cancel.Request();
        };
    };
    OnWait('c', cancelFrom(100));
    EepromTransfer::Image bytes;
    bytes.fill(0xEE);
    transfer.Read(bytes);
    EXPECT_TRUE(transfer.Cancelled());
    EXPECT_LE(sim.CommandCount('c'), 101) << "stopped at the next cell";
    EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](auto b) { return b == 0xEE; }));
    EXPECT_EQ(2, sim.CommandCount('B')) << "the series is still closed";
    EXPECT_EQ(":Progress 0", shown.back());

    cancel.Clear();
    OnWait('L', cancelFrom(10));
    EepromTransfer::Image written;
    written.fill(0x42);
    const EepromTransfer::CellResults results = transfer.Write(written);
    EXPECT_TRUE(transfer.Cancelled());
    EXPECT_LE(sim.CommandCount('L'), 11) << "stopped at the next cell";
    EXPECT_EQ(sim.CommandCount('L'), EepromTransfer::Transferred(results));
    EXPECT_EQ(0x42, sim.Eeprom()[9]);
    EXPECT_EQ(device[11], sim.Eeprom()[11]);
}

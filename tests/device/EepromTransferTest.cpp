#include "device/EepromTransfer.h"
#include "base/ProgressView.h"
#include "sim/SimulatorTest.h"

#include <gmock/gmock.h>

#include <algorithm>
#include <numeric>

using ::testing::ElementsAre;

namespace {

struct RecordingProgress : ProgressView {
    void UpdateProgress(int percent) override { shown.push_back(percent); }
    std::vector<int> shown;
};

class EepromTransferTest : public SimulatorTest {
protected:
    void SetUp() override {
        SimulatorTest::SetUp();
        OpenSim();
        std::iota(device.begin(), device.end(), std::uint8_t{7});
        sim.SetEeprom(device);
        sim.ClearReceived();
    }

    static int Failed(const EepromTransfer::CellResults& results) {
        return static_cast<int>(std::count(results.begin(), results.end(), false));
    }

    K417Device::EepromImage device;
    RecordingProgress progress;
    EepromTransfer transfer{serCom, &progress};
};

} // namespace

TEST_F(EepromTransferTest, ReadingIsASeriesBetweenBZeroAndBTwoHundredFiftyFive) {
    EepromTransfer::Image bytes{};
    EXPECT_EQ(0, Failed(transfer.Read(bytes)));
    EXPECT_TRUE(std::equal(bytes.begin(), bytes.end(), device.begin()));
    const std::string received = sim.Received();
    EXPECT_EQ(Bytes({'B', 0, 'c', 0, 0}), received.substr(0, 5));
    EXPECT_EQ(Bytes({'c', 1, 0xFF, 'B', 0xFF}), received.substr(received.size() - 5));
    ASSERT_EQ(513u, progress.shown.size()) << "one step per cell, then 0";
    EXPECT_EQ(50, progress.shown[256]) << "256 × 100 ÷ 512";
    EXPECT_EQ(100, progress.shown[511]) << "511 × 100 ÷ 512 = 99.8";
    EXPECT_EQ(0, progress.shown.back());
}

TEST_F(EepromTransferTest, CellsAfterAHangUpFailAtOnceAndKeepTheirValues) {
    sim.SetFaults({.hangUpAfter = 2 + 3 * 256 + 1}); // "B" 0, cells 0 to FFh, then part of 100h
    EepromTransfer::Image bytes;
    bytes.fill(0xEE);
    const EepromTransfer::CellResults results = transfer.Read(bytes);
    EXPECT_EQ(256, Failed(results));
    EXPECT_TRUE(results[255]);
    EXPECT_FALSE(results[256]);
    EXPECT_EQ(device[255], bytes[255]);
    EXPECT_EQ(0xEE, bytes[256]);
    EXPECT_EQ("0x100 bis 0x1FF", EepromTransfer::FailedCells(results));
    EXPECT_THAT(std::vector<int>(progress.shown.end() - 2, progress.shown.end()),
                ElementsAre(50, 0))
        << "255 × 100 ÷ 512 = 49.8";
}

TEST_F(EepromTransferTest, WritingSkipsACellTheDeviceDoesNotConfirmAndSendsNoSeriesMarks) {
    sim.SetFaults({.wrongEchoAt = 5});
    EepromTransfer::Image bytes;
    std::iota(bytes.begin(), bytes.end(), std::uint8_t{100});
    const EepromTransfer::CellResults results = transfer.Write(bytes);
    EXPECT_EQ("0x5", EepromTransfer::FailedCells(results));
    const auto written = sim.Eeprom();
    EXPECT_EQ(device[5], written[5]);
    EXPECT_TRUE(std::equal(bytes.begin() + 6, bytes.end(), written.begin() + 6));
    EXPECT_EQ(0, sim.CommandCount('B'));
    EXPECT_EQ(512u, progress.shown.size()) << "511 cells written, then 0";

    EepromTransfer::CellResults mixed;
    mixed.fill(true);
    for (int adress : {0, 7, 8, 9, 511})
        mixed[adress] = false;
    EXPECT_EQ("0x0, 0x7 bis 0x9, 0x1FF", EepromTransfer::FailedCells(mixed));
}

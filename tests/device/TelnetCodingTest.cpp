// The Telnet coding of a COM port over RFC 2217, on byte strings written out by hand from
// RFC 854 (IAC 255, DONT 254, DO 253, WONT 252, WILL 251, SB 250, SE 240) and RFC 2217
// (COM-PORT-OPTION 44; SET-BAUDRATE 1, SET-DATASIZE 2, SET-PARITY 3, SET-STOPSIZE 4; answers +
// 100).
#include "device/TelnetCoding.h"
#include "support/Bytes.h"

#include <gtest/gtest.h>

namespace {

TEST(TelnetCodingTest, DataBytes255AreDoubledAndUndoubledEvenWhenCutBetweenChunks) {
    EXPECT_EQ(Bytes({1, 255, 255, 0, 255, 255, 255, 255}),
              TelnetCoding::Escape(Bytes({1, 255, 0, 255, 255})));
    TelnetCoding coding;
    EXPECT_EQ(Bytes({1}), coding.Decode(Bytes({1, 255})));
    EXPECT_EQ(Bytes({255, 2, 13, 0, 13, 10}), coding.Decode(Bytes({255, 2, 13, 0, 13, 10})))
        << "binary transfer: CR NUL and CR LF stay as they are";
    // NOP and go-ahead between data carry nothing.
    EXPECT_EQ("AB", coding.Decode(Bytes({'A', 255, 241, 255, 249, 'B'})));
    EXPECT_EQ("", coding.TakeReplies());
}

TEST(TelnetCodingTest, TheOpeningAsksForTheLineSettingsAndChecksTheAnswersInPieces) {
    TelnetCoding coding;
    const std::string answers19200 =
        Bytes({255, 250, 44, 101, 0, 0,   0x4B, 0,   255, 240, 255, 250, 44,  102, 8, 255, 240, //
               255, 250, 44, 103, 1, 255, 240,  255, 250, 44,  104, 1,   255, 240});
    EXPECT_EQ(Bytes({255, 251, 44, 255, 251, 0,   255,  251, 3,   255, 253, 0, 255, 253, 3, //
                     255, 250, 44, 1,   0,   0,   0x4B, 0,   255, 240,                      //
                     255, 250, 44, 2,   8,   255, 240,  255, 250, 44,  3,   1, 255, 240,    //
                     255, 250, 44, 4,   1,   255, 240}),
              coding.Opening(SerialSettings{}));
    // Cut inside the baud rate and between IAC and SE; data around it stays data.
    EXPECT_EQ("x", coding.Decode("x" + answers19200.substr(0, 7)));
    EXPECT_EQ("", coding.Decode(answers19200.substr(7, 2)));
    EXPECT_FALSE(coding.SettingsAnswered());
    // A line state notice (106) is no answer to a setting.
    EXPECT_EQ("y", coding.Decode(answers19200.substr(9) +
                                 Bytes({255, 250, 44, 106, 0x60, 255, 240, 'y'})));
    EXPECT_TRUE(coding.SettingsConfirmed());

    // 65535 baud holds two bytes 255, doubled inside the sub-negotiation too; 7e2.
    TelnetCoding odd;
    EXPECT_TRUE(odd.Opening({.baud = 65535, .parity = 'e', .dataBits = 7, .stopBits = 2})
                    .ends_with(Bytes({255, 250, 44,  1,   0,  0,   255, 255, 255, 255, 255, 240, //
                                      255, 250, 44,  2,   7,  255, 240, 255, 250, 44,  3,   3,
                                      255, 240, 255, 250, 44, 4,   2,   255, 240})));
    odd.Decode(answers19200); // the server kept its 19200 8n1
    EXPECT_TRUE(odd.SettingsAnswered());
    EXPECT_FALSE(odd.SettingsConfirmed());
}

TEST(TelnetCodingTest, OptionRequestsAreAnsweredOnceAndUnknownOnesRefused) {
    TelnetCoding coding;
    coding.Opening(SerialSettings{});
    // What a server sends on its own: it will suppress go-ahead, wants us to as well, will
    // echo (refused: every command would come back), does not want our echo, wants binary
    // both ways and the COM port. Only the echo needs an answer; the rest confirms our opening.
    EXPECT_EQ("", coding.Decode(Bytes({255, 251, 3,   255, 253, 3,   255, 251, 1,   255, 254,
                                       1,   255, 253, 0,   255, 251, 0,   255, 253, 44})));
    EXPECT_EQ(Bytes({255, 254, 1}), coding.TakeReplies());
    EXPECT_FALSE(coding.ComPortRefused());
    coding.Decode(Bytes({255, 254, 44})); // a server without the COM port
    EXPECT_TRUE(coding.ComPortRefused());

    TelnetCoding fresh;
    // Terminal type (24) asked of us, status (5) offered: both refused. Binary asked twice: one
    // WILL, then silence, which ends the loop. A WONT for an option that is off needs nothing.
    fresh.Decode(Bytes({255, 253, 24, 255, 251, 5, 255, 253, 0, 255, 253, 0, 255, 252, 3}));
    EXPECT_EQ(Bytes({255, 252, 24, 255, 254, 5, 255, 251, 0}), fresh.TakeReplies());
    fresh.Decode(Bytes({255, 254, 0}));
    EXPECT_EQ(Bytes({255, 252, 0}), fresh.TakeReplies()) << "binary switched off on request";
    // A server that asks again and again after the refusal gets no stream of refusals.
    for (int i = 0; i < 1000; ++i)
        fresh.Decode(Bytes({255, 253, 24, 255, 251, 5}));
    EXPECT_EQ(0u, fresh.TakeReplies().size());
}

TEST(TelnetCodingTest, ASubNegotiationLongerThanAnyAnswerIsReadPastAndIgnored) {
    TelnetCoding coding;
    coding.Opening(SerialSettings{});
    // The baud rate's answer with 100 bytes 0 in front of 19200: no setting holds that many.
    const std::string tooLong =
        Bytes({255, 250, 44, 101}) + std::string(100, '\0') + Bytes({0, 0, 0x4B, 0, 255, 240});
    EXPECT_EQ("z", coding.Decode(tooLong + "z"));
    coding.Decode(Bytes({255, 250, 44, 102, 8, 255, 240, 255, 250, 44, 103, 1, 255, 240, //
                         255, 250, 44, 104, 1, 255, 240}));
    EXPECT_FALSE(coding.SettingsAnswered());
}

} // namespace

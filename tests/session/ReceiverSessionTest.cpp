// The receiver session on its own: the handshake and its supervision, the report read
// into settings, the sentences that program the receiver, and the restart recovery.
#include "SessionFixture.h"

#include "nmea/Checksum.h"
#include "session/DeviceReportLine.h"

#include <gtest/gtest.h>

namespace {

const char kAnnouncement[] = "$PKRV,R,TXT,SYSTEM RESTART*4B\r\n";

std::string Completed(std::string sentence) {
    AppendChecksum(sentence);
    return sentence;
}

int Requests(const std::string& written) {
    int count = 0;
    for (size_t at = written.find("$PTST,,,,,17*29"); at != std::string::npos;
         at = written.find("$PTST,,,,,17*29", at + 1))
        ++count;
    return count;
}

using ReceiverSessionTest = SessionFixture;

TEST_F(ReceiverSessionTest, HandshakeAsksOnOddTicksAndGivesUpAfterSixteen) {
    Open();
    EXPECT_EQ(observer.states, std::vector<TSessionState>{TSessionState::Connecting});
    for (int tick = 0; tick < 16; ++tick)
        session.HandshakeTick();
    EXPECT_EQ(Requests(line->Written()), 8);
    EXPECT_TRUE(session.IsOpen());
    EXPECT_TRUE(observer.errors.empty());

    session.HandshakeTick();
    EXPECT_FALSE(session.IsOpen());
    EXPECT_FALSE(Memory().IsOpen());
    EXPECT_EQ(session.State(), TSessionState::Closed);
    EXPECT_EQ(observer.errors, std::vector<TSessionError>{TSessionError::NoReport});
    EXPECT_EQ(observer.closings, 1);
}

TEST_F(ReceiverSessionTest, ReportEndMarkerAnywhereInALineConnects) {
    Open();
    Receive("$GPGGA,1\r\n");
    EXPECT_FALSE(session.IsConnected());
    Receive("xx [DEVICE DATA END] yy\r\n");
    EXPECT_TRUE(session.IsConnected());
    EXPECT_TRUE(session.ReportEnded());
    EXPECT_EQ(observer.states.back(), TSessionState::Connected);
    // The report is asked for once more as the handshake completes.
    EXPECT_EQ(Requests(line->Written()), 1);
    session.HandshakeTick();
    EXPECT_EQ(Requests(line->Written()), 1) << "no more requests once connected";
}

TEST_F(ReceiverSessionTest, HandshakeCompletedByHandOnlyWhileOpen) {
    session.CompleteHandshakeByHand();
    EXPECT_FALSE(session.IsConnected());
    Open();
    session.CompleteHandshakeByHand();
    EXPECT_TRUE(session.IsConnected());
    EXPECT_EQ(observer.states.back(), TSessionState::Connected);
}

TEST_F(ReceiverSessionTest, OpenFailureTellsItsReason) {
    Memory().failOpen = true;
    Memory().failure.Reason = "Permission denied";
    EXPECT_FALSE(session.Open());
    EXPECT_FALSE(session.IsOpen());
    EXPECT_EQ(observer.errors, std::vector<TSessionError>{TSessionError::OpenFailed});
    EXPECT_EQ(observer.reasons, std::vector<std::string>{"Permission denied"});
    EXPECT_EQ(observer.states, std::vector<TSessionState>{TSessionState::Closed});
}

TEST_F(ReceiverSessionTest, ReportLinesBecomeSettingsAndANewOpenForgetsThem) {
    Open();
    Receive("Firmware:V1.0.8\r\n");
    Receive("NMEA_2_TX:(115200)\r\nNMEA_1_TX:(4800)\r\n");
    Receive("GPS_Output=ON\r\n[GPS_NAV5_dynModel]=4\r\n");
    EXPECT_EQ(observer.reportItems, (std::vector<unsigned>{riFirmware, riRs232Baud, riNmeaBaud,
                                                           riGpsOutput, riGpsDynModel}));
    TDeviceSettings expected;
    expected.Baud = TBaudSettings{115200, 4800};
    expected.Gps = TGpsSettings{true, 4};
    EXPECT_EQ(session.ReportedSettings(), expected);
    EXPECT_TRUE(session.Report().FirmwareValid);

    session.Close();
    Open();
    EXPECT_EQ(session.ReportedSettings(), TDeviceSettings{});
    EXPECT_FALSE(session.Report().FirmwareValid);
}

TEST_F(ReceiverSessionTest, ProgramWritesTheSetSentencesOfEachGroupGiven) {
    struct Case {
        const char* what;
        TDeviceSettings settings;
        TSendResult result;
        std::string written;
    };
    const std::string baud = Completed("$PDBG,38,0,40,6,42,6,,");
    const std::string gps = Completed("$PDBG,50,1,,,,,,") + Completed("$PDBG,703,5,,,,,,");
    const Case cases[] = {
        {"baud pair", {TBaudSettings{115200, 4800}, std::nullopt}, srSent, baud},
        {"gps pair", {std::nullopt, TGpsSettings{false, 5}}, srSent, gps},
        {"both", {TBaudSettings{115200, 4800}, TGpsSettings{false, 5}}, srSent, baud + gps},
        {"nothing given", {}, srSent, ""},
        {"a rate the receiver lacks",
         {TBaudSettings{115200, 57600}, TGpsSettings{false, 5}},
         srNotProgrammable,
         ""},
        {"a model the receiver lacks",
         {std::nullopt, TGpsSettings{true, 3}},
         srNotProgrammable,
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        line->Written();
        Open();
        size_t before = line->Written().size();
        EXPECT_EQ(session.Program(c.settings), c.result);
        EXPECT_EQ(line->Written().substr(before), c.written);
        session.Close();
    }
}

TEST_F(ReceiverSessionTest, RestoreSendsTheRestoreSentence) {
    Open();
    EXPECT_EQ(session.RestoreNetworkSettings(), srSent);
    EXPECT_EQ(line->Written(), Completed("$PKRV,C,DBG,100,150,,,,,,"));
}

TEST_F(ReceiverSessionTest, RestartClosesAtTheFirstTickAndReopensAtTheNinth) {
    Connect();
    Receive(kAnnouncement);
    EXPECT_EQ(observer.announcements, 1);
    EXPECT_EQ(session.RestartState(), rsAnnounced);
    session.RecoveryTick();
    EXPECT_EQ(session.RestartState(), rsWaiting);
    EXPECT_FALSE(session.IsOpen());
    for (int tick = 0; tick < 7; ++tick)
        session.RecoveryTick();
    EXPECT_FALSE(session.IsOpen());
    session.RecoveryTick();
    EXPECT_EQ(session.RestartState(), rsIdle);
    EXPECT_EQ(observer.restarts, std::vector<TRestartOutcome>{TRestartOutcome::Reopened});
    EXPECT_EQ(session.State(), TSessionState::Connecting);
}

TEST_F(ReceiverSessionTest, RestartEndsAsThePortAndTheUserLeftIt) {
    struct Case {
        const char* what;
        bool present;
        bool userClosesFirst;
        bool userReopens;
        TRestartOutcome outcome;
        TRestartState state;
        bool open;
    };
    const Case cases[] = {
        {"port gone", false, false, false, TRestartOutcome::PortNotFound, rsPortNotFound, false},
        {"closed by the user first", true, true, false, TRestartOutcome::Cancelled, rsIdle, false},
        {"reopened by the user", true, false, true, TRestartOutcome::AlreadyOpen, rsIdle, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        observer.restarts.clear();
        session.PortStillPresent = [&c] { return c.present; };
        Connect();
        Receive(kAnnouncement);
        if (c.userClosesFirst)
            session.Close();
        session.RecoveryTick();
        if (c.userReopens)
            Open();
        for (int tick = 0; tick < 8 && observer.restarts.empty(); ++tick)
            session.RecoveryTick();
        EXPECT_EQ(observer.restarts, std::vector<TRestartOutcome>{c.outcome});
        EXPECT_EQ(session.RestartState(), c.state);
        EXPECT_EQ(session.IsOpen(), c.open);
        session.Close();
    }
}

} // namespace

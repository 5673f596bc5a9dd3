// The port list: what the rights of a device mean for a user (every case, without a second
// account), ports that are missing or held open by another process, and the labels.
#include "CPortList.h"
#include "PtyPair.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(PortList, JudgesTheRightsOfADevice) {
    const unsigned dialout = 20;
    const unsigned plugdev = 46;
    struct Row {
        const char* name;
        unsigned mode, owner, group, user;
        std::vector<unsigned> session, member;
        int state;
    } rows[] = {
        {"root may use all", 0600, 0, 0, 0, {0}, {0}, CPortList::kFree},
        {"in the group",
         0660,
         0,
         dialout,
         1000,
         {1000, dialout},
         {1000, dialout},
         CPortList::kFree},
        {"not in the group",
         0660,
         0,
         dialout,
         1000,
         {1000, plugdev},
         {1000, plugdev},
         CPortList::kNoGroup},
        {"joined, not logged in again",
         0660,
         0,
         dialout,
         1000,
         {1000},
         {1000, dialout},
         CPortList::kRelogin},
        {"the group may not write",
         0640,
         0,
         dialout,
         1000,
         {1000},
         {1000, dialout},
         CPortList::kNoRights},
        {"owner only", 0600, 0, 0, 1000, {1000}, {1000}, CPortList::kNoRights},
        {"own device", 0600, 1000, 1000, 1000, {1000}, {1000}, CPortList::kFree},
        {"everybody", 0666, 0, dialout, 1000, {1000}, {1000}, CPortList::kFree},
        {"in a group without rights",
         0606,
         0,
         dialout,
         1000,
         {dialout},
         {dialout},
         CPortList::kNoRights},
    };
    for (const Row& r : rows) {
        CPortList::Rights rights;
        rights.m_uMode = r.mode;
        rights.m_uOwner = r.owner;
        rights.m_uGroup = r.group;
        rights.m_uUser = r.user;
        rights.m_oSession = r.session;
        rights.m_oMemberships = r.member;
        EXPECT_EQ(CPortList::Judge(rights), r.state) << r.name;
    }
}

// A pseudo-terminal is free until another process opens it; a missing device and the
// simulated scanner; the list always ends with SIM.
TEST(PortList, ChecksPortsWithoutOpeningThem) {
    PtyPair pty;
    ASSERT_TRUE(pty.ok());
    EXPECT_EQ(CPortList::Check(pty.slave().c_str()).m_iState, CPortList::kFree);
    QProcess holder;
    holder.setStandardInputFile(QString::fromStdString(pty.slave()));
    holder.start("sleep", {"30"});
    ASSERT_TRUE(holder.waitForStarted());
    const CPortList::Port held = CPortList::Check(pty.slave().c_str());
    EXPECT_EQ(held.m_iState, CPortList::kInUse);
    EXPECT_EQ(held.m_sDetail.str(), "sleep, process " + std::to_string(holder.processId()));
    holder.kill();
    holder.waitForFinished();

    EXPECT_EQ(CPortList::Check("/dev/zep-no-such-port").m_iState, CPortList::kMissing);
    const CPortList::Port sim = CPortList::Check("sim");
    EXPECT_EQ(sim.m_sName.str() + std::to_string(sim.m_iState), "SIM0");
    EXPECT_EQ(CPortList::Ports().back().m_sName.str(), "SIM");
}

TEST(PortList, LabelsNameDeviceDescriptionAndMaker) {
    const std::pair<CPortList::Port, const char*> rows[] = {
        {{"COM1", "/dev/ttyS0", "", "", 0, ""}, "COM1 (ttyS0)"},
        {{"ttyUSB0", "/dev/ttyUSB0", "FT232R USB UART", "FTDI", 0, ""},
         "ttyUSB0 - FT232R USB UART (FTDI)"},
        {{"COM3", "COM3", "USB Serial Port", "USB Serial Port", 0, ""}, "COM3 - USB Serial Port"},
        {{"SIM", "SIM", "", "", 0, ""}, "SIM"},
    };
    for (const auto& [port, label] : rows)
        EXPECT_EQ(port.Label().str(), label);
}

} // namespace

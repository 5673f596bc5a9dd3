// The port list: what the rights of a device mean for a user (every case, without a second
// account), ports that are missing or held open by another process.
#include "CPortList.h"
#include "PtyPair.h"

#include <QProcess>

#include <gtest/gtest.h>

#include <string>
#include <tuple>

namespace {

TEST(PortList, JudgesTheRightsOfADevice) {
    const unsigned dialout = 20;
    // name; mode, owner, group, user, session groups, memberships; state
    const std::tuple<const char*, CPortList::Rights, int> rows[] = {
        {"root may use all", {0600, 0, 0, 0, {0}, {0}}, CPortList::kFree},
        {"in the group", {0660, 0, dialout, 1000, {1000, dialout}, {}}, CPortList::kFree},
        {"not in the group", {0660, 0, dialout, 1000, {1000, 46}, {1000, 46}}, CPortList::kNoGroup},
        {"joined, not logged in again",
         {0660, 0, dialout, 1000, {1000}, {dialout}},
         CPortList::kRelogin},
        {"the group may not write",
         {0640, 0, dialout, 1000, {1000}, {dialout}},
         CPortList::kNoRights},
        {"own device", {0600, 1000, 1000, 1000, {1000}, {1000}}, CPortList::kFree},
        {"everybody", {0666, 0, dialout, 1000, {1000}, {}}, CPortList::kFree},
        {"in a group the device shuts out",
         {0606, 0, dialout, 1000, {dialout}, {dialout}},
         CPortList::kNoRights}};
    for (const auto& [name, rights, state] : rows)
        EXPECT_EQ(CPortList::Judge(rights), state) << name;
}

// A pseudo-terminal is free until another process opens it; a missing device and the
// simulated scanner; the list always ends with SIM. (The labels are presentation.)
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

} // namespace

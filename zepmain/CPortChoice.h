// The port choice of both port dialogs: the radio group "COMID". The layout holds the fixed
// ports (buttons whose ids are port names: "COM1", "SIM") and a last row "COMID_PATH" with the
// field "COMID_PATH_TEXT" for any device path (the pseudo-terminal of zepsim). The choice adds
// a button for every other port of this machine (CPortList), each with the activation callback
// of the layout's buttons, and writes into each port's text what the machine says about it:
//
//   COM1 (ttyS0) - no access: the user is not in the group dialout
//   ttyUSB0 - FT232R USB UART (FTDI) - in use by minicom, process 4711
//
// A port that cannot be used is only marked, never disabled: the technician may fix the
// cause and go on.
#pragma once

#include "CPortList.h"
#include "GwString.h"

#include <vector>

class GwCore;

class CPortChoice {
public:
    // Works on the group "COMID" of dialog (nothing happens without one).
    explicit CPortChoice(GwCore* dialog);

    // Checks the button of a port name, without regard to case; a name that no button stands
    // for goes into the path field with the path button checked; an empty name checks none.
    void Select(const GwString& name);
    // The chosen port: the id of the checked button, or for the path button the field's text
    // without blanks around it; empty when nothing is checked.
    GwString Value() const;
    void Enable(int on);
    // Checks every port again and writes the texts.
    void Mark() { Mark(CPortList::Ports()); }

    GwCore* Group() const { return m_pGroup; }

private:
    // ports: the machine's ports (CPortList::Ports), checked once for both steps.
    void AddMachinePorts(const std::vector<CPortList::Port>& ports);
    void Mark(const std::vector<CPortList::Port>& ports);
    GwCore* PathButton() const;
    GwCore* PathField() const;

    GwCore* m_pGroup = nullptr;
};

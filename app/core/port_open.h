// Every open of the port, side by side: at start-up, from the port dialog, at
// the main window's load and at its Start. Each names the port to the library
// in one encoding and ends in one refresh of the open state: open, ComOpenFlg
// 1 with the flow mode of the stored flow and the speed the driver took in
// ComBps; failed, the port closed again and ComOpenFlg 0. None shows a message.
#pragma once

#include <QString>

// When the user asked for an open port: opens it, sets the stored parameters,
// closes it and opens it again, leaving the parameters (ComParamStr) for the
// main window's load to apply. ComOpenFlg is 0 without an open port.
void openPortAtStartUp();

// The main window's load: applies the parameters start-up left to the port it
// opened (the driver's speed, the stored rest); ComParamStr is emptied.
void applyStartUpPortParams();

// The main window's Start: opens the port with the stored settings when it is
// closed and the user asked for an open port. True when it opened it.
bool openPortForStart();

// What the port dialog chose, as its lists show it.
struct PortChoice {
    QString port, speed, parity, dataBits, stopBits, flow;
};

// The port dialog: opens the chosen port (an open one is closed first), sets
// it, then closes and opens it again and sets it with the speed the driver
// reports. On success the choice becomes the stored settings, with the speed
// the driver took. False when a step failed.
bool openChosenPort(const PortChoice& choice);

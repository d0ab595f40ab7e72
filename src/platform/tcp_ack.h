#pragma once

#include <QtGlobal>

// Asks the system to acknowledge what has arrived on a TCP socket at once,
// rather than after its usual delay (up to 40 ms on Linux). A peer that writes
// several small messages in a row with Nagle's algorithm on sends each one only
// when the one before is acknowledged; without this every second message would
// wait for the delay. The setting does not last: call it after every read. Does
// nothing where the system offers no such setting.
void acknowledgeReceivedAtOnce(qintptr socketDescriptor);

#pragma once

// How a request to the client came to nothing, as the transports under the
// sessions tell it (the desktop API's and jamid's, over the bus or in memory).
enum class LinkFailure {
    None,
    NotRunning,   // nobody serves the client's name (or the bus is not reachable)
    Disconnected, // the client went away before it answered
    Timeout,      // no answer in time
    Other,        // the client or the bus refused the request
};

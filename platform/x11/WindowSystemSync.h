#pragma once

// Waits until the window system has handled every request the program has
// sent it so far: on X11 one round trip to the server, elsewhere nothing.
// Start-up measurements call it to time a frame the server really holds.
class WindowSystemSync {
public:
    static void RoundTrip();
};

// startup-map-timer PROGRAM [ARGUMENT...]: starts the program on the X display in $DISPLAY and
// prints, in milliseconds from the start, when the X server mapped the program's first top-level
// window and when the program first drew a frame with content into it (the first moment that the
// window's pixels are not all one colour), then the window's id:
//     "MAPPED FIRST-FRAME WINDOW"
// then waits for the program to end and exits with its status. When no such frame comes (the
// program ends first, or a minute passes), it says why, ends the program and exits with 1.
//
// Both moments are events that the server sends (MapNotify on the root window, and DamageNotify
// of the DAMAGE extension on each new top-level window), not found by polling: the figures carry
// no polling delay and the timer takes no processor time while it waits. Only the program under
// test may create windows on the display (a bare Xvfb has no other clients).
#include <csignal>
#include <cstdio>

#include "x_display.h"

using namespace tallomat::bench;

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup-map-timer PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    XDisplay display;
    if (!display.ok() || !display.watchTopLevelWindows()) {
        std::fprintf(stderr, "startup-map-timer: no X display with DAMAGE and XTEST\n");
        return 2;
    }
    const Clock::time_point start = Clock::now();
    const pid_t program = startProgram(argv + 1);
    if (program == 0) {
        return 2;
    }
    const FirstFrame frame = waitForFirstFrame(display, start, program);
    if (!frame.failure.empty()) {
        std::fprintf(stderr, "startup-map-timer: %s\n", frame.failure.c_str());
        kill(program, SIGTERM);
        waitForProgram(program);
        return 1;
    }
    std::printf("%.2f %.2f %u\n", frame.mapped, frame.drawn, frame.window);
    std::fflush(stdout);
    return waitForProgram(program);
}

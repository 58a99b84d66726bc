// startup-map-timer PROGRAM [ARGUMENT...]: starts the program on the X display in $DISPLAY and
// prints, as soon as the X server reports that the program has mapped a top-level window, the
// milliseconds from the start and the window's id; then waits for the program to end and exits
// with its status.
//
// The map is seen as an event from the server (MapNotify on the root window), not by polling, so
// the figure carries no polling delay and the timer takes no processor time while it waits. Only
// the program under test may map windows on the display (a bare Xvfb has no other clients).
#include <spawn.h>
#include <sys/wait.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

extern char** environ;

namespace {

struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <class Reply>
using ReplyPointer = std::unique_ptr<Reply, FreeDeleter>;

// Subscribes to the creation and mapping of the root window's children; returns false without a
// display. The round trip makes sure that the subscription holds before the program starts.
bool watchTopLevelWindows(xcb_connection_t* connection) {
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    ReplyPointer<xcb_get_input_focus_reply_t> reply(
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    return reply != nullptr;
}

// Blocks until a top-level window is mapped and returns its id; 0 when the connection breaks.
xcb_window_t waitForMap(xcb_connection_t* connection) {
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        const ReplyPointer<xcb_generic_event_t> owned(event);
        if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
            return reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
        }
    }
    return 0;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup-map-timer PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) != 0 || !watchTopLevelWindows(connection)) {
        std::fprintf(stderr, "startup-map-timer: cannot open the display\n");
        return 2;
    }

    const auto start = std::chrono::steady_clock::now();
    pid_t program = 0;
    if (posix_spawnp(&program, argv[1], nullptr, nullptr, argv + 1, environ) != 0) {
        std::perror(argv[1]);
        return 2;
    }
    const xcb_window_t window = waitForMap(connection);
    const auto mapped = std::chrono::steady_clock::now();
    if (window != 0) {
        std::printf("%.2f %u\n", std::chrono::duration<double, std::milli>(mapped - start).count(),
                    window);
        std::fflush(stdout);
    }
    xcb_disconnect(connection);

    int status = 0;
    waitpid(program, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

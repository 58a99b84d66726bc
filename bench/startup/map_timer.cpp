// startup-map-timer PROGRAM [ARGUMENT...]: starts the program on the X display in $DISPLAY and
// prints, in milliseconds from the start, when the X server mapped the program's first top-level
// window and when the program first drew into it, then the window's id:
//     "MAPPED FIRST-FRAME WINDOW"
// then waits for the program to end and exits with its status.
//
// Both moments are events that the server sends (MapNotify on the root window, and DamageNotify
// of the DAMAGE extension on each new top-level window), not found by polling: the figures carry
// no polling delay and the timer takes no processor time while it waits. Only the program under
// test may create windows on the display (a bare Xvfb has no other clients).
#include <spawn.h>
#include <sys/uio.h>
#include <sys/wait.h>
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <class Reply>
using ReplyPointer = std::unique_ptr<Reply, FreeDeleter>;

// The two requests of the DAMAGE extension that the timer needs, sent through libxcb's generic
// request call, so that no extension library beyond libxcb is needed.
xcb_extension_t damageExtension = {"DAMAGE", 0};
constexpr std::uint8_t kDamageQueryVersion = 0;
constexpr std::uint8_t kDamageCreate = 1;
constexpr std::uint8_t kDamageReportNonEmpty = 3;  // one event, when the window is first drawn
constexpr std::uint8_t kDamageNotify = 0;          // offset from the extension's first event

struct DamageQueryVersionRequest {
    std::uint8_t majorOpcode, minorOpcode;  // filled in by libxcb
    std::uint16_t length;                   // filled in by libxcb
    std::uint32_t clientMajor, clientMinor;
};
struct DamageCreateRequest {
    std::uint8_t majorOpcode, minorOpcode;
    std::uint16_t length;
    std::uint32_t damage, drawable;
    std::uint8_t level, pad[3];
};
struct DamageNotifyEvent {
    std::uint8_t responseType, level;
    std::uint16_t sequence;
    std::uint32_t drawable;
};

template <class Request>
unsigned sendDamageRequest(xcb_connection_t* connection, std::uint8_t opcode, bool hasReply,
                           Request& request) {
    const xcb_protocol_request_t protocol{2, &damageExtension, opcode,
                                          static_cast<std::uint8_t>(hasReply ? 0 : 1)};
    iovec parts[4] = {{}, {}, {&request, sizeof request}, {nullptr, 0}};
    return xcb_send_request(connection, hasReply ? XCB_REQUEST_CHECKED : 0, parts + 2, &protocol);
}

// Returns the first event code of DAMAGE after announcing the version that the timer speaks, or
// -1 when the server lacks the extension.
int startDamage(xcb_connection_t* connection) {
    const xcb_query_extension_reply_t* extension =
        xcb_get_extension_data(connection, &damageExtension);
    if (extension == nullptr || extension->present == 0) {
        return -1;
    }
    DamageQueryVersionRequest request{0, 0, 0, 1, 1};
    ReplyPointer<void> reply(xcb_wait_for_reply(
        connection, sendDamageRequest(connection, kDamageQueryVersion, true, request), nullptr));
    return reply != nullptr ? extension->first_event : -1;
}

void watchDrawing(xcb_connection_t* connection, xcb_window_t window) {
    DamageCreateRequest request{0, 0, 0, xcb_generate_id(connection), window, kDamageReportNonEmpty,
                                {}};
    sendDamageRequest(connection, kDamageCreate, false, request);
    xcb_flush(connection);
}

// Subscribes to the creation and mapping of the root window's children. The round trip makes
// sure that the subscription holds before the program starts.
bool watchTopLevelWindows(xcb_connection_t* connection) {
    const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    ReplyPointer<xcb_get_input_focus_reply_t> reply(
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    return reply != nullptr;
}

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: startup-map-timer PROGRAM [ARGUMENT...]\n");
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const int damageEvent =
        xcb_connection_has_error(connection) == 0 ? startDamage(connection) : -1;
    if (damageEvent < 0 || !watchTopLevelWindows(connection)) {
        std::fprintf(stderr, "startup-map-timer: no X display with the DAMAGE extension\n");
        return 2;
    }

    const Clock::time_point start = Clock::now();
    pid_t program = 0;
    if (posix_spawnp(&program, argv[1], nullptr, nullptr, argv + 1, environ) != 0) {
        std::perror(argv[1]);
        return 2;
    }
    xcb_window_t mappedWindow = 0;
    double mapped = 0;
    while (xcb_generic_event_t* event = xcb_wait_for_event(connection)) {
        const ReplyPointer<xcb_generic_event_t> owned(event);
        const int type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            watchDrawing(connection, reinterpret_cast<xcb_create_notify_event_t*>(event)->window);
        } else if (type == XCB_MAP_NOTIFY && mappedWindow == 0) {
            mapped = millisecondsSince(start);
            mappedWindow = reinterpret_cast<xcb_map_notify_event_t*>(event)->window;
        } else if (type == damageEvent + kDamageNotify && mappedWindow != 0 &&
                   reinterpret_cast<DamageNotifyEvent*>(event)->drawable == mappedWindow) {
            std::printf("%.2f %.2f %u\n", mapped, millisecondsSince(start), mappedWindow);
            std::fflush(stdout);
            break;
        }
    }
    xcb_disconnect(connection);

    int status = 0;
    waitpid(program, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

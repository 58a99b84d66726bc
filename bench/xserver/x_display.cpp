#include "x_display.h"

#include <poll.h>
#include <spawn.h>
#include <sys/uio.h>
#include <sys/wait.h>
#include <xcb/xcbext.h>

#include <algorithm>
#include <cstdio>
#include <span>
#include <thread>

extern char** environ;

namespace tallomat::bench {
namespace {

xcb_extension_t damageExtension = {"DAMAGE", 0};
xcb_extension_t xtestExtension = {"XTEST", 0};

// Request codes within each extension, and the offset of DamageNotify from DAMAGE's first event.
constexpr std::uint8_t kQueryVersion = 0;  // the same code in both
constexpr std::uint8_t kDamageCreate = 1;
constexpr std::uint8_t kDamageSubtract = 2;
constexpr std::uint8_t kFakeInput = 2;
constexpr std::uint8_t kDamageNotify = 0;

// Core event codes that XTEST's FakeInput takes.
constexpr std::uint8_t kButtonPress = 4;
constexpr std::uint8_t kButtonRelease = 5;
constexpr std::uint8_t kMotionNotify = 6;
constexpr std::uint8_t kFirstButton = 1;

struct Header {
    std::uint8_t majorOpcode = 0, minorOpcode = 0;  // filled in by libxcb
    std::uint16_t length = 0;                       // filled in by libxcb
};
struct QueryVersionRequest {
    Header header;
    std::uint32_t clientMajor, clientMinor;  // XTEST reads a byte and a half-word from these
};
struct DamageCreateRequest {
    Header header;
    std::uint32_t damage, drawable;
    std::uint8_t level, pad[3];
};
struct DamageSubtractRequest {
    Header header;
    std::uint32_t damage, repair, parts;  // no repair and no parts region: all of it
};
struct FakeInputRequest {
    Header header;
    std::uint8_t type, detail, pad0[2];
    std::uint32_t time, root, pad1[2];
    std::int16_t rootX, rootY;
    std::uint8_t pad2[7], deviceId;
};
static_assert(sizeof(FakeInputRequest) == 36);

// XTEST's version request is two bytes and a half-word, not two words.
struct XTestQueryVersionRequest {
    Header header;
    std::uint8_t major, pad;
    std::uint16_t minor;
};

}  // namespace

double millisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

XDisplay::XDisplay() : connection_(xcb_connect(nullptr, nullptr)) {
    // Xvfb now and then closes a connection at once when another client has just ended: try again.
    for (int attempt = 1; attempt < 10 && xcb_connection_has_error(connection_) != 0; ++attempt) {
        xcb_disconnect(connection_);
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
        connection_ = xcb_connect(nullptr, nullptr);
    }
    if (xcb_connection_has_error(connection_) != 0) {
        return;
    }
    root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    const xcb_query_extension_reply_t* damage =
        xcb_get_extension_data(connection_, &damageExtension);
    const xcb_query_extension_reply_t* xtest = xcb_get_extension_data(connection_, &xtestExtension);
    if (damage == nullptr || damage->present == 0 || xtest == nullptr || xtest->present == 0) {
        return;
    }
    QueryVersionRequest damageVersion{{}, 1, 1};
    XTestQueryVersionRequest xtestVersion{{}, 2, 0, 2};
    const unsigned damageCookie = send(damageExtension, kQueryVersion, true, damageVersion);
    const unsigned xtestCookie = send(xtestExtension, kQueryVersion, true, xtestVersion);
    ReplyPointer<void> damageReply(xcb_wait_for_reply(connection_, damageCookie, nullptr));
    ReplyPointer<void> xtestReply(xcb_wait_for_reply(connection_, xtestCookie, nullptr));
    damageEvent_ = damage->first_event + kDamageNotify;
    ok_ = damageReply != nullptr && xtestReply != nullptr;
}

bool XDisplay::connected() const {
    return xcb_connection_has_error(connection_) == 0;
}

XDisplay::~XDisplay() {
    xcb_disconnect(connection_);
}

template <class Request>
unsigned XDisplay::send(xcb_extension_t& extension, std::uint8_t opcode, bool hasReply,
                        Request& request) {
    const xcb_protocol_request_t protocol{2, &extension, opcode,
                                          static_cast<std::uint8_t>(hasReply ? 0 : 1)};
    iovec parts[4] = {{}, {}, {&request, sizeof request}, {nullptr, 0}};
    return xcb_send_request(connection_, hasReply ? XCB_REQUEST_CHECKED : 0, parts + 2, &protocol);
}

bool XDisplay::watchTopLevelWindows() {
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
    ReplyPointer<xcb_get_input_focus_reply_t> reply(
        xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    return reply != nullptr;
}

std::uint32_t XDisplay::watchDrawing(xcb_window_t window, DamageLevel level) {
    DamageCreateRequest request{
        {}, xcb_generate_id(connection_), window, static_cast<std::uint8_t>(level), {}};
    send(damageExtension, kDamageCreate, false, request);
    xcb_flush(connection_);
    return request.damage;
}

void XDisplay::subtractDamage(std::uint32_t damage) {
    DamageSubtractRequest request{{}, damage, XCB_NONE, XCB_NONE};
    send(damageExtension, kDamageSubtract, false, request);
    xcb_flush(connection_);
}

ReplyPointer<xcb_generic_event_t> XDisplay::nextEvent(std::chrono::milliseconds timeout) {
    const Clock::time_point end = Clock::now() + timeout;
    for (;;) {
        if (xcb_generic_event_t* event = xcb_poll_for_event(connection_)) {
            return ReplyPointer<xcb_generic_event_t>(event);
        }
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(end - Clock::now());
        if (left.count() <= 0 || xcb_connection_has_error(connection_) != 0) {
            return nullptr;
        }
        pollfd descriptor{xcb_get_file_descriptor(connection_), POLLIN, 0};
        poll(&descriptor, 1, static_cast<int>(left.count()));
    }
}

const DamageNotifyEvent* XDisplay::asDamageNotify(const xcb_generic_event_t& event) const {
    return (event.response_type & 0x7f) == damageEvent_
               ? reinterpret_cast<const DamageNotifyEvent*>(&event)
               : nullptr;
}

bool XDisplay::hasOneColour(xcb_window_t window) {
    ReplyPointer<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window), nullptr));
    if (geometry == nullptr) {
        return true;
    }
    ReplyPointer<xcb_get_image_reply_t> image(
        xcb_get_image_reply(connection_,
                            xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window, 0, 0,
                                          geometry->width, geometry->height, ~0U),
                            nullptr));
    if (image == nullptr) {
        return true;
    }
    // Rows are padded to whole words, and a pixel of depth 24 takes a word whose top byte is not
    // part of the colour: compare the colour bytes of each pixel with the first pixel's.
    const std::span<const std::uint8_t> data(xcb_get_image_data(image.get()),
                                             xcb_get_image_data_length(image.get()));
    const std::size_t pixels = std::size_t{geometry->width} * geometry->height;
    if (pixels == 0 || data.size() < pixels * 4) {
        return true;
    }
    for (std::size_t offset = 4; offset < pixels * 4; offset += 4) {
        if (!std::equal(data.begin(), data.begin() + 3, data.begin() + offset)) {
            return false;
        }
    }
    return true;
}

Point XDisplay::screenPosition(xcb_window_t window) {
    ReplyPointer<xcb_translate_coordinates_reply_t> reply(xcb_translate_coordinates_reply(
        connection_, xcb_translate_coordinates(connection_, window, root_, 0, 0), nullptr));
    return reply != nullptr ? Point{reply->dst_x, reply->dst_y} : Point{0, 0};
}

void XDisplay::fakeInput(std::uint8_t type, std::uint8_t detail, Point point) {
    FakeInputRequest request{};
    request.type = type;
    request.detail = detail;
    request.root = root_;
    request.rootX = static_cast<std::int16_t>(point.x);
    request.rootY = static_cast<std::int16_t>(point.y);
    send(xtestExtension, kFakeInput, false, request);
}

void XDisplay::movePointer(Point point) {
    fakeInput(kMotionNotify, 0, point);  // 0: to the point, not by it
    xcb_flush(connection_);
}

void XDisplay::click() {
    fakeInput(kButtonPress, kFirstButton, {});
    fakeInput(kButtonRelease, kFirstButton, {});
    xcb_flush(connection_);
}

pid_t startProgram(char* argv[]) {
    pid_t program = 0;
    if (posix_spawnp(&program, argv[0], nullptr, nullptr, argv, environ) != 0) {
        std::perror(argv[0]);
        return 0;
    }
    return program;
}

int waitForProgram(pid_t program) {
    int status = 0;
    waitpid(program, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

namespace {

// Whether the program has ended; it is left waitable, for `waitForProgram`.
bool programEnded(pid_t program) {
    siginfo_t info{};
    return waitid(P_PID, static_cast<id_t>(program), &info, WEXITED | WNOHANG | WNOWAIT) != 0 ||
           info.si_pid != 0;
}

}  // namespace

FirstFrame waitForFirstFrame(XDisplay& display, Clock::time_point start, pid_t program) {
    // How often a mapped window that is still one colour is read again, should a report of its
    // drawing not come (a busy machine has shown this, rarely), and whether the program still runs.
    constexpr std::chrono::milliseconds kRecheck{100};
    constexpr std::chrono::minutes kDeadline{1};
    FirstFrame frame;
    while (display.connected()) {
        if (programEnded(program)) {
            frame.failure = "the program ended before its window showed a frame";
            return frame;
        }
        if (Clock::now() - start > kDeadline) {
            frame.failure = "no frame with content within a minute of the program's start";
            return frame;
        }
        const ReplyPointer<xcb_generic_event_t> event = display.nextEvent(kRecheck);
        if (event == nullptr) {
            if (frame.window != 0 && !display.hasOneColour(frame.window)) {
                frame.drawn = millisecondsSince(start);
                return frame;
            }
            continue;
        }
        const int type = event->response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY && frame.window == 0) {
            // Every new top-level window is watched until one of them is mapped.
            const auto* created = reinterpret_cast<const xcb_create_notify_event_t*>(event.get());
            display.watchDrawing(created->window, DamageLevel::NonEmpty);
        } else if (type == XCB_MAP_NOTIFY && frame.window == 0) {
            frame.mapped = millisecondsSince(start);
            frame.window = reinterpret_cast<const xcb_map_notify_event_t*>(event.get())->window;
            // On a busy machine the program may have drawn before the server took the request
            // to watch its window: then the content is there already, and no report will come.
            if (!display.hasOneColour(frame.window)) {
                frame.drawn = millisecondsSince(start);
                return frame;
            }
        } else if (const DamageNotifyEvent* drawn = display.asDamageNotify(*event);
                   drawn != nullptr && frame.window != 0 && drawn->drawable == frame.window) {
            const double drawnAt = millisecondsSince(start);
            // Drawing after the subtraction is reported again, so none is missed while the
            // window is read.
            display.subtractDamage(drawn->damage);
            if (!display.hasOneColour(frame.window)) {
                frame.drawn = drawnAt;
                return frame;
            }
        }
    }
    frame.failure = "the connection to the X server was lost";
    return frame;
}

}  // namespace tallomat::bench

// key-latency-timer CLICKS FIELD KEY... -- PROGRAM [ARGUMENT...]: starts the program on the X
// display in $DISPLAY, waits for its first frame, then clicks the keys in turn, CLICKS times in
// all, and prints for each click, one a line, the milliseconds from the click to the frame that
// shows its result in the field: the last drawing into the field before the window falls quiet. The
// field and keys are controls of the main window's description, found at their places in the
// program's window (the bare window of the start-up benchmark puts its widgets at the same places).
// Ends the program when done.
//
// A click is a press and release of the first button, sent together through XTEST as a mouse
// would give them, after the pointer has been moved onto the key and the window has drawn what the
// move changed. The drawing is seen through DAMAGE, one report per drawn rectangle.
#include <QRect>
#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <string_view>
#include <vector>

#include "form_description.h"
#include "twips.h"
#include "x_display.h"

namespace {

using namespace tallomat;
using namespace tallomat::bench;
using namespace std::chrono_literals;

// Time for the window to finish drawing after a move or a click: it counts as done when this long
// passes with no drawing.
constexpr auto kQuietTime = 10ms;
constexpr auto kMostSettleTime = 1s;  // a window that never stops drawing (a blinking caret)
constexpr auto kMostLatency = 5s;     // a click that the field never shows

// The control's rectangle in its window, or an empty one for a name that the description lacks.
QRect controlRect(std::string_view name) {
    const FormDescription& form = mainFormDescription();
    for (const ControlEntry& entry : form.controls) {
        if (entry.name == name) {
            QRect rect = twipsToRect(entry.left, entry.top, entry.width, entry.height);
            return entry.container == form.window.name
                       ? rect
                       : rect.translated(controlRect(entry.container).topLeft());
        }
    }
    return {};
}

// Reads events until the window has drawn nothing for the quiet time.
void waitUntilQuiet(XDisplay& display) {
    const Clock::time_point end = Clock::now() + kMostSettleTime;
    while (Clock::now() < end && display.nextEvent(kQuietTime) != nullptr) {
    }
}

// Milliseconds from the click to the last drawing into the field before the window falls quiet:
// the frame that shows the click's result (a change of focus may redraw the field earlier, on the
// press). Negative when the field was not drawn in time.
double clickAndTimeField(XDisplay& display, std::uint32_t damage, const QRect& field) {
    const Clock::time_point clicked = Clock::now();
    display.click();
    double latency = -1;
    while (Clock::now() - clicked < kMostLatency) {
        const ReplyPointer<xcb_generic_event_t> event =
            display.nextEvent(latency < 0 ? kMostLatency : kQuietTime);
        if (event == nullptr) {
            if (latency >= 0) {
                break;
            }
            continue;
        }
        const DamageNotifyEvent* drawn = display.asDamageNotify(*event);
        if (drawn != nullptr && drawn->damage == damage &&
            field.intersects(QRect(drawn->x, drawn->y, drawn->width, drawn->height))) {
            latency = millisecondsSince(clicked);
        }
    }
    return latency;
}

}  // namespace

int main(int argc, char* argv[]) {
    std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const auto separator = std::ranges::find(arguments, "--");
    if (separator - arguments.begin() < 3 || separator + 1 == arguments.end()) {
        std::fprintf(stderr, "usage: key-latency-timer CLICKS FIELD KEY... -- PROGRAM [ARG...]\n");
        return 2;
    }
    const long clicks = std::strtol(argv[1], nullptr, 10);
    const QRect field = controlRect(arguments[1]);
    std::vector<QRect> keys;
    for (auto key = arguments.begin() + 2; key != separator; ++key) {
        keys.push_back(controlRect(*key));
    }
    if (clicks <= 0 || field.isEmpty() || std::ranges::any_of(keys, &QRect::isEmpty)) {
        std::fprintf(stderr, "key-latency-timer: a positive count and controls of the window\n");
        return 2;
    }

    XDisplay display;
    if (!display.ok() || !display.watchTopLevelWindows()) {
        std::fprintf(stderr, "key-latency-timer: no X display with DAMAGE and XTEST\n");
        return 2;
    }
    const pid_t program = startProgram(argv + 1 + (separator - arguments.begin()) + 1);
    if (program == 0) {
        return 2;
    }
    const FirstFrame frame = waitForFirstFrame(display, Clock::now(), program);
    if (!frame.failure.empty()) {
        std::fprintf(stderr, "key-latency-timer: %s\n", frame.failure.c_str());
        kill(program, SIGTERM);
        waitForProgram(program);
        return 1;
    }
    const std::uint32_t damage = display.watchDrawing(frame.window, DamageLevel::RawRectangles);
    const Point origin = display.screenPosition(frame.window);
    waitUntilQuiet(display);

    int status = 0;
    for (long click = 0; click < clicks && status == 0; ++click) {
        const QPoint centre = keys[static_cast<std::size_t>(click) % keys.size()].center();
        display.movePointer({origin.x + centre.x(), origin.y + centre.y()});
        waitUntilQuiet(display);
        const double latency = clickAndTimeField(display, damage, field);
        if (latency < 0) {
            std::fprintf(stderr, "key-latency-timer: click %ld never reached the field\n", click);
            status = 1;
        } else {
            std::printf("%.3f\n", latency);
        }
    }
    std::fflush(stdout);
    kill(program, SIGTERM);
    waitForProgram(program);
    return status;
}

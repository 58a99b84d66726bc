#pragma once

// A connection to the X display in $DISPLAY for the benchmarks that start a program and watch its
// window as a user sees it: the creation and mapping of top-level windows, the drawing into them
// (the DAMAGE extension), and real pointer input (the XTEST extension, as a mouse would give).
// Both extensions are spoken through libxcb's generic request call, so that no extension library
// beyond libxcb is needed.
#include <sys/types.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string>

namespace tallomat::bench {

using Clock = std::chrono::steady_clock;

double millisecondsSince(Clock::time_point start);

struct FreeDeleter {
    void operator()(void* pointer) const { std::free(pointer); }
};
template <class Reply>
using ReplyPointer = std::unique_ptr<Reply, FreeDeleter>;

// When the server reports drawing: once when a window is first drawn into (and again after each
// `subtractDamage`), or at every drawing request with the rectangle that it covered.
enum class DamageLevel : std::uint8_t { RawRectangles = 0, NonEmpty = 3 };

struct DamageNotifyEvent {
    std::uint8_t responseType, level;
    std::uint16_t sequence;
    std::uint32_t drawable, damage, timestamp;
    std::int16_t x, y;  // the drawn rectangle, from the window's top-left corner
    std::uint16_t width, height;
    std::int16_t windowX, windowY;
    std::uint16_t windowWidth, windowHeight;
};

struct Point {
    int x, y;
};

class XDisplay {
  public:
    // Connects and announces the versions of DAMAGE and XTEST that it speaks; `ok()` tells whether
    // the display and both extensions are there.
    XDisplay();
    ~XDisplay();
    XDisplay(const XDisplay&) = delete;
    XDisplay& operator=(const XDisplay&) = delete;

    bool ok() const { return ok_; }
    // False once the connection to the server is lost.
    bool connected() const;

    // Subscribes to the creation and mapping of the root window's children. The round trip makes
    // sure that the subscription holds before a program starts.
    bool watchTopLevelWindows();

    // Asks the server to report drawing into the window; returns the damage object's id.
    std::uint32_t watchDrawing(xcb_window_t window, DamageLevel level);
    // Marks all that was drawn as seen: a NonEmpty damage reports the next drawing again.
    void subtractDamage(std::uint32_t damage);

    // Waits at most `timeout` for the next event; null when none came.
    ReplyPointer<xcb_generic_event_t> nextEvent(std::chrono::milliseconds timeout);
    // The event as a DamageNotify, or null when it is another event.
    const DamageNotifyEvent* asDamageNotify(const xcb_generic_event_t& event) const;

    // Whether every pixel of the window has the same colour (also when the window cannot be read).
    bool hasOneColour(xcb_window_t window);
    // The window's top-left corner on the screen.
    Point screenPosition(xcb_window_t window);

    // Moves the pointer to the point on the screen, and presses and releases the first button
    // there; both are sent at once.
    void movePointer(Point point);
    void click();

  private:
    template <class Request>
    unsigned send(xcb_extension_t& extension, std::uint8_t opcode, bool hasReply, Request& request);
    bool queryVersion(xcb_extension_t& extension, std::uint32_t major, std::uint32_t minor);
    void fakeInput(std::uint8_t type, std::uint8_t detail, Point point);

    xcb_connection_t* connection_;
    xcb_window_t root_ = 0;
    int damageEvent_ = -1;
    bool ok_ = false;
};

// Starts the program with the timer's environment; returns its process id, or 0 on failure.
pid_t startProgram(char* argv[]);
// Waits for the program to end; returns its exit status, or 128 plus the signal that ended it.
int waitForProgram(pid_t program);

// Milliseconds from `start` to the moment the server mapped the first top-level window created
// after the display began watching, and to the first frame with content: the first drawing after
// which the window's pixels are not all one colour. When no such frame came, `failure` says why.
struct FirstFrame {
    double mapped = 0, drawn = 0;
    xcb_window_t window = 0;
    std::string failure;
};
// Call after `watchTopLevelWindows` and before the program starts. Only the program under test may
// create windows on the display (a bare Xvfb has no other clients), and the screen's background
// must be one colour (Xvfb's is black), which a window shows until it is drawn. Gives up when the
// program ends first, when the server goes, and after a minute; the program stays waitable.
FirstFrame waitForFirstFrame(XDisplay& display, Clock::time_point start, pid_t program);

}  // namespace tallomat::bench

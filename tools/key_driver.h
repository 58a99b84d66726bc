#pragma once

#include <string>
#include <string_view>

#include "message_box_closer.h"

namespace tallomat {

class frmmain;

// Drives the window through Qt's event system, one token at a time, as a person at the mouse and
// keyboard would:
//   a key's or an option's name    a left click at its centre
//   txtinsert                      a click into the display at its right end
//   key:C                          press and release of one printable ASCII character C
//   key:NAME                       press and release of a named key (named_keys.h): Enter,
//                                  Backspace, Tab, Space, Delete, the arrows, Home, End
//   key:Shift+K, key:Ctrl+K,       the same with modifiers held, as a desktop keyboard reports
//   key:Alt+K, key:Ctrl+Shift+K    them: Shift+Tab is Backtab, and with Ctrl a letter types its
//                                  control character (key:Ctrl+H types Backspace)
//   key:Keypad+K                   a key of the numeric keypad: key:Keypad+5, key:Keypad+Enter,
//                                  and its decimal key as layouts send it, key:Keypad+, (German,
//                                  Russian, ...) or key:Keypad+. (English)
// Keys go to the widget that has the input focus.
class KeyDriver {
  public:
    explicit KeyDriver(frmmain& window) : window_(window) {}

    static bool isToken(std::string_view token);

    // Performs the token and returns the report of the window and its calculation state after it,
    // one line of JSON.
    std::string perform(std::string_view token);

    bool windowClosed() const;

  private:
    void click(std::string_view control);
    void press(std::string_view key);
    std::string report(std::string_view token, const QStringList& messages) const;

    frmmain& window_;
    MessageBoxCloser messageBoxes_;
};

}  // namespace tallomat

#pragma once

#include <QString>
#include <optional>

class QAccessibleEvent;
class QWidget;

namespace tallomat {

// Has screen readers speak `text` now, whatever has the focus, as something that `source` has
// to say: the result of a key, say, when the key and not the display has the focus. Does nothing
// while no screen reader listens. Nothing changes on screen.
void announce(QWidget* source, const QString& text);

// Whether the screen reader reads a result that the window writes into the display while the
// display has the focus, after Enter typed there. Orca 43 (Debian 12) and Orca 51 (Debian testing)
// read it as text that the program inserted; Orca 48 (Debian 13) takes it for the echo of the
// typed Enter and says nothing. The window cannot ask which screen reader listens, so the Qt of
// each release stands in for its Orca: Qt 6.4, 6.8 and 6.11 in turn.
extern const bool kScreenReaderReadsFocusedResult;

// What a screen reader speaks for the event when it is an announcement; none for other events.
std::optional<QString> announcedText(QAccessibleEvent* event);

}  // namespace tallomat

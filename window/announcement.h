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

// Whether a change of the field that has the focus is announced too. The screen reader of each
// release that the window is built on decides: Orca 43 (Debian 12, Qt 6.4) reads such a change
// itself, so announcing it would say it twice; Orca 48 (Debian 13, Qt 6.8) takes a result written
// into the focused field for the echo of typing and says nothing of it.
extern const bool kAnnounceFocusedField;

// What a screen reader speaks for the event when it is an announcement; none for other events.
std::optional<QString> announcedText(QAccessibleEvent* event);

}  // namespace tallomat

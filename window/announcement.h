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

// What a screen reader speaks for the event when it is an announcement; none for other events.
std::optional<QString> announcedText(QAccessibleEvent* event);

}  // namespace tallomat

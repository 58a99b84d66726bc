#pragma once

#include <QByteArray>
#include <QString>
#include <span>
#include <vector>

namespace tallomat {

class frmmain;

// Texts that a user can put into the display although no key would ever write them: pasted
// megabytes, control bytes, characters beyond ASCII, bytes that are no UTF-8 at all, a number
// beyond the float range, thousands of points.
struct BadInput {
    const char* name;
    QByteArray bytes;  // pasted as they are
};
std::span<const BadInput> badInputs();

// Puts the bytes on the clipboard as plain text and pastes them into the focused display with the
// field's own paste shortcut, as a user would.
void pasteIntoDisplay(const QByteArray& bytes);

// A key typed into the display, with the text that a desktop keyboard reports for it.
struct TypedKey {
    const char* name;
    Qt::Key key;
    const char16_t* text;
};
std::span<const TypedKey> typedKeys();

// Presses and releases the key at the widget that has the input focus.
void type(const TypedKey& key);

// The names of the keys that run an engine operation: every key but "Exit".
std::vector<const char*> engineKeyNames();

// Clicks the key named `control` at its centre.
void clickKey(frmmain& window, const char* control);

}  // namespace tallomat

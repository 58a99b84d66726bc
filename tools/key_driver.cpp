#include "key_driver.h"

#include <QApplication>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <optional>

#include "form_description.h"
#include "frmmain.h"
#include "json_line.h"
#include "named_keys.h"
#include "qt_text.h"
#include "startup.h"
#include "text_field.h"

namespace tallomat {
namespace {

constexpr std::string_view kKeyPrefix = "key:";
constexpr std::string_view kDisplay = "txtinsert";

bool isPrintableAscii(std::string_view text) {
    return text.size() == 1 && text[0] >= ' ' && text[0] <= '~';
}

const NamedKey* findNamedKey(std::string_view name) {
    const auto found = std::ranges::find(kNamedKeys, name, &NamedKey::name);
    return found == std::end(kNamedKeys) ? nullptr : found;
}

struct Modifier {
    std::string_view prefix;
    Qt::KeyboardModifier modifier;
};
constexpr Modifier kModifiers[] = {
    {"Shift+", Qt::ShiftModifier},
    {"Ctrl+", Qt::ControlModifier},
    {"Alt+", Qt::AltModifier},
    {"Keypad+", Qt::KeypadModifier},
};

// A key press as a desktop keyboard reports it.
struct KeyPress {
    Qt::Key key;
    QString text;
    Qt::KeyboardModifiers modifiers;
};

// The press that a key token names after "key:": modifiers, then a printable character or a named
// key. None when the key is neither.
std::optional<KeyPress> parseKey(std::string_view key) {
    Qt::KeyboardModifiers modifiers;
    for (bool stripped = true; stripped;) {
        stripped = false;
        for (const Modifier& modifier : kModifiers) {
            if (key.size() > modifier.prefix.size() && key.starts_with(modifier.prefix)) {
                modifiers |= modifier.modifier;
                key.remove_prefix(modifier.prefix.size());
                stripped = true;
            }
        }
    }
    if (const NamedKey* named = findNamedKey(key)) {
        const bool backtab = named->key == Qt::Key_Tab && (modifiers & Qt::ShiftModifier);
        const bool keypadEnter = named->key == Qt::Key_Return && (modifiers & Qt::KeypadModifier);
        return KeyPress{backtab       ? Qt::Key_Backtab
                        : keypadEnter ? Qt::Key_Enter
                                      : named->key,
                        QString::fromLatin1(named->text.data(), qsizetype(named->text.size())),
                        modifiers};
    }
    if (!isPrintableAscii(key)) {
        return std::nullopt;
    }
    // With Ctrl, a letter types its control character: Ctrl+H types Backspace.
    const QChar character = QChar::fromLatin1(key.front());
    const QChar typed = (modifiers & Qt::ControlModifier) && character.isLetter()
                            ? QChar(character.unicode() & 0x1f)
                            : character;
    return KeyPress{QTest::asciiToKey(key.front()), QString(typed), modifiers};
}

// Keys and options are clicked by name; the display is clicked into.
bool isClickable(std::string_view name) {
    if (name == kDisplay) {
        return true;
    }
    return std::ranges::any_of(mainFormDescription().controls, [&](const ControlEntry& entry) {
        return entry.name == name &&
               (entry.kind == ControlKind::Key || entry.kind == ControlKind::Option);
    });
}

}  // namespace

bool KeyDriver::isToken(std::string_view token) {
    if (token.starts_with(kKeyPrefix)) {
        return parseKey(token.substr(kKeyPrefix.size())).has_value();
    }
    return isClickable(token);
}

std::string KeyDriver::perform(std::string_view token) {
    if (token.starts_with(kKeyPrefix)) {
        press(token.substr(kKeyPrefix.size()));
    } else {
        click(token);
    }
    const QStringList messages = messageBoxes_.takeMessages();
    if (!messages.isEmpty() && !windowClosed()) {
        // The closed box handed the activation back; wait for it so that the focus is reported.
        activate(window_);
    }
    return report(token, messages);
}

bool KeyDriver::windowClosed() const {
    return !window_.isVisible();
}

void KeyDriver::click(std::string_view control) {
    auto* widget = window_.findChild<QWidget*>(toQString(control));
    // The right end of the display, inside its border, puts the insertion point at the end.
    const QPoint point = control == kDisplay ? QPoint(widget->width() - 3, widget->height() / 2)
                                             : widget->rect().center();
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, point);
}

void KeyDriver::press(std::string_view key) {
    QWidget* target = window_.focusWidget();
    if (target == nullptr) {
        target = &window_;
    }
    const KeyPress keyPress = *parseKey(key);
    QTest::sendKeyEvent(QTest::Click, target, keyPress.key, keyPress.text, keyPress.modifiers);
}

std::string KeyDriver::report(std::string_view token, const QStringList& messages) const {
    const FormState& state = window_.engine().state();
    // The window's own focus: on Wayland the compositor may never activate the window, and then
    // the application has no focus widget while the window still keeps its focused control.
    const QWidget* focus = window_.focusWidget();
    const auto text = [&](const char* name) {
        return toUtf8(window_.findChild<TextField*>(QString::fromLatin1(name))->text());
    };
    const auto selected = [&](const char* name) {
        return window_.findChild<QRadioButton*>(QString::fromLatin1(name))->isChecked();
    };
    JsonLine line;
    line.add("token", token);
    line.add("display", text("txtinsert"));
    line.add("indicator", text("txtstorevalue"));
    line.add("degree", selected("optiondegree"));
    line.add("radian", selected("optionrad"));
    line.add("focus", focus != nullptr ? toUtf8(focus->objectName()) : std::string());
    line.add("startnew", state.startnew != kFalse);
    line.add("operation", state.operation);
    line.add("firstnum", state.firstnum);
    line.add("secondnum", state.secondnum);
    line.add("resultnum", state.resultnum);
    line.add("memnum", state.memnum);
    line.add("factnum", state.factnum);
    line.add("pivalue", state.pivalue);
    line.add("messages", messages);
    line.add("closed", windowClosed());
    return line.str();
}

}  // namespace tallomat

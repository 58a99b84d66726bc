#include "key_driver.h"

#include <QApplication>
#include <QRadioButton>
#include <QTest>
#include <algorithm>
#include <optional>

#include "form_description.h"
#include "frmmain.h"
#include "json_line.h"
#include "qt_text.h"
#include "startup.h"
#include "text_field.h"

namespace tallomat {
namespace {

constexpr std::string_view kKeyPrefix = "key:";
constexpr std::string_view kDisplay = "txtinsert";

struct NamedKey {
    std::string_view name;
    Qt::Key key;
    const char* text;  // what the key types, as a desktop keyboard reports it
};
constexpr NamedKey kNamedKeys[] = {
    {"Enter", Qt::Key_Return, "\r"},    {"Backspace", Qt::Key_Backspace, "\b"},
    {"Tab", Qt::Key_Tab, "\t"},         {"Space", Qt::Key_Space, " "},
    {"Delete", Qt::Key_Delete, "\x7f"}, {"Left", Qt::Key_Left, ""},
    {"Right", Qt::Key_Right, ""},       {"Home", Qt::Key_Home, ""},
    {"End", Qt::Key_End, ""},
};

bool isPrintableAscii(std::string_view text) {
    return text.size() == 1 && text[0] >= ' ' && text[0] <= '~';
}

const NamedKey* findNamedKey(std::string_view name) {
    const auto found = std::ranges::find(kNamedKeys, name, &NamedKey::name);
    return found == std::end(kNamedKeys) ? nullptr : found;
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
        const std::string_view key = token.substr(kKeyPrefix.size());
        return isPrintableAscii(key) || findNamedKey(key) != nullptr;
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
    if (const NamedKey* named = findNamedKey(key)) {
        QTest::sendKeyEvent(QTest::Click, target, named->key, QString::fromLatin1(named->text),
                            Qt::NoModifier);
    } else {
        QTest::keyClick(target, key.front());
    }
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

// Coverage-guided fuzzing of the text field. The input decodes to a text of up to 1 MiB (lone
// surrogates, pairs, control characters, marks, right-to-left letters) and then to a sequence of
// events: keys with modifiers, typed characters, mouse presses, drags and releases at any point,
// drops, pastes, resizes, and edits through the accessibility interface. After every event the
// harness checks what must always hold; AddressSanitizer checks every access.
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <span>

#include "fuzz_input.h"
#include "text_field.h"

namespace {

using tallomat::TextField;

constexpr qsizetype kLargestText = qsizetype(1) << 20;

// The units a text is made of; the last entry stands for any 16-bit unit, read from the input.
constexpr char16_t kUnits[] = {
    u'0',   u'1',  u'9',  u'.',  u'E', u'-',   u'+',   u' ',
    u'a',   u'\t', u'\0', u'\r', 0x7f, 0x2028, 0xfeff,
    0xd83d,  // a high surrogate
    0xde00,  // a low surrogate
    0x0301,  // a combining mark
    0x05d0,  // a right-to-left letter
    0x200d,  // a zero-width joiner
    0xffff,  // any unit
};

constexpr Qt::Key kKeys[] = {
    Qt::Key_Left,   Qt::Key_Right,  Qt::Key_Up,        Qt::Key_Down,   Qt::Key_Home,
    Qt::Key_End,    Qt::Key_PageUp, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Insert,
    Qt::Key_Return, Qt::Key_Escape, Qt::Key_Tab,       Qt::Key_A,      Qt::Key_C,
    Qt::Key_X,      Qt::Key_V,      Qt::Key_Z,         Qt::Key_Y,      Qt::Key_K,
    Qt::Key_H,      Qt::Key_U,      Qt::Key_W,         Qt::Key_E,      Qt::Key_B,
    Qt::Key_F,      Qt::Key_D,      Qt::Key_Space,     Qt::Key_5,      Qt::Key_Copy,
    Qt::Key_Cut,    Qt::Key_Paste,  Qt::Key_Undo,      Qt::Key_Redo,   Qt::Key_unknown,
};

constexpr Qt::MouseButton kButtons[] = {Qt::LeftButton, Qt::MiddleButton, Qt::RightButton};

[[noreturn]] void violation(const char* what, const TextField& field) {
    std::fprintf(stderr, "violated: %s (text of %lld units, cursor %lld, selection %lld-%lld)\n",
                 what, static_cast<long long>(field.text().size()),
                 static_cast<long long>(field.cursorPosition()),
                 static_cast<long long>(field.selectionStart()),
                 static_cast<long long>(field.selectionEnd()));
    std::abort();
}

// The input's choices, and the texts, points, modifiers and offsets that the field's events take.
class Input : public tallomat::testing::FuzzInput {
  public:
    using FuzzInput::FuzzInput;

    QChar unit() {
        const char16_t unit = kUnits[byte() % std::size(kUnits)];
        return unit == 0xffff ? QChar(word()) : QChar(unit);
    }

    // Up to 15 units, each from the palette.
    QString shortText() {
        QString text;
        for (int count = byte() % 16; count > 0; --count) {
            text.append(unit());
        }
        return text;
    }

    // A short text, or one repeated to a length of up to 1 MiB.
    QString text() {
        QString piece = shortText();
        const std::uint8_t scale = byte();
        if (scale < 192 || piece.isEmpty()) {
            return piece;
        }
        const qsizetype lengths[] = {kViewLength, kViewLength * 3 + 1, kLargestText,
                                     kLargestText - 1, 1 + word() * qsizetype(16)};
        const qsizetype length = std::min(lengths[scale % std::size(lengths)], kLargestText);
        return piece.repeated(length / piece.size() + 1).left(length);
    }

    // A point in or around a field of `size`.
    QPoint point(QSize size) {
        return {byte() % (size.width() + 40) - 20, byte() % (size.height() + 10) - 5};
    }

    Qt::KeyboardModifiers modifiers() {
        const std::uint8_t bits = byte();
        Qt::KeyboardModifiers modifiers;
        modifiers.setFlag(Qt::ShiftModifier, bits & 1);
        modifiers.setFlag(Qt::ControlModifier, bits & 2);
        modifiers.setFlag(Qt::AltModifier, bits & 4);
        modifiers.setFlag(Qt::MetaModifier, bits & 8);
        modifiers.setFlag(Qt::KeypadModifier, bits & 16);
        return modifiers;
    }

    // An offset as assistive technology may pass one: anywhere in or beyond the text.
    int offset(qsizetype textSize) {
        const std::uint8_t kind = byte();
        switch (kind % 8) {
            case 0:
                return -1 - byte();
            case 1:
                return INT_MAX - byte();
            case 2:
                return static_cast<int>(textSize);
            default:
                return static_cast<int>(word() % (textSize + 2));
        }
    }

  private:
    static constexpr qsizetype kViewLength = 1024;
};

struct Selection {
    QString text;
    qsizetype anchor;
    qsizetype cursor;
    bool operator==(const Selection&) const = default;
};

Selection selectionOf(const TextField& field) {
    const qsizetype cursor = field.cursorPosition();
    const qsizetype anchor =
        field.selectionStart() == cursor ? field.selectionEnd() : field.selectionStart();
    return {field.text(), anchor, cursor};
}

// The field scrolls as if every letter ran left to right; where some run the other way, the
// insertion point may sit outside the view, as the field's header says.
bool hasRightToLeft(const QString& text) {
    return std::ranges::any_of(text, [](QChar character) {
        switch (character.direction()) {
            case QChar::DirR:
            case QChar::DirAL:
            case QChar::DirAN:
            case QChar::DirRLE:
            case QChar::DirRLO:
            case QChar::DirRLI:
            case QChar::DirFSI:
                return true;
            default:
                return false;
        }
    });
}

// Whether `position` lies between two characters as they are shown: marks that extend a
// character (combining accents, sound marks) make one with it, and a view can only show the whole.
// Assistive technology may still put the insertion point among them.
bool startsCharacterAsShown(const QString& text, qsizetype position) {
    const qsizetype from = std::max<qsizetype>(position - 64, 0);
    const qsizetype to = std::min<qsizetype>(position + 64, text.size());
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text.constData() + from, to - from);
    finder.setPosition(position - from);
    return finder.isAtBoundary();
}

bool isCharacterStart(const QString& text, qsizetype position) {
    return position >= 0 && position <= text.size() &&
           !(position > 0 && position < text.size() && text[position].isLowSurrogate() &&
             text[position - 1].isHighSurrogate());
}

// What every state of the field keeps. Undo then redo gives back the text; after an edit (the text
// changed and nothing is left to redo) it gives back the selection too. The selection is put back
// after the check, so that the events play on as without it.
void check(TextField& field, const Selection& before) {
    const Selection after = selectionOf(field);
    if (!isCharacterStart(after.text, after.cursor)) {
        violation("the insertion point is within the text, at a character's start", field);
    }
    if (!isCharacterStart(after.text, after.anchor)) {
        violation("the anchor is within the text, at a character's start", field);
    }
    if (field.width() >= 100 && !hasRightToLeft(after.text) &&
        startsCharacterAsShown(after.text, after.cursor) &&
        !field.rect().contains(field.characterRect(after.cursor))) {
        violation("the insertion point is in view", field);
    }
    if (!field.isUndoAvailable()) {
        return;
    }
    const bool edited = after.text != before.text && !field.isRedoAvailable();
    field.undo();
    field.redo();
    const Selection redone = selectionOf(field);
    if (redone.text != after.text) {
        violation("undo then redo gives back the text", field);
    }
    if (edited && redone != after) {
        violation("undo then redo gives back the selection", field);
    }
    field.setSelection(after.anchor, after.cursor);
}

// Assistive technology learns of each change with offsets inside the text it describes.
void checkAccessibilityEvent(QAccessibleEvent* event) {
    auto* field = qobject_cast<TextField*>(event->object());
    if (field == nullptr) {
        return;
    }
    const qsizetype size = field->text().size();
    switch (event->type()) {
        case QAccessible::TextUpdated: {
            auto* update = static_cast<QAccessibleTextUpdateEvent*>(event);
            if (update->changePosition() < 0 ||
                update->changePosition() + update->textInserted().size() > size) {
                violation("a text change lies within the text", *field);
            }
            break;
        }
        case QAccessible::TextCaretMoved: {
            const int cursor = static_cast<QAccessibleTextCursorEvent*>(event)->cursorPosition();
            if (cursor != field->cursorPosition()) {
                violation("a cursor event names the insertion point", *field);
            }
            break;
        }
        case QAccessible::TextSelectionChanged: {
            auto* selection = static_cast<QAccessibleTextSelectionEvent*>(event);
            const bool selected = field->hasSelectedText();
            if (selection->selectionStart() != (selected ? field->selectionStart() : -1) ||
                selection->selectionEnd() != (selected ? field->selectionEnd() : -1)) {
                violation("a selection event names the selection", *field);
            }
            break;
        }
        default:
            break;
    }
}

void sendMouse(TextField& field, QEvent::Type type, QPoint point, Qt::MouseButton button,
               Qt::MouseButtons buttons, Qt::KeyboardModifiers modifiers) {
    QMouseEvent event(type, point, field.mapToGlobal(point), button, buttons, modifiers);
    QApplication::sendEvent(&field, &event);
}

// What assistive technology may ask of the field: edits, selections, and reads of text and places.
struct AccessibleCall {
    QAccessibleInterface* accessible;
    QAccessibleTextInterface* text;
    QAccessibleEditableTextInterface* editable;
    TextField& field;
    Input& input;
    int start;
    int end;
};

constexpr void (*kAccessibleCalls[])(const AccessibleCall&) = {
    [](const AccessibleCall& call) {
        call.editable->insertText(call.start, call.input.shortText());
    },
    [](const AccessibleCall& call) { call.editable->deleteText(call.start, call.end); },
    [](const AccessibleCall& call) {
        call.editable->replaceText(call.start, call.end, call.input.text());
    },
    [](const AccessibleCall& call) { call.text->setSelection(0, call.start, call.end); },
    [](const AccessibleCall& call) { call.text->addSelection(call.start, call.end); },
    [](const AccessibleCall& call) { call.text->removeSelection(0); },
    [](const AccessibleCall& call) { call.text->setCursorPosition(call.start); },
    [](const AccessibleCall& call) { call.text->scrollToSubstring(call.start, call.end); },
    [](const AccessibleCall& call) {
        call.accessible->setText(QAccessible::Value, call.input.text());
    },
    [](const AccessibleCall& call) {
        (void)call.text->text(call.start, call.end);
        (void)call.text->characterRect(call.start);
    },
    [](const AccessibleCall& call) {
        (void)call.text->offsetAtPoint(call.field.mapToGlobal(call.input.point(call.field.size())));
    },
    [](const AccessibleCall& call) {
        int selectionStart = 0;
        int selectionEnd = 0;
        call.text->selection(0, &selectionStart, &selectionEnd);
        const auto boundary = static_cast<QAccessible::TextBoundaryType>(call.input.byte() % 6);
        (void)call.text->textAtOffset(call.start, boundary, &selectionStart, &selectionEnd);
        (void)call.text->textBeforeOffset(call.start, boundary, &selectionStart, &selectionEnd);
        (void)call.text->textAfterOffset(call.start, boundary, &selectionStart, &selectionEnd);
    },
};

void editThroughAccessibility(TextField& field, Input& input) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&field);
    const qsizetype size = field.text().size();
    const int start = input.offset(size);
    const int end = input.offset(size);
    const AccessibleCall call{accessible,
                              accessible->textInterface(),
                              accessible->editableTextInterface(),
                              field,
                              input,
                              start,
                              end};
    kAccessibleCalls[input.byte() % std::size(kAccessibleCalls)](call);
}

void drag(TextField& field, Input& input) {
    QMimeData data;
    data.setText(input.text());
    const QPoint point = input.point(field.size());
    QDragEnterEvent enter(point, Qt::CopyAction, &data, Qt::LeftButton, {});
    QApplication::sendEvent(&field, &enter);
    for (int moves = input.byte() % 4; moves > 0; --moves) {
        QDragMoveEvent move(input.point(field.size()), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&field, &move);
    }
    if (input.byte() % 2 == 0) {
        QDropEvent drop(input.point(field.size()), Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&field, &drop);
    } else {
        QDragLeaveEvent leave;
        QApplication::sendEvent(&field, &leave);
    }
}

void key(TextField& field, Input& input) {
    const Qt::Key code = kKeys[input.byte() % std::size(kKeys)];
    const Qt::KeyboardModifiers modifiers = input.modifiers();
    QString text;
    switch (input.byte() % 3) {
        case 0:
            break;
        case 1:
            text = QKeySequence(code).toString().left(1).toLower();
            if (modifiers & Qt::ControlModifier && text.size() == 1 && text[0].isLetter()) {
                text = QChar(text[0].unicode() - u'a' + 1);  // the control character it types
            }
            break;
        default:
            text = input.shortText();
            break;
    }
    QKeyEvent event(QEvent::KeyPress, code, modifiers, text);
    QApplication::sendEvent(&field, &event);
}

// The events that the input picks from, with the mouse buttons held between them; a key press is
// picked twice as often as each of the others.
constexpr void (*kEvents[])(TextField&, Input&, Qt::MouseButtons&) = {
    [](TextField& field, Input& input, Qt::MouseButtons&) { key(field, input); },
    [](TextField& field, Input& input, Qt::MouseButtons&) { key(field, input); },
    [](TextField& field, Input& input, Qt::MouseButtons&) {
        QKeyEvent event(QEvent::KeyPress, Qt::Key_unknown, {}, QString(input.unit()));
        QApplication::sendEvent(&field, &event);
    },
    [](TextField& field, Input& input, Qt::MouseButtons& held) {
        const Qt::MouseButton button = kButtons[input.byte() % std::size(kButtons)];
        held |= button;
        const bool twice = input.byte() % 3 == 0;
        sendMouse(field, twice ? QEvent::MouseButtonDblClick : QEvent::MouseButtonPress,
                  input.point(field.size()), button, held, input.modifiers());
    },
    [](TextField& field, Input& input, Qt::MouseButtons& held) {
        sendMouse(field, QEvent::MouseMove, input.point(field.size()), Qt::NoButton, held,
                  input.modifiers());
    },
    [](TextField& field, Input& input, Qt::MouseButtons& held) {
        const Qt::MouseButton button = kButtons[input.byte() % std::size(kButtons)];
        held &= ~button;
        sendMouse(field, QEvent::MouseButtonRelease, input.point(field.size()), button, held,
                  input.modifiers());
    },
    [](TextField& field, Input& input, Qt::MouseButtons&) {
        editThroughAccessibility(field, input);
    },
    [](TextField& field, Input& input, Qt::MouseButtons&) { drag(field, input); },
    [](TextField&, Input& input, Qt::MouseButtons&) {
        QGuiApplication::clipboard()->setText(input.text());
    },
    [](TextField& field, Input& input, Qt::MouseButtons&) { field.resize(input.word() % 700, 27); },
    [](TextField& field, Input& input, Qt::MouseButtons&) { field.setText(input.text()); },
};

QWidget* window = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    new QApplication(*argc, *argv);
    QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 12));
    // As a screen reader would: without one, Qt raises no accessibility event at all.
    QAccessible::installUpdateHandler(checkAccessibilityEvent);
    QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    window = new QWidget;
    window->resize(400, 60);
    window->show();
    window->activateWindow();
    while (!window->isActiveWindow()) {
        QApplication::processEvents();
    }
    return 0;
}

// Timers never fire here (the event loop does not run), so each input plays the same way every
// time; posted events, such as repaints, are delivered after each event.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input input({data, size});
    auto field = std::make_unique<TextField>(window);
    field->setGeometry(4, 4, 313, 27);
    field->show();
    field->setFocus();
    field->setText(input.text());
    Qt::MouseButtons held;
    while (!input.empty()) {
        const Selection before = selectionOf(*field);
        kEvents[input.byte() % std::size(kEvents)](*field, input, held);
        QCoreApplication::sendPostedEvents();
        check(*field, before);
    }
    field.reset();
    QCoreApplication::sendPostedEvents();
    return 0;
}

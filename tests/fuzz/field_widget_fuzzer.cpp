// Coverage-guided fuzzing of the text field widget, for what the widget adds to its model: layout,
// scrolling and painting, the platform's key bindings, the mouse, drops, and the accessibility
// interface and its events. The input decodes to a text of up to 1 MiB (lone surrogates, pairs,
// control characters, marks, right-to-left letters) and then to a sequence of events: keys with
// modifiers, typed characters, mouse presses, drags and releases at any point, drops, pastes,
// resizes, and edits through the accessibility interface. After every event the harness checks
// what must always hold; AddressSanitizer checks every access. It drives a whole widget with an
// application around it, a few dozen inputs a second: the model fuzzer plays the same inputs on
// the editing alone, far faster.
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
#include <cstdint>
#include <memory>

#include "field_fuzzing.h"
#include "text_field.h"

namespace {

using tallomat::TextField;
using Input = tallomat::testing::FieldFuzzInput;
using tallomat::testing::FieldEvent;
using tallomat::testing::violation;

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

// What every state of the field keeps; `before` is its text before the event.
void check(TextField& field, const QString& before, QString& copy) {
    tallomat::testing::checkPositions(field);
    const QString& text = field.text();
    const qsizetype cursor = field.cursorPosition();
    if (field.width() >= 100 && !hasRightToLeft(text) && startsCharacterAsShown(text, cursor) &&
        !field.rect().contains(field.characterRect(cursor))) {
        violation("the insertion point is in view", field);
    }
    tallomat::testing::checkUndoAndRedo(field, text != before && !field.isRedoAvailable(), copy);
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

// In the order of the input's choices (tallomat::testing::AccessibleCall).
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

static_assert(std::size(kAccessibleCalls) ==
              static_cast<std::size_t>(tallomat::testing::AccessibleCall::Count));

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
    kAccessibleCalls[static_cast<int>(input.choice<tallomat::testing::AccessibleCall>())](call);
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
    const tallomat::testing::FuzzKeyPress press = input.keyPress();
    QKeyEvent event(QEvent::KeyPress, press.key, press.modifiers, press.text);
    QApplication::sendEvent(&field, &event);
}

// The events that the input picks from (tallomat::testing::FieldEvent), with the mouse buttons
// held between them.
constexpr void (*kEvents[])(TextField&, Input&, Qt::MouseButtons&) = {
    [](TextField& field, Input& input, Qt::MouseButtons&) { key(field, input); },
    [](TextField& field, Input& input, Qt::MouseButtons&) { key(field, input); },
    [](TextField& field, Input& input, Qt::MouseButtons&) {
        QKeyEvent event(QEvent::KeyPress, Qt::Key_unknown, {}, QString(input.unit()));
        QApplication::sendEvent(&field, &event);
    },
    [](TextField& field, Input& input, Qt::MouseButtons& held) {
        const Qt::MouseButton button =
            tallomat::testing::kFieldButtons[input.byte() %
                                             std::size(tallomat::testing::kFieldButtons)];
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
        const Qt::MouseButton button =
            tallomat::testing::kFieldButtons[input.byte() %
                                             std::size(tallomat::testing::kFieldButtons)];
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
static_assert(std::size(kEvents) == static_cast<std::size_t>(FieldEvent::Count));

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
    static QString copy;
    while (!input.empty()) {
        const QString before = field->text();
        kEvents[static_cast<int>(input.choice<FieldEvent>())](*field, input, held);
        QCoreApplication::sendPostedEvents();
        check(*field, before, copy);
    }
    field.reset();
    QCoreApplication::sendPostedEvents();
    return 0;
}

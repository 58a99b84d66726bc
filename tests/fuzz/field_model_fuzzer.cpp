// Coverage-guided fuzzing of the text field's editing, without a widget: the input of the widget's
// fuzzer (a text of up to 1 MiB, then keys, typed characters, mouse presses, drags and releases,
// drops, pastes, resizes and edits through the accessibility interface) plays on the model alone,
// at the speed of plain code. Keys go through a table of the usual bindings in place of the
// platform's, and points map to positions as in a view of fixed-width characters. After every
// event the harness checks what must always hold; AddressSanitizer checks every access.
#include <utility>

#include "field_fuzzing.h"
#include "text_field_model.h"

namespace {

using tallomat::TextFieldModel;
using tallomat::testing::AccessibleCall;
using tallomat::testing::FieldEvent;
using tallomat::testing::FieldFuzzInput;
using tallomat::testing::FuzzKeyPress;
using tallomat::testing::kFieldButtons;
using tallomat::testing::violation;
using Movement = TextFieldModel::Movement;

// The field around the model, as far as its events need one: the clipboard, the mouse, and a
// view of characters 8 pixels wide that scrolls to the insertion point.
class Field final : public TextFieldModel::Listener {
  public:
    static constexpr int kCharacterWidth = 8;

    // Each change is told with the text it inserted, where it now stands.
    void textChanged(const TextFieldModel::TextChange& change) override {
        edited = true;
        const QString& text = model.text();
        if (change.position < 0 || change.position + change.inserted.size() > text.size() ||
            QStringView(text).sliced(change.position, change.inserted.size()) != change.inserted) {
            violation("a text change names what it inserted, within the text", model);
        }
    }
    void cursorMoved() override {
        const qsizetype shown = size.width() / kCharacterWidth;
        firstVisible =
            std::clamp(firstVisible, model.cursorPosition() - shown, model.cursorPosition());
    }

    qsizetype positionAt(QPoint point) const {
        return model.characterStart(firstVisible + point.x() / kCharacterWidth);
    }

    TextFieldModel model{*this};
    bool edited = false;  // since the last check
    QString clipboard;
    QSize size{313, 27};
    qsizetype firstVisible = 0;
    Qt::MouseButtons held;
    bool selectingWithMouse = false;
    bool afterDoubleClick = false;  // a press near it selects all, as a triple click
    QPoint doubleClickPoint;
};

void copySelection(Field& field) {
    if (field.model.hasSelectedText()) {
        field.clipboard = field.model.selectedText();
    }
}

// The clipboard and editing keys of the usual bindings; false for a key that is none of them.
bool runCommandKey(Field& field, const FuzzKeyPress& press) {
    TextFieldModel& model = field.model;
    const Qt::KeyboardModifiers modifiers = press.modifiers & ~Qt::KeypadModifier;
    const bool control = modifiers == Qt::ControlModifier;
    const bool shift = modifiers == Qt::ShiftModifier;
    const auto is = [&](Qt::Key key, Qt::KeyboardModifiers with) {
        return press.key == key && modifiers == with;
    };
    if (is(Qt::Key_Copy, {}) || is(Qt::Key_C, Qt::ControlModifier) ||
        is(Qt::Key_Insert, Qt::ControlModifier)) {
        copySelection(field);
    } else if (is(Qt::Key_Cut, {}) || is(Qt::Key_X, Qt::ControlModifier) ||
               is(Qt::Key_Delete, Qt::ShiftModifier)) {
        copySelection(field);
        if (model.hasSelectedText()) {
            model.insert({});
        }
    } else if (is(Qt::Key_Paste, {}) || is(Qt::Key_V, Qt::ControlModifier) ||
               is(Qt::Key_Insert, Qt::ShiftModifier)) {
        model.paste(field.clipboard);
    } else if (is(Qt::Key_Undo, {}) || is(Qt::Key_Z, Qt::ControlModifier)) {
        model.undo();
    } else if (is(Qt::Key_Redo, {}) || is(Qt::Key_Y, Qt::ControlModifier) ||
               is(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier)) {
        model.redo();
    } else if (is(Qt::Key_A, Qt::ControlModifier)) {
        model.selectAll();
    } else if (press.key == Qt::Key_Backspace &&
               (control || modifiers == Qt::NoModifier || shift)) {
        control ? model.removePreviousWord() : model.backspace();
    } else if (press.key == Qt::Key_Delete && (control || modifiers == Qt::NoModifier)) {
        control ? model.removeNextWord() : model.del();
    } else {
        return false;
    }
    return true;
}

bool runMovementKey(TextFieldModel& model, const FuzzKeyPress& press) {
    const Qt::KeyboardModifiers modifiers =
        press.modifiers & ~(Qt::KeypadModifier | Qt::ShiftModifier);
    const bool select = press.modifiers & Qt::ShiftModifier;
    const bool control = modifiers == Qt::ControlModifier;
    if (modifiers != Qt::NoModifier && !control) {
        return false;
    }
    switch (press.key) {
        case Qt::Key_Left:
            model.move(control ? Movement::PreviousWord : Movement::PreviousCharacter, select);
            return true;
        case Qt::Key_Right:
            model.move(control ? Movement::NextWord : Movement::NextCharacter, select);
            return true;
        case Qt::Key_Home:
            model.move(Movement::Start, select);
            return true;
        case Qt::Key_End:
            model.move(Movement::End, select);
            return true;
        default:
            return false;
    }
}

void key(Field& field, FieldFuzzInput& input) {
    const FuzzKeyPress press = input.keyPress();
    if (!runMovementKey(field.model, press) && !runCommandKey(field, press) &&
        !(press.modifiers & Qt::ControlModifier)) {
        field.model.type(press.text);
    }
}

void mousePress(Field& field, FieldFuzzInput& input) {
    const Qt::MouseButton button = kFieldButtons[input.byte() % std::size(kFieldButtons)];
    field.held |= button;
    const bool twice = input.byte() % 3 == 0;
    const QPoint point = input.point(field.size);
    const Qt::KeyboardModifiers modifiers = input.modifiers();
    if (button != Qt::LeftButton) {
        if (button == Qt::MiddleButton && !twice) {
            field.model.moveCursor(field.positionAt(point), false);
            field.model.insert(field.clipboard);
        }
        return;
    }
    if (twice) {
        field.model.selectWordAt(field.positionAt(point));
        field.afterDoubleClick = true;
        field.doubleClickPoint = point;
    } else if (field.afterDoubleClick && (point - field.doubleClickPoint).manhattanLength() < 10) {
        field.afterDoubleClick = false;
        field.model.selectAll();
    } else {
        field.selectingWithMouse = true;
        field.model.moveCursor(field.positionAt(point), modifiers & Qt::ShiftModifier);
    }
}

// Dragging beyond either edge selects one more character out of view.
void mouseMove(Field& field, FieldFuzzInput& input) {
    const QPoint point = input.point(field.size);
    input.modifiers();
    if (!field.selectingWithMouse || !(field.held & Qt::LeftButton)) {
        return;
    }
    qsizetype position = field.positionAt(point);
    if (point.x() < 0 || point.x() >= field.size.width()) {
        position =
            field.model.nextBoundary(position, TextFieldModel::Boundary::Character, point.x() >= 0);
    }
    field.model.moveCursor(position, true);
}

void mouseRelease(Field& field, FieldFuzzInput& input) {
    const Qt::MouseButton button = kFieldButtons[input.byte() % std::size(kFieldButtons)];
    field.held &= ~button;
    input.point(field.size);
    input.modifiers();
    if (button == Qt::LeftButton) {
        field.selectingWithMouse = false;
    }
}

// Assistive technology's calls, as the field's accessible interface makes them on the model.
void editThroughAccessibility(Field& field, FieldFuzzInput& input) {
    TextFieldModel& model = field.model;
    const int start = input.offset(model.text().size());
    const int end = input.offset(model.text().size());
    switch (input.choice<AccessibleCall>()) {
        case AccessibleCall::InsertText:
            model.setSelection(start, start);
            model.insert(input.shortText());
            break;
        case AccessibleCall::DeleteText:
            model.setSelection(start, end);
            model.insert({});
            break;
        case AccessibleCall::ReplaceText:
            model.setSelection(start, end);
            model.insert(input.text());
            break;
        case AccessibleCall::SetSelection:
        case AccessibleCall::AddSelection:
            model.setSelection(start, end);
            break;
        case AccessibleCall::RemoveSelection:
            model.setCursorPosition(model.cursorPosition());
            break;
        case AccessibleCall::SetCursorPosition:
            model.setCursorPosition(start);
            break;
        case AccessibleCall::ScrollToSubstring:
            model.setCursorPosition(end);
            model.setCursorPosition(start);
            break;
        case AccessibleCall::SetValue:
            model.selectAll();
            model.insert(input.text());
            break;
        case AccessibleCall::ReadOffsetAtPoint:
            input.point(field.size);
            break;
        case AccessibleCall::ReadAroundOffset:
            input.byte();
            break;
        case AccessibleCall::ReadText:
        case AccessibleCall::Count:
            break;
    }
}

void drag(Field& field, FieldFuzzInput& input) {
    const QString text = input.text();
    input.point(field.size);
    for (int moves = input.byte() % 4; moves > 0; --moves) {
        input.point(field.size);
    }
    if (input.byte() % 2 == 0) {
        field.model.moveCursor(field.positionAt(input.point(field.size)), false);
        field.model.insert(text);
    }
}

void play(Field& field, FieldFuzzInput& input) {
    switch (input.choice<FieldEvent>()) {
        case FieldEvent::Key:
        case FieldEvent::KeyAgain:
            key(field, input);
            break;
        case FieldEvent::TypedUnit:
            field.model.type(QString(input.unit()));
            break;
        case FieldEvent::MousePress:
            mousePress(field, input);
            break;
        case FieldEvent::MouseMove:
            mouseMove(field, input);
            break;
        case FieldEvent::MouseRelease:
            mouseRelease(field, input);
            break;
        case FieldEvent::Accessibility:
            editThroughAccessibility(field, input);
            break;
        case FieldEvent::Drag:
            drag(field, input);
            break;
        case FieldEvent::ClipboardText:
            field.clipboard = input.text();
            break;
        case FieldEvent::Resize:
            field.size.setWidth(input.word() % 700);
            break;
        case FieldEvent::SetText:
            field.model.setText(input.text());
            break;
        case FieldEvent::Count:
            break;
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FieldFuzzInput input({data, size});
    Field field;
    field.model.setText(input.text());
    static QString copy;
    while (!input.empty()) {
        play(field, input);
        tallomat::testing::checkPositions(field.model);
        const bool edited = std::exchange(field.edited, false) && !field.model.isRedoAvailable();
        tallomat::testing::checkUndoAndRedo(field.model, edited, copy);
        field.edited = false;
    }
    return 0;
}

#pragma once

// What the text field fuzzers share: their input, read the same way by both (the model's, which
// plays the events on the field's editing alone, and the widget's, which sends them to a real
// field), so that one corpus serves both and what either finds replays on the other; and the
// checks of the editing that both make after every event.
#include <QChar>
#include <QPoint>
#include <QSize>
#include <QString>
#include <algorithm>
#include <climits>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <iterator>

#include "fuzz_input.h"

namespace tallomat::testing {

// The units a text is made of; the last entry stands for any 16-bit unit, read from the input.
constexpr char16_t kFieldUnits[] = {
    u'0',   u'1',  u'9',  u'.',  u'E', u'-',   u'+',   u' ',
    u'a',   u'\t', u'\0', u'\r', 0x7f, 0x2028, 0xfeff,
    0xd83d,  // a high surrogate
    0xde00,  // a low surrogate
    0x0301,  // a combining mark
    0x05d0,  // a right-to-left letter
    0x200d,  // a zero-width joiner
    0xffff,  // any unit
};

// The keys the events press, each with the letter it types (the first of its name).
struct FuzzKey {
    Qt::Key key;
    char16_t letter;
};

constexpr FuzzKey kFieldKeys[] = {
    {Qt::Key_Left, u'l'},   {Qt::Key_Right, u'r'},     {Qt::Key_Up, u'u'},
    {Qt::Key_Down, u'd'},   {Qt::Key_Home, u'h'},      {Qt::Key_End, u'e'},
    {Qt::Key_PageUp, u'p'}, {Qt::Key_Backspace, u'b'}, {Qt::Key_Delete, u'd'},
    {Qt::Key_Insert, u'i'}, {Qt::Key_Return, u'r'},    {Qt::Key_Escape, u'e'},
    {Qt::Key_Tab, u't'},    {Qt::Key_A, u'a'},         {Qt::Key_C, u'c'},
    {Qt::Key_X, u'x'},      {Qt::Key_V, u'v'},         {Qt::Key_Z, u'z'},
    {Qt::Key_Y, u'y'},      {Qt::Key_K, u'k'},         {Qt::Key_H, u'h'},
    {Qt::Key_U, u'u'},      {Qt::Key_W, u'w'},         {Qt::Key_E, u'e'},
    {Qt::Key_B, u'b'},      {Qt::Key_F, u'f'},         {Qt::Key_D, u'd'},
    {Qt::Key_Space, u's'},  {Qt::Key_5, u'5'},         {Qt::Key_Copy, u'c'},
    {Qt::Key_Cut, u'c'},    {Qt::Key_Paste, u'p'},     {Qt::Key_Undo, u'u'},
    {Qt::Key_Redo, u'r'},   {Qt::Key_unknown, 0},
};

constexpr Qt::MouseButton kFieldButtons[] = {Qt::LeftButton, Qt::MiddleButton, Qt::RightButton};

// The events that an input picks from, in the order of its choices; a key press is picked twice as
// often as each of the others.
enum class FieldEvent {
    Key,
    KeyAgain,
    TypedUnit,
    MousePress,
    MouseMove,
    MouseRelease,
    Accessibility,
    Drag,
    ClipboardText,
    Resize,
    SetText,
    Count
};

// The accessibility calls that an input picks from, in the order of its choices.
enum class AccessibleCall {
    InsertText,
    DeleteText,
    ReplaceText,
    SetSelection,
    AddSelection,
    RemoveSelection,
    SetCursorPosition,
    ScrollToSubstring,
    SetValue,
    ReadText,
    ReadOffsetAtPoint,
    ReadAroundOffset,
    Count
};

// A key press: the key, its modifiers and the text it types.
struct FuzzKeyPress {
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    QString text;
};

// The input's choices, and the texts, points, modifiers and offsets that the field's events take.
class FieldFuzzInput : public FuzzInput {
  public:
    using FuzzInput::FuzzInput;

    template <typename Choice>
    Choice choice() {
        return static_cast<Choice>(byte() % static_cast<int>(Choice::Count));
    }

    QChar unit() {
        const char16_t unit = kFieldUnits[byte() % std::size(kFieldUnits)];
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
        QString text = piece.repeated(length / piece.size() + 1);
        text.truncate(length);
        return text;
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

    // No text, the key's letter (its control character with Ctrl), or a short text.
    FuzzKeyPress keyPress() {
        const FuzzKey key = kFieldKeys[byte() % std::size(kFieldKeys)];
        FuzzKeyPress press{key.key, modifiers(), {}};
        switch (byte() % 3) {
            case 0:
                break;
            case 1:
                if (key.letter != 0) {
                    const bool control = press.modifiers & Qt::ControlModifier &&
                                         key.letter >= u'a' && key.letter <= u'z';
                    press.text = QChar(control ? key.letter - u'a' + 1 : key.letter);
                }
                break;
            default:
                press.text = shortText();
                break;
        }
        return press;
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

    static constexpr qsizetype kLargestText = qsizetype(1) << 20;

  private:
    static constexpr qsizetype kViewLength = 1024;
};

// The checks take the field or its model: both edit through the same names.
template <typename Editor>
[[noreturn]] void violation(const char* what, const Editor& editor) {
    std::fprintf(stderr, "violated: %s (text of %lld units, cursor %lld, selection %lld-%lld)\n",
                 what, static_cast<long long>(editor.text().size()),
                 static_cast<long long>(editor.cursorPosition()),
                 static_cast<long long>(editor.selectionStart()),
                 static_cast<long long>(editor.selectionEnd()));
    std::abort();
}

inline bool isCharacterStart(const QString& text, qsizetype position) {
    return position >= 0 && position <= text.size() &&
           !(position > 0 && position < text.size() && text[position].isLowSurrogate() &&
             text[position - 1].isHighSurrogate());
}

struct FieldSelection {
    qsizetype anchor;
    qsizetype cursor;
    bool operator==(const FieldSelection&) const = default;
};

template <typename Editor>
FieldSelection selectionOf(const Editor& editor) {
    const qsizetype cursor = editor.cursorPosition();
    return {editor.selectionStart() == cursor ? editor.selectionEnd() : editor.selectionStart(),
            cursor};
}

template <typename Editor>
void checkPositions(const Editor& editor) {
    const FieldSelection selection = selectionOf(editor);
    if (!isCharacterStart(editor.text(), selection.cursor)) {
        violation("the insertion point is within the text, at a character's start", editor);
    }
    if (!isCharacterStart(editor.text(), selection.anchor)) {
        violation("the anchor is within the text, at a character's start", editor);
    }
}

// Undo then redo gives back the text; after an edit (`edited`: the text changed and nothing is
// left to redo) it gives back the selection too. The selection is put back after the check, so
// that the events play on as without it. The text is compared with a copy kept in `copy`, whose
// storage is reused: a new copy of a megabyte text for each event would cost more than the event.
template <typename Editor>
void checkUndoAndRedo(Editor& editor, bool edited, QString& copy) {
    if (!editor.isUndoAvailable()) {
        return;
    }
    const FieldSelection after = selectionOf(editor);
    copy.resize(0);
    copy.append(editor.text().constData(), editor.text().size());
    editor.undo();
    editor.redo();
    if (editor.text() != copy) {
        violation("undo then redo gives back the text", editor);
    }
    if (edited && selectionOf(editor) != after) {
        violation("undo then redo gives back the selection", editor);
    }
    editor.setSelection(after.anchor, after.cursor);
}

}  // namespace tallomat::testing

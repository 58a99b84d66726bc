#pragma once

#include <QString>
#include <QStringView>
#include <algorithm>
#include <cstddef>
#include <vector>

namespace tallomat {

// The editing of a text field without the field: its text, insertion point, selection, undo and
// redo, and what its editing keys do. It needs neither a widget nor an application, so it can be
// tested and fuzzed as plain code; the field paints it, routes events to it, owns the clipboard
// and tells assistive technology of its changes.
//
// Positions are UTF-16 offsets into the text, as everywhere in Qt; the insertion point and the
// anchor never stop inside a surrogate pair. The text has no length limit: finding a character or
// word boundary looks at a fixed reach of text around the position, so that an edit costs the same
// in a pasted megabyte as in "12".
class TextFieldModel {
  public:
    // How far either side of a position the text is looked at to find a boundary; as much as a
    // view of the field lays out.
    static constexpr qsizetype kReach = 1024;

    // One change of the text, at `position`: `removed` was replaced by `inserted`. `Set` is a new
    // whole text (`setText`); the others are edits, or edits undone or redone.
    struct TextChange {
        enum class Kind { Set, Edit, Undo, Redo };
        Kind kind;
        qsizetype position;
        const QString& removed;
        const QString& inserted;
    };

    // What the model tells the field, in the order it happens: each change of the text, then that
    // the insertion point or the selection was set (also to where it was).
    class Listener {
      public:
        virtual void textChanged(const TextChange& change) = 0;
        virtual void cursorMoved() = 0;

      protected:
        ~Listener() = default;
    };

    enum class Boundary { Character, Word };
    // Where a movement key takes the insertion point.
    enum class Movement { PreviousCharacter, NextCharacter, PreviousWord, NextWord, Start, End };

    explicit TextFieldModel(Listener& listener) : listener_(listener) {}

    const QString& text() const { return text_; }
    // Replaces the whole text, puts the insertion point at its end, selects nothing and clears
    // the undo history.
    void setText(const QString& text);

    // The nearest position at or before `position` that starts a character of the text; positions
    // beyond either end are taken to that end.
    qsizetype characterStart(qsizetype position) const;
    // The boundary after or before `position` (a position in the text), as the field shows the
    // text: a character with its combining marks is one, and a control character is a space.
    qsizetype nextBoundary(qsizetype position, Boundary boundary, bool forward) const;

    qsizetype cursorPosition() const { return cursor_; }
    void setCursorPosition(qsizetype position) { moveCursor(position, false); }
    // Moves the insertion point to `position`, keeping the anchor when `select`.
    void moveCursor(qsizetype position, bool select);
    void move(Movement movement, bool select);
    bool hasSelectedText() const { return anchor_ != cursor_; }
    QString selectedText() const;
    qsizetype selectionStart() const { return std::min(anchor_, cursor_); }
    qsizetype selectionEnd() const { return std::max(anchor_, cursor_); }
    // Selects from `anchor` to `position`, the insertion point at `position`.
    void setSelection(qsizetype anchor, qsizetype position);
    void selectAll() { setSelection(0, text_.size()); }
    // The word at `position`, without the spaces after it, as a double click selects it.
    void selectWordAt(qsizetype position);

    // Edits as the user makes them: each one can be undone.
    void insert(const QString& text);  // replaces the selection
    // A typed text: printable characters only, and typing goes on the last undo step while
    // nothing else comes between. False, and nothing changes, for any other text.
    bool type(const QString& typed);
    // Pastes `text` over the selection; an empty text with nothing selected does nothing.
    void paste(const QString& text);
    // Each removes the selection when there is one, else the character or word before or after
    // the insertion point.
    void backspace();
    void del();
    void removePreviousWord();
    void removeNextWord();
    void undo();
    void redo();
    bool isUndoAvailable() const { return undone_ < history_.size(); }
    bool isRedoAvailable() const { return undone_ > 0; }

    // The text as the field shows it: control characters take the place of a space, so that no
    // font draws them as boxes; the text itself keeps them.
    static QString shownText(QStringView text);

  private:
    // One undoable change: at `position`, `removed` was replaced by `inserted`.
    struct Edit {
        qsizetype position;
        QString removed;
        QString inserted;
        qsizetype anchorBefore;
        qsizetype cursorBefore;
        bool typing;  // a typed text, merged with the typing before it into one undo step
    };

    void replace(qsizetype from, qsizetype to, const QString& inserted, bool typing = false);
    void apply(const Edit& edit, TextChange::Kind kind);
    void removeTo(qsizetype position);

    Listener& listener_;
    QString text_;
    qsizetype cursor_ = 0;
    qsizetype anchor_ = 0;
    std::vector<Edit> history_;
    std::size_t undone_ = 0;  // edits at the end of the history that are undone
};

}  // namespace tallomat

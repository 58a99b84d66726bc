#pragma once

#include <QBasicTimer>
#include <QClipboard>
#include <QString>
#include <QWidget>
#include <utility>
#include <vector>

class QMenu;
class QStyleOptionFrame;

namespace tallomat {

// A single-line text field for the display and the indicator. It edits like a desktop line edit
// (insertion point, selection, clipboard, undo and redo, mouse, drops, context menu) and has no
// length limit, but it lays out and paints only the part of its text that is in view. So a key
// costs the same on a pasted megabyte as on "12": a field that shapes its whole line on every
// change and every repaint takes a fraction of a second per key on such a text.
//
// Positions are UTF-16 offsets into the text, as everywhere in Qt; the insertion point never
// stops inside a surrogate pair.
//
// Left out on purpose:
// - input methods: every typed character must pass the window's key filter first, and text that
//   an input method composes would reach the field without it, so the field takes key presses
//   only;
// - right-to-left layout: the field shows numbers, which read left to right; its line is always
//   laid out left to right, and the view scrolls as if every letter ran that way, so that beside
//   right-to-left letters the insertion point may lie outside the view.
class TextField final : public QWidget {
    Q_OBJECT

  public:
    // The most text, in UTF-16 units, that one view lays out.
    static constexpr qsizetype kViewRun = 1024;

    explicit TextField(QWidget* parent = nullptr);
    ~TextField() override;

    const QString& text() const { return text_; }
    // Replaces the whole text, puts the insertion point at its end, selects nothing and clears
    // the undo history.
    void setText(const QString& text);

    // The nearest position at or before `position` that starts a character of the text.
    qsizetype characterStart(qsizetype position) const;

    qsizetype cursorPosition() const { return cursor_; }
    void setCursorPosition(qsizetype position);
    bool hasSelectedText() const { return anchor_ != cursor_; }
    QString selectedText() const;
    qsizetype selectionStart() const { return std::min(anchor_, cursor_); }
    qsizetype selectionEnd() const { return std::max(anchor_, cursor_); }
    // Selects from `anchor` to `position`, the insertion point at `position`.
    void setSelection(qsizetype anchor, qsizetype position);
    void selectAll();

    // Edits as the user makes them: each one can be undone.
    void insert(const QString& text);  // replaces the selection
    void backspace();
    void del();
    void cut();
    void copy() const;
    void paste();
    void undo();
    void redo();
    bool isUndoAvailable() const { return undone_ < history_.size(); }
    bool isRedoAvailable() const { return undone_ > 0; }

    // The rectangle of the insertion point, in the field's coordinates; empty when the position is
    // scrolled out of view.
    QRect characterRect(qsizetype position) const;
    // The text position nearest to a point of the field.
    qsizetype positionAt(QPoint point) const;

    QSize sizeHint() const override;

    // The longest text, in UTF-16 units, that any field has laid out at once since the last call;
    // what a key costs follows from it. For tests.
    static qsizetype takeLongestLayout();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void timerEvent(QTimerEvent* event) override;

  private:
    // One undoable change: at `position`, `removed` was replaced by `inserted`.
    struct Edit {
        qsizetype position;
        QString removed;
        QString inserted;
        qsizetype anchorBefore;
        qsizetype cursorBefore;
        bool typing;  // a typed character, merged with the typing before it into one undo step
    };
    enum class Boundary { Character, Word };

    void replace(qsizetype from, qsizetype to, const QString& inserted, bool typing = false);
    void apply(const Edit& edit, bool reverse);
    void moveCursor(qsizetype position, bool select);
    qsizetype nextBoundary(qsizetype position, Boundary boundary, bool forward) const;
    void removeTo(qsizetype position);
    bool runStandardKey(const QKeyEvent& event);
    QMenu* createContextMenu();
    void copyToClipboard(QClipboard::Mode mode) const;

    void initPanel(QStyleOptionFrame& panel) const;
    QRect textArea() const;
    QPoint textOrigin(const QRect& area) const;
    int cursorWidth() const;
    // The start of the text that fills the view up to `end`.
    qsizetype firstFittingBefore(qsizetype end) const;
    bool fitsInView(qsizetype from, qsizetype to) const;
    void scrollToCursor();
    void announceTextChange(qsizetype position, const QString& removed, const QString& inserted);
    void cursorMoved();
    void announceSelection();
    void showDropPosition(qsizetype position);
    void restartBlink();

    QString text_;
    qsizetype cursor_ = 0;
    qsizetype anchor_ = 0;
    qsizetype firstVisible_ = 0;  // the text position at the left edge of the view
    std::vector<Edit> history_;
    std::size_t undone_ = 0;  // edits at the end of the history that are undone
    bool cursorShown_ = false;
    bool selectingWithMouse_ = false;
    QBasicTimer blinkTimer_;
    // After a double click, a press near it within the double-click interval is a triple click.
    QBasicTimer tripleClickTimer_;
    QPoint tripleClickPoint_;
    qsizetype dropPosition_ = -1;  // where dragged text would go; -1 when nothing is dragged
    // The selection that assistive technology last heard of; -1 to -1 when nothing is selected.
    std::pair<qsizetype, qsizetype> announcedSelection_{-1, -1};
};

}  // namespace tallomat

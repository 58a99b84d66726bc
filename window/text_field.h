#pragma once

#include <QBasicTimer>
#include <QClipboard>
#include <QString>
#include <QWidget>
#include <utility>

#include "text_field_model.h"

class QMenu;
class QStyleOptionFrame;

namespace tallomat {

// A single-line text field for the display and the indicator. It edits like a desktop line edit
// (insertion point, selection, clipboard, undo and redo, mouse, drops, context menu) and has no
// length limit, but it lays out and paints only the part of its text that is in view. So a key
// costs the same on a pasted megabyte as on "12": a field that shapes its whole line on every
// change and every repaint takes a fraction of a second per key on such a text.
//
// The editing itself is its model's (TextFieldModel): the field paints it, turns events into its
// edits, owns the clipboard and tells assistive technology what the model reports.
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
class TextField final : public QWidget, private TextFieldModel::Listener {
    Q_OBJECT

  public:
    // The most text, in UTF-16 units, that one view lays out.
    static constexpr qsizetype kViewRun = TextFieldModel::kReach;

    explicit TextField(QWidget* parent = nullptr);
    ~TextField() override;

    // The model's, as a line edit gives its line control's.
    const QString& text() const { return model_.text(); }
    void setText(const QString& text) { model_.setText(text); }
    qsizetype characterStart(qsizetype position) const { return model_.characterStart(position); }
    qsizetype cursorPosition() const { return model_.cursorPosition(); }
    void setCursorPosition(qsizetype position) { model_.setCursorPosition(position); }
    bool hasSelectedText() const { return model_.hasSelectedText(); }
    QString selectedText() const { return model_.selectedText(); }
    qsizetype selectionStart() const { return model_.selectionStart(); }
    qsizetype selectionEnd() const { return model_.selectionEnd(); }
    void setSelection(qsizetype anchor, qsizetype position) {
        model_.setSelection(anchor, position);
    }
    void selectAll() { model_.selectAll(); }
    void insert(const QString& text) { model_.insert(text); }
    void backspace() { model_.backspace(); }
    void del() { model_.del(); }
    void undo() { model_.undo(); }
    void redo() { model_.redo(); }
    bool isUndoAvailable() const { return model_.isUndoAvailable(); }
    bool isRedoAvailable() const { return model_.isRedoAvailable(); }

    // The clipboard's: each can be undone.
    void cut();
    void copy() const;
    void paste();

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
    void textChanged(const TextFieldModel::TextChange& change) override;
    void cursorMoved() override;

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
    void announceSelection();
    void showDropPosition(qsizetype position);
    void restartBlink();

    TextFieldModel model_{*this};
    qsizetype firstVisible_ = 0;  // the text position at the left edge of the view
    bool cursorShown_ = false;
    bool selectingWithMouse_ = false;
    QBasicTimer blinkTimer_;
    // After a double click, a press near it within the double-click interval is a triple click.
    QBasicTimer tripleClickTimer_;
    QPoint tripleClickPoint_;
    qsizetype dropPosition_ = -1;  // where dragged text would go; -1 when nothing is dragged
    bool textSet_ = false;  // a new whole text, until the insertion point that it moves is shown
    // The selection that assistive technology last heard of; -1 to -1 when nothing is selected.
    std::pair<qsizetype, qsizetype> announcedSelection_{-1, -1};
};

}  // namespace tallomat

#include "text_field.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QTextLayout>
#include <algorithm>

#include "text_field_accessible.h"

namespace tallomat {
namespace {

// The editing commands are those of Qt's own line edit, in the words of Qt's translation for them.
QString qtEditCommand(const char* english) {
    return QCoreApplication::translate("QLineEdit", english);
}

// The view's run is many times what a field of any sensible width shows, and little enough that
// laying it out takes a fraction of a millisecond.
constexpr qsizetype kViewRun = TextField::kViewRun;

qsizetype longestLayout = 0;

// Space between the frame's contents and the text, as the platform's line edits keep it.
constexpr int kHorizontalMargin = 2;
constexpr int kVerticalMargin = 1;

// Control characters take the place of a space in the view, so that no font draws them as boxes;
// the text itself keeps them.
QString viewText(QStringView text) {
    QString shown = text.toString();
    for (QChar& character : shown) {
        const char16_t unit = character.unicode();
        if ((unit < 0x20 && unit != u'\t') || unit == 0x7f || unit == 0x2028 || unit == 0x2029 ||
            unit == 0xfeff) {
            character = u' ';
        }
    }
    return shown;
}

// A piece of the text, laid out on one line in the field's font.
struct TextRun {
    TextRun(const QString& text, qsizetype start, qsizetype end, const QFont& font)
        : from(start),
          to(end),
          layout(viewText(QStringView(text).sliced(start, end - start)), font) {
        longestLayout = std::max(longestLayout, end - start);
        QTextOption option;
        option.setWrapMode(QTextOption::NoWrap);
        // A run starts anywhere in the text, so a direction taken from its first letter would
        // change as the view scrolls.
        option.setTextDirection(Qt::LeftToRight);
        layout.setTextOption(option);
        layout.beginLayout();
        line = layout.createLine();
        layout.endLayout();
    }

    qreal x(qsizetype position) const { return line.cursorToX(static_cast<int>(position - from)); }
    // The position nearest to `x`. QTextLine::xToCursor answers the end of the line for a point
    // over some combining marks; the positions are then searched by their x instead.
    qsizetype position(qreal x) const {
        const qsizetype answer = from + line.xToCursor(x);
        if (answer < to || answer == from ||
            x >= this->x(previousPosition(to, QTextLayout::SkipCharacters))) {
            return answer;
        }
        qsizetype low = from;
        qsizetype high = to;
        while (low < high) {
            const qsizetype middle = low + (high - low) / 2;
            if (this->x(middle) < x) {
                low = middle + 1;
            } else {
                high = middle;
            }
        }
        const qsizetype after = layout.isValidCursorPosition(static_cast<int>(low - from))
                                    ? low
                                    : nextPosition(low, QTextLayout::SkipCharacters);
        const qsizetype before = previousPosition(after, QTextLayout::SkipCharacters);
        return x - this->x(before) <= this->x(after) - x ? before : after;
    }
    qsizetype nextPosition(qsizetype position, QTextLayout::CursorMode mode) const {
        return from + layout.nextCursorPosition(static_cast<int>(position - from), mode);
    }
    qsizetype previousPosition(qsizetype position, QTextLayout::CursorMode mode) const {
        return from + layout.previousCursorPosition(static_cast<int>(position - from), mode);
    }

    qsizetype from;
    qsizetype to;
    QTextLayout layout;
    QTextLine line;
};

bool splitsSurrogatePair(const QString& text, qsizetype position) {
    return position > 0 && position < text.size() && text[position].isLowSurrogate() &&
           text[position - 1].isHighSurrogate();
}

// The nearest position at or before `position` that starts a character of the text.
qsizetype characterStart(const QString& text, qsizetype position) {
    position = std::clamp<qsizetype>(position, 0, text.size());
    return splitsSurrogatePair(text, position) ? position - 1 : position;
}

// The text around `position`, as far as a view reaches either way, cut at whole characters.
TextRun runAround(const QString& text, qsizetype position, const QFont& font) {
    return TextRun(text, characterStart(text, position - kViewRun),
                   characterStart(text, position + kViewRun), font);
}

// The text that a view starting at `first` can show.
TextRun runFrom(const QString& text, qsizetype first, const QFont& font) {
    return TextRun(text, first, characterStart(text, first + kViewRun), font);
}

QString withShortcut(const QString& label, QKeySequence::StandardKey key) {
    const QString shortcut = QKeySequence(key).toString(QKeySequence::NativeText);
    return shortcut.isEmpty() ? label : label + u'\t' + shortcut;
}

// Where a movement key takes the insertion point.
enum class Target { PreviousCharacter, NextCharacter, PreviousWord, NextWord, Start, End };

struct Movement {
    QKeySequence::StandardKey key;
    Target target;
    bool select;
};

constexpr Movement kMovements[] = {
    {QKeySequence::MoveToPreviousChar, Target::PreviousCharacter, false},
    {QKeySequence::MoveToNextChar, Target::NextCharacter, false},
    {QKeySequence::MoveToPreviousWord, Target::PreviousWord, false},
    {QKeySequence::MoveToNextWord, Target::NextWord, false},
    {QKeySequence::MoveToStartOfLine, Target::Start, false},
    {QKeySequence::MoveToStartOfBlock, Target::Start, false},
    {QKeySequence::MoveToStartOfDocument, Target::Start, false},
    {QKeySequence::MoveToEndOfLine, Target::End, false},
    {QKeySequence::MoveToEndOfBlock, Target::End, false},
    {QKeySequence::MoveToEndOfDocument, Target::End, false},
    {QKeySequence::SelectPreviousChar, Target::PreviousCharacter, true},
    {QKeySequence::SelectNextChar, Target::NextCharacter, true},
    {QKeySequence::SelectPreviousWord, Target::PreviousWord, true},
    {QKeySequence::SelectNextWord, Target::NextWord, true},
    {QKeySequence::SelectStartOfLine, Target::Start, true},
    {QKeySequence::SelectStartOfBlock, Target::Start, true},
    {QKeySequence::SelectStartOfDocument, Target::Start, true},
    {QKeySequence::SelectEndOfLine, Target::End, true},
    {QKeySequence::SelectEndOfBlock, Target::End, true},
    {QKeySequence::SelectEndOfDocument, Target::End, true},
};

}  // namespace

TextField::TextField(QWidget* parent) : QWidget(parent) {
    installTextFieldAccessibility();
    setBackgroundRole(QPalette::Base);
    setAttribute(Qt::WA_MacShowFocusRect);
    setCursor(Qt::IBeamCursor);
    setAcceptDrops(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

TextField::~TextField() = default;

void TextField::setText(const QString& text) {
    const QString removed = std::exchange(text_, text);
    history_.clear();
    undone_ = 0;
    cursor_ = anchor_ = text_.size();
    announceTextChange(0, removed, text_);
    cursorMoved();
}

qsizetype TextField::characterStart(qsizetype position) const {
    return tallomat::characterStart(text_, position);
}

void TextField::setCursorPosition(qsizetype position) {
    moveCursor(position, false);
}

QString TextField::selectedText() const {
    return text_.sliced(selectionStart(), selectionEnd() - selectionStart());
}

void TextField::setSelection(qsizetype anchor, qsizetype position) {
    anchor_ = characterStart(anchor);
    cursor_ = characterStart(position);
    cursorMoved();
}

void TextField::selectAll() {
    setSelection(0, text_.size());
}

void TextField::insert(const QString& text) {
    replace(selectionStart(), selectionEnd(), text);
}

void TextField::backspace() {
    removeTo(characterStart(cursor_ - 1));
}

void TextField::del() {
    removeTo(nextBoundary(cursor_, Boundary::Character, true));
}

void TextField::cut() {
    if (hasSelectedText()) {
        copy();
        insert({});
    }
}

void TextField::copy() const {
    copyToClipboard(QClipboard::Clipboard);
}

void TextField::paste() {
    const QString pasted = QGuiApplication::clipboard()->text(QClipboard::Clipboard);
    if (!pasted.isEmpty() || hasSelectedText()) {
        insert(pasted);
    }
}

void TextField::undo() {
    if (isUndoAvailable()) {
        ++undone_;
        apply(history_[history_.size() - undone_], true);
    }
}

void TextField::redo() {
    if (isRedoAvailable()) {
        apply(history_[history_.size() - undone_], false);
        --undone_;
    }
}

void TextField::copyToClipboard(QClipboard::Mode mode) const {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (hasSelectedText() && (mode == QClipboard::Clipboard || clipboard->supportsSelection())) {
        clipboard->setText(selectedText(), mode);
    }
}

// Every change of the text goes through here, so that it can be undone.
void TextField::replace(qsizetype from, qsizetype to, const QString& inserted, bool typing) {
    Edit edit{from, text_.sliced(from, to - from), inserted, anchor_, cursor_, typing};
    if (edit.removed.isEmpty() && edit.inserted.isEmpty()) {
        return;
    }
    apply(edit, false);
    history_.resize(history_.size() - undone_);
    undone_ = 0;
    Edit* last = history_.empty() ? nullptr : &history_.back();
    if (typing && last != nullptr && last->typing && edit.removed.isEmpty() &&
        last->removed.isEmpty() && last->position + last->inserted.size() == from) {
        last->inserted += inserted;
    } else {
        history_.push_back(std::move(edit));
    }
}

void TextField::apply(const Edit& edit, bool reverse) {
    const QString& removed = reverse ? edit.inserted : edit.removed;
    const QString& inserted = reverse ? edit.removed : edit.inserted;
    text_.replace(edit.position, removed.size(), inserted);
    if (reverse) {
        anchor_ = edit.anchorBefore;
        cursor_ = edit.cursorBefore;
    } else {
        anchor_ = cursor_ = edit.position + inserted.size();
        if (splitsSurrogatePair(text_, cursor_)) {
            anchor_ = ++cursor_;  // the edit joined two halves of a pair: it ends after the pair
        }
    }
    announceTextChange(edit.position, removed, inserted);
    cursorMoved();
}

void TextField::moveCursor(qsizetype position, bool select) {
    cursor_ = characterStart(position);
    if (!select) {
        anchor_ = cursor_;
    }
    cursorMoved();
}

// Character and word boundaries come from a run of text around the position, so that finding them
// costs the same in a text of any length.
qsizetype TextField::nextBoundary(qsizetype position, Boundary boundary, bool forward) const {
    const TextRun run = runAround(text_, position, font());
    const auto mode =
        boundary == Boundary::Word ? QTextLayout::SkipWords : QTextLayout::SkipCharacters;
    return forward ? run.nextPosition(position, mode) : run.previousPosition(position, mode);
}

// Removes the selection, or else the text between the insertion point and `position`.
void TextField::removeTo(qsizetype position) {
    if (hasSelectedText()) {
        insert({});
    } else {
        replace(std::min(cursor_, position), std::max(cursor_, position), {});
    }
}

void TextField::keyPressEvent(QKeyEvent* event) {
    if (runStandardKey(*event)) {
        return;
    }
    const QString typed = event->text();
    const bool printable = !typed.isEmpty() && std::ranges::all_of(typed, [](QChar character) {
        return character.isPrint() || character.isSurrogate();
    });
    if (printable && !(event->modifiers() & Qt::ControlModifier)) {
        if (hasSelectedText()) {
            insert(typed);
        } else {
            replace(cursor_, cursor_, typed, true);
        }
        return;
    }
    event->ignore();
}

bool TextField::runStandardKey(const QKeyEvent& event) {
    for (const Movement& movement : kMovements) {
        if (!event.matches(movement.key)) {
            continue;
        }
        switch (movement.target) {
            case Target::PreviousCharacter:
            case Target::NextCharacter: {
                const bool forward = movement.target == Target::NextCharacter;
                if (hasSelectedText() && !movement.select) {
                    moveCursor(forward ? selectionEnd() : selectionStart(), false);
                } else {
                    moveCursor(nextBoundary(cursor_, Boundary::Character, forward),
                               movement.select);
                }
                break;
            }
            case Target::PreviousWord:
            case Target::NextWord:
                moveCursor(
                    nextBoundary(cursor_, Boundary::Word, movement.target == Target::NextWord),
                    movement.select);
                break;
            case Target::Start:
                moveCursor(0, movement.select);
                break;
            case Target::End:
                moveCursor(text_.size(), movement.select);
                break;
        }
        return true;
    }
    if (event.matches(QKeySequence::SelectAll)) {
        selectAll();
    } else if (event.matches(QKeySequence::Copy)) {
        copy();
    } else if (event.matches(QKeySequence::Cut)) {
        cut();
    } else if (event.matches(QKeySequence::Paste)) {
        paste();
    } else if (event.matches(QKeySequence::Undo)) {
        undo();
    } else if (event.matches(QKeySequence::Redo)) {
        redo();
    } else if (event.matches(QKeySequence::DeleteStartOfWord)) {
        removeTo(nextBoundary(cursor_, Boundary::Word, false));
    } else if (event.matches(QKeySequence::DeleteEndOfWord)) {
        removeTo(nextBoundary(cursor_, Boundary::Word, true));
    } else if (event.matches(QKeySequence::Delete)) {
        del();
    } else if (event.key() == Qt::Key_Backspace &&
               (event.modifiers() & ~Qt::ShiftModifier) == Qt::NoModifier) {
        backspace();
    } else {
        return false;
    }
    return true;
}

void TextField::mousePressEvent(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    const qsizetype position = positionAt(point);
    if (event->button() == Qt::LeftButton && tripleClickTimer_.isActive() &&
        (point - tripleClickPoint_).manhattanLength() < QApplication::startDragDistance()) {
        tripleClickTimer_.stop();
        selectAll();
        copyToClipboard(QClipboard::Selection);
    } else if (event->button() == Qt::LeftButton) {
        selectingWithMouse_ = true;
        moveCursor(position, event->modifiers() & Qt::ShiftModifier);
    } else if (event->button() == Qt::MiddleButton &&
               QGuiApplication::clipboard()->supportsSelection()) {
        // Pastes the desktop's primary selection, as text fields on X11 do.
        const QString selection = QGuiApplication::clipboard()->text(QClipboard::Selection);
        moveCursor(position, false);
        insert(selection);
    }
}

// Dragging beyond either edge of the text selects one more character out of view, so that the
// text scrolls under the pointer.
void TextField::mouseMoveEvent(QMouseEvent* event) {
    if (!selectingWithMouse_ || !(event->buttons() & Qt::LeftButton)) {
        return;
    }
    const QPoint point = event->position().toPoint();
    const QRect area = textArea();
    qsizetype position = positionAt(point);
    if (point.x() < area.left() && position == firstVisible_) {
        position = nextBoundary(position, Boundary::Character, false);
    } else if (point.x() > area.right()) {
        position = nextBoundary(position, Boundary::Character, true);
    }
    moveCursor(position, true);
}

void TextField::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && selectingWithMouse_) {
        selectingWithMouse_ = false;
        copyToClipboard(QClipboard::Selection);
    }
}

void TextField::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) {
        return;
    }
    // The word under the pointer, without the spaces after it.
    const qsizetype position = positionAt(event->position().toPoint());
    const qsizetype start =
        nextBoundary(std::min(position + 1, text_.size()), Boundary::Word, false);
    qsizetype end = nextBoundary(start, Boundary::Word, true);
    while (end > position && end > start && text_[end - 1].isSpace()) {
        --end;
    }
    setSelection(start, end);
    copyToClipboard(QClipboard::Selection);
    tripleClickPoint_ = event->position().toPoint();
    tripleClickTimer_.start(QApplication::doubleClickInterval(), this);
}

QMenu* TextField::createContextMenu() {
    auto* menu = new QMenu(this);
    const bool editable = isEnabled();
    const auto add = [&](const QString& label, QKeySequence::StandardKey key, bool enabled,
                         auto command) {
        QAction* action = menu->addAction(withShortcut(label, key), this, command);
        action->setEnabled(editable && enabled);
    };
    const bool canPaste = !QGuiApplication::clipboard()->text(QClipboard::Clipboard).isEmpty();
    add(qtEditCommand("&Undo"), QKeySequence::Undo, isUndoAvailable(), &TextField::undo);
    add(qtEditCommand("&Redo"), QKeySequence::Redo, isRedoAvailable(), &TextField::redo);
    menu->addSeparator();
    add(qtEditCommand("Cu&t"), QKeySequence::Cut, hasSelectedText(), &TextField::cut);
    add(qtEditCommand("&Copy"), QKeySequence::Copy, hasSelectedText(), &TextField::copy);
    add(qtEditCommand("&Paste"), QKeySequence::Paste, canPaste, &TextField::paste);
    add(qtEditCommand("Delete"), QKeySequence::Delete, hasSelectedText(), &TextField::del);
    menu->addSeparator();
    add(qtEditCommand("Select All"), QKeySequence::SelectAll, !text_.isEmpty(),
        &TextField::selectAll);
    return menu;
}

void TextField::contextMenuEvent(QContextMenuEvent* event) {
    QMenu* menu = createContextMenu();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

void TextField::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasText()) {
        event->acceptProposedAction();
    }
}

// The insertion point and the selection stay as they are until the drop.
void TextField::dragMoveEvent(QDragMoveEvent* event) {
    if (event->mimeData()->hasText()) {
        showDropPosition(positionAt(event->position().toPoint()));
        event->acceptProposedAction();
    }
}

void TextField::dragLeaveEvent(QDragLeaveEvent* event) {
    QWidget::dragLeaveEvent(event);
    showDropPosition(-1);
}

void TextField::dropEvent(QDropEvent* event) {
    showDropPosition(-1);
    if (!event->mimeData()->hasText()) {
        return;
    }
    moveCursor(positionAt(event->position().toPoint()), false);
    insert(event->mimeData()->text());
    event->acceptProposedAction();
    setFocus(Qt::MouseFocusReason);
}

// A field takes the focus without selecting anything: the insertion point stays where it was.
void TextField::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    restartBlink();
    update();
}

void TextField::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    blinkTimer_.stop();
    cursorShown_ = false;
    update();
}

void TextField::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange) {
        scrollToCursor();
    }
    QWidget::changeEvent(event);
}

void TextField::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    scrollToCursor();
}

void TextField::timerEvent(QTimerEvent* event) {
    if (event->timerId() == tripleClickTimer_.timerId()) {
        tripleClickTimer_.stop();
        return;
    }
    if (event->timerId() != blinkTimer_.timerId()) {
        QWidget::timerEvent(event);
        return;
    }
    cursorShown_ = !cursorShown_;
    update(characterRect(cursor_).adjusted(-1, 0, 1, 0));
}

void TextField::restartBlink() {
    cursorShown_ = hasFocus();
    const int flashTime = QApplication::cursorFlashTime();
    if (cursorShown_ && flashTime >= 2) {
        blinkTimer_.start(flashTime / 2, this);
    } else {
        blinkTimer_.stop();
    }
}

QRect TextField::textArea() const {
    QStyleOptionFrame panel;
    initPanel(panel);
    return style()
        ->subElementRect(QStyle::SE_LineEditContents, &panel, this)
        .adjusted(kHorizontalMargin, kVerticalMargin, -kHorizontalMargin, -kVerticalMargin);
}

void TextField::initPanel(QStyleOptionFrame& panel) const {
    panel.initFrom(this);
    panel.rect = contentsRect();
    panel.lineWidth = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &panel, this);
    panel.midLineWidth = 0;
    panel.state |= QStyle::State_Sunken;
    panel.features = QStyleOptionFrame::None;
}

int TextField::cursorWidth() const {
    return style()->pixelMetric(QStyle::PM_TextCursorWidth, nullptr, this);
}

QPoint TextField::textOrigin(const QRect& area) const {
    return {area.left(), area.top() + (area.height() - fontMetrics().height() + 1) / 2};
}

// Measured in the run that the view paints from `from`: where letters of both directions meet, a
// shorter run can order them, and so place `to`, otherwise.
bool TextField::fitsInView(qsizetype from, qsizetype to) const {
    if (to - from > kViewRun) {
        return false;
    }
    const TextRun run = runFrom(text_, from, font());
    return to <= run.to && run.x(to) + cursorWidth() <= textArea().width();
}

// Measured in a run that starts earlier, the width from a position to `end` can differ from what
// the view shows when it starts there (a tab's width depends on where the line starts), so the
// estimate is checked, and if need be moved on to the first position from which the view fits:
// a search, so that a few layouts settle it whatever the text.
qsizetype TextField::firstFittingBefore(qsizetype end) const {
    const TextRun run(text_, characterStart(end - kViewRun), end, font());
    const qreal left = run.x(end) + cursorWidth() - textArea().width();
    if (left <= 0) {
        return run.from;
    }
    qsizetype position = run.position(left);
    if (run.x(position) < left) {
        position = run.nextPosition(position, QTextLayout::SkipCharacters);
    }
    if (position >= end || fitsInView(position, end)) {
        return position;
    }
    qsizetype low = position;  // does not fit
    qsizetype high = end;
    while (high - low > 1) {
        const qsizetype middle = characterStart(low + (high - low) / 2);
        if (middle <= low) {
            break;
        }
        (fitsInView(middle, end) ? high : low) = middle;
    }
    return high;
}

// Scrolls as little as needed to show the insertion point, and shows as much text as fits.
void TextField::scrollToCursor() {
    firstVisible_ = characterStart(std::min(firstVisible_, text_.size()));
    if (cursor_ < firstVisible_) {
        firstVisible_ = cursor_;
    } else if (!fitsInView(firstVisible_, cursor_)) {
        firstVisible_ = firstFittingBefore(cursor_);
    }
    if (firstVisible_ > 0 && fitsInView(firstVisible_, text_.size())) {
        const qsizetype first = firstFittingBefore(text_.size());
        if (first < firstVisible_ && fitsInView(first, cursor_)) {
            firstVisible_ = first;
        }
    }
}

QRect TextField::characterRect(qsizetype position) const {
    if (position < firstVisible_ || position - firstVisible_ > kViewRun) {
        return {};
    }
    const QRect area = textArea();
    const TextRun run = runFrom(text_, firstVisible_, font());
    if (position > run.to) {
        return {};
    }
    const int x = area.left() + qRound(run.x(position));
    if (x > area.right()) {
        return {};
    }
    return {QPoint(x, textOrigin(area).y()), QSize(cursorWidth(), fontMetrics().height())};
}

qsizetype TextField::positionAt(QPoint point) const {
    const QRect area = textArea();
    const TextRun run = runFrom(text_, firstVisible_, font());
    return run.position(point.x() - area.left());
}

QSize TextField::sizeHint() const {
    const QFontMetrics metrics = fontMetrics();
    QStyleOptionFrame panel;
    initPanel(panel);
    const QSize text(metrics.horizontalAdvance(u'x') * 17 + 2 * kHorizontalMargin,
                     metrics.height() + 2 * kVerticalMargin);
    return style()->sizeFromContents(QStyle::CT_LineEdit, &panel, text, this);
}

void TextField::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QStyleOptionFrame panel;
    initPanel(panel);
    style()->drawPrimitive(QStyle::PE_PanelLineEdit, &panel, &painter, this);

    const QRect area = textArea();
    painter.setClipRect(area);
    const TextRun run = runFrom(text_, firstVisible_, font());
    QList<QTextLayout::FormatRange> selections;
    if (hasSelectedText() && selectionEnd() > run.from && selectionStart() < run.to) {
        const qsizetype start = std::max(selectionStart(), run.from);
        const qsizetype end = std::min(selectionEnd(), run.to);
        QTextLayout::FormatRange selection;
        selection.start = static_cast<int>(start - run.from);
        selection.length = static_cast<int>(end - start);
        const QPalette::ColorGroup group = hasFocus() ? QPalette::Active : QPalette::Inactive;
        selection.format.setBackground(palette().brush(group, QPalette::Highlight));
        selection.format.setForeground(palette().brush(group, QPalette::HighlightedText));
        selections.append(selection);
    }
    painter.setPen(palette().color(QPalette::Text));
    const QPoint origin = textOrigin(area);
    run.layout.draw(&painter, origin, selections);
    if (cursorShown_ && hasFocus() && cursor_ >= run.from && cursor_ <= run.to) {
        run.layout.drawCursor(&painter, origin, static_cast<int>(cursor_ - run.from),
                              cursorWidth());
    }
    if (dropPosition_ >= run.from && dropPosition_ <= run.to) {
        run.layout.drawCursor(&painter, origin, static_cast<int>(dropPosition_ - run.from),
                              cursorWidth());
    }
}

void TextField::announceTextChange(qsizetype position, const QString& removed,
                                   const QString& inserted) {
    if (QAccessible::isActive()) {
        QAccessibleTextUpdateEvent event(this, static_cast<int>(position), removed, inserted);
        QAccessible::updateAccessibility(&event);
    }
}

void TextField::cursorMoved() {
    scrollToCursor();
    if (hasFocus()) {
        restartBlink();
    }
    update();
    if (QAccessible::isActive()) {
        QAccessibleTextCursorEvent event(this, static_cast<int>(cursor_));
        QAccessible::updateAccessibility(&event);
    }
    announceSelection();
}

// Tells assistive technology of a new selection, and of one that is gone, as line edits do.
void TextField::announceSelection() {
    const std::pair<qsizetype, qsizetype> selection =
        hasSelectedText() ? std::pair(selectionStart(), selectionEnd())
                          : std::pair<qsizetype, qsizetype>(-1, -1);
    if (selection == announcedSelection_) {
        return;
    }
    announcedSelection_ = selection;
    if (QAccessible::isActive()) {
        QAccessibleTextSelectionEvent event(this, static_cast<int>(selection.first),
                                            static_cast<int>(selection.second));
        event.setCursorPosition(static_cast<int>(cursor_));
        QAccessible::updateAccessibility(&event);
    }
}

void TextField::showDropPosition(qsizetype position) {
    if (position != dropPosition_) {
        dropPosition_ = position;
        update();
    }
}

qsizetype TextField::takeLongestLayout() {
    return std::exchange(longestLayout, 0);
}

}  // namespace tallomat

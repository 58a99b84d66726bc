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

// A piece of the text, laid out on one line in the field's font.
struct TextRun {
    TextRun(const QString& text, qsizetype start, qsizetype end, const QFont& font)
        : from(start),
          to(end),
          layout(TextFieldModel::shownText(QStringView(text).sliced(start, end - start)), font) {
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

// The text that a view starting at `first` can show.
TextRun runFrom(const TextFieldModel& model, qsizetype first, const QFont& font) {
    return TextRun(model.text(), first, model.characterStart(first + kViewRun), font);
}

QString withShortcut(const QString& label, QKeySequence::StandardKey key) {
    const QString shortcut = QKeySequence(key).toString(QKeySequence::NativeText);
    return shortcut.isEmpty() ? label : label + u'\t' + shortcut;
}

using Movement = TextFieldModel::Movement;

// The platform's movement keys, and where each takes the insertion point.
struct MovementKey {
    QKeySequence::StandardKey key;
    Movement movement;
    bool select;
};

constexpr MovementKey kMovementKeys[] = {
    {QKeySequence::MoveToPreviousChar, Movement::PreviousCharacter, false},
    {QKeySequence::MoveToNextChar, Movement::NextCharacter, false},
    {QKeySequence::MoveToPreviousWord, Movement::PreviousWord, false},
    {QKeySequence::MoveToNextWord, Movement::NextWord, false},
    {QKeySequence::MoveToStartOfLine, Movement::Start, false},
    {QKeySequence::MoveToStartOfBlock, Movement::Start, false},
    {QKeySequence::MoveToStartOfDocument, Movement::Start, false},
    {QKeySequence::MoveToEndOfLine, Movement::End, false},
    {QKeySequence::MoveToEndOfBlock, Movement::End, false},
    {QKeySequence::MoveToEndOfDocument, Movement::End, false},
    {QKeySequence::SelectPreviousChar, Movement::PreviousCharacter, true},
    {QKeySequence::SelectNextChar, Movement::NextCharacter, true},
    {QKeySequence::SelectPreviousWord, Movement::PreviousWord, true},
    {QKeySequence::SelectNextWord, Movement::NextWord, true},
    {QKeySequence::SelectStartOfLine, Movement::Start, true},
    {QKeySequence::SelectStartOfBlock, Movement::Start, true},
    {QKeySequence::SelectStartOfDocument, Movement::Start, true},
    {QKeySequence::SelectEndOfLine, Movement::End, true},
    {QKeySequence::SelectEndOfBlock, Movement::End, true},
    {QKeySequence::SelectEndOfDocument, Movement::End, true},
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
    model_.paste(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
}

void TextField::copyToClipboard(QClipboard::Mode mode) const {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (hasSelectedText() && (mode == QClipboard::Clipboard || clipboard->supportsSelection())) {
        clipboard->setText(selectedText(), mode);
    }
}

void TextField::keyPressEvent(QKeyEvent* event) {
    if (runStandardKey(*event)) {
        return;
    }
    if (!(event->modifiers() & Qt::ControlModifier) && model_.type(event->text())) {
        return;
    }
    event->ignore();
}

bool TextField::runStandardKey(const QKeyEvent& event) {
    for (const MovementKey& key : kMovementKeys) {
        if (event.matches(key.key)) {
            model_.move(key.movement, key.select);
            return true;
        }
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
        model_.removePreviousWord();
    } else if (event.matches(QKeySequence::DeleteEndOfWord)) {
        model_.removeNextWord();
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
        model_.moveCursor(position, event->modifiers() & Qt::ShiftModifier);
    } else if (event->button() == Qt::MiddleButton &&
               QGuiApplication::clipboard()->supportsSelection()) {
        // Pastes the desktop's primary selection, as text fields on X11 do.
        const QString selection = QGuiApplication::clipboard()->text(QClipboard::Selection);
        model_.moveCursor(position, false);
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
        position = model_.nextBoundary(position, TextFieldModel::Boundary::Character, false);
    } else if (point.x() > area.right()) {
        position = model_.nextBoundary(position, TextFieldModel::Boundary::Character, true);
    }
    model_.moveCursor(position, true);
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
    model_.selectWordAt(positionAt(event->position().toPoint()));
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
    add(qtEditCommand("Select All"), QKeySequence::SelectAll, !text().isEmpty(),
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
    model_.moveCursor(positionAt(event->position().toPoint()), false);
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
    update(characterRect(cursorPosition()).adjusted(-1, 0, 1, 0));
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
    const TextRun run = runFrom(model_, from, font());
    return to <= run.to && run.x(to) + cursorWidth() <= textArea().width();
}

// Measured in a run that starts earlier, the width from a position to `end` can differ from what
// the view shows when it starts there (a tab's width depends on where the line starts), so the
// estimate is checked, and if need be moved on to the first position from which the view fits:
// a search, so that a few layouts settle it whatever the text.
qsizetype TextField::firstFittingBefore(qsizetype end) const {
    const TextRun run(text(), characterStart(end - kViewRun), end, font());
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
    const qsizetype cursor = cursorPosition();
    const qsizetype size = text().size();
    firstVisible_ = characterStart(std::min(firstVisible_, size));
    if (cursor < firstVisible_) {
        firstVisible_ = cursor;
    } else if (!fitsInView(firstVisible_, cursor)) {
        firstVisible_ = firstFittingBefore(cursor);
    }
    if (firstVisible_ > 0 && fitsInView(firstVisible_, size)) {
        const qsizetype first = firstFittingBefore(size);
        if (first < firstVisible_ && fitsInView(first, cursor)) {
            firstVisible_ = first;
        }
    }
}

QRect TextField::characterRect(qsizetype position) const {
    if (position < firstVisible_ || position - firstVisible_ > kViewRun) {
        return {};
    }
    const QRect area = textArea();
    const TextRun run = runFrom(model_, firstVisible_, font());
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
    const TextRun run = runFrom(model_, firstVisible_, font());
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
    const TextRun run = runFrom(model_, firstVisible_, font());
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
    const qsizetype cursor = cursorPosition();
    if (cursorShown_ && hasFocus() && cursor >= run.from && cursor <= run.to) {
        run.layout.drawCursor(&painter, origin, static_cast<int>(cursor - run.from), cursorWidth());
    }
    if (dropPosition_ >= run.from && dropPosition_ <= run.to) {
        run.layout.drawCursor(&painter, origin, static_cast<int>(dropPosition_ - run.from),
                              cursorWidth());
    }
}

// A new whole text is the program's write, not the user's edit, and the window announces what the
// user is to hear of it (ActionAnnouncer). The field that the user is in reports it as its old text
// removed: a removal makes a screen reader read the field's line again (its braille line), and it
// speaks removed text only when the user deleted it (BackSpace, Delete, cut). It is never reported
// as inserted text, which a screen reader takes for typing or completion and speaks or not by its
// own guess. Another field is not told, as for its insertion point (cursorMoved).
void TextField::textChanged(const TextFieldModel::TextChange& change) {
    if (change.kind == TextFieldModel::TextChange::Kind::Set) {
        textSet_ = true;
        if (hasFocus() && QAccessible::isActive()) {
            QAccessibleTextRemoveEvent event(this, static_cast<int>(change.position),
                                             change.removed);
            QAccessible::updateAccessibility(&event);
        }
        return;
    }
    if (QAccessible::isActive()) {
        QAccessibleTextUpdateEvent event(this, static_cast<int>(change.position), change.removed,
                                         change.inserted);
        QAccessible::updateAccessibility(&event);
    }
}

void TextField::cursorMoved() {
    scrollToCursor();
    if (hasFocus()) {
        restartBlink();
    }
    update();
    // A screen reader follows the insertion point of the field that the user is in (its braille
    // line). One that a new text puts in another field is not told: a screen reader that still
    // takes that field for the focus would read its line for the click that took the focus away.
    const bool followed = !std::exchange(textSet_, false) || hasFocus();
    if (followed && QAccessible::isActive()) {
        QAccessibleTextCursorEvent event(this, static_cast<int>(cursorPosition()));
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
        event.setCursorPosition(static_cast<int>(cursorPosition()));
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

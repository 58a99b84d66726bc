// The text field of the display and the indicator on its own: editing keys, undo, the mouse, drops,
// assistive technology, and a text far longer than the view.
#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QMenu>
#include <QMimeData>
#include <QTest>
#include <optional>
#include <vector>

#include "accessibility_events.h"
#include "text_field.h"

namespace tallomat {

using namespace Qt::StringLiterals;

namespace {

struct Key {
    Qt::Key key;
    QString text = {};
    Qt::KeyboardModifiers modifiers = {};
};

Key typed(char16_t character) {
    return {Qt::Key_unknown, QString(QChar(character))};
}

const Key kLeft{Qt::Key_Left};
const Key kRight{Qt::Key_Right};
const Key kHome{Qt::Key_Home};
const Key kEnd{Qt::Key_End};
const Key kShiftLeft{Qt::Key_Left, {}, Qt::ShiftModifier};
const Key kShiftRight{Qt::Key_Right, {}, Qt::ShiftModifier};
const Key kShiftHome{Qt::Key_Home, {}, Qt::ShiftModifier};
const Key kWordLeft{Qt::Key_Left, {}, Qt::ControlModifier};
const Key kWordRight{Qt::Key_Right, {}, Qt::ControlModifier};
const Key kBackspace{Qt::Key_Backspace, QString::fromUtf16(u"\b")};
const Key kDelete{Qt::Key_Delete, QString::fromUtf16(u"\x7f")};
const Key kWordBackspace{Qt::Key_Backspace, QString::fromUtf16(u"\b"), Qt::ControlModifier};
const Key kWordDelete{Qt::Key_Delete, QString::fromUtf16(u"\x7f"), Qt::ControlModifier};
const Key kSelectAll{Qt::Key_A, QString::fromUtf16(u"\x01"), Qt::ControlModifier};
const Key kCut{Qt::Key_X, QString::fromUtf16(u"\x18"), Qt::ControlModifier};
const Key kPaste{Qt::Key_V, QString::fromUtf16(u"\x16"), Qt::ControlModifier};
const Key kUndo{Qt::Key_Z, QString::fromUtf16(u"\x1a"), Qt::ControlModifier};
const Key kRedo{Qt::Key_Z, QString::fromUtf16(u"\x1a"), Qt::ControlModifier | Qt::ShiftModifier};
const Key kKillLine{Qt::Key_K, QString::fromUtf16(u"\x0b"), Qt::ControlModifier};
const Key kEnter{Qt::Key_Return, QString::fromUtf16(u"\r")};

struct EditCase {
    const char* name;
    const char16_t* text;  // set before the keys, insertion point at its end
    std::vector<Key> keys;
    const char16_t* expected;
    qsizetype cursor;
    qsizetype anchor;  // the selection's other end; the cursor when nothing is selected
};

const std::vector<EditCase>& editCases() {
    static const std::vector<EditCase> cases = {
        {"typing inserts at the insertion point", u"12", {kHome, typed(u'5')}, u"512", 1, 1},
        {"Left ends a selection at its start", u"123", {kSelectAll, kLeft}, u"123", 0, 0},
        {"Right ends a selection at its end", u"123", {kHome, kShiftRight, kRight}, u"123", 1, 1},
        {"Shift+Home selects to the start", u"123", {kLeft, kShiftHome}, u"123", 0, 2},
        {"Shift+Left extends the selection", u"123", {kShiftLeft, kShiftLeft}, u"123", 1, 3},
        {"Ctrl+Left goes to the start of the word", u"12 345", {kWordLeft}, u"12 345", 3, 3},
        {"Ctrl+Right goes to the next word", u"12 345", {kHome, kWordRight}, u"12 345", 3, 3},
        {"Ctrl+Right stops at an operator", u"12+345", {kHome, kWordRight}, u"12+345", 2, 2},
        {"Ctrl+Left takes a run of operators as a word",
         u"12+-345",
         {kWordLeft, kWordLeft},
         u"12+-345",
         2,
         2},
        {"Ctrl+Right takes a control character for a space",
         u"12\x01"
         u"34",
         {kHome, kWordRight},
         u"12\x01"
         u"34",
         3,
         3},
        {"Right steps over a combining mark",
         u"1e\u03012",
         {kHome, kRight, kRight},
         u"1e\u03012",
         3,
         3},
        {"Ctrl+Backspace deletes the word before", u"12 345", {kWordBackspace}, u"12 ", 3, 3},
        {"Ctrl+Delete deletes the word after", u"12 345", {kHome, kWordDelete}, u"345", 0, 0},
        {"Backspace removes a selection",
         u"12345",
         {kShiftLeft, kShiftLeft, kBackspace},
         u"123",
         3,
         3},
        {"Backspace removes a character beyond 16 bits whole",
         u"1\U0001F600",
         {kBackspace},
         u"1",
         1,
         1},
        {"Left steps over a character beyond 16 bits",
         u"1\U0001F6002",
         {kLeft, kLeft},
         u"1\U0001F6002",
         1,
         1},
        {"Delete removes a character beyond 16 bits whole",
         u"1\U0001F6002",
         {kHome, kRight, kDelete},
         u"12",
         1,
         1},
        {"a first half typed before a second half ends after the pair",
         u"1\xde00",
         {kLeft, typed(0xd83d)},
         u"1\U0001F600",
         3,
         3},
        {"a deletion that joins two halves ends after the pair",
         u"\xd83d"
         u"2\xde00",
         {kLeft, kBackspace},
         u"\U0001F600",
         2,
         2},
        {"Backspace at the start does nothing", u"12", {kHome, kBackspace}, u"12", 0, 0},
        {"Delete at the end does nothing", u"12", {kDelete}, u"12", 2, 2},
        {"cut and paste move the text",
         u"12345",
         {kHome, kShiftRight, kCut, kEnd, kPaste},
         u"23451",
         5,
         5},
        {"typing replaces the selection", u"12345", {kSelectAll, typed(u'7')}, u"7", 1, 1},
        {"a new text cannot be undone", u"12", {kUndo}, u"12", 2, 2},
        {"typing is undone in one step", u"12", {typed(u'3'), typed(u'4'), kUndo}, u"12", 2, 2},
        {"moving starts a new undo step",
         u"12",
         {typed(u'3'), kHome, typed(u'4'), kUndo},
         u"123",
         0,
         0},
        {"undo restores the selection",
         u"12345",
         {kShiftLeft, kShiftLeft, kBackspace, kUndo},
         u"12345",
         3,
         5},
        {"undo and redo walk the history",
         u"12",
         {typed(u'3'), kHome, kDelete, kUndo, kUndo, kRedo},
         u"123",
         3,
         3},
        {"an edit after undo drops the redo",
         u"12",
         {typed(u'3'), kUndo, typed(u'4'), kRedo},
         u"124",
         3,
         3},
        {"a control character is not inserted", u"12", {kKillLine, kEnter}, u"12", 2, 2},
    };
    return cases;
}

}  // namespace

class TextFieldTest : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        field_.emplace();
        field_->setFont(QFont(u"Liberation Sans"_s, 12));
        field_->resize(313, 27);
        field_->show();
        field_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&*field_));
        field_->setFocus();
    }
    void cleanup() { field_.reset(); }

    void keysEditTheText_data() {
        QTest::addColumn<int>("index");
        for (int index = 0; const EditCase& row : editCases()) {
            QTest::newRow(row.name) << index++;
        }
    }
    void keysEditTheText() {
        QFETCH(int, index);
        const EditCase& row = editCases()[static_cast<std::size_t>(index)];
        field_->setText(QString::fromUtf16(row.text));
        for (const Key& key : row.keys) {
            press(key);
        }
        QCOMPARE(field_->text(), QString::fromUtf16(row.expected));
        QCOMPARE(field_->cursorPosition(), row.cursor);
        const qsizetype anchor = field_->selectionStart() == row.cursor ? field_->selectionEnd()
                                                                        : field_->selectionStart();
        QCOMPARE(anchor, row.anchor);
    }

    // A text far longer than the view: the insertion point stays in view wherever it goes, and
    // the text is kept whole through selecting, replacing and undoing.
    void longTextKeepsTheInsertionPointInView() {
        const QString digits(1 << 20, u'9');
        field_->setText(digits);
        QVERIFY(inView(field_->characterRect(digits.size())));
        QVERIFY(field_->characterRect(0).isEmpty());

        press(kHome);
        QVERIFY(inView(field_->characterRect(0)));
        QVERIFY(field_->characterRect(digits.size()).isEmpty());

        press(kEnd);
        press(kBackspace);
        QVERIFY(inView(field_->characterRect(digits.size() - 1)));

        press(kSelectAll);
        press(typed(u'5'));
        QCOMPARE(field_->text(), u"5"_s);
        QVERIFY(inView(field_->characterRect(0)));
        press(kUndo);
        QCOMPARE(field_->text().size(), digits.size() - 1);
    }

    // Whatever a key does on a long text, the field lays out no more than the view's run on
    // either side of the insertion point.
    void aKeyOnALongTextLaysOutOnlyTheView() {
        field_->setText(QString(1 << 20, u'9'));
        const Key keys[] = {typed(u'5'), kBackspace, kLeft, kDelete,    kShiftLeft,  kWordLeft,
                            kHome,       kWordRight, kEnd,  kSelectAll, typed(u'5'), kUndo};
        for (const Key& key : keys) {
            TextField::takeLongestLayout();
            press(key);
            field_->repaint();
            QVERIFY2(TextField::takeLongestLayout() <= 2 * TextField::kViewRun,
                     qPrintable(QKeySequence(key.key | key.modifiers).toString()));
        }
    }

    // Texts whose layout is not the sum of its pieces: a tab's width depends on where the view
    // starts, a point over a combining mark once read as the end of the view, and a view that
    // began with a right-to-left letter was once laid out right to left.
    void insertionPointStaysInView_data() {
        QTest::addColumn<QString>("piece");
        QTest::addColumn<bool>("ordered");  // whether the text runs left to right throughout
        QTest::newRow("tabs") << QString::fromUtf16(
                                     u"01\ufeff\t\xd83d"
                                     u"9")
                              << true;
        QTest::newRow("combining marks") << QString::fromUtf16(u"\u0301...") << true;
        QTest::newRow("a right-to-left letter") << QString(1023, u'0') + QChar(0x05d0) << false;
        QTest::newRow("control characters") << QString(3073, QChar(0x7f)) << false;
        QTest::newRow("digits") << u"9"_s << true;
    }
    void insertionPointStaysInView() {
        QFETCH(QString, piece);
        QFETCH(bool, ordered);
        field_->setText(piece.repeated(std::max<qsizetype>(1024 / piece.size(), 1)));
        for (const Key& key : {kEnd, kLeft, kLeft, typed(u'.'), typed(0x05d0), kHome, kEnd}) {
            press(key);
            QVERIFY(inView(field_->characterRect(field_->cursorPosition())));
        }
        for (const int x : {60, 150, 250}) {
            QTest::mouseClick(&*field_, Qt::LeftButton, {}, QPoint(x, field_->height() / 2));
            const QRect cursor = field_->characterRect(field_->cursorPosition());
            QVERIFY(inView(cursor));
            // The nearest position is at most half a character away; a tab, the widest, is 80.
            QVERIFY(!ordered || qAbs(cursor.x() - x) <= 40);
        }
    }

    // Clicks place the insertion point at the nearest character, a drag selects, a double click
    // selects the word under the pointer and a third click the whole text.
    void mouseSelects() {
        field_->setText(u"12 345"_s);
        const int y = field_->height() / 2;
        QTest::mouseClick(&*field_, Qt::LeftButton, {}, QPoint(1, y));
        QCOMPARE(field_->cursorPosition(), 0);
        QTest::mouseClick(&*field_, Qt::LeftButton, {}, QPoint(field_->width() - 5, y));
        QCOMPARE(field_->cursorPosition(), 6);

        const QPoint beforeThree = field_->characterRect(3).center();
        QTest::mousePress(&*field_, Qt::LeftButton, {}, beforeThree);
        QTest::mouseMove(&*field_, QPoint(field_->width() - 5, y));
        QTest::mouseRelease(&*field_, Qt::LeftButton, {}, QPoint(field_->width() - 5, y));
        QCOMPARE(field_->selectedText(), u"345"_s);

        const QPoint overTwo = field_->characterRect(1).center();
        QTest::mouseDClick(&*field_, Qt::LeftButton, {}, overTwo);
        QCOMPARE(field_->selectedText(), u"12"_s);
        QTest::mouseClick(&*field_, Qt::LeftButton, {}, overTwo);
        QCOMPARE(field_->selectedText(), u"12 345"_s);
        QTest::mouseClick(&*field_, Qt::LeftButton, {}, overTwo);
        QVERIFY(!field_->hasSelectedText());
    }

    // Assistive technology hears of each new selection and of its end, not of plain moves.
    void selectionChangesAreAnnounced() {
        field_->setText(u"1234"_s);
        AccessibilityEvents events;
        field_->setSelection(1, 3);
        press(kShiftRight);
        press(kRight);
        press(kHome);
        press(kSelectAll);
        press(typed(u'5'));
        QList<std::pair<int, int>> selections;
        for (const AccessibilityEvents::Event& event : events.take()) {
            if (event.type == QAccessible::TextSelectionChanged) {
                selections.append({event.start, event.end});
            }
        }
        QCOMPARE(selections,
                 (QList<std::pair<int, int>>{{1, 3}, {1, 4}, {-1, -1}, {0, 4}, {-1, -1}}));
    }

    // Text dragged over the field shows where it would go, and moves neither the insertion point
    // nor the selection until it is dropped.
    void dropInsertsAtThePointer() {
        field_->setText(u"1234"_s);
        field_->setSelection(0, 1);
        field_->clearFocus();  // no blinking insertion point in the pictures
        const QImage before = field_->grab().toImage();
        QMimeData data;
        data.setText(u"56"_s);
        const QPoint point = field_->characterRect(2).center();
        QDragEnterEvent enter(point, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&*field_, &enter);
        QVERIFY(enter.isAccepted());
        QDragMoveEvent move(point, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&*field_, &move);
        QVERIFY(field_->grab().toImage() != before);
        QCOMPARE(field_->selectedText(), u"1"_s);
        QCOMPARE(field_->cursorPosition(), 1);
        QDragLeaveEvent leave;
        QApplication::sendEvent(&*field_, &leave);
        QCOMPARE(field_->grab().toImage(), before);

        QApplication::sendEvent(&*field_, &enter);
        QApplication::sendEvent(&*field_, &move);
        QDropEvent drop(point, Qt::CopyAction, &data, Qt::LeftButton, {});
        QApplication::sendEvent(&*field_, &drop);
        QCOMPARE(field_->text(), u"125634"_s);
    }

    // The context menu offers the editing commands that apply, and runs them.
    void contextMenuEdits() {
        QApplication::clipboard()->clear();
        field_->setText(u"1234"_s);
        field_->setSelection(0, 2);
        QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(5, 5),
                                field_->mapToGlobal(QPoint(5, 5)));
        QApplication::sendEvent(&*field_, &event);
        auto* menu = field_->findChild<QMenu*>();
        QVERIFY(menu != nullptr);
        QStringList enabled;
        for (const QAction* action : menu->actions()) {
            if (action->isEnabled() && !action->isSeparator()) {
                enabled.append(action->text().section(u'\t', 0, 0));
            }
        }
        QCOMPARE(enabled, (QStringList{u"Cu&t"_s, u"&Copy"_s, u"Delete"_s, u"Select All"_s}));
        menu->actions().at(3)->trigger();  // Cut
        QCOMPARE(field_->text(), u"34"_s);
        QCOMPARE(QApplication::clipboard()->text(), u"12"_s);
        menu->close();
    }

    // Assistive technology edits the text as the user does: each edit can be undone.
    void assistiveTechnologyEdits() {
        field_->setText(u"1234"_s);
        QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(&*field_);
        QVERIFY(accessible != nullptr);
        QAccessibleEditableTextInterface* editable = accessible->editableTextInterface();
        QVERIFY(editable != nullptr);
        editable->insertText(0, u"9"_s);
        editable->deleteText(2, 4);
        editable->replaceText(0, 1, u"77"_s);
        QCOMPARE(field_->text(), u"7714"_s);
        QCOMPARE(accessible->textInterface()->characterCount(), 4);
        field_->undo();
        QCOMPARE(field_->text(), u"914"_s);
    }

    // A screen reader asks for the character, word or line around an offset, the end of the
    // text included.
    void assistiveTechnologyReadsAroundAnOffset() {
        field_->setText(u"12 345 "_s);
        QAccessibleTextInterface* text =
            QAccessible::queryAccessibleInterface(&*field_)->textInterface();
        struct Row {
            int offset;
            QAccessible::TextBoundaryType type;
            QString expected;
            int start;
        };
        const Row rows[] = {
            {1, QAccessible::WordBoundary, u"12"_s, 0},
            {2, QAccessible::WordBoundary, u" "_s, 2},
            {4, QAccessible::WordBoundary, u"345"_s, 3},
            {7, QAccessible::WordBoundary, u" "_s, 6},
            {0, QAccessible::CharBoundary, u"1"_s, 0},
            {4, QAccessible::CharBoundary, u"4"_s, 4},
            {6, QAccessible::CharBoundary, u" "_s, 6},
            {7, QAccessible::CharBoundary, u""_s, 7},  // only the insertion point at the end
            {3, QAccessible::LineBoundary, u"12 345 "_s, 0},
            {8, QAccessible::WordBoundary, QString(), -1},
        };
        for (const Row& row : rows) {
            int start = 0;
            int end = 0;
            QCOMPARE(text->textAtOffset(row.offset, row.type, &start, &end), row.expected);
            QCOMPARE(start, row.start);
            QCOMPARE(end, row.expected.isNull() ? -1 : row.start + row.expected.size());
        }
    }

  private:
    void press(const Key& key) {
        QTest::sendKeyEvent(QTest::Click, &*field_, key.key, key.text, key.modifiers);
    }

    bool inView(const QRect& rect) const {
        return !rect.isEmpty() && field_->rect().contains(rect);
    }

    std::optional<TextField> field_;
};

}  // namespace tallomat

QTEST_MAIN(tallomat::TextFieldTest)
#include "text_field_test.moc"

// Keys typed into the display: the key filter's characters, and the field's own editing keys.
#include <QClipboard>
#include <optional>
#include <vector>

#include "window_fixture.h"

namespace tallomat {

using namespace Qt::StringLiterals;

namespace {

struct Key {
    Qt::Key key;
    const char16_t* text;
    Qt::KeyboardModifiers modifiers = {};
};

// Keys as a desktop keyboard reports them, text included.
const Key kFive{Qt::Key_5, u"5"};
const Key kThree{Qt::Key_3, u"3"};
const Key kEnter{Qt::Key_Return, u"\r"};
const Key kBackspace{Qt::Key_Backspace, u"\b"};
const Key kDelete{Qt::Key_Delete, u"\x7f"};
const Key kHome{Qt::Key_Home, u""};
const Key kLeft{Qt::Key_Left, u""};
const Key kEnd{Qt::Key_End, u""};
const Key kSelectAll{Qt::Key_A, u"\x01", Qt::ControlModifier};
const Key kCopy{Qt::Key_C, u"\x03", Qt::ControlModifier};
const Key kPaste{Qt::Key_V, u"\x16", Qt::ControlModifier};
const Key kUndo{Qt::Key_Z, u"\x1a", Qt::ControlModifier};
const Key kKillLine{Qt::Key_K, u"\x0b", Qt::ControlModifier};
const Key kCtrlH{Qt::Key_H, u"\b", Qt::ControlModifier};

Key typed(Qt::Key key, const char16_t* text) {
    return {key, text};
}

struct Case {
    const char* name;
    const char* display;  // the display's text before the keys, insertion point at its end
    std::vector<Key> keys;
    const char* expected;
    const char* operation;
};

const Case kCases[] = {
    {"digit is inserted", "12", {kFive}, "125", ""},
    {"point is inserted", "12", {typed(Qt::Key_Period, u".")}, "12.", ""},
    {"digit goes to the insertion point", "12", {kHome, kFive}, "512", ""},
    {"plus runs add", "12", {typed(Qt::Key_Plus, u"+")}, " ", "+"},
    {"minus runs subtract", "12", {typed(Qt::Key_Minus, u"-")}, " ", "-"},
    {"slash runs divide", "12", {typed(Qt::Key_Slash, u"/")}, " ", "/"},
    {"star runs multiply", "12", {typed(Qt::Key_Asterisk, u"*")}, " ", "*"},
    {"percent runs modulus", "12", {typed(Qt::Key_Percent, u"%")}, " ", "%"},
    {"Enter evaluates", "12", {typed(Qt::Key_Plus, u"+"), kThree, kEnter}, "15", "+"},
    {"equals sign is discarded", "12", {typed(Qt::Key_Equal, u"=")}, "12", ""},
    {"letter is discarded", "12", {typed(Qt::Key_E, u"e")}, "12", ""},
    {"space is discarded", "12", {typed(Qt::Key_Space, u" ")}, "12", ""},
    {"comma is discarded", "12", {typed(Qt::Key_Comma, u",")}, "12", ""},
    {"keypad comma types the point", "12", {{Qt::Key_Comma, u",", Qt::KeypadModifier}}, "12.", ""},
    {"keypad point types the point", "12", {{Qt::Key_Period, u".", Qt::KeypadModifier}}, "12.", ""},
    {"Escape is discarded", "12", {typed(Qt::Key_Escape, u"\x1b")}, "12", ""},
    {"Ctrl+K is discarded", "12", {kHome, kKillLine}, "12", ""},
    {"accented letter is discarded", "12", {typed(Qt::Key_unknown, u"\u00e9")}, "12", ""},
    {"character beyond 16 bits is discarded",
     "12",
     {typed(Qt::Key_unknown, u"\U0001002B")},
     "12",
     ""},
    {"several characters pass one by one", "12", {typed(Qt::Key_unknown, u"5a+")}, " ", "+"},
    {"Backspace deletes before the insertion point", "123", {kLeft, kBackspace}, "13", ""},
    {"Ctrl+H deletes before the insertion point", "123", {kLeft, kCtrlH}, "13", ""},
    {"Delete deletes after the insertion point", "123", {kHome, kDelete}, "23", ""},
    {"select all, then a digit replaces", "123", {kSelectAll, kFive}, "5", ""},
    {"copy and paste", "12", {kSelectAll, kCopy, kEnd, kPaste}, "1212", ""},
    {"undo", "12", {kFive, kUndo}, "12", ""},
};

}  // namespace

class DisplayKeysTest : public WindowSuite {
    Q_OBJECT

  private slots:

    void keysTypedIntoTheDisplay_data() {
        QTest::addColumn<int>("index");
        for (int index = 0; const Case& row : kCases) {
            QTest::newRow(row.name) << index++;
        }
    }
    void keysTypedIntoTheDisplay() {
        QFETCH(int, index);
        const Case* row = &kCases[index];
        fixture_->window().setDisplayText(row->display);
        for (const Key& key : row->keys) {
            fixture_->press(key.key, QString::fromUtf16(key.text), key.modifiers);
        }
        QCOMPARE(fixture_->display(), QString::fromUtf8(row->expected));
        QCOMPARE(fixture_->state().operation, std::string(row->operation));
        QCOMPARE(fixture_->focusName(), u"txtinsert"_s);
    }

    // Tab is focus navigation: it leaves the display for "." without reaching the key filter.
    void tabLeavesTheDisplayForThePoint() {
        fixture_->window().setDisplayText("12");
        fixture_->press(Qt::Key_Tab, u"\t"_s);
        QCOMPARE(fixture_->focusName(), u"Cmdpoint"_s);
        QCOMPARE(fixture_->display(), u"12"_s);
        fixture_->press(Qt::Key_Backtab, {}, Qt::ShiftModifier);
        QCOMPARE(fixture_->focusName(), u"txtinsert"_s);
    }

    // A display write puts the insertion point at the end; a recovery's focus selects nothing.
    void recoveryLeavesTheInsertionPoint() {
        auto* display = fixture_->control<TextField>(u"txtinsert"_s);
        fixture_->window().setDisplayText("1.2.3");
        QCOMPARE(display->cursorPosition(), 5);
        fixture_->press(kHome.key);
        fixture_->press(Qt::Key_Plus, u"+"_s);  // "1.2.3" is no number: add fails, focuses
        QCOMPARE(display->cursorPosition(), 0);
        QVERIFY(!display->hasSelectedText());
    }
};

}  // namespace tallomat

QTEST_MAIN(tallomat::DisplayKeysTest)
#include "display_keys_test.moc"

#include "bad_input.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>
#include <QTest>

#include "frmmain.h"
#include "keys.h"

namespace tallomat {

using namespace Qt::StringLiterals;

namespace {

QByteArray repeated(const char* piece, int times) {
    return QByteArray(piece).repeated(times);
}

// Every byte of the literal, NUL bytes included.
template <std::size_t size>
QByteArray bytes(const char (&literal)[size]) {
    return {literal, static_cast<qsizetype>(size - 1)};
}

const BadInput kBadInputs[] = {
    {"1 MiB of digits", repeated("9", 1 << 20)},
    {"control bytes", bytes("\x00\x01\t1\r\n2\x1b\x7f"
                            "3")},
    // a two-, a three- and a four-byte sequence: the last is a surrogate pair in the field
    {"multi-byte UTF-8", bytes("1\xc2\xbd\xe2\x82\xac\xf0\x9f\x98\x80"
                               "2")},
    // stray bytes, a cut sequence, an encoded surrogate, a cut four-byte sequence
    {"invalid UTF-8", bytes("\xff\xfe\xc3(\xed\xa0\x80\xf0\x9f"
                            "5")},
    {"1E999999", QByteArray("1E999999")},
    {"ten thousand points", repeated(".", 10'000)},
};

const TypedKey kTypedKeys[] = {
    {"typed 5", Qt::Key_5, u"5"},
    {"typed .", Qt::Key_Period, u"."},
    {"typed +", Qt::Key_Plus, u"+"},
    {"typed -", Qt::Key_Minus, u"-"},
    {"typed *", Qt::Key_Asterisk, u"*"},
    {"typed /", Qt::Key_Slash, u"/"},
    {"typed %", Qt::Key_Percent, u"%"},
    {"typed Enter", Qt::Key_Return, u"\r"},
    {"typed Backspace", Qt::Key_Backspace, u"\b"},
    {"typed a", Qt::Key_A, u"a"},
    {"typed Escape", Qt::Key_Escape, u"\x1b"},
    {"typed emoji", Qt::Key_unknown, u"\U0001F600"},
};

}  // namespace

std::span<const BadInput> badInputs() {
    return kBadInputs;
}

std::span<const TypedKey> typedKeys() {
    return kTypedKeys;
}

void pasteIntoDisplay(const QByteArray& bytes) {
    auto* data = new QMimeData;
    data->setData(QStringLiteral("text/plain"), bytes);
    QApplication::clipboard()->setMimeData(data);
    QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), Qt::Key_V, u"\x16"_s,
                        Qt::ControlModifier);
}

void type(const TypedKey& key) {
    QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), key.key,
                        QString::fromUtf16(key.text), Qt::NoModifier);
}

std::vector<const char*> engineKeyNames() {
    std::vector<const char*> names;
    for (const DigitKeyClick& key : DigitKeyClicks()) {
        names.push_back(key.name.data());
    }
    for (const KeyClick& key : OtherKeyClicks()) {
        names.push_back(key.name.data());
    }
    return names;
}

void clickKey(frmmain& window, const char* control) {
    QTest::mouseClick(window.findChild<QWidget*>(QString::fromLatin1(control)), Qt::LeftButton);
}

}  // namespace tallomat

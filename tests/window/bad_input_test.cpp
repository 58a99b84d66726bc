// Bad input through the real window: whatever a paste puts into the display, every key and every
// typed character then does exactly what the engine does with that text (the engine over the fake
// window is the model), the paste loses nothing, and "Exit" still ends the program.
#include <algorithm>
#include <bit>
#include <optional>

#include "bad_input.h"
#include "fake_window.h"
#include "keys.h"
#include "qt_text.h"
#include "typed_character.h"
#include "typing.h"
#include "window_fixture.h"

namespace tallomat {

using namespace Qt::StringLiterals;

namespace {

// Equal registers, NaN included.
bool same(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b) || (a != a && b != b);
}

// Long texts are compared by length and first difference, so a failure stays readable.
QByteArray describeDifference(const std::string& actual, const std::string& expected) {
    const auto [a, e] = std::ranges::mismatch(actual, expected);
    return QByteArray("display differs at byte ") +
           QByteArray::number(static_cast<qsizetype>(a - actual.begin())) + " (lengths " +
           QByteArray::number(static_cast<qsizetype>(actual.size())) + " and " +
           QByteArray::number(static_cast<qsizetype>(expected.size())) + ")";
}

// The engine over the fake window, loaded as the window is and holding the same display text.
struct Model {
    testing::FakeWindow window;
    Engine engine{window};

    explicit Model(const QString& display) {
        engine.Form_Load();
        window.display = toUtf8(display);
    }

    // A typed key, character by character, at the insertion point, which a paste leaves at the end.
    void type(const QKeyEvent& event) {
        for (const std::int16_t code : typedCharacterCodes(event)) {
            testing::TypeCharacter(engine, window, code);
        }
    }
};

}  // namespace

class BadInputTest : public QObject {
    Q_OBJECT

  private slots:
    void init() { fixture_.emplace(); }
    void cleanup() { fixture_.reset(); }

    void pasteLosesNothing_data() { addInputRows(); }
    void pasteLosesNothing() {
        QFETCH(int, input);
        const QByteArray& bytes = badInputs()[input].bytes;
        pasteIntoDisplay(bytes);
        QCOMPARE(fixture_->display(), QString::fromUtf8(bytes));
        QCOMPARE(fixture_->focusName(), u"txtinsert"_s);
    }

    void keyClickedAfterBadInput_data() {
        QTest::addColumn<int>("input");
        QTest::addColumn<QByteArray>("key");
        for (int input = 0; const BadInput& bad : badInputs()) {
            for (const char* key : engineKeyNames()) {
                QTest::addRow("%s, %s", bad.name, key) << input << QByteArray(key);
            }
            ++input;
        }
    }
    void keyClickedAfterBadInput() {
        QFETCH(int, input);
        QFETCH(QByteArray, key);
        pasteIntoDisplay(badInputs()[input].bytes);
        Model model(fixture_->display());

        ClickKey(model.engine, key.toStdString());
        clickKey(fixture_->window(), key.constData());

        compareWith(model);
        QCOMPARE(fixture_->focusName(),
                 model.window.focusRequests > 0 ? u"txtinsert"_s : QString::fromLatin1(key));
    }

    void keyTypedAfterBadInput_data() {
        QTest::addColumn<int>("input");
        QTest::addColumn<int>("key");
        for (int input = 0; const BadInput& bad : badInputs()) {
            for (int key = 0; const TypedKey& typed : typedKeys()) {
                QTest::addRow("%s, %s", bad.name, typed.name) << input << key++;
            }
            ++input;
        }
    }
    void keyTypedAfterBadInput() {
        QFETCH(int, input);
        QFETCH(int, key);
        const TypedKey& typed = typedKeys()[key];
        pasteIntoDisplay(badInputs()[input].bytes);
        Model model(fixture_->display());

        model.type(
            QKeyEvent(QEvent::KeyPress, typed.key, Qt::NoModifier, QString::fromUtf16(typed.text)));
        type(typed);

        compareWith(model);
        QCOMPARE(fixture_->focusName(), u"txtinsert"_s);
    }

    // "Exit", last: whatever the display holds, it closes the window.
    void exitClosesTheWindow_data() { addInputRows(); }
    void exitClosesTheWindow() {
        QFETCH(int, input);
        pasteIntoDisplay(badInputs()[input].bytes);
        clickKey(fixture_->window(), "cmdexit");
        QVERIFY(!fixture_->window().isVisible());
    }

  private:
    void addInputRows() {
        QTest::addColumn<int>("input");
        for (int input = 0; const BadInput& bad : badInputs()) {
            QTest::newRow(bad.name) << input++;
        }
    }

    void compareWith(const Model& model) {
        const std::string display = toUtf8(fixture_->display());
        QVERIFY2(display == model.window.display,
                 describeDifference(display, model.window.display).constData());
        QCOMPARE(fixture_->control<TextField>(u"txtstorevalue"_s)->text(),
                 toQString(model.window.indicator));
        QStringList expectedMessages;
        for (const std::string& message : model.window.messages) {
            expectedMessages.append(toQString(message));
        }
        QCOMPARE(fixture_->takeMessages(), expectedMessages);
        if (!expectedMessages.isEmpty()) {
            activate(fixture_->window());  // the closed box hands the activation back
        }

        const FormState& actual = fixture_->state();
        const FormState& expected = model.engine.state();
        QCOMPARE(actual.operation, expected.operation);
        QCOMPARE(actual.startnew, expected.startnew);
        for (const auto field : {&FormState::firstnum, &FormState::secondnum, &FormState::memnum,
                                 &FormState::factnum, &FormState::resultnum}) {
            QVERIFY2(same(actual.*field, expected.*field),
                     qPrintable(QString::number(actual.*field) + u" is not "_s +
                                QString::number(expected.*field)));
        }
    }

    std::optional<WindowFixture> fixture_;
};

}  // namespace tallomat

QTEST_MAIN(tallomat::BadInputTest)
#include "bad_input_test.moc"

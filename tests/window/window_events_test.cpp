// Start-up, routing of clicks, focus rules, the message box and shut-down.
#include <QRadioButton>
#include <QTimer>
#include <bit>
#include <optional>

#include "bad_input.h"
#include "failure.h"
#include "form_description.h"
#include "name_sets.h"
#include "qt_text.h"
#include "routes.h"
#include "window_fixture.h"

namespace tallomat {

using namespace Qt::StringLiterals;

class WindowEventsTest : public WindowSuite {
    Q_OBJECT

  private slots:

    void startsLoadedWithTheDisplayFocused() {
        const FormState& state = fixture_->state();
        QCOMPARE(fixture_->display(), QString());
        QCOMPARE(fixture_->control<TextField>(u"txtstorevalue"_s)->text(), QString());
        QVERIFY(fixture_->control<QRadioButton>(u"optiondegree"_s)->isChecked());
        QVERIFY(!fixture_->control<QRadioButton>(u"optionrad"_s)->isChecked());
        QCOMPARE(fixture_->focusName(), u"txtinsert"_s);
        QCOMPARE(state.startnew, kFalse);
        QCOMPARE(state.operation, std::string());
        for (const double registerValue :
             {state.firstnum, state.secondnum, state.memnum, state.factnum, state.resultnum}) {
            QCOMPARE(registerValue, 0.0);
        }
        QCOMPARE(std::bit_cast<std::uint64_t>(state.pivalue), 0x400921FB54442D11u);
    }

    // The keys live in three tables joined only by their names: the engine's key table, the
    // window's description and the routes. Every key of the description but "Exit" is an engine
    // key, every key has one click route, and besides the clicks only the display's typed
    // characters and the window's load run anything: the frame, the options and the indicator
    // run nothing.
    void keysAreTheSameInEveryTable() {
        QSet<QString> engineKeys;
        for (const char* name : engineKeyNames()) {
            engineKeys.insert(QString::fromLatin1(name));
        }
        QSet<QString> describedKeys;
        for (const ControlEntry& entry : mainFormDescription().controls) {
            if (entry.kind == ControlKind::Key) {
                describedKeys.insert(toQString(entry.name));
            }
        }
        QSet<QString> describedButExit = describedKeys;
        describedButExit.remove(u"cmdexit"_s);
        QSet<QString> clickRoutes;
        QSet<QString> otherRoutes;
        for (const Route& route : routeTable()) {
            QCOMPARE(findRoute(route.control, route.event), &route);
            const QString control = toQString(route.control);
            if (route.event == RouteEvent::Click) {
                clickRoutes.insert(control);
            } else {
                otherRoutes.insert(
                    control + (route.event == RouteEvent::Load ? u" load"_s : u" key press"_s));
            }
        }
        for (const QString& mismatch : {
                 nameMismatch("the engine's key table", engineKeys,
                              "the description's keys but Exit", describedButExit),
                 nameMismatch("the description's keys", describedKeys, "the click routes",
                              clickRoutes),
                 nameMismatch("the other routes", otherRoutes, "the typed character and the load",
                              {u"txtinsert key press"_s, u"frmmain load"_s}),
             }) {
            QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
        }
        for (const char* name : {"frameControls", "optiondegree", "optionrad", "txtstorevalue"}) {
            for (const RouteEvent event : {RouteEvent::Click, RouteEvent::KeyPress}) {
                QVERIFY2(findRoute(name, event) == nullptr, name);
            }
        }
    }

    // A digit key hands its group index to entry, which appends the caption of the key with that
    // index: "1" has 0 and "0" has 9, so a crossed index would enter a wrong digit.
    void digitKeysEnterTheirCaption_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("display");
        QTest::newRow("1 then 2") << "Command1 Command2"
                                  << "12";
        QTest::newRow("all ten") << "Command1 Command2 Command3 Command4 Command5 Command6 "
                                    "Command7 Command8 Command9 Command10"
                                 << "1234567890";
        QTest::newRow("0 and point") << "Command10 Cmdpoint Command5"
                                     << "0.5";
        QTest::newRow("7 + 5 =") << "Command7 cmdadd Command5 cmdequal"
                                 << "12";
        QTest::newRow("= repeats") << "Command7 cmdadd Command5 cmdequal cmdequal"
                                   << "19";
        QTest::newRow("Cancel") << "Command7 cmdc"
                                << " ";
        QTest::newRow("Backspace") << "Command7 Command8 cmdback"
                                   << "7";
        QTest::newRow("sign change") << "Command5 Command11"
                                     << "-5";
        QTest::newRow("pi") << "cmdpi"
                            << "3.14159265358979";
        QTest::newRow("options run nothing") << "Command5 optionrad optiondegree"
                                             << "5";
    }
    void digitKeysEnterTheirCaption() {
        QFETCH(QString, keys);
        QFETCH(QString, display);
        fixture_->click(keys);
        QCOMPARE(fixture_->display(), display);
        QCOMPARE(fixture_->control<TextField>(u"txtinsert"_s)->cursorPosition(), display.size());
    }

    void optionsSelectOneAnotherAndTakeTheFocus() {
        auto* degree = fixture_->control<QRadioButton>(u"optiondegree"_s);
        auto* radian = fixture_->control<QRadioButton>(u"optionrad"_s);
        fixture_->click(u"optionrad"_s);
        QVERIFY(radian->isChecked() && !degree->isChecked());
        QCOMPARE(fixture_->focusName(), u"optionrad"_s);
        QVERIFY(!fixture_->window().isDegreeSelected());
        fixture_->click(u"optiondegree"_s);
        QVERIFY(degree->isChecked() && !radian->isChecked());
        QCOMPARE(fixture_->state().startnew, kFalse);
    }

    // A press on "Radian" released outside it focuses it without selecting it. Once the focus has
    // left the pair, Shift+Tab from "ln" still reaches the selected "Degree".
    void pressedOptionLeavesTheTabStopOnTheSelection() {
        auto* radian = fixture_->control(u"optionrad"_s);
        QTest::mousePress(radian, Qt::LeftButton);
        QTest::mouseRelease(radian, Qt::LeftButton, {}, QPoint(-5, -5));
        QCOMPARE(fixture_->focusName(), u"optionrad"_s);
        fixture_->click(u"Command4 cmdln"_s);
        fixture_->press(Qt::Key_Backtab, {}, Qt::ShiftModifier);
        QCOMPARE(fixture_->focusName(), u"optiondegree"_s);
    }

    // After 7 and "+" the focus stays on "+": a typed 5 goes to the key, not into the display.
    void clickedKeyKeepsTheFocus() {
        fixture_->click(u"Command7 cmdadd"_s);
        QCOMPARE(fixture_->focusName(), u"cmdadd"_s);
        fixture_->press(Qt::Key_5, u"5"_s);
        QCOMPARE(fixture_->display(), u" "_s);
        fixture_->click(u"txtinsert"_s);
        fixture_->press(Qt::Key_5, u"5"_s);
        QCOMPARE(fixture_->display(), u" 5"_s);
    }

    void cancelAndBackspaceOnEmptyGiveTheDisplayTheFocus_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("focus");
        QTest::newRow("Cancel") << "Command7 cmdc"
                                << "txtinsert";
        QTest::newRow("Backspace on empty") << "cmdback"
                                            << "txtinsert";
        QTest::newRow("Backspace on 7") << "Command7 cmdback"
                                        << "cmdback";
        QTest::newRow("MC") << "Command7 mclear"
                            << "txtinsert";
        QTest::newRow("failed sqrt") << "cmdc cmdsqrt"
                                     << "txtinsert";
    }
    void cancelAndBackspaceOnEmptyGiveTheDisplayTheFocus() {
        QFETCH(QString, keys);
        QFETCH(QString, focus);
        fixture_->click(keys);
        QCOMPARE(fixture_->focusName(), focus);
    }

    // Space presses a focused key; Enter on a focused key does nothing, as no key is a default.
    void spacePressesAFocusedKeyAndEnterDoesNot() {
        fixture_->press(Qt::Key_Tab, u"\t"_s);
        QCOMPARE(fixture_->focusName(), u"Cmdpoint"_s);
        fixture_->press(Qt::Key_Space, u" "_s);
        QCOMPARE(fixture_->display(), u"."_s);
        fixture_->press(Qt::Key_Return, u"\r"_s);
        QCOMPARE(fixture_->display(), u"."_s);
    }

    // The sign change of a display that holds no number shows why in a box titled with the
    // program's name, then gives the display the focus; the display keeps its text.
    void signChangeFailureShowsTheMessage() {
        fixture_->click(u"Command7 cmdadd Command11"_s);
        QCOMPARE(fixture_->takeMessages(),
                 QStringList{QString::fromStdString(ErrorDescription({FailureKind::NotANumber}))});
        activate(fixture_->window());
        QCOMPARE(fixture_->focusName(), u"txtinsert"_s);
        QCOMPARE(fixture_->display(), u" "_s);
        QCOMPARE(fixture_->state().startnew, kTrue);
    }

    void exitAndTheCloseBoxEndTheProgram_data() {
        QTest::addColumn<bool>("byExitKey");
        QTest::newRow("Exit") << true;
        QTest::newRow("close box") << false;
    }
    // With the window closed, the program's event loop ends.
    void exitAndTheCloseBoxEndTheProgram() {
        QFETCH(bool, byExitKey);
        fixture_->click(u"Command7 cmdadd"_s);
        QTimer::singleShot(0, [this, byExitKey] {
            if (byExitKey) {
                fixture_->click(u"cmdexit"_s);
            } else {
                fixture_->window().close();
            }
        });
        bool programEnded = true;
        QTimer watchdog;
        watchdog.setSingleShot(true);
        connect(&watchdog, &QTimer::timeout, [&programEnded] {
            programEnded = false;
            QApplication::quit();
        });
        watchdog.start(5000);
        QApplication::exec();
        QVERIFY(programEnded);
        QVERIFY(!fixture_->window().isVisible());
    }
};

}  // namespace tallomat

QTEST_MAIN(tallomat::WindowEventsTest)
#include "window_events_test.moc"

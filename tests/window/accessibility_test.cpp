// What a screen reader learns from the window through Qt's accessibility interface: each control's
// spoken name, role and description, the text of the display and the indicator, and which option
// is checked.
#include <QAccessible>
#include <QApplication>
#include <QSet>
#include <optional>
#include <vector>

#include "accessibility_events.h"
#include "action_announcer.h"
#include "failure.h"
#include "form_description.h"
#include "name_sets.h"
#include "window_fixture.h"

namespace tallomat {

using namespace Qt::StringLiterals;

namespace {

QAccessible::Role roleOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::Key:
            return QAccessible::Button;
        case ControlKind::TextBox:
            return QAccessible::EditableText;
        case ControlKind::Option:
            return QAccessible::RadioButton;
        case ControlKind::Frame:
            return QAccessible::Grouping;
    }
    return QAccessible::NoRole;
}

}  // namespace

class AccessibilityTest : public WindowSuite {
    Q_OBJECT

  private slots:

    // Keys whose caption a speech synthesizer would misread, the two fields and the frame are
    // spoken by name; digits and options by their caption.
    void controlsAreSpokenByName_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("spoken");
        const std::pair<const char*, const char*> rows[] = {
            {"cmdsqrt", "Square root"},
            {"Command11", "Change sign"},
            {"mstore", "Memory store"},
            {"mrecall", "Memory recall"},
            {"mplus", "Memory add"},
            {"mclear", "Memory clear"},
            {"cmdcuberoot", "Cube root"},
            {"cmddivide", "Reciprocal"},
            {"cmdfactorial", "Factorial"},
            {"cmdint", "Integer part"},
            {"cmdexp", "Exponential"},
            {"cmdln", "Natural logarithm"},
            {"cmdlog", "Decimal logarithm"},
            {"cmdpi", "Pi"},
            {"cmdsin", "Sine"},
            {"cmdcos", "Cosine"},
            {"cmdtan", "Tangent"},
            {"cmdpower", "Power"},
            {"cmdsquare", "Square"},
            {"cmdcube", "Cube"},
            {"cmdround", "Round"},
            {"cmdmod", "Modulus"},
            {"cmdequal", "Equals"},
            {"cmdadd", "Add"},
            {"cmdsub", "Subtract"},
            {"cmdmul", "Multiply"},
            {"cmddiv", "Divide"},
            {"Cmdpoint", "Point"},
            {"cmdback", "Backspace"},
            {"cmdc", "Cancel"},
            {"cmdexit", "Exit"},
            {"Command1", "1"},
            {"Command10", "0"},
            {"optiondegree", "Degree"},
            {"optionrad", "Radian"},
            {"txtinsert", "Display"},
            {"txtstorevalue", "Memory indicator"},
            {"frameControls", "Keypad"},
        };
        for (const auto& [name, spoken] : rows) {
            QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(spoken);
        }
    }
    void controlsAreSpokenByName() {
        QFETCH(QString, name);
        QFETCH(QString, spoken);
        QCOMPARE(accessible(name)->text(QAccessible::Name), spoken);
    }

    // Every control: a name of its own, the role of its kind, and its tooltip as the description.
    void everyControlHasNameRoleAndDescription() {
        QSet<QString> spokenNames;
        for (const ControlEntry& entry : mainFormDescription().controls) {
            const QString name = QString::fromUtf8(entry.name.data(), qsizetype(entry.name.size()));
            QAccessibleInterface* control = accessible(name);
            const QString spoken = control->text(QAccessible::Name);
            QVERIFY2(!spoken.isEmpty(), qPrintable(name));
            QVERIFY2(!spokenNames.contains(spoken), qPrintable(spoken));
            spokenNames.insert(spoken);
            QCOMPARE(control->role(), roleOf(entry.kind));
            QCOMPARE(control->text(QAccessible::Description).toStdString(),
                     entry.tooltip.value_or(""));
        }
        // A screen reader walking the window meets these names and no other.
        QSet<QString> met;
        std::vector<QAccessibleInterface*> pending{
            QAccessible::queryAccessibleInterface(&fixture_->window())};
        while (!pending.empty()) {
            QAccessibleInterface* node = pending.back();
            pending.pop_back();
            for (int i = 0; i < node->childCount(); ++i) {
                met.insert(node->child(i)->text(QAccessible::Name));
                pending.push_back(node->child(i));
            }
        }
        const QString mismatch =
            nameMismatch("the controls", spokenNames, "the window's accessible tree", met);
        QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
    }

    // The display and the indicator read out what they show, as value and as text.
    void fieldsReadOutTheirText_data() {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::newRow("display at start") << ""
                                          << "txtinsert"
                                          << "";
        QTest::newRow("display after 7 + 5 =") << "Command7 cmdadd Command5 cmdequal"
                                               << "txtinsert"
                                               << "12";
        QTest::newRow("display holding 19") << "Command1 Command9"
                                            << "txtinsert"
                                            << "19";
        QTest::newRow("display holding -22") << "Command2 Command2 Command11"
                                             << "txtinsert"
                                             << "-22";
        QTest::newRow("indicator after MS") << "Command7 mstore"
                                            << "txtstorevalue"
                                            << "M";
        QTest::newRow("indicator after MC") << "Command7 mstore mclear"
                                            << "txtstorevalue"
                                            << "";
    }
    void fieldsReadOutTheirText() {
        QFETCH(QString, clicks);
        QFETCH(QString, field);
        QFETCH(QString, text);
        fixture_->click(clicks);
        QAccessibleInterface* control = accessible(field);
        QCOMPARE(control->text(QAccessible::Value), text);
        QAccessibleTextInterface* textInterface = control->textInterface();
        QVERIFY(textInterface != nullptr);
        QCOMPARE(textInterface->text(0, textInterface->characterCount()), text);
        // A screen reader reads the line from either end, to where the last attribute run ends.
        const std::pair<int, int> wholeText(0, static_cast<int>(text.size()));
        for (const int offset : {wholeText.first, wholeText.second}) {
            std::pair<int, int> run;
            QCOMPARE(textInterface->textAtOffset(offset, QAccessible::LineBoundary, &run.first,
                                                 &run.second),
                     text);
            QCOMPARE(run, wholeText);
            textInterface->attributes(offset, &run.first, &run.second);
            QCOMPARE(run, wholeText);
        }
    }

    // The indicator is unavailable, and read-only to assistive technology as to the user.
    void onlyTheDisplayIsEditable_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<bool>("editable");
        QTest::newRow("display") << "txtinsert" << true;
        QTest::newRow("indicator") << "txtstorevalue" << false;
    }
    void onlyTheDisplayIsEditable() {
        QFETCH(QString, field);
        QFETCH(bool, editable);
        fixture_->click(u"Command7 mstore"_s);
        QAccessibleInterface* control = accessible(field);
        const QAccessible::State state = control->state();
        QCOMPARE(state.disabled, !editable);
        QCOMPARE(state.editable, editable);
        QCOMPARE(state.readOnly, !editable);
        QCOMPARE(control->editableTextInterface() != nullptr, editable);
        const QString before = control->text(QAccessible::Value);
        control->setText(QAccessible::Value, u"9"_s);
        QCOMPARE(control->text(QAccessible::Value), editable ? u"9"_s : before);
    }

    void optionsReportWhichIsChecked_data() {
        QTest::addColumn<QString>("clicks");
        QTest::addColumn<bool>("degreeChecked");
        QTest::newRow("degree at start") << "" << true;
        QTest::newRow("radian clicked") << "optionrad" << false;
        QTest::newRow("degree clicked again") << "optionrad optiondegree" << true;
    }
    void optionsReportWhichIsChecked() {
        QFETCH(QString, clicks);
        QFETCH(bool, degreeChecked);
        fixture_->click(clicks);
        QCOMPARE(accessible(u"optiondegree"_s)->state().checked, degreeChecked);
        QCOMPARE(accessible(u"optionrad"_s)->state().checked, !degreeChecked);
    }

    // A screen reader hears each action once, as it leaves the display and the indicator: no text
    // that the display held only between two writes, no field that the action left as it was but
    // a result that a key computed; a failing sign change raises an alert that reads out why. Text
    // is told as typed for the user's own edits alone; a write into the focused display as its
    // old text removed, and the line read again ("line"). Steps are clicks, or "key:C" typed into
    // the focused display; per step, what it says; then what the display shows.
    void screenReaderHearsEachActionOnce_data() {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QStringList>("heard");
        QTest::addColumn<QString>("display");
        const QString why = QString::fromStdString(ErrorDescription({FailureKind::NotANumber}));
        QTest::newRow("calculation, blank cut to empty, failing sign change")
            << u"Command7 cmdadd Command5 cmdequal cmdc cmdback Command11"_s
            << QStringList{u"7"_s,     u"blank"_s, u" 5"_s,           u"12"_s,
                           u"blank"_s, QString(),  u"alert: "_s + why}
            << QString();
        QTest::newRow("digit after a result")
            << u"Command2 cmdadd Command3 cmdequal Command4"_s
            << QStringList{u"2"_s, u"blank"_s, u" 3"_s, u"5"_s, u"4"_s} << u"4"_s;
        QTest::newRow("result as shown, digit as shown")
            << u"Command10 cmdmul Command5 cmdequal cmdequal Command10"_s
            << QStringList{u"0"_s, u"blank"_s, u" 5"_s, u"0"_s, u"0"_s, QString()} << u"0"_s;
        QTest::newRow("typed into the focused display")
            << u"Command7 cmdadd txtinsert key:5 key:+"_s
            << QStringList{u"7"_s, u"blank"_s, QString(), u"typed 5"_s, u"line  "_s} << u" "_s;
        QTest::newRow("typed calculation, Enter")
            << u"txtinsert key:7 key:+ key:5 key:Enter"_s
            << QStringList{QString(), u"typed 7"_s, u"line  "_s, u"typed 5"_s, u"line 12|12"_s}
            << u"12"_s;
        QTest::newRow("typed Enter, result as shown, digit typed after it")
            << u"txtinsert key:0 key:* key:5 key:Enter key:Enter key:4"_s
            << QStringList{QString(),     u"typed 0"_s,  u"line  "_s, u"typed 5"_s,
                           u"line 0|0"_s, u"line 0|0"_s, u"typed 4"_s}
            << u"04"_s;
        QTest::newRow("memory, digit after MC")
            << u"Command4 cmdsqrt mstore cmdc mrecall mrecall mplus mclear Command2"_s
            << QStringList{u"4"_s, u"2"_s,    u"Memory indicator M"_s,           u"blank"_s, u"2"_s,
                           u"2"_s, QString(), u"blank|Memory indicator blank"_s, u"2"_s}
            << u"2"_s;
        QTest::newRow("MC after typing in the display")
            << u"Command7 mstore txtinsert key:5 mclear"_s
            << QStringList{u"7"_s, u"Memory indicator M"_s, QString(), u"typed 5"_s,
                           u"blank|Memory indicator blank"_s}
            << QString();
    }
    void screenReaderHearsEachActionOnce() {
        QFETCH(QString, steps);
        QFETCH(QStringList, heard);
        QFETCH(QString, display);
        AccessibilityEvents events;
        QStringList recorded;
        QStringList alerts;
        for (const QString& step : steps.split(u' ')) {
            if (step == u"key:Enter"_s) {
                fixture_->press(Qt::Key_Return, u"\r"_s);
            } else if (step.startsWith(u"key:"_s)) {
                fixture_->press(Qt::Key(step.back().unicode()), step.back());
            } else {
                fixture_->click(step);
            }
            QStringList said;
            for (const AccessibilityEvents::Event& event : events.take()) {
                if (event.announced) {
                    said.append(event.text);
                } else if (event.type == QAccessible::Alert) {
                    said.append(u"alert: "_s + event.text);
                    alerts.append(event.text);
                } else if (event.type == QAccessible::TextUpdated) {
                    said.append(u"typed "_s + event.text);
                } else if (event.type == QAccessible::TextRemoved) {
                    said.append(u"line "_s + event.text);
                }
            }
            recorded.append(said.join(u'|'));
        }
        QCOMPARE(recorded, heard);
        QCOMPARE(fixture_->display(), display);
        QCOMPARE(fixture_->takeMessages(), alerts);
    }

  private:
    QAccessibleInterface* accessible(const QString& name) {
        QAccessibleInterface* control =
            QAccessible::queryAccessibleInterface(fixture_->control(name));
        if (control == nullptr) {
            qFatal("no accessible interface for %s", qPrintable(name));
        }
        return control;
    }
};

}  // namespace tallomat

QTEST_MAIN(tallomat::AccessibilityTest)
#include "accessibility_test.moc"

// The window as built from its description: controls, geometry, captions, fonts, colours, tab
// order.
#include <QFontInfo>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <optional>

#include "bad_input.h"
#include "form_description.h"
#include "identity.h"
#include "name_sets.h"
#include "qt_text.h"
#include "window_fixture.h"

namespace tallomat {

using namespace Qt::StringLiterals;

namespace {

QRect pixels(const ControlEntry& entry) {
    return {entry.left / 15, entry.top / 15, entry.width / 15, entry.height / 15};
}

const char* qtClassOf(ControlKind kind) {
    switch (kind) {
        case ControlKind::Key:
            return "QPushButton";
        case ControlKind::TextBox:
            return "tallomat::TextField";
        case ControlKind::Option:
            return "QRadioButton";
        case ControlKind::Frame:
            return "QGroupBox";
    }
    return "";
}

}  // namespace

class WindowLayoutTest : public WindowSuite {
    Q_OBJECT

  private slots:

    // The name, version and desktop id are the project's, as the desktop files and package have
    // them.
    void windowHasCaptionSizeAndVersion() {
        frmmain& window = fixture_->window();
        QCOMPARE(window.windowTitle(), toQString(kProgramName));
        QCOMPARE(window.size(), QSize(345, 279));
        QCOMPARE(QApplication::applicationName(), toQString(kProgramName));
        QCOMPARE(QApplication::applicationVersion(), toQString(kProgramVersion));
        QCOMPARE(QApplication::desktopFileName(), toQString(kAppId));
        QVERIFY(!window.windowIcon().isNull());
        QCOMPARE(window.windowIcon().availableSizes(), (QList<QSize>{{32, 32}, {16, 16}}));
    }

    // Every entry becomes one widget of its kind, named, placed and set up as the entry says. The
    // window holds no other named widget, and its push buttons are the engine's keys and "Exit".
    void everyControlIsBuiltFromItsEntry() {
        QSet<QString> described;
        for (const ControlEntry& entry : mainFormDescription().controls) {
            const QString name = QString::fromUtf8(entry.name.data(), qsizetype(entry.name.size()));
            QVERIFY2(!described.contains(name), qPrintable(name));
            described.insert(name);
            QWidget* widget = fixture_->control(name);
            QCOMPARE(widget->metaObject()->className(), qtClassOf(entry.kind));
            QCOMPARE(widget->parentWidget()->objectName().toStdString(), entry.container);
            QCOMPARE(widget->geometry(), pixels(entry));
            QCOMPARE(widget->isEnabled(), entry.enabled);
            QCOMPARE(widget->toolTip().toStdString(), entry.tooltip.value_or(""));
            if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
                QCOMPARE(button->text().toStdString(), entry.caption.value_or(""));
            }
        }
        QSet<QString> built;
        QSet<QString> pushButtons;
        for (const QWidget* widget : fixture_->window().findChildren<QWidget*>()) {
            if (!widget->objectName().isEmpty()) {
                built.insert(widget->objectName());
            }
            if (qobject_cast<const QPushButton*>(widget) != nullptr) {
                pushButtons.insert(widget->objectName());
            }
        }
        QSet<QString> engineKeysAndExit{u"cmdexit"_s};
        for (const char* name : engineKeyNames()) {
            engineKeysAndExit.insert(QString::fromLatin1(name));
        }
        for (const QString& mismatch :
             {nameMismatch("the description", described, "the window's widgets", built),
              nameMismatch("the push buttons", pushButtons, "the engine's keys and Exit",
                           engineKeysAndExit)}) {
            QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
        }
    }

    void captionsAndTooltipsAreExact_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("tooltip");
        QTest::newRow("x ! with a space") << "cmdfactorial"
                                          << "x !"
                                          << "x Factorial";
        QTest::newRow("Cube root, Cube Root") << "cmdcuberoot"
                                              << "Cube root"
                                              << "Cube Root";
        QTest::newRow("Substraction") << "cmdsub"
                                      << "-"
                                      << "Substraction";
        QTest::newRow("Logarithm( base e)") << "cmdln"
                                            << "ln"
                                            << "Logarithm( base e)";
        QTest::newRow("Logarithm( base 10)") << "cmdlog"
                                             << "log"
                                             << "Logarithm( base 10)";
        QTest::newRow("Degree") << "optiondegree"
                                << "Degree"
                                << "Set input in degree";
        QTest::newRow("Radian, same tooltip") << "optionrad"
                                              << "Radian"
                                              << "Set input in degree";
        QTest::newRow("0 key") << "Command10"
                               << "0"
                               << "";
        QTest::newRow("point") << "Cmdpoint"
                               << "."
                               << "point";
    }
    void captionsAndTooltipsAreExact() {
        QFETCH(QString, name);
        QFETCH(QString, caption);
        QFETCH(QString, tooltip);
        auto* button = fixture_->control<QAbstractButton>(name);
        QCOMPARE(button->text(), caption);
        QCOMPARE(button->toolTip(), tooltip);
    }

    void placesAreThoseOfTheLayout_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("pixels");
        QTest::newRow("frame") << "frameControls" << QRect(8, 0, 329, 273);
        QTest::newRow("display") << "txtinsert" << QRect(8, 24, 313, 27);
        QTest::newRow("Backspace") << "cmdback" << QRect(168, 64, 113, 33);
        QTest::newRow("Round") << "cmdround" << QRect(48, 232, 73, 25);
        QTest::newRow("ln") << "cmdln" << QRect(288, 232, 33, 25);
        QTest::newRow("Radian") << "optionrad" << QRect(96, 80, 73, 17);
    }
    void placesAreThoseOfTheLayout() {
        QFETCH(QString, name);
        QFETCH(QRect, pixels);
        QCOMPARE(fixture_->control(name)->geometry(), pixels);
    }

    void resizingOrMaximisingMovesNothing() {
        frmmain& window = fixture_->window();
        QList<QRect> before;
        const QList<QWidget*> controls = window.findChildren<QWidget*>();
        for (const QWidget* control : controls) {
            before.append(control->geometry());
        }
        window.resize(800, 600);
        window.showMaximized();
        for (qsizetype i = 0; i < controls.size(); ++i) {
            QCOMPARE(controls[i]->geometry(), before[i]);
        }
    }

    // Stored fonts resolve to the installed substitutes; controls without one show the window's
    // default font, regular.
    void fontsResolveToTheirSubstitutes_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("family");
        QTest::addColumn<double>("points");
        QTest::addColumn<bool>("bold");
        QTest::newRow("MS Sans Serif") << "cmdint"
                                       << "Liberation Sans" << 8.25 << true;
        QTest::newRow("Arial") << "cmdexit"
                               << "Liberation Sans" << 9.75 << true;
        QTest::newRow("Times New Roman") << "cmdadd"
                                         << "Liberation Serif" << 8.25 << true;
        QTest::newRow("Verdana 9") << "Command1"
                                   << "DejaVu Sans" << 9.0 << true;
        QTest::newRow("Verdana 9.75") << "Command2"
                                      << "DejaVu Sans" << 9.75 << true;
        QTest::newRow("default on a key") << "mclear"
                                          << "Liberation Sans" << 8.25 << false;
        QTest::newRow("default on the display") << "txtinsert"
                                                << "Liberation Sans" << 8.25 << false;
    }
    void fontsResolveToTheirSubstitutes() {
        QFETCH(QString, name);
        QFETCH(QString, family);
        QFETCH(double, points);
        QFETCH(bool, bold);
        const QFont font = fixture_->control(name)->font();
        QCOMPARE(QFontInfo(font).family(), family);
        QCOMPARE(font.pointSizeF(), points);
        QCOMPARE(font.bold(), bold);
    }

    void coloursAreThoseOfTheDescription() {
        const QColor keyFace(224, 224, 224);
        for (auto* key : fixture_->window().findChildren<QPushButton*>()) {
            QCOMPARE(key->palette().color(QPalette::Button), keyFace);
        }
        QCOMPARE(fixture_->control(u"txtinsert"_s)->palette().color(QPalette::Text), Qt::red);
        QCOMPARE(fixture_->control(u"frameControls"_s)->palette().color(QPalette::Window),
                 Qt::white);
    }

    // Tab from the display walks the tab indices, passing over the frame and the disabled
    // indicator, and comes back to the display. The option pair is one stop, at the selected
    // option ("Degree" after start), as Qt does for every exclusive group.
    void tabWalksTheTabIndices() {
        const QStringList expected = {
            "Cmdpoint",     "Command11", "cmdequal",    "cmddivide",    "cmdmod",   "cmdsqrt",
            "cmdadd",       "cmdsub",    "cmdmul",      "cmddiv",       "cmdc",     "cmdback",
            "Command10",    "Command9",  "Command8",    "Command7",     "Command6", "Command5",
            "Command4",     "Command3",  "Command2",    "Command1",     "mclear",   "mrecall",
            "mstore",       "mplus",     "cmdexit",     "cmdsquare",    "cmdcube",  "cmdpower",
            "cmdfactorial", "cmdsin",    "cmdcos",      "cmdtan",       "cmdpi",    "cmdlog",
            "cmdexp",       "cmdround",  "cmdcuberoot", "optiondegree", "cmdln",    "cmdint",
            "txtinsert"};
        QCOMPARE(fixture_->focusName(), u"txtinsert"_s);
        QStringList visited;
        for (qsizetype i = 0; i < expected.size(); ++i) {
            fixture_->press(Qt::Key_Tab, u"\t"_s);
            visited.append(fixture_->focusName());
        }
        QCOMPARE(visited, expected);
    }
};

}  // namespace tallomat

QTEST_MAIN(tallomat::WindowLayoutTest)
#include "window_layout_test.moc"

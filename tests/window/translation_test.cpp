// The window in the user's language: the phrases that announcements compose, and the German
// window, whose captions and results stay as they are in English.
#include <QAbstractButton>
#include <QMenu>
#include <array>

#include "action_announcer.h"
#include "failure.h"
#include "translations.h"
#include "window_fixture.h"

namespace tallomat {

using namespace Qt::StringLiterals;

class TranslationTest : public QObject {
    Q_OBJECT

  private slots:
    void cleanupTestCase() { installTranslations({}); }

    // The indicator's phrase is translated whole, so "blank" agrees with its name.
    void indicatorReadsAsOnePhrase_data() {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("spoken");
        QTest::newRow("de") << u"de"_s << u"Speicheranzeige leer"_s;
        QTest::newRow("pl") << u"pl"_s << u"Wskaźnik pamięci pusty"_s;
        QTest::newRow("ru") << u"ru"_s << u"Индикатор памяти пуст"_s;
    }
    void indicatorReadsAsOnePhrase() {
        QFETCH(QString, language);
        QFETCH(QString, spoken);
        installTranslations({language});
        WindowFixture fixture;
        auto* indicator = fixture.control<TextField>(u"txtstorevalue"_s);
        QCOMPARE(ActionAnnouncer::spokenText(*indicator, true), spoken);
    }

    // Spoken names, tooltips, the message, the words that announcements add and Qt's own context
    // menu (from Qt's translations, which the set-up installs).
    void germanWindow() {
        installTranslations({u"de_DE.UTF-8"_s});
        WindowFixture fixture;
        struct Row {
            QString name, caption, spoken, tooltip;
        };
        for (const Row& row : {Row{"cmdsqrt", "sqrt", "Quadratwurzel", "Quadratwurzel"},
                               Row{"optionrad", "Radian", "Bogenmaß", "Eingabe in Grad"},
                               Row{"mplus", "M+", "Zum Speicher addieren", "Zum Speicher addieren"},
                               Row{"Command7", "7", "7", ""}}) {
            auto* key = fixture.control<QAbstractButton>(row.name);
            QCOMPARE(QStringList({key->text(), key->accessibleName(), key->toolTip()}),
                     QStringList({row.caption, row.spoken, row.tooltip}));
        }
        fixture.click(u"Command7 cmdadd Command5 cmdequal"_s);
        QCOMPARE(fixture.display(), u"12"_s);
        fixture.click(u"cmdc Command11"_s);
        QCOMPARE(fixture.takeMessages(), QStringList{u"Die Anzeige enthält keine Zahl."_s});
        auto* display = fixture.control<TextField>(u"txtinsert"_s);
        QContextMenuEvent event(QContextMenuEvent::Mouse, {5, 5}, display->mapToGlobal(QPoint()));
        QApplication::sendEvent(display, &event);
        QCOMPARE(display->findChild<QMenu*>()->actions().constFirst()->text(),
                 u"&Rückgängig\tStrg+Z"_s);
        for (int kind = 0; kind <= int(FailureKind::TooManyPasses); ++kind) {
            const std::string english = ErrorDescription({FailureKind(kind)});
            QVERIFY2(translatedMessage(english) != QString::fromStdString(english), english.data());
        }
    }
};

}  // namespace tallomat

QTEST_MAIN(tallomat::TranslationTest)
#include "translation_test.moc"

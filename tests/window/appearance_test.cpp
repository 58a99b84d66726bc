// The window looks the same on every desktop: at every scale factor the captions fit their
// controls and no two controls overlap, and a dark desktop palette changes no pixel. The scale
// factor comes from QT_SCALE_FACTOR, which the build sets for one run of this suite per factor.
#include <QPushButton>
#include <QRadioButton>
#include <QStyleOption>
#include <vector>

#include "form_description.h"
#include "window_fixture.h"

namespace tallomat {

using namespace Qt::StringLiterals;

namespace {

// The application palette of a dark desktop theme: light text on dark faces and fields.
QPalette darkDesktopPalette() {
    QPalette dark(QColor(53, 53, 53));
    dark.setColor(QPalette::Base, QColor(30, 30, 30));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Highlight, QColor(21, 83, 158));
    return dark;
}

// Sets the application palette for its lifetime, as a desktop's theme would.
class ApplicationPalette {
  public:
    explicit ApplicationPalette(const QPalette& palette) : previous_(QApplication::palette()) {
        QApplication::setPalette(palette);
    }
    ~ApplicationPalette() { QApplication::setPalette(previous_); }

  private:
    QPalette previous_;
};

// What a control shows, in the window's coordinates: a key's or a field's whole face, an option's
// indicator and caption.
QRect shownRect(QWidget& control) {
    const QPoint origin = control.mapTo(control.window(), QPoint(0, 0));
    if (auto* option = qobject_cast<QRadioButton*>(&control)) {
        QStyleOptionButton style;
        style.initFrom(option);
        style.text = option->text();
        const QRect indicator =
            option->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &style, option);
        const QRect contents =
            option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
        const QRect caption =
            option->fontMetrics().boundingRect(contents, Qt::AlignVCenter, option->text());
        return indicator.united(caption).translated(origin);
    }
    return control.rect().translated(origin);
}

}  // namespace

class AppearanceTest : public WindowSuite {
    Q_OBJECT

  private slots:

    void captionsFitTheirControls() {
        for (auto* button : fixture_->window().findChildren<QAbstractButton*>()) {
            QStyleOptionButton style;
            style.initFrom(button);
            style.text = button->text();
            const bool isOption = qobject_cast<QRadioButton*>(button) != nullptr;
            const QRect contents = button->style()->subElementRect(
                isOption ? QStyle::SE_RadioButtonContents : QStyle::SE_PushButtonContents, &style,
                button);
            const QSizeF caption = QFontMetricsF(button->font()).size(0, button->text());
            QVERIFY2(
                caption.width() <= contents.width() && caption.height() <= contents.height(),
                qPrintable(button->objectName() + u" needs "_s + QString::number(caption.width()) +
                           u" x "_s + QString::number(caption.height()) + u", has "_s +
                           QString::number(contents.width()) + u" x "_s +
                           QString::number(contents.height())));
        }
    }

    void noTwoControlsOverlap() {
        std::vector<QWidget*> shown;
        for (const ControlEntry& entry : mainFormDescription().controls) {
            if (entry.kind != ControlKind::Frame) {
                shown.push_back(fixture_->control(QString::fromUtf8(entry.name)));
            }
        }
        for (std::size_t i = 0; i < shown.size(); ++i) {
            for (std::size_t j = i + 1; j < shown.size(); ++j) {
                QVERIFY2(
                    !shownRect(*shown[i]).intersects(shownRect(*shown[j])),
                    qPrintable(shown[i]->objectName() + u" overlaps "_s + shown[j]->objectName()));
            }
        }
    }

    // The desktop's colour scheme, at start or changed while the window is open, shows nowhere.
    void aDarkDesktopPaletteChangesNoPixel() {
        fixture_->click(u"Command7 mstore"_s);
        const QImage light = fixture_->window().grab().toImage();
        ApplicationPalette dark(darkDesktopPalette());
        QCOMPARE(fixture_->window().grab().toImage(), light);

        WindowFixture startedDark;
        startedDark.click(u"Command7 mstore"_s);
        QCOMPARE(startedDark.window().grab().toImage(), light);
    }
};

}  // namespace tallomat

QTEST_MAIN(tallomat::AppearanceTest)
#include "appearance_test.moc"

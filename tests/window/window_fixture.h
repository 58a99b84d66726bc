#pragma once

#include <QApplication>
#include <QTest>
#include <memory>
#include <optional>

#include "application.h"
#include "frmmain.h"
#include "message_box_closer.h"
#include "startup.h"
#include "text_field.h"

namespace tallomat {

// A fresh window, shown and active as at program start. Message boxes are closed as they appear,
// so no test can hang on one; a test that does not expect a box fails in `cleanup` of its suite.
class WindowFixture {
  public:
    WindowFixture() : window_(createWindow()) { showAsAtStart(*window_); }

    frmmain& window() { return *window_; }
    const FormState& state() const { return window_->engine().state(); }

    template <class Widget = QWidget>
    Widget* control(const QString& name) {
        auto* widget = window_->findChild<Widget*>(name);
        if (widget == nullptr) {
            qFatal("no control named %s", qPrintable(name));
        }
        return widget;
    }

    // Clicks each key, option or field named in the space-separated list, in order.
    void click(const QString& names) {
        for (const QString& name : names.split(u' ', Qt::SkipEmptyParts)) {
            QTest::mouseClick(control(name), Qt::LeftButton);
        }
    }

    // Presses and releases a key at the widget that has the input focus.
    void press(Qt::Key key, const QString& text = {}, Qt::KeyboardModifiers modifiers = {}) {
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), key, text, modifiers);
    }

    QString display() { return control<TextField>(QStringLiteral("txtinsert"))->text(); }

    QString focusName() const {
        const QWidget* focus = QApplication::focusWidget();
        return focus != nullptr ? focus->objectName() : QString();
    }

    QStringList takeMessages() { return messageBoxes_.takeMessages(); }

  private:
    // The application is prepared once, as the program does, before the first window.
    static std::unique_ptr<frmmain> createWindow() {
        static const bool prepared = (prepareApplication(), true);
        Q_UNUSED(prepared);
        return std::make_unique<frmmain>();
    }

    MessageBoxCloser messageBoxes_;
    std::unique_ptr<frmmain> window_;
};

// The base of the window suites: every test function gets a fresh window in `fixture_`, and a
// message box that the test did not take with takeMessages() fails it.
class WindowSuite : public QObject {
    Q_OBJECT

  protected slots:
    void init() { fixture_.emplace(); }
    void cleanup() {
        const QStringList unexpected = fixture_->takeMessages();
        fixture_.reset();
        using namespace Qt::StringLiterals;
        QVERIFY2(unexpected.isEmpty(), qPrintable(u"message box: "_s + unexpected.join(u'|')));
    }

  protected:
    std::optional<WindowFixture> fixture_;
};

}  // namespace tallomat

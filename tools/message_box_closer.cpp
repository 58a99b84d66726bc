#include "message_box_closer.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QMessageBox>

namespace tallomat {

MessageBoxCloser::MessageBoxCloser() {
    QApplication::instance()->installEventFilter(this);
}

MessageBoxCloser::~MessageBoxCloser() {
    QApplication::instance()->removeEventFilter(this);
}

QStringList MessageBoxCloser::takeMessages() {
    return std::exchange(messages_, {});
}

bool MessageBoxCloser::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        if (auto* box = qobject_cast<QMessageBox*>(watched)) {
            messages_.append(box->text());
            // Queued, so that the click lands inside the box's own event loop.
            QMetaObject::invokeMethod(
                box, [box] { box->button(QMessageBox::Ok)->click(); }, Qt::QueuedConnection);
        }
    }
    return false;
}

}  // namespace tallomat

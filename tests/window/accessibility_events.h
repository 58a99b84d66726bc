#pragma once

#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#include <QAccessible>
#include <QList>
#include <QPointer>
#include <optional>
#include <utility>

#include "announcement.h"

namespace tallomat {

// Records the accessibility events that a screen reader would hear. Qt raises none until a screen
// reader turns accessibility on, so the recorder turns it on as one does, for as long as it lives.
class AccessibilityEvents {
  public:
    struct Event {
        QAccessible::Event type;
        QPointer<QObject> object;
        int start = -1;  // of a selection or a change
        int end = -1;    // of a selection
        QString text;    // inserted by a change, the line read again after a removal, or announced
        bool announced = false;
    };

    AccessibilityEvents() {
        events().clear();
        QAccessible::installUpdateHandler(record);
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(true);
    }
    ~AccessibilityEvents() {
        QGuiApplicationPrivate::platformIntegration()->accessibility()->setActive(false);
        QAccessible::installUpdateHandler(nullptr);
    }
    AccessibilityEvents(const AccessibilityEvents&) = delete;
    AccessibilityEvents& operator=(const AccessibilityEvents&) = delete;

    QList<Event> take() { return std::exchange(events(), {}); }

  private:
    static QList<Event>& events() {
        static QList<Event> recorded;
        return recorded;
    }

    // What a screen reader reads out of an alert: Orca 43 its labels, else its description; Orca 48
    // and later its description, else its labels, where Orca 51 passes over a label that takes
    // the focus. Both readings, when they differ.
    static QString spokenText(QAccessibleInterface* alert) {
        const QString description = alert->text(QAccessible::Description);
        QStringList labels;
        QStringList unfocusableLabels;
        for (int index = 0; index < alert->childCount(); ++index) {
            QAccessibleInterface* child = alert->child(index);
            if (child->role() == QAccessible::StaticText && !child->state().invisible) {
                labels.append(child->text(QAccessible::Name));
                if (!child->state().focusable) {
                    unfocusableLabels.append(child->text(QAccessible::Name));
                }
            }
        }
        const QString labelsFirst = labels.isEmpty() ? description : labels.join(u' ');
        const QString descriptionFirst =
            description.isEmpty() ? unfocusableLabels.join(u' ') : description;
        return labelsFirst == descriptionFirst
                   ? labelsFirst
                   : labelsFirst + QStringLiteral(" / ") + descriptionFirst;
    }

    static void record(QAccessibleEvent* event) {
        Event recorded{event->type(), event->object(), -1, -1, {}, false};
        if (event->type() == QAccessible::TextSelectionChanged) {
            const auto* selection = static_cast<QAccessibleTextSelectionEvent*>(event);
            recorded.start = selection->selectionStart();
            recorded.end = selection->selectionEnd();
        } else if (event->type() == QAccessible::Alert) {
            recorded.text = spokenText(event->accessibleInterface());
        } else if (event->type() == QAccessible::TextUpdated) {
            const auto* update = static_cast<QAccessibleTextUpdateEvent*>(event);
            recorded.start = update->changePosition();
            recorded.text = update->textInserted();
        } else if (event->type() == QAccessible::TextRemoved) {
            recorded.text = event->accessibleInterface()->text(QAccessible::Value);
        } else if (const std::optional<QString> spoken = announcedText(event)) {
            recorded.announced = true;
            recorded.text = *spoken;
        }
        events().append(recorded);
    }
};

}  // namespace tallomat

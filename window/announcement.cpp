#include "announcement.h"

#include <QAccessible>
#include <QAccessibleObject>
#include <QWidget>
#include <QtGlobal>

namespace tallomat {

// Qt 6.8 (Debian 13) raises an announcement event of its own; Qt 6.4 (Debian 12) has none, and
// the older way goes with it.
#if QT_VERSION >= QT_VERSION_CHECK(6, 8, 0)

void announce(QWidget* source, const QString& text) {
    if (QAccessible::isActive()) {
        QAccessibleAnnouncementEvent event(source, text);
        QAccessible::updateAccessibility(&event);
    }
}

std::optional<QString> announcedText(QAccessibleEvent* event) {
    if (event->type() != QAccessible::Announcement) {
        return std::nullopt;
    }
    return static_cast<QAccessibleAnnouncementEvent*>(event)->message();
}

#else

namespace {

// Screen readers speak a notification whenever it is shown, wherever the focus is, and Orca reads
// one that lies in a status bar by its name alone, without its role. So the window gets a status
// bar with a notification for each source, named after what it says, that is shown again for each
// announcement. One for each source, because Orca takes a notification shown twice before it got
// to the first as one showing, and one key can change both the display and the indicator.
// None of them is a widget: nothing appears on screen, and the accessible tree of the window,
// which lists its widgets, keeps its controls alone.
class AnnouncerAccessible final : public QAccessibleObject {
  public:
    AnnouncerAccessible(QObject* object, QAccessible::Role role)
        : QAccessibleObject(object), role_(role) {}

    void setName(const QString& name) { name_ = name; }

    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(object()->parent());
    }
    int childCount() const override { return static_cast<int>(object()->children().size()); }
    QAccessibleInterface* child(int index) const override {
        const QObjectList& children = object()->children();
        return index >= 0 && index < children.size()
                   ? QAccessible::queryAccessibleInterface(children.at(index))
                   : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child != nullptr ? static_cast<int>(object()->children().indexOf(child->object()))
                                : -1;
    }
    QString text(QAccessible::Text type) const override {
        return type == QAccessible::Name ? name_ : QString();
    }
    QAccessible::Role role() const override { return role_; }
    QAccessible::State state() const override { return {}; }

  private:
    QAccessible::Role role_;
    QString name_;
};

// Makes an object that screen readers see in the given role, owned by `parent`.
QObject* createAnnouncer(QObject* parent, const QString& name, QAccessible::Role role) {
    auto* object = new QObject(parent);
    object->setObjectName(name);
    QAccessible::registerAccessibleInterface(new AnnouncerAccessible(object, role));
    return object;
}

// The notification of `source`, made at its first announcement in the status bar of its window;
// both go with the window.
AnnouncerAccessible* notificationOf(QWidget& source) {
    static const QString kStatusBarName = QStringLiteral("announcements");
    QWidget* window = source.window();
    QObject* statusBar = window->findChild<QObject*>(kStatusBarName, Qt::FindDirectChildrenOnly);
    if (statusBar == nullptr) {
        statusBar = createAnnouncer(window, kStatusBarName, QAccessible::StatusBar);
    }
    QObject* notification =
        statusBar->findChild<QObject*>(source.objectName(), Qt::FindDirectChildrenOnly);
    if (notification == nullptr) {
        notification = createAnnouncer(statusBar, source.objectName(), QAccessible::Notification);
    }
    return static_cast<AnnouncerAccessible*>(QAccessible::queryAccessibleInterface(notification));
}

}  // namespace

void announce(QWidget* source, const QString& text) {
    if (!QAccessible::isActive()) {
        return;
    }
    AnnouncerAccessible* notification = notificationOf(*source);
    notification->setName(text);
    // The new name first, so that a screen reader that keeps names does not read the old one.
    QAccessibleEvent renamed(notification, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    QAccessibleEvent shown(notification, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}

std::optional<QString> announcedText(QAccessibleEvent* event) {
    QAccessibleInterface* shown =
        event->type() == QAccessible::ObjectShow ? event->accessibleInterface() : nullptr;
    if (shown == nullptr || shown->role() != QAccessible::Notification) {
        return std::nullopt;
    }
    return shown->text(QAccessible::Name);
}

#endif

}  // namespace tallomat

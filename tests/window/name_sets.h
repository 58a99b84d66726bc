#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace tallomat {

// Empty when the two sets of names are equal; otherwise the names that only one of them holds,
// each set called by what it is ("engine keys", "click routes").
inline QString nameMismatch(const char* leftWhat, const QSet<QString>& left, const char* rightWhat,
                            const QSet<QString>& right) {
    QStringList parts;
    const auto describe = [&](const char* what, const QSet<QString>& only) {
        if (!only.isEmpty()) {
            QStringList names = only.values();
            names.sort();
            parts.append(
                QStringLiteral("only in %1: %2").arg(QLatin1String(what), names.join(u' ')));
        }
    };
    describe(leftWhat, left - right);
    describe(rightWhat, right - left);
    return parts.join(u"; ");
}

}  // namespace tallomat

#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <memory>

namespace tallomat {
namespace {

std::unique_ptr<QTranslator> ownTranslator;
std::unique_ptr<QTranslator> qtTranslator;

QString translated(const char* context, std::string_view english) {
    return QCoreApplication::translate(context,
                                       QByteArray(english.data(), qsizetype(english.size())));
}

}  // namespace

QStringList userLanguages() {
    return QLocale::system().uiLanguages();
}

QString installTranslations(const QStringList& languages) {
    for (auto* installed : {&ownTranslator, &qtTranslator}) {
        if (*installed) {
            QCoreApplication::removeTranslator(installed->get());
            installed->reset();
        }
    }
    for (const QString& language : languages) {
        // QLocale reads "C", "POSIX" and what it does not know as the C locale, which names no
        // language.
        const QLocale locale(language);
        if (locale.language() == QLocale::English) {
            break;
        }
        auto own = std::make_unique<QTranslator>();
        if (locale.language() == QLocale::C ||
            !own->load(locale, QStringLiteral("tallomat"), QStringLiteral("_"),
                       QStringLiteral(":/i18n"))) {
            continue;
        }
        ownTranslator = std::move(own);
        QCoreApplication::installTranslator(ownTranslator.get());
        // Qt's translations are a separate package, which may be missing: its texts then stay
        // English.
        qtTranslator = std::make_unique<QTranslator>();
        if (qtTranslator->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            QCoreApplication::installTranslator(qtTranslator.get());
        }
        return ownTranslator->language();
    }
    return {};
}

QString translatedControlText(std::string_view english) {
    return translated("Controls", english);
}

QString translatedMessage(std::string_view english) {
    return translated("Messages", english);
}

}  // namespace tallomat

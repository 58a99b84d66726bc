// Prints the translation that the program installs for the environment it runs in, as the
// program chooses it at start: the language tests run it under each environment.
#include <QCoreApplication>
#include <cstdio>

#include "translations.h"

int main(int argc, char* argv[]) {
    const QCoreApplication application(argc, argv);
    const QString language = tallomat::installTranslations(tallomat::userLanguages());
    std::printf("installed translation: %s\n", language.isEmpty() ? "none" : qPrintable(language));
}

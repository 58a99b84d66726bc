// Simple Tallomat: the program starts with its main window and ends when the window closes.
#include <QApplication>

#include "application.h"
#include "frmmain.h"
#include "translations.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    tallomat::prepareApplication();
    tallomat::installTranslations(tallomat::userLanguages());
    tallomat::frmmain window;
    window.show();
    return QApplication::exec();
}

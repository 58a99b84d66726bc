// tallomat-render FILE.png [TOKEN...]: renders the window, after the tokens if any, to a PNG.
#include <QApplication>
#include <QPixmap>
#include <iostream>
#include <string_view>

#include "application.h"
#include "frmmain.h"
#include "key_driver.h"
#include "startup.h"

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::cerr << "usage: tallomat-render FILE.png [TOKEN...]\n";
        return 2;
    }
    for (int i = 2; i < argc; ++i) {
        if (!tallomat::KeyDriver::isToken(argv[i])) {
            std::cerr << "tallomat-render: unknown token '" << argv[i] << "'\n";
            return 2;
        }
    }
    tallomat::preferOffscreenPlatform();
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    tallomat::prepareApplication();
    tallomat::frmmain window;
    tallomat::showAsAtStart(window);
    tallomat::KeyDriver driver(window);
    for (int i = 2; i < argc && !driver.windowClosed(); ++i) {
        driver.perform(argv[i]);
    }
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]))) {
        std::cerr << "tallomat-render: cannot write " << argv[1] << '\n';
        return 1;
    }
    return 0;
}

// tallomat-keys TOKEN...: performs each token on the window as at program start and prints, after
// each one, a line of JSON with the window's texts, selection, focus and calculation state.
#include <QApplication>
#include <iostream>
#include <string_view>
#include <vector>

#include "application.h"
#include "frmmain.h"
#include "key_driver.h"
#include "startup.h"

int main(int argc, char* argv[]) {
    const std::vector<std::string_view> tokens(argv + 1, argv + argc);
    if (tokens.empty()) {
        std::cerr << "usage: tallomat-keys TOKEN...\n";
        return 2;
    }
    for (const std::string_view token : tokens) {
        if (!tallomat::KeyDriver::isToken(token)) {
            std::cerr << "tallomat-keys: unknown token '" << token << "'\n";
            return 2;
        }
    }
    tallomat::preferOffscreenPlatform();
    int qtArgc = 1;  // the tokens are ours, not Qt's options
    QApplication application(qtArgc, argv);
    tallomat::prepareApplication();
    tallomat::frmmain window;
    tallomat::showAsAtStart(window);
    tallomat::KeyDriver driver(window);
    for (const std::string_view token : tokens) {
        std::cout << driver.perform(token) << '\n';
        if (driver.windowClosed()) {
            break;
        }
    }
    return 0;
}

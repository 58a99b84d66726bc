// How long each key takes on bad input through the real window: every key but "Exit", the typed
// keys of the bad-input table, and "Exit" itself, each on every bad input, on a fresh window
// (offscreen unless QT_QPA_PLATFORM says otherwise). A key's time runs from the press to the end
// of the events that it causes, repainting included; the paste before it is not counted.
//   bad_input_keys [REPEATS]    prints, per key, the median and the maximum in milliseconds over
//                               all inputs, and the maximum on each input
#include <QApplication>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "application.h"
#include "bad_input.h"
#include "frmmain.h"
#include "message_box_closer.h"
#include "startup.h"

namespace {

using namespace tallomat;

struct Key {
    std::string name;
    std::function<void(frmmain&)> press;
};

std::vector<Key> keysToTime() {
    std::vector<Key> keys;
    for (const char* name : engineKeyNames()) {
        keys.push_back({name, [name](frmmain& window) {
                            clickKey(window, name);
                        }});
    }
    for (const TypedKey& typed : typedKeys()) {
        keys.push_back({typed.name, [&typed](frmmain&) {
                            type(typed);
                        }});
    }
    keys.push_back({"cmdexit", [](frmmain& window) {
                        clickKey(window, "cmdexit");
                    }});
    return keys;
}

// Milliseconds from the key to the end of the events that it caused.
double timeKey(const Key& key, const BadInput& input) {
    frmmain window;
    showAsAtStart(window);
    pasteIntoDisplay(input.bytes);
    QApplication::processEvents();
    const auto start = std::chrono::steady_clock::now();
    key.press(window);
    QApplication::processEvents();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
        .count();
}

}  // namespace

int main(int argc, char* argv[]) {
    const int repeats = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    preferOffscreenPlatform();
    int qtArgc = 1;
    QApplication application(qtArgc, argv);
    prepareApplication();
    MessageBoxCloser messageBoxes;  // the sign change's box closes as soon as it shows

    std::printf("%-16s %8s %8s   maximum ms on input", "key", "median", "max");
    for (std::size_t input = 1; input <= badInputs().size(); ++input) {
        std::printf(" %8zu", input);
    }
    std::printf("\n");
    double worst = 0;
    for (const Key& key : keysToTime()) {
        std::vector<double> times;
        std::vector<double> slowestOnInput;
        for (const BadInput& input : badInputs()) {
            double slowest = 0;
            for (int repeat = 0; repeat < repeats; ++repeat) {
                times.push_back(timeKey(key, input));
                slowest = std::max(slowest, times.back());
            }
            slowestOnInput.push_back(slowest);
        }
        std::ranges::sort(times);
        std::printf("%-16s %8.2f %8.2f                      ", key.name.c_str(),
                    times[times.size() / 2], times.back());
        for (const double slowest : slowestOnInput) {
            std::printf(" %8.2f", slowest);
        }
        std::printf("\n");
        worst = std::max(worst, times.back());
        messageBoxes.takeMessages();
    }
    for (std::size_t input = 0; input < badInputs().size(); ++input) {
        std::printf("input %zu: %s\n", input + 1, badInputs()[input].name);
    }
    std::printf("slowest key on any bad input: %.2f ms (%d repeats of each key on each input)\n",
                worst, repeats);
    return 0;
}

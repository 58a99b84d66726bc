#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "window_services.h"

namespace tallomat::testing {

// A window that records what the engine did to it, with the captions of the real layout.
class FakeWindow : public WindowServices {
  public:
    std::string display;
    std::string indicator;
    bool degreeSelected = false;
    std::vector<std::string> displayWrites;
    std::vector<std::string> messages;
    int focusRequests = 0;

    std::string displayText() const override { return display; }
    void setDisplayText(std::string_view text) override {
        display = text;
        displayWrites.emplace_back(text);
    }
    void setIndicatorText(std::string_view text) override { indicator = text; }
    bool isDegreeSelected() const override { return degreeSelected; }
    void selectDegree() override { degreeSelected = true; }
    std::string digitKeyCaption(std::int16_t groupIndex) const override {
        static constexpr std::string_view kDigitCaptions[] = {"1", "2", "3", "4", "5",
                                                              "6", "7", "8", "9", "0"};
        return std::string(kDigitCaptions[groupIndex]);
    }
    std::string pointKeyCaption() const override { return "."; }
    void focusDisplay() override { ++focusRequests; }
    void showMessage(std::string_view text) override { messages.emplace_back(text); }
};

}  // namespace tallomat::testing

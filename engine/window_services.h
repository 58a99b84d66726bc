#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tallomat {

// What the engine asks of the window. The real window implements it over its controls; the
// engine tests implement it with a fake that records every call.
class WindowServices {
  public:
    virtual ~WindowServices() = default;

    // The display field `txtinsert`: the only carrier of the number being entered and of results.
    virtual std::string displayText() const = 0;
    virtual void setDisplayText(std::string_view text) = 0;

    // The memory indicator `txtstorevalue`: "M" or "".
    virtual void setIndicatorText(std::string_view text) = 0;

    // The angle unit: whether the option `optiondegree` is selected; selecting it clears
    // `optionrad`.
    virtual bool isDegreeSelected() const = 0;
    virtual void selectDegree() = 0;

    // Captions of the keys that append their own caption: the digit keys by group index
    // ("1" has 0, ..., "9" has 8, "0" has 9) and the point key `Cmdpoint`.
    virtual std::string digitKeyCaption(std::int16_t groupIndex) const = 0;
    virtual std::string pointKeyCaption() const = 0;

    // Gives the display the input focus without selecting its text.
    virtual void focusDisplay() = 0;

    // A modal message box titled with the program's title, with an OK button.
    virtual void showMessage(std::string_view text) = 0;
};

}  // namespace tallomat

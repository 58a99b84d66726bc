#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <optional>

#include "action_announcer.h"
#include "engine.h"
#include "routes.h"
#include "window_services.h"

class QAbstractButton;
class QKeyEvent;
class QRadioButton;

namespace tallomat {

class TextField;

// The main window. It is built from its description, owns the calculation engine (and with it the
// FormState) for its whole life, routes each control event to its procedure, and gives the engine
// the window services over its controls. Each control is a child widget named after the control.
class frmmain final : public QWidget, public WindowServices {
  public:
    // Creates the window and its controls, hidden and centred on the screen, and runs its load.
    frmmain();

    const Engine& engine() const { return engine_; }

    // "Exit": closes the window exactly as its close box does; with no window left the program
    // ends.
    void cmdexit_Click();

    // Window services for the engine.
    std::string displayText() const override;
    void setDisplayText(std::string_view text) override;
    void setIndicatorText(std::string_view text) override;
    bool isDegreeSelected() const override;
    void selectDegree() override;
    std::string digitKeyCaption(std::int16_t groupIndex) const override;
    std::string pointKeyCaption() const override;
    void focusDisplay() override;
    void showMessage(std::string_view text) override;

  protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void centreOnScreen();
    void createControls();
    void wireClicks();
    void orderTabStopsByTabIndex();
    void keepTabStopOnSelectedOption();
    void run(const Route& route, std::int16_t groupIndex);
    bool filterDisplayKey(const QKeyEvent& event);
    void runKeyPress(std::int16_t& code);

    Engine engine_;
    bool frameCentred_ = false;  // the window manager's frame is known and the window centred
    TextField* txtinsert_ = nullptr;
    TextField* txtstorevalue_ = nullptr;
    QRadioButton* optiondegree_ = nullptr;
    QRadioButton* optionrad_ = nullptr;
    QAbstractButton* pointKey_ = nullptr;
    std::array<QAbstractButton*, 10> digitKeysByGroupIndex_{};
    std::optional<ActionAnnouncer> announcer_;  // made with the two fields
};

}  // namespace tallomat

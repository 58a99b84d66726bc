#include "frmmain.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <algorithm>
#include <map>
#include <vector>

#include "character_codes.h"
#include "classic_palette.h"
#include "control_factory.h"
#include "form_description.h"
#include "qt_text.h"
#include "text_field.h"
#include "translations.h"
#include "twips.h"
#include "typed_character.h"
#include "window_icon.h"

namespace tallomat {
namespace {

template <class... Visitors>
struct Overloaded : Visitors... {
    using Visitors::operator()...;
};

}  // namespace

frmmain::frmmain() : engine_(*this) {
    const WindowEntry& window = mainFormDescription().window;
    setObjectName(toQString(window.name));
    setWindowTitle(toQString(window.caption));
    setWindowIcon(programIcon());
    setFont(toQFont(kDefaultFont));
    setPalette(windowPalette(mainFormDescription()));
    resize(twipsToSize(window.clientWidth, window.clientHeight));
    centreOnScreen();

    createControls();
    wireClicks();
    orderTabStopsByTabIndex();
    // Typed characters arrive as key events (the fields take no input method), and each one passes
    // the key filter before the display sees it.
    txtinsert_->installEventFilter(this);
    for (QRadioButton* option : {optiondegree_, optionrad_}) {
        connect(option, &QAbstractButton::toggled, this, &frmmain::keepTabStopOnSelectedOption);
        option->installEventFilter(this);
    }

    run(*findRoute(window.name, RouteEvent::Load), 0);
}

// Centres the whole window, frame included. The frame that a window manager adds is known only
// once the window is mapped, so the window centres itself again when it first learns of it.
void frmmain::centreOnScreen() {
    QRect frame = frameGeometry();
    frame.moveCenter(screen()->availableGeometry().center());
    move(frame.topLeft());
}

bool frmmain::event(QEvent* event) {
    if (!frameCentred_ && event->type() == QEvent::Move && frameGeometry().size() != size()) {
        frameCentred_ = true;
        centreOnScreen();
    }
    return QWidget::event(event);
}

void frmmain::createControls() {
    std::map<std::string_view, QWidget*> containers{{mainFormDescription().window.name, this}};
    for (const ControlEntry& entry : mainFormDescription().controls) {
        QWidget* widget = createControl(entry, containers.at(entry.container));
        containers.emplace(entry.name, widget);
        if (entry.groupIndex) {
            digitKeysByGroupIndex_.at(static_cast<std::size_t>(*entry.groupIndex)) =
                static_cast<QAbstractButton*>(widget);
        }
    }
    txtinsert_ = findChild<TextField*>(QStringLiteral("txtinsert"));
    txtstorevalue_ = findChild<TextField*>(QStringLiteral("txtstorevalue"));
    optiondegree_ = findChild<QRadioButton*>(QStringLiteral("optiondegree"));
    optionrad_ = findChild<QRadioButton*>(QStringLiteral("optionrad"));
    pointKey_ = findChild<QAbstractButton*>(QStringLiteral("Cmdpoint"));
    announcer_.emplace(*txtinsert_, *txtstorevalue_);
}

// A key is joined to its procedure by its name alone: a key that the route table misses would be a
// dead button, so the window refuses to start.
void frmmain::wireClicks() {
    for (const ControlEntry& entry : mainFormDescription().controls) {
        if (entry.kind != ControlKind::Key) {
            continue;
        }
        const QString name = toQString(entry.name);
        const Route* route = findRoute(entry.name, RouteEvent::Click);
        if (route == nullptr) {
            qFatal("the key %s has no click route", qPrintable(name));
        }
        auto* key = findChild<QAbstractButton*>(name);
        const std::int16_t groupIndex = entry.groupIndex.value_or(0);
        connect(key, &QAbstractButton::clicked, this,
                [this, route, groupIndex] { run(*route, groupIndex); });
    }
}

// The keyboard order follows the tab indices; the first control that takes the focus has it when
// the window is first shown.
void frmmain::orderTabStopsByTabIndex() {
    std::vector<const ControlEntry*> entries;
    for (const ControlEntry& entry : mainFormDescription().controls) {
        entries.push_back(&entry);
    }
    std::ranges::sort(entries, {}, &ControlEntry::tabIndex);
    std::vector<QWidget*> chain;
    for (const ControlEntry* entry : entries) {
        auto* widget = findChild<QWidget*>(toQString(entry->name));
        if (widget->focusPolicy() != Qt::NoFocus) {
            chain.push_back(widget);
        }
    }
    for (std::size_t i = 1; i < chain.size(); ++i) {
        QWidget::setTabOrder(chain[i - 1], chain[i]);
    }
    chain.front()->setFocus();
}

// The option pair is one Tab stop, on the selected option, from either direction; the arrow keys
// move the focus and the selection between the two. Qt puts the stop on whichever option last took
// the focus, and on both until one has; here the selection places it whenever the selection
// changes or the focus leaves an option (pressed but not clicked, it took the focus unselected).
void frmmain::keepTabStopOnSelectedOption() {
    for (QRadioButton* option : {optiondegree_, optionrad_}) {
        option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
    }
}

void frmmain::run(const Route& route, std::int16_t groupIndex) {
    const ActionAnnouncer::Action action(*announcer_,
                                         ActionAnnouncer::computesResult(route.control));
    std::visit(Overloaded{
                   [&](EngineProcedure procedure) { (engine_.*procedure)(); },
                   [&](IndexedProcedure procedure) { (engine_.*procedure)(groupIndex); },
                   [&](WindowProcedure procedure) { (this->*procedure)(); },
                   [&](KeyPressProcedure) {},  // runs from the display's key events only
               },
               route.procedure);
}

void frmmain::runKeyPress(std::int16_t& code) {
    static const Route& route = *findRoute("txtinsert", RouteEvent::KeyPress);
    (engine_.*std::get<KeyPressProcedure>(route.procedure))(code);
}

bool frmmain::eventFilter(QObject* watched, QEvent* event) {
    if (watched == txtinsert_ && event->type() == QEvent::KeyPress) {
        return filterDisplayKey(static_cast<const QKeyEvent&>(*event));
    }
    if ((watched == optiondegree_ || watched == optionrad_) && event->type() == QEvent::FocusOut) {
        keepTabStopOnSelectedOption();
    }
    return QWidget::eventFilter(watched, event);
}

// Returns true when the key event is consumed here, so that the display never sees it. A single
// character that the filter lets through goes on to the field's own editing; the filter only ever
// returns 0 or the code that it was given. The field knows Backspace by its key and types the key's
// own text, so a Backspace code typed by another key (Ctrl+H) is edited here, as is the point of a
// keypad decimal key that sends a comma, and a text of several characters: each character passes
// the filter in turn and, when let through, is applied before the next one.
bool frmmain::filterDisplayKey(const QKeyEvent& event) {
    const std::vector<std::int16_t> codes = typedCharacterCodes(event);
    if (codes.empty()) {
        return false;
    }
    const ActionAnnouncer::Action action(*announcer_, ActionAnnouncer::computesResult(codes));
    const std::int16_t first = codes.front();
    const bool fieldEditsIt =
        codes.size() == 1 &&
        (first == charcode::kBackspace
             ? event.key() == Qt::Key_Backspace
             : first < charcode::kSpace || event.text() == QChar(static_cast<char16_t>(first)));
    if (fieldEditsIt) {
        std::int16_t code = first;
        runKeyPress(code);
        return code == 0;
    }
    for (std::int16_t code : codes) {
        runKeyPress(code);
        if (code == charcode::kBackspace) {
            txtinsert_->backspace();
        } else if (code >= charcode::kSpace) {
            txtinsert_->insert(QString(QChar(static_cast<char16_t>(code))));
        }
    }
    return true;
}

void frmmain::cmdexit_Click() {
    close();
}

std::string frmmain::displayText() const {
    return toUtf8(txtinsert_->text());
}

void frmmain::setDisplayText(std::string_view text) {
    announcer_->write(*txtinsert_, toQString(text));
}

void frmmain::setIndicatorText(std::string_view text) {
    announcer_->write(*txtstorevalue_, toQString(text));
}

bool frmmain::isDegreeSelected() const {
    return optiondegree_->isChecked();
}

void frmmain::selectDegree() {
    optiondegree_->setChecked(true);
}

std::string frmmain::digitKeyCaption(std::int16_t groupIndex) const {
    return toUtf8(digitKeysByGroupIndex_.at(static_cast<std::size_t>(groupIndex))->text());
}

std::string frmmain::pointKeyCaption() const {
    return toUtf8(pointKey_->text());
}

void frmmain::focusDisplay() {
    txtinsert_->setFocus();
}

void frmmain::showMessage(std::string_view text) {
    QMessageBox box(QMessageBox::NoIcon, windowTitle(), translatedMessage(text), QMessageBox::Ok,
                    this);
    box.setPalette(classicPalette());  // a window of its own does not take this window's palette
    // Screen readers read an alert's text from its labels. Orca 51 passes over a label that takes
    // the focus, as the box's does while its text can be selected with the mouse; a text that
    // cannot be selected is read by every Orca, once. An accessible description instead is read
    // twice by Orca 43.
    box.setTextInteractionFlags(Qt::NoTextInteraction);
    box.exec();
}

}  // namespace tallomat

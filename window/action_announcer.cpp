#include "action_announcer.h"

#include <algorithm>

#include "announcement.h"
#include "character_codes.h"
#include "keys.h"
#include "text_field.h"

namespace tallomat {

ActionAnnouncer::ActionAnnouncer(TextField& display, TextField& indicator)
    : watched_{{{&display, false, {}}, {&indicator, true, {}}}} {}

ActionAnnouncer::Action::Action(ActionAnnouncer& announcer, bool computesResult)
    : announcer_(announcer) {
    announcer_.begin(computesResult);
}

ActionAnnouncer::Action::~Action() {
    announcer_.end();
}

void ActionAnnouncer::write(TextField& field, const QString& text) {
    const Action action(*this, false);
    field.setText(text);
    std::ranges::find(watched_, &field, &Watched::field)->written = true;
}

// The keys that show a number they computed or recalled, as the engine's key table says.
bool ActionAnnouncer::computesResult(std::string_view key) {
    const auto keys = OtherKeyClicks();
    const auto found = std::ranges::find(keys, key, &KeyClick::name);
    return found != keys.end() && found->showsNumber;
}

bool ActionAnnouncer::computesResult(std::span<const std::int16_t> typedCodes) {
    return std::ranges::find(typedCodes, charcode::kEnter) != typedCodes.end();
}

QString ActionAnnouncer::reads(const QString& text) {
    return isBlank(text) ? tr("blank", "the display, which shows nothing") : text;
}

// Each phrase is translated whole, so that a language can make "blank" agree with the name.
QString ActionAnnouncer::spokenText(const TextField& field, bool named) {
    if (!named) {
        return reads(field.text());
    }
    return isBlank(field.text())
               ? tr("%1 blank", "the memory indicator (%1, its name), which shows nothing")
                     .arg(field.accessibleName())
               : tr("%1 %2", "the memory indicator: %1 its name, %2 what it shows (M)")
                     .arg(field.accessibleName(), field.text());
}

bool ActionAnnouncer::isBlank(const QString& text) {
    return text.trimmed().isEmpty();
}

void ActionAnnouncer::begin(bool computesResult) {
    if (depth_++ > 0) {
        return;
    }
    computesResult_ = computesResult;
    for (Watched& watched : watched_) {
        watched.before = watched.field->text();
        watched.written = false;
        watched.focused = watched.field->hasFocus();
    }
}

void ActionAnnouncer::end() {
    if (--depth_ > 0) {
        return;
    }
    for (const Watched& watched : watched_) {
        const TextField& field = *watched.field;
        const bool changed = reads(field.text()) != reads(watched.before) || computesResult_;
        const bool echoOfTyping = watched.focused && !computesResult_;
        if (watched.written && changed && !echoOfTyping) {
            announce(watched.field, spokenText(field, watched.named));
        }
    }
}

}  // namespace tallomat

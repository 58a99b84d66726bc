#include "typed_character.h"

#include <QKeyEvent>
#include <QKeySequence>

#include "character_codes.h"

namespace tallomat {
namespace {

// Editing commands of the field: users copy results out and paste numbers in.
constexpr QKeySequence::StandardKey kFieldCommands[] = {
    QKeySequence::Copy,      QKeySequence::Cut,  QKeySequence::Paste,
    QKeySequence::SelectAll, QKeySequence::Undo, QKeySequence::Redo,
};

}  // namespace

std::vector<std::int16_t> typedCharacterCodes(const QKeyEvent& event) {
    for (const QKeySequence::StandardKey command : kFieldCommands) {
        if (event.matches(command)) {
            return {};
        }
    }
    // These keys are told by their key code, as platforms differ in the text that they carry.
    switch (event.key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Delete:
            return {};
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return {charcode::kEnter};
        case Qt::Key_Backspace:
            return {charcode::kBackspace};
        case Qt::Key_Escape:
            return {charcode::kEscape};
        default:
            break;
    }
    // The keypad's decimal key sends "," in many layouts (German, Russian, ...); it types the
    // point.
    const QString text = event.text();
    if ((event.modifiers() & Qt::KeypadModifier) && (text == u"," || text == u".")) {
        return {'.'};
    }
    std::vector<std::int16_t> codes;
    for (const QChar unit : text) {
        codes.push_back(static_cast<std::int16_t>(unit.unicode()));
    }
    return codes;
}

}  // namespace tallomat

#include "typed_character.h"

#include <QKeyEvent>
#include <QKeySequence>

namespace tallomat {
namespace {

// Editing commands of the field: users copy results out and paste numbers in.
constexpr QKeySequence::StandardKey kFieldCommands[] = {
    QKeySequence::Copy,      QKeySequence::Cut,  QKeySequence::Paste,
    QKeySequence::SelectAll, QKeySequence::Undo, QKeySequence::Redo,
};

constexpr std::int16_t kEnterCode = 13;
constexpr std::int16_t kBackspaceCode = 8;
constexpr std::int16_t kEscapeCode = 27;

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
            return {kEnterCode};
        case Qt::Key_Backspace:
            return {kBackspaceCode};
        case Qt::Key_Escape:
            return {kEscapeCode};
        default:
            break;
    }
    std::vector<std::int16_t> codes;
    for (const QChar unit : event.text()) {
        codes.push_back(static_cast<std::int16_t>(unit.unicode()));
    }
    return codes;
}

}  // namespace tallomat

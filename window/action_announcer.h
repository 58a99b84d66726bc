#pragma once

#include <QCoreApplication>
#include <QString>
#include <array>
#include <cstdint>
#include <span>
#include <string_view>

namespace tallomat {

class TextField;

// What a screen reader is told of the display and the indicator: once per user action and field,
// the field as the action leaves it. An action is a clicked or pressed key, or a key typed into
// the display; the key filter calling an operation is part of the typed key's action. So a digit
// after a result, which empties the display before it appends, is heard as the digit alone.
//
// The rules, all here:
// - Only the engine's writes count (`write`). The field's own editing (typing, pasting, undo) is
//   the user's, and the screen reader echoes it as it is made.
// - A field is announced when the action wrote it and it does not read as it did when the action
//   started (" " and "" both read blank); a key that computes a result announces the display even
//   when the result is what was shown (`0 * 5 = =`), as the user pressing it wants the answer.
// - The display reads alone, the indicator ("M") with its name; a field showing nothing reads
//   as blank.
// - Each thing is heard from one source, by what happens. The engine's writes reach the screen
//   reader as announcements, never as typed text (`TextField::setText`), so that no screen
//   reader's guess of what a key or click caused decides what is heard. In the display that has
//   the focus for a typed key, the screen reader echoes the key: what the key leaves there is
//   announced only when it is a result (Enter).
class ActionAnnouncer {
    Q_DECLARE_TR_FUNCTIONS(ActionAnnouncer)

  public:
    ActionAnnouncer(TextField& display, TextField& indicator);

    // One user action, from construction to destruction; one started within another is part of
    // it. `computesResult` says whether the action's key computes a result (see the functions
    // below).
    class Action {
      public:
        Action(ActionAnnouncer& announcer, bool computesResult);
        ~Action();
        Action(const Action&) = delete;
        Action& operator=(const Action&) = delete;

      private:
        ActionAnnouncer& announcer_;
    };

    // Writes the field's text as a step of the action under way, or as an action of its own.
    void write(TextField& field, const QString& text);

    // Whether the clicked key, named by its control, computes a result: "=", the functions, "MR".
    static bool computesResult(std::string_view key);
    // Whether the key typed into the display computes one: Enter, which runs "=".
    static bool computesResult(std::span<const std::int16_t> typedCodes);

    // What a screen reader is told of a field: its text, or "blank" when it shows nothing; with
    // the field's name when `named`. The words that announcements add are here and nowhere else.
    static QString reads(const QString& text);
    static QString spokenText(const TextField& field, bool named);

  private:
    static bool isBlank(const QString& text);  // " " and "" read blank

    struct Watched {
        TextField* field;
        bool named;
        QString before;  // the text when the action started
        bool written = false;
        bool focused = false;  // when the action started
    };

    void begin(bool computesResult);
    void end();

    std::array<Watched, 2> watched_;
    int depth_ = 0;  // of nested actions
    bool computesResult_ = false;
};

}  // namespace tallomat

#include "text_field_model.h"

#include <QTextBoundaryFinder>
#include <utility>

namespace tallomat {
namespace {

bool splitsSurrogatePair(const QString& text, qsizetype position) {
    return position > 0 && position < text.size() && text[position].isLowSurrogate() &&
           text[position - 1].isHighSurrogate();
}

// The punctuation that ends a word as Qt's text layout moves by words: a run of it is a word of
// its own, so Ctrl+Right stops before and after "+" in "12+345".
bool isWordSeparator(QChar character) {
    return QStringView(u".,?!@#$:;-<>[](){}=/+%&^*'\"`~|\\").contains(character);
}

// The next or previous grapheme boundary of `run` from `at`, or `at` at the run's end.
qsizetype characterBoundary(QStringView run, qsizetype at, bool forward) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, run.data(), run.size());
    finder.setPosition(at);
    const qsizetype next = forward ? finder.toNextBoundary() : finder.toPreviousBoundary();
    return next < 0 ? at : next;
}

// Word movement as Qt's line edits make it: forward over the word (or the run of separators) and
// the spaces after it; backward over the spaces and then the word before them.
qsizetype wordBoundary(QStringView run, qsizetype at, bool forward) {
    const auto separator = [&](qsizetype index) {
        return isWordSeparator(run[index]);
    };
    const auto space = [&](qsizetype index) {
        return run[index].isSpace();
    };
    const qsizetype length = run.size();
    if (forward) {
        if (at < 0 || at >= length) {
            return at;
        }
        if (separator(at)) {
            for (++at; at < length && separator(at); ++at) {
            }
        } else {
            for (; at < length && !space(at) && !separator(at); ++at) {
            }
        }
        for (; at < length && space(at); ++at) {
        }
        return at;
    }
    if (at <= 0 || at > length) {
        return at;
    }
    for (; at > 0 && space(at - 1); --at) {
    }
    if (at > 0 && separator(at - 1)) {
        for (--at; at > 0 && separator(at - 1); --at) {
        }
    } else {
        for (; at > 0 && !space(at - 1) && !separator(at - 1); --at) {
        }
    }
    return at;
}

}  // namespace

QString TextFieldModel::shownText(QStringView text) {
    QString shown = text.toString();
    for (QChar& character : shown) {
        const char16_t unit = character.unicode();
        if ((unit < 0x20 && unit != u'\t') || unit == 0x7f || unit == 0x2028 || unit == 0x2029 ||
            unit == 0xfeff) {
            character = u' ';
        }
    }
    return shown;
}

void TextFieldModel::setText(const QString& text) {
    const QString removed = std::exchange(text_, text);
    history_.clear();
    undone_ = 0;
    cursor_ = anchor_ = text_.size();
    listener_.textChanged({TextChange::Kind::Set, 0, removed, text_});
    listener_.cursorMoved();
}

qsizetype TextFieldModel::characterStart(qsizetype position) const {
    position = std::clamp<qsizetype>(position, 0, text_.size());
    return splitsSurrogatePair(text_, position) ? position - 1 : position;
}

// Boundaries are found in a run of text around the position, cut at whole characters.
qsizetype TextFieldModel::nextBoundary(qsizetype position, Boundary boundary, bool forward) const {
    const qsizetype from = characterStart(position - kReach);
    const qsizetype to = characterStart(position + kReach);
    const QString run = shownText(QStringView(text_).sliced(from, to - from));
    const qsizetype at = position - from;
    return from + (boundary == Boundary::Character ? characterBoundary(run, at, forward)
                                                   : wordBoundary(run, at, forward));
}

void TextFieldModel::moveCursor(qsizetype position, bool select) {
    cursor_ = characterStart(position);
    if (!select) {
        anchor_ = cursor_;
    }
    listener_.cursorMoved();
}

void TextFieldModel::move(Movement movement, bool select) {
    switch (movement) {
        case Movement::PreviousCharacter:
        case Movement::NextCharacter: {
            const bool forward = movement == Movement::NextCharacter;
            if (hasSelectedText() && !select) {
                moveCursor(forward ? selectionEnd() : selectionStart(), false);
            } else {
                moveCursor(nextBoundary(cursor_, Boundary::Character, forward), select);
            }
            break;
        }
        case Movement::PreviousWord:
        case Movement::NextWord:
            moveCursor(nextBoundary(cursor_, Boundary::Word, movement == Movement::NextWord),
                       select);
            break;
        case Movement::Start:
            moveCursor(0, select);
            break;
        case Movement::End:
            moveCursor(text_.size(), select);
            break;
    }
}

QString TextFieldModel::selectedText() const {
    return text_.sliced(selectionStart(), selectionEnd() - selectionStart());
}

void TextFieldModel::setSelection(qsizetype anchor, qsizetype position) {
    anchor_ = characterStart(anchor);
    cursor_ = characterStart(position);
    listener_.cursorMoved();
}

void TextFieldModel::selectWordAt(qsizetype position) {
    const qsizetype start =
        nextBoundary(std::min(position + 1, text_.size()), Boundary::Word, false);
    qsizetype end = nextBoundary(start, Boundary::Word, true);
    while (end > position && end > start && text_[end - 1].isSpace()) {
        --end;
    }
    setSelection(start, end);
}

void TextFieldModel::insert(const QString& text) {
    replace(selectionStart(), selectionEnd(), text);
}

bool TextFieldModel::type(const QString& typed) {
    const bool printable = !typed.isEmpty() && std::ranges::all_of(typed, [](QChar character) {
        return character.isPrint() || character.isSurrogate();
    });
    if (!printable) {
        return false;
    }
    if (hasSelectedText()) {
        insert(typed);
    } else {
        replace(cursor_, cursor_, typed, true);
    }
    return true;
}

void TextFieldModel::paste(const QString& text) {
    if (!text.isEmpty() || hasSelectedText()) {
        insert(text);
    }
}

void TextFieldModel::backspace() {
    removeTo(characterStart(cursor_ - 1));
}

void TextFieldModel::del() {
    removeTo(nextBoundary(cursor_, Boundary::Character, true));
}

void TextFieldModel::removePreviousWord() {
    removeTo(nextBoundary(cursor_, Boundary::Word, false));
}

void TextFieldModel::removeNextWord() {
    removeTo(nextBoundary(cursor_, Boundary::Word, true));
}

void TextFieldModel::undo() {
    if (isUndoAvailable()) {
        ++undone_;
        apply(history_[history_.size() - undone_], TextChange::Kind::Undo);
    }
}

void TextFieldModel::redo() {
    if (isRedoAvailable()) {
        apply(history_[history_.size() - undone_], TextChange::Kind::Redo);
        --undone_;
    }
}

// Every edit of the text goes through here, so that it can be undone.
void TextFieldModel::replace(qsizetype from, qsizetype to, const QString& inserted, bool typing) {
    Edit edit{from, text_.sliced(from, to - from), inserted, anchor_, cursor_, typing};
    if (edit.removed.isEmpty() && edit.inserted.isEmpty()) {
        return;
    }
    apply(edit, TextChange::Kind::Edit);
    history_.resize(history_.size() - undone_);
    undone_ = 0;
    Edit* last = history_.empty() ? nullptr : &history_.back();
    if (typing && last != nullptr && last->typing && edit.removed.isEmpty() &&
        last->removed.isEmpty() && last->position + last->inserted.size() == from) {
        last->inserted += inserted;
    } else {
        history_.push_back(std::move(edit));
    }
}

void TextFieldModel::apply(const Edit& edit, TextChange::Kind kind) {
    const bool reverse = kind == TextChange::Kind::Undo;
    const QString& removed = reverse ? edit.inserted : edit.removed;
    const QString& inserted = reverse ? edit.removed : edit.inserted;
    text_.replace(edit.position, removed.size(), inserted);
    if (reverse) {
        anchor_ = edit.anchorBefore;
        cursor_ = edit.cursorBefore;
    } else {
        anchor_ = cursor_ = edit.position + inserted.size();
        if (splitsSurrogatePair(text_, cursor_)) {
            anchor_ = ++cursor_;  // the edit joined two halves of a pair: it ends after the pair
        }
    }
    listener_.textChanged({kind, edit.position, removed, inserted});
    listener_.cursorMoved();
}

// Removes the selection, or else the text between the insertion point and `position`.
void TextFieldModel::removeTo(qsizetype position) {
    if (hasSelectedText()) {
        insert({});
    } else {
        replace(std::min(cursor_, position), std::max(cursor_, position), {});
    }
}

}  // namespace tallomat

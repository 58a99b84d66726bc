#include "text_field_accessible.h"

#include <QAccessibleWidget>
#include <QTextBoundaryFinder>
#include <algorithm>
#include <limits>
#include <optional>

#include "text_field.h"

namespace tallomat {
namespace {

// The field's text, insertion point and selection, and its edits, for assistive technology.
// Offsets are the field's own: UTF-16 units.
class TextFieldAccessible final : public QAccessibleWidget,
                                  public QAccessibleTextInterface,
                                  public QAccessibleEditableTextInterface {
  public:
    explicit TextFieldAccessible(TextField* field)
        : QAccessibleWidget(field, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        switch (type) {
            case QAccessible::TextInterface:
                return static_cast<QAccessibleTextInterface*>(this);
            case QAccessible::EditableTextInterface:
                return isEditable() ? static_cast<QAccessibleEditableTextInterface*>(this)
                                    : nullptr;
            default:
                return QAccessibleWidget::interface_cast(type);
        }
    }

    QString text(QAccessible::Text type) const override {
        return type == QAccessible::Value ? field()->text() : QAccessibleWidget::text(type);
    }

    void setText(QAccessible::Text type, const QString& text) override {
        if (type != QAccessible::Value) {
            QAccessibleWidget::setText(type, text);
            return;
        }
        if (!isEditable()) {
            return;
        }
        field()->selectAll();
        field()->insert(text);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.editable = isEditable();
        state.readOnly = !state.editable;
        state.selectableText = true;
        return state;
    }

    // Selection: a field has at most one.
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override {
        const bool selected = selectionIndex == 0 && field()->hasSelectedText();
        *startOffset = selected ? offset(field()->selectionStart()) : 0;
        *endOffset = selected ? offset(field()->selectionEnd()) : 0;
    }
    int selectionCount() const override { return field()->hasSelectedText() ? 1 : 0; }
    void addSelection(int startOffset, int endOffset) override {
        setSelection(0, startOffset, endOffset);
    }
    void removeSelection(int selectionIndex) override {
        if (selectionIndex == 0) {
            field()->setCursorPosition(field()->cursorPosition());
        }
    }
    void setSelection(int selectionIndex, int startOffset, int endOffset) override {
        if (selectionIndex == 0) {
            field()->setSelection(startOffset, endOffset);
        }
    }

    int cursorPosition() const override { return offset(field()->cursorPosition()); }
    void setCursorPosition(int position) override { field()->setCursorPosition(position); }

    QString text(int startOffset, int endOffset) const override {
        const QString& text = field()->text();
        const qsizetype start = std::clamp<qsizetype>(startOffset, 0, text.size());
        const qsizetype end = std::clamp<qsizetype>(endOffset, start, text.size());
        return text.sliced(start, end - start);
    }
    int characterCount() const override { return offset(field()->text().size()); }

    QRect characterRect(int offset) const override {
        const QRect rect = field()->characterRect(offset);
        return rect.isEmpty() ? rect : QRect(field()->mapToGlobal(rect.topLeft()), rect.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        return offset(field()->positionAt(field()->mapFromGlobal(point)));
    }
    void scrollToSubstring(int startIndex, int endIndex) override {
        field()->setCursorPosition(endIndex);
        field()->setCursorPosition(startIndex);
    }
    // The character, word or sentence at `offset`, looked for within the view's run either side.
    // Qt's general version searches the whole text and, at the end of some texts (one that ends
    // in a space, say), never returns. No character stands at the end of the text, where the
    // insertion point follows the last one; the word there is the last word.
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                         int* endOffset) const override {
        const QString& text = field()->text();
        *startOffset = *endOffset = -1;
        if (offset < 0 || offset > text.size()) {
            return {};
        }
        if (text.isEmpty() || (offset == text.size() && type == QAccessible::CharBoundary)) {
            *startOffset = *endOffset = offset;
            return text.sliced(offset);
        }
        qsizetype start = 0;
        qsizetype end = text.size();
        if (const auto finderType = boundaryFinderType(type)) {
            const qsizetype from = field()->characterStart(offset - TextField::kViewRun);
            const qsizetype to = field()->characterStart(offset + TextField::kViewRun);
            QTextBoundaryFinder finder(*finderType, text.constData() + from, to - from);
            const qsizetype at = std::min<qsizetype>(offset, text.size() - 1) - from;
            finder.setPosition(at);
            start = from + std::max<qsizetype>(
                               finder.isAtBoundary() ? at : finder.toPreviousBoundary(), 0);
            finder.setPosition(at);
            const qsizetype next = finder.toNextBoundary();
            end = next < 0 ? to : from + next;
        }
        *startOffset = TextFieldAccessible::offset(start);
        *endOffset = TextFieldAccessible::offset(end);
        return text.sliced(start, end - start);
    }
    // The text has no attributes of its own, so it is one run from end to end: a screen reader
    // ends the line it reads where the last run ends.
    QString attributes(int offset, int* startOffset, int* endOffset) const override {
        const bool inText = offset >= 0 && offset <= characterCount();
        *startOffset = inText ? 0 : -1;
        *endOffset = inText ? characterCount() : -1;
        return {};
    }

    // Edits, each undoable as the user's own; a field that the window shows as disabled (the
    // indicator) takes none.
    void deleteText(int startOffset, int endOffset) override {
        replaceText(startOffset, endOffset, {});
    }
    void insertText(int offset, const QString& text) override { replaceText(offset, offset, text); }
    void replaceText(int startOffset, int endOffset, const QString& text) override {
        if (!isEditable()) {
            return;
        }
        field()->setSelection(startOffset, endOffset);
        field()->insert(text);
    }

  private:
    TextField* field() const { return static_cast<TextField*>(widget()); }
    bool isEditable() const { return field()->isEnabled(); }

    // How to find a boundary of the type within the text; none for a line or paragraph, which
    // in a single-line field is the whole text.
    static std::optional<QTextBoundaryFinder::BoundaryType> boundaryFinderType(
        QAccessible::TextBoundaryType type) {
        switch (type) {
            case QAccessible::CharBoundary:
                return QTextBoundaryFinder::Grapheme;
            case QAccessible::WordBoundary:
                return QTextBoundaryFinder::Word;
            case QAccessible::SentenceBoundary:
                return QTextBoundaryFinder::Sentence;
            default:
                return std::nullopt;
        }
    }

    // Assistive technology counts in int; a text beyond that range is counted to its limit.
    static int offset(qsizetype position) {
        return static_cast<int>(std::min<qsizetype>(position, std::numeric_limits<int>::max()));
    }
};

QAccessibleInterface* createInterface(const QString&, QObject* object) {
    auto* field = qobject_cast<TextField*>(object);
    return field != nullptr ? new TextFieldAccessible(field) : nullptr;
}

}  // namespace

void installTextFieldAccessibility() {
    static const bool installed = (QAccessible::installFactory(createInterface), true);
    Q_UNUSED(installed);
}

}  // namespace tallomat

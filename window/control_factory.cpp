#include "control_factory.h"

#include <QGroupBox>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>
#include <algorithm>

#include "classic_palette.h"
#include "qt_text.h"
#include "text_field.h"
#include "translations.h"
#include "twips.h"

namespace tallomat {
namespace {

// Families that the description stores, and the installed fonts that stand in for them:
// Liberation has the metrics of the first three, DejaVu Sans the build of Verdana. The stand-in is
// asked for by its own name: a family that is not installed would send Qt through fontconfig's
// fallback search for each font, which costs milliseconds at start-up.
struct FontSubstitute {
    std::string_view family;
    std::string_view substitute;
};
constexpr FontSubstitute kFontSubstitutes[] = {
    {"MS Sans Serif", "Liberation Sans"},
    {"Arial", "Liberation Sans"},
    {"Times New Roman", "Liberation Serif"},
    {"Verdana", "DejaVu Sans"},
};

std::string_view installedFamily(std::string_view family) {
    for (const FontSubstitute& font : kFontSubstitutes) {
        if (font.family == family) {
            return font.substitute;
        }
    }
    return family;
}

QWidget* createWidget(const ControlEntry& entry, QWidget* container) {
    const QString caption = toQString(entry.caption.value_or(""));
    switch (entry.kind) {
        case ControlKind::Key:
            return new QPushButton(caption, container);
        case ControlKind::Option:
            return new QRadioButton(caption, container);
        case ControlKind::TextBox:
            return new TextField(container);
        case ControlKind::Frame:
            return new QGroupBox(container);
    }
    return nullptr;
}

// Keys, options and the display take the focus on click and on Tab on every platform; the frame
// never does, and the disabled indicator cannot.
Qt::FocusPolicy focusPolicy(ControlKind kind) {
    return kind == ControlKind::Frame ? Qt::NoFocus : Qt::StrongFocus;
}

// Qt has no caption-bar colours. The text of an active caption bar (9) and the text of selected
// items (14) are both light text on the highlight, which Qt names HighlightedText.
QPalette::ColorRole systemColourRole(int index) {
    if (index != 9 && index != 14) {
        qFatal("the window description uses system colour %d, which has no palette role", index);
    }
    return QPalette::HighlightedText;
}

// The palette role that a control's back or fore colour paints.
QPalette::ColorRole backRole(const ControlEntry& entry) {
    return entry.graphicalFace ? QPalette::Button : QPalette::Window;
}

QPalette::ColorRole foreRole(ControlKind kind) {
    return kind == ControlKind::TextBox ? QPalette::Text : QPalette::WindowText;
}

void applyColours(const ControlEntry& entry, QWidget& widget) {
    if (!entry.backColour && !entry.foreColour) {
        return;
    }
    QPalette palette = widget.palette();
    if (entry.backColour) {
        palette.setColor(backRole(entry), toQColor(*entry.backColour));
        // The frame fills its rectangle. A key paints its face from the palette, and an option
        // stays see-through on the white frame: "Degree" overlaps the top of "Radian", whose
        // caption would otherwise be cut.
        widget.setAutoFillBackground(entry.kind == ControlKind::Frame);
    }
    if (entry.foreColour) {
        palette.setColor(foreRole(entry.kind), toQColor(*entry.foreColour));
    }
    // A control whose colours are those it inherits keeps the inherited palette: the style caches
    // what it draws by palette, so keys that share one palette have their face drawn once.
    if (palette != widget.palette()) {
        widget.setPalette(palette);
    }
}

}  // namespace

QFont toQFont(const FontSpec& font) {
    QFont qfont(toQString(installedFamily(font.family)));
    qfont.setPointSizeF(font.points);
    qfont.setBold(font.bold);
    return qfont;
}

QPalette windowPalette(const FormDescription& form) {
    QPalette palette = classicPalette();
    palette.setColor(QPalette::Window, toQColor(form.window.backColour));
    const auto key = std::ranges::find_if(form.controls, [](const ControlEntry& entry) {
        return entry.graphicalFace && entry.backColour;
    });
    if (key != form.controls.end()) {
        palette.setColor(QPalette::Button, toQColor(*key->backColour));
    }
    return palette;
}

QColor toQColor(const Colour& colour) {
    if (colour.source == Colour::Source::Rgb) {
        return {colour.red, colour.green, colour.blue};
    }
    return classicPalette().color(QPalette::Active, systemColourRole(colour.systemIndex));
}

QWidget* createControl(const ControlEntry& entry, QWidget* container) {
    QWidget* widget = createWidget(entry, container);
    widget->setObjectName(toQString(entry.name));
    widget->setGeometry(twipsToRect(entry.left, entry.top, entry.width, entry.height));
    widget->setFocusPolicy(focusPolicy(entry.kind));
    widget->setEnabled(entry.enabled);
    widget->setAccessibleName(translatedControlText(entry.accessibleName));
    if (entry.tooltip) {
        // Also the accessible description: Qt reads the tooltip when no description is set.
        widget->setToolTip(translatedControlText(*entry.tooltip));
    }
    if (entry.font) {
        widget->setFont(toQFont(*entry.font));
    }
    applyColours(entry, *widget);
    return widget;
}

}  // namespace tallomat

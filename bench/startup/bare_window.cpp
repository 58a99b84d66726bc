// The baseline of the start-up benchmark: a bare Qt Widgets window of the main window's size with
// the same 46 widgets, of the same kinds, at the same places, with the same captions, and nothing
// else: Qt's default style, font and palette, no icon, no tooltips, no colours. Each key writes its
// caption into the display's field, so that a click changes the window as a key of the calculator
// does (the key-latency benchmark times that repaint).
#include <QApplication>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <map>
#include <string_view>

#include "form_description.h"
#include "twips.h"

namespace {

using namespace tallomat;

QWidget* createBareWidget(const ControlEntry& entry, QWidget* container) {
    const std::string_view caption = entry.caption.value_or("");
    const QString text = QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
    switch (entry.kind) {
        case ControlKind::Key:
            return new QPushButton(text, container);
        case ControlKind::Option:
            return new QRadioButton(text, container);
        case ControlKind::TextBox:
            return new QLineEdit(container);
        case ControlKind::Frame:
            return new QGroupBox(container);
    }
    return nullptr;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    const FormDescription& form = mainFormDescription();
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Qt window"));
    window.resize(twipsToSize(form.window.clientWidth, form.window.clientHeight));
    std::map<std::string_view, QWidget*> containers{{form.window.name, &window}};
    for (const ControlEntry& entry : form.controls) {
        QWidget* widget = createBareWidget(entry, containers.at(entry.container));
        widget->setGeometry(twipsToRect(entry.left, entry.top, entry.width, entry.height));
        widget->setEnabled(entry.enabled);
        containers.emplace(entry.name, widget);
    }
    auto* display = static_cast<QLineEdit*>(containers.at("txtinsert"));
    for (QPushButton* key : window.findChildren<QPushButton*>()) {
        QObject::connect(key, &QPushButton::clicked, display,
                         [display, key] { display->setText(key->text()); });
    }
    window.show();
    return QApplication::exec();
}

#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

namespace tallomat {

// The user's languages, most wanted first, as Qt reads them from the environment the way gettext
// does: the colon-separated LANGUAGE, else the first that is set of LC_ALL, LC_MESSAGES and LANG.
QStringList userLanguages();

// Installs the program's translation for the first of `languages` that it is translated into,
// with Qt's own for the texts that Qt supplies (the display's context menu, the message box's
// button), in place of any installed before. English, the program's own language, ends the search.
// Returns the language installed, or an empty text for English.
QString installTranslations(const QStringList& languages);

// What the user's language says for a control's spoken name or tooltip, and for an engine message;
// the English text itself where it has no translation. Both texts are marked for translation
// where they are written: in the window's description and in the engine's failure descriptions.
QString translatedControlText(std::string_view english);
QString translatedMessage(std::string_view english);

}  // namespace tallomat

#pragma once
// The help of the suite: one HTML page per language, named as the help file of the session
// ("Help", or "Help" + LangCode), in the help folder beside the programs' folder. A screen's
// Help button opens its page at the screen's context number.

#include <QString>
#include <QUrl>

namespace orvant {

// ".../Orvant/bin/Helpfr" and 3110 give ".../Orvant/help/Helpfr.html#context-3110"; context 0
// opens the page at its top.
QUrl HelpUrl(const QString& helpFile, int context);

// Opens the page in the desktop's browser; false when the page is missing or nothing opens it.
bool OpenHelp(const QString& helpFile, int context);

}  // namespace orvant

#pragma once
// Keyboard access to the menus: each entry of one menu gets its own Alt+letter. Captions use
// the menus' notation: "&" marks the letter, "&&" is an ampersand shown as typed.

#include <QChar>
#include <QString>
#include <QStringList>
#include <optional>

namespace orvant::launcher {

// The letter a caption marks, in lower case; nothing when it marks none.
std::optional<QChar> AcceleratorOf(const QString& caption);

// The caption without its mark ("E&xit" gives "Exit"; "&&" stays).
QString WithoutAccelerator(const QString& caption);

// The captions of one menu, in its order, each marking a letter or digit no other marks: the
// letter a caption already marks when still free, else the first free initial of its words, else
// its first free letter or digit. A caption with no free character is left unmarked.
QStringList WithAccelerators(const QStringList& captions);

}  // namespace orvant::launcher

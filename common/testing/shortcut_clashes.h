#pragma once
// Test support for screens: the Alt+letters that two captions of a window claim at once, so that
// a module test can require each letter to belong to one caption. Header-only, like the other
// screen test support.

#include <QAbstractButton>
#include <QLabel>
#include <QMap>
#include <QStringList>
#include <QWidget>

namespace orvant::testing {

// The shortcut letter of a caption ("Cheque &date:" gives d), or none ("&&" is a plain "&").
inline QChar ShortcutOf(const QString& caption)
{
    for (qsizetype at = caption.indexOf(u'&'); at >= 0 && at + 1 < caption.size(); at = caption.indexOf(u'&', at + 2))
        if (caption[at + 1] != u'&') return caption[at + 1].toLower();
    return {};
}

// "First / Second" for each pair of visible captions (buttons, and labels that lead to a field)
// sharing a shortcut letter; empty when every letter has one owner.
inline QStringList ShortcutClashes(const QWidget& window)
{
    QMap<QChar, QString> owners;
    QStringList clashes;
    const auto claim = [&](const QString& caption) {
        const QChar letter = ShortcutOf(caption);
        if (letter.isNull()) return;
        if (owners.contains(letter)) clashes << owners[letter] + " / " + caption;
        owners[letter] = caption;
    };
    for (const QLabel* label : window.findChildren<QLabel*>())
        if (label->isVisibleTo(&window) && label->buddy()) claim(label->text());
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>())
        if (button->isVisibleTo(&window)) claim(button->text());
    return clashes;
}

}  // namespace orvant::testing

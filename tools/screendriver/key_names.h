#pragma once
// Keys as scripts name them: Tab, Enter, Escape, F2, Up, PageDown... or a single character, with
// any of Shift+, Ctrl+ and Alt+ before it ("Shift+Tab", "Ctrl+S"). Names ignore case.

#include <QStringView>
#include <Qt>
#include <optional>

namespace orvant::screendriver {

struct KeyChord {
    Qt::Key key = Qt::Key_unknown;
    Qt::KeyboardModifiers modifiers;
    bool operator==(const KeyChord&) const = default;
};

std::optional<KeyChord> ParseKeyName(QStringView name);

}  // namespace orvant::screendriver

#include "key_names.h"

#include <QString>

namespace orvant::screendriver {

namespace {

struct NamedKey {
    const char16_t* name;
    Qt::Key key;
};

// Enter is the main keyboard's Enter key, the one users press.
constexpr NamedKey kNamedKeys[] = {
    {u"Tab", Qt::Key_Tab},          {u"Enter", Qt::Key_Return},      {u"Return", Qt::Key_Return},
    {u"Escape", Qt::Key_Escape},    {u"Esc", Qt::Key_Escape},        {u"Backspace", Qt::Key_Backspace},
    {u"Delete", Qt::Key_Delete},    {u"Insert", Qt::Key_Insert},     {u"Home", Qt::Key_Home},
    {u"End", Qt::Key_End},          {u"PageUp", Qt::Key_PageUp},     {u"PageDown", Qt::Key_PageDown},
    {u"Up", Qt::Key_Up},            {u"Down", Qt::Key_Down},         {u"Left", Qt::Key_Left},
    {u"Right", Qt::Key_Right},      {u"Space", Qt::Key_Space},
};

struct NamedModifier {
    const char16_t* name;
    Qt::KeyboardModifier modifier;
};

constexpr NamedModifier kModifiers[] = {
    {u"Shift", Qt::ShiftModifier}, {u"Ctrl", Qt::ControlModifier}, {u"Alt", Qt::AltModifier}};

std::optional<Qt::Key> functionKey(QStringView name)
{
    if (name.size() < 2 || name.front().toUpper() != u'F') return std::nullopt;
    bool ok = false;
    const int n = name.mid(1).toInt(&ok);
    if (!ok || n < 1 || n > 12 || name[1] == u'0') return std::nullopt;
    return static_cast<Qt::Key>(Qt::Key_F1 + n - 1);
}

// A printable ASCII character is its own key code (letters by their capital).
std::optional<Qt::Key> characterKey(QStringView name)
{
    if (name.size() != 1) return std::nullopt;
    const char16_t c = name.front().toUpper().unicode();
    if (c <= u' ' || c > u'~') return std::nullopt;
    return static_cast<Qt::Key>(c);
}

std::optional<Qt::Key> keyNamed(QStringView name)
{
    for (const NamedKey& k : kNamedKeys)
        if (name.compare(QStringView(k.name), Qt::CaseInsensitive) == 0) return k.key;
    if (auto f = functionKey(name)) return f;
    return characterKey(name);
}

std::optional<Qt::KeyboardModifier> modifierNamed(QStringView name)
{
    for (const NamedModifier& m : kModifiers)
        if (name.compare(QStringView(m.name), Qt::CaseInsensitive) == 0) return m.modifier;
    return std::nullopt;
}

}  // namespace

std::optional<KeyChord> ParseKeyName(QStringView name)
{
    KeyChord chord;
    // "Ctrl++" names the plus key, so the key is whatever follows the last "+" that joins parts.
    qsizetype start = 0;
    for (qsizetype plus = name.indexOf(u'+', 1); plus > 0 && plus + 1 < name.size(); plus = name.indexOf(u'+', start + 1)) {
        const auto modifier = modifierNamed(name.mid(start, plus - start));
        if (!modifier) return std::nullopt;
        chord.modifiers |= *modifier;
        start = plus + 1;
    }
    const auto key = keyNamed(name.mid(start));
    if (!key) return std::nullopt;
    chord.key = *key;
    return chord;
}

}  // namespace orvant::screendriver

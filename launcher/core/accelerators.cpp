#include "core/accelerators.h"

#include <QSet>

namespace orvant::launcher {

namespace {

// A shown character of a caption and where it stands in the caption's text.
struct Shown {
    QChar character;
    qsizetype at;
};

std::vector<Shown> shownCharacters(const QString& plain)
{
    std::vector<Shown> shown;
    for (qsizetype i = 0; i < plain.size(); ++i) {
        shown.push_back({plain[i], i});
        if (plain[i] == u'&') ++i;  // "&&" shows one ampersand
    }
    return shown;
}

bool usable(QChar c) { return c.isLetterOrNumber(); }

// The position, in the plain caption, of the character to mark; -1 when none is free.
qsizetype choose(const QString& plain, const QSet<QChar>& taken)
{
    const std::vector<Shown> shown = shownCharacters(plain);
    const auto isFree = [&](QChar c) { return usable(c) && !taken.contains(c.toLower()); };
    for (std::size_t i = 0; i < shown.size(); ++i) {
        const bool initial = i == 0 || !shown[i - 1].character.isLetterOrNumber();
        if (initial && isFree(shown[i].character)) return shown[i].at;
    }
    for (const Shown& s : shown)
        if (isFree(s.character)) return s.at;
    return -1;
}

}  // namespace

std::optional<QChar> AcceleratorOf(const QString& caption)
{
    for (qsizetype i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != u'&') continue;
        if (caption[i + 1] != u'&') return caption[i + 1].toLower();
        ++i;
    }
    return std::nullopt;
}

QString WithoutAccelerator(const QString& caption)
{
    QString plain;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != u'&' || i + 1 == caption.size()) {
            plain += caption[i];
            continue;
        }
        ++i;  // past the mark, or past the first of a doubled ampersand
        plain += caption[i] == u'&' ? QStringLiteral("&&") : QString(caption[i]);
    }
    return plain;
}

QStringList WithAccelerators(const QStringList& captions)
{
    // The letters captions already mark are kept first, so that a menu keeps the keys its users know.
    QSet<QChar> taken;
    std::vector<bool> keeps(captions.size(), false);
    for (qsizetype i = 0; i < captions.size(); ++i) {
        const auto marked = AcceleratorOf(captions[i]);
        if (marked && usable(*marked) && !taken.contains(*marked)) {
            taken.insert(*marked);
            keeps[i] = true;
        }
    }
    QStringList result;
    for (qsizetype i = 0; i < captions.size(); ++i) {
        if (keeps[i]) {
            result << captions[i];
            continue;
        }
        QString plain = WithoutAccelerator(captions[i]);
        const qsizetype at = choose(plain, taken);
        if (at >= 0) {
            taken.insert(plain[at].toLower());
            plain.insert(at, u'&');
        }
        result << plain;
    }
    return result;
}

}  // namespace orvant::launcher

#include "settings/registry.h"

#include <algorithm>

#include <QDir>
#include <QSettings>
#include <QStringList>

namespace orvant {
namespace {

QString KeyOf(QStringView section, QStringView name)
{
    QString key = section.toString();
    key += u'/';
    key += name;
    return key;
}

}  // namespace

QString Registry::defaultPath()
{
    const QString overridden = qEnvironmentVariable("ORVANT_REGISTRY");
    if (!overridden.isEmpty()) return overridden;
    return QDir::homePath() + QStringLiteral("/.config/Karbelo/registry.ini");
}

Registry Registry::open() { return Registry(defaultPath()); }

Registry::Registry(const QString& path) : settings_(std::make_unique<QSettings>(path, QSettings::IniFormat)) {}
Registry::Registry(Registry&&) noexcept = default;
Registry& Registry::operator=(Registry&&) noexcept = default;
Registry::~Registry() = default;

QString Registry::path() const { return settings_->fileName(); }

std::optional<QString> Registry::storedKey(QStringView section, QStringView name) const
{
    const QString wanted = KeyOf(section, name);
    for (const QString& key : settings_->allKeys())
        if (key.compare(wanted, Qt::CaseInsensitive) == 0) return key;
    return std::nullopt;
}

QString Registry::storedSection(QStringView section) const
{
    for (const QString& group : settings_->childGroups())
        if (group.compare(section, Qt::CaseInsensitive) == 0) return group;
    return section.toString();
}

bool Registry::contains(QStringView section, QStringView name) const { return storedKey(section, name).has_value(); }

bool Registry::hasSection(QStringView section) const
{
    const QStringList groups = settings_->childGroups();
    return std::any_of(groups.begin(), groups.end(), [&](const QString& group) { return group.compare(section, Qt::CaseInsensitive) == 0; });
}

QString Registry::value(QStringView section, QStringView name, const QString& defaultValue) const
{
    const auto key = storedKey(section, name);
    if (!key) return defaultValue;
    const QVariant stored = settings_->value(*key);
    // An unquoted value with commas, written by hand, reads back as a list: join it again.
    if (stored.typeId() == QMetaType::QStringList) return stored.toStringList().join(QStringLiteral(", "));
    return stored.toString();
}

bool Registry::setValue(QStringView section, QStringView name, const QString& value)
{
    const QString key = storedKey(section, name).value_or(KeyOf(storedSection(section), name));
    settings_->setValue(key, value);
    settings_->sync();
    return settings_->status() == QSettings::NoError;
}

}  // namespace orvant

#pragma once
// The registry of the suite: an INI file of sections ("Orvant" for the installation, "Settings"
// for the presentation) holding string values. Section and value names compare without regard
// to case, as a Windows registry does: "Intl" written by one screen is the "intl" another reads,
// and a write to an existing value keeps the spelling already in the file.

#include <QString>
#include <QStringView>
#include <memory>
#include <optional>

class QSettings;

namespace orvant {

inline constexpr QStringView kProductSection = u"Orvant";
inline constexpr QStringView kSettingsSection = u"Settings";

class Registry {
public:
    // The file named by $ORVANT_REGISTRY, else ~/.config/Karbelo/registry.ini.
    static QString defaultPath();
    static Registry open();

    explicit Registry(const QString& path);
    Registry(Registry&&) noexcept;
    Registry& operator=(Registry&&) noexcept;
    ~Registry();

    QString path() const;
    bool contains(QStringView section, QStringView name) const;
    // Whether the section (a key of its own, in the registry's terms) is there, in any case.
    bool hasSection(QStringView section) const;
    QString value(QStringView section, QStringView name, const QString& defaultValue = {}) const;
    // Writes the value and saves the file at once, so another program reading it sees the change.
    // False when the file could not be saved.
    bool setValue(QStringView section, QStringView name, const QString& value);

private:
    std::optional<QString> storedKey(QStringView section, QStringView name) const;
    QString storedSection(QStringView section) const;

    std::unique_ptr<QSettings> settings_;
};

}  // namespace orvant

#include "ui/kept_settings_store.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <optional>

#include "core/conventions.h"
#include "core/input_parsing.h"
#include "core/time_scale.h"

namespace vireon {
namespace {

// The keys of the file and the names of the scales in it.
constexpr const char* ScaleKey = "time/scale";
constexpr const char* ZoneKey = "time/zone";
constexpr const char* SiteNameKey = "site/name";
constexpr const char* LatitudeKey = "site/latitude";
constexpr const char* LongitudeKey = "site/longitude";
constexpr const char* HeightKey = "site/height";
constexpr const char* RedSpotKey = "phenomena/red_spot_longitude";
constexpr std::size_t MaxSiteNameLength = 64;

QString DefaultPath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + "/Vireon/vireon.conf";
}

// A number written by Save: the shortest decimal text that reads back the same, "." always.
QString NumberText(double value) { return QString::fromStdString(FormatShortest(value)); }

std::optional<double> ReadNumber(const QSettings& file, const char* key, double lowest, double highest)
{
    const QVariant value = file.value(key);
    if (!value.isValid()) return std::nullopt;
    return ParseDecimalWithin(value.toString().toStdString(), lowest, highest);
}

TimeScale ReadScale(const QSettings& file)
{
    const QString name = file.value(ScaleKey).toString();
    if (name == "UT") return {TimeScaleKind::Universal, ""};
    if (name == "local") {
        const std::string zone = file.value(ZoneKey).toString().toStdString();
        if (IsKnownTimeZone(zone)) return {TimeScaleKind::Local, zone};
    }
    return {};
}

std::optional<ObservingSite> ReadSite(const QSettings& file)
{
    const std::optional<double> latitude = ReadNumber(file, LatitudeKey, MinimumLatitudeDeg, MaximumLatitudeDeg);
    const std::optional<double> longitude = ReadNumber(file, LongitudeKey, MinimumLongitudeDeg, MaximumLongitudeDeg);
    const std::optional<double> height = ReadNumber(file, HeightKey, MinimumHeightM, MaximumHeightM);
    if (!latitude || !longitude || !height) return std::nullopt;
    ObservingSite site;
    site.Name = file.value(SiteNameKey).toString().left(MaxSiteNameLength).toStdString();
    site.LatitudeDeg = *latitude;
    site.LongitudeDeg = *longitude;
    site.HeightM = *height;
    return site;
}

}  // namespace

KeptSettingsStore::KeptSettingsStore(QString path) : path_(path.isEmpty() ? DefaultPath() : std::move(path)) {}

KeptSettings KeptSettingsStore::Load() const
{
    KeptSettings kept;
    if (!QFileInfo(path_).isFile()) return kept;
    const QSettings file(path_, QSettings::IniFormat);
    if (file.status() != QSettings::NoError) return kept;
    kept.TimeScale = ReadScale(file);
    kept.Site = ReadSite(file);
    kept.RedSpotLongitude = ReadNumber(file, RedSpotKey, 0, 360);
    return kept;
}

bool KeptSettingsStore::Save(const KeptSettings& kept) const
{
    // QSettings writes through a temporary file renamed over the old one: a failed write leaves
    // the old file whole.
    if (!QDir().mkpath(QFileInfo(path_).absolutePath())) return false;
    QSettings file(path_, QSettings::IniFormat);
    file.clear();
    switch (kept.TimeScale.Kind) {
    case TimeScaleKind::Terrestrial: file.setValue(ScaleKey, "TT"); break;
    case TimeScaleKind::Universal: file.setValue(ScaleKey, "UT"); break;
    case TimeScaleKind::Local:
        file.setValue(ScaleKey, "local");
        file.setValue(ZoneKey, QString::fromStdString(kept.TimeScale.Zone));
        break;
    }
    if (kept.Site) {
        file.setValue(SiteNameKey, QString::fromStdString(kept.Site->Name));
        file.setValue(LatitudeKey, NumberText(kept.Site->LatitudeDeg));
        file.setValue(LongitudeKey, NumberText(kept.Site->LongitudeDeg));
        file.setValue(HeightKey, NumberText(kept.Site->HeightM));
    }
    if (kept.RedSpotLongitude) file.setValue(RedSpotKey, NumberText(*kept.RedSpotLongitude));
    file.sync();
    return file.status() == QSettings::NoError;
}

QString UnwritableSettingsMessage(const QString& path)
{
    return QString("Les réglages n'ont pas pu être enregistrés dans le fichier « %1 ».").arg(QDir::toNativeSeparators(path));
}

}  // namespace vireon

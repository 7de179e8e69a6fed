// The one home of the settings kept between runs (the time scale and its zone, the observing
// site, the Great Red Spot's longitude): a QSettings file in the platform's usual place
// (~/.config/Vireon/vireon.conf on Linux), or one a test names. Every value is read with the same
// strict rules as the dialogs; anything that cannot be read gives its start-up value.
#pragma once

#include <QString>

#include "core/settings.h"

namespace vireon {

class KeptSettingsStore {
public:
    // path: the file, or empty for the platform's usual place.
    explicit KeptSettingsStore(QString path = {});

    const QString& FilePath() const { return path_; }

    // What the file holds; the start-up values for a missing or unreadable file and for each
    // value that is absent or bad.
    KeptSettings Load() const;

    // Writes the settings; false when the file cannot be written (the settings in memory stay).
    bool Save(const KeptSettings& kept) const;

private:
    QString path_;
};

// The message shown when the settings cannot be written, for a file.
QString UnwritableSettingsMessage(const QString& path);

}  // namespace vireon

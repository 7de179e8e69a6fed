// Saving a file the user names: the save dialog, replaceable so that tests answer it themselves;
// the name's suffix; the write that never leaves a half-written or truncated file; the message
// when the file cannot be written.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>

class QWidget;

namespace vireon {

// The file chosen (empty when the user cancelled) and the filter it was chosen with.
struct SaveChoice {
    QString Path;
    QString Filter;
};

// Asks where to save: the dialog's title, the path it suggests (folder and name), its filters
// ("Images PNG (*.png)"), the first one selected.
using SaveFileChooser = std::function<SaveChoice(QWidget* parent, const QString& caption, const QString& suggestedPath,
                                                 const QStringList& filters)>;

// The program's chooser: the toolkit's save dialog ("dlgEnregistrer"), which asks before
// replacing a file.
SaveChoice AskWhereToSave(QWidget* parent, const QString& caption, const QString& suggestedPath,
                          const QStringList& filters);

// The path with ".suffix" added when its name has no suffix of its own.
QString WithDefaultSuffix(const QString& path, const QString& suffix);

// The path a save dialog suggests for a name: in the folder last saved into during this run, at
// first the user's documents folder (or home).
QString SuggestedPath(const QString& lastFolder, const QString& fileName);

// Writes the whole file through a temporary one that replaces it only once complete (QSaveFile):
// a file that cannot be written (its folder missing or read-only, the disk full) leaves any
// earlier file as it was. False on failure.
bool WriteWholeFile(const QString& path, const QByteArray& bytes);

// "Le fichier « … » n'a pas pu être enregistré."
QString UnsavedFileMessage(const QString& path);

}  // namespace vireon

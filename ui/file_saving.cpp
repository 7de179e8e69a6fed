#include "ui/file_saving.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace vireon {

SaveChoice AskWhereToSave(QWidget* parent, const QString& caption, const QString& suggestedPath,
                          const QStringList& filters)
{
    QFileDialog dialog(parent, caption);
    dialog.setObjectName("dlgEnregistrer");
    dialog.setAcceptMode(QFileDialog::AcceptSave);  // asks before replacing a file
    dialog.setNameFilters(filters);
    const QFileInfo suggested(suggestedPath);
    dialog.setDirectory(suggested.absolutePath());
    dialog.selectFile(suggested.fileName());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return {};
    return {dialog.selectedFiles().front(), dialog.selectedNameFilter()};
}

QString WithDefaultSuffix(const QString& path, const QString& suffix)
{
    if (suffix.isEmpty() || !QFileInfo(path).suffix().isEmpty()) return path;
    return path + "." + suffix;
}

QString SuggestedPath(const QString& lastFolder, const QString& fileName)
{
    QString folder = lastFolder;
    if (folder.isEmpty() || !QDir(folder).exists()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
        if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    }
    return QDir(folder).filePath(fileName);
}

bool WriteWholeFile(const QString& path, const QByteArray& bytes)
{
    // Unbuffered, and the count checked: a full disk can end a write short without an error (the
    // last system write failing after others succeeded), and the toolkit's commit does not see a
    // failed flush of its buffer. The new file is then dropped and the earlier one kept.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        file.commit();
        return false;
    }
    return file.commit();
}

QString UnsavedFileMessage(const QString& path)
{
    return QString("Le fichier « %1 » n'a pas pu être enregistré.").arg(QDir::toNativeSeparators(path));
}

}  // namespace vireon

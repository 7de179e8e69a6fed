// Small helpers shared by the dialogs.
#pragma once

#include <QString>

class QPushButton;
class QWidget;

namespace vireon {

// A dialog button with its object name ("bbOK", "bbCancel", ...) and caption.
QPushButton* MakeDialogButton(const QString& objectName, const QString& caption, QWidget* parent);

// Shows a refused input's message in a warning box over the dialog and waits for OK.
void WarnInvalidInput(QWidget* dialog, const char* utf8Message);

}  // namespace vireon

#include "ui/dialog_support.h"

#include <QMessageBox>
#include <QPushButton>

namespace vireon {

QPushButton* MakeDialogButton(const QString& objectName, const QString& caption, QWidget* parent)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(objectName);
    return button;
}

void WarnInvalidInput(QWidget* dialog, const char* utf8Message)
{
    QMessageBox box(QMessageBox::Warning, dialog->windowTitle(), QString::fromUtf8(utf8Message), QMessageBox::Ok,
                    dialog);
    box.setObjectName("InvalidInputBox");
    box.exec();
}

}  // namespace vireon

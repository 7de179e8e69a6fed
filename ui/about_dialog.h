// The about dialog "A propos de...": the product name, its version, the program's picture and
// where to send remarks.
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace vireon {

class TfApropos : public QDialog {
    Q_OBJECT

public:
    explicit TfApropos(QWidget* parent);

    QLabel* ProductName;
    QLabel* Version;
    QLabel* ProgramIcon;
    QLabel* Comments;
    QLabel* MailTo;
    QLabel* Contact;
    QPushButton* bbOK;
};

}  // namespace vireon

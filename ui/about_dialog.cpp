#include "ui/about_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialog_support.h"
#include "ui/icons.h"
#include "ui/program_texts.h"

namespace vireon {
namespace {

QLabel* MakeLabel(const QString& objectName, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

TfApropos::TfApropos(QWidget* parent) : QDialog(parent)
{
    setObjectName("fApropos");
    setWindowTitle("A propos de...");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    ProgramIcon = new QLabel(this);
    ProgramIcon->setObjectName("ProgramIcon");
    ProgramIcon->setPixmap(ProgramPicture(64));
    ProductName = MakeLabel("ProductName", vireon::ProductName, this);
    QFont big = ProductName->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    ProductName->setFont(big);
    Version = MakeLabel("Version", VersionText, this);
    Comments = MakeLabel("Comments", "Pour toute remarque ou suggestion,", this);
    MailTo = MakeLabel("MailTo", "envoyer un mail à", this);
    Contact = MakeLabel("Contact", ContactLine, this);
    Contact->setTextInteractionFlags(Qt::TextSelectableByMouse);
    bbOK = MakeDialogButton("bbOK", "OK", this);
    bbOK->setDefault(true);

    auto* names = new QVBoxLayout;
    names->addWidget(ProductName);
    names->addWidget(Version);
    names->addStretch();
    auto* top = new QHBoxLayout;
    top->addWidget(ProgramIcon, 0, Qt::AlignTop);
    top->addSpacing(12);
    top->addLayout(names, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bbOK);
    buttons->addStretch();
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addSpacing(10);
    layout->addWidget(Comments);
    layout->addWidget(MailTo);
    layout->addWidget(Contact);
    layout->addSpacing(10);
    layout->addLayout(buttons);
    setFixedSize(sizeHint().expandedTo(QSize(300, 0)));

    connect(bbOK, &QPushButton::clicked, this, &QDialog::accept);
}

}  // namespace vireon

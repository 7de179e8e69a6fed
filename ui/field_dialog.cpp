#include "ui/field_dialog.h"

#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/input_parsing.h"
#include "core/settings.h"
#include "display/display_port.h"
#include "ui/dialog_support.h"
#include "ui/radio_group.h"

namespace vireon {
namespace {

// Field diameters of the fixed items, arcminutes.
constexpr double ItemMinutes[TfChamp::OtherItem] = {1, 2, 5, 10, 15, 20, 30, 40, 50, 60};

}  // namespace

TfChamp::TfChamp(DisplayPort& port, QWidget* parent) : QDialog(parent), port_(port)
{
    setObjectName("fChamp");
    setWindowTitle("Champ");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    rgChamp = new RadioGroup("rgChamp", "Champ en minutes",
                             {"1", "2", "5", "10", "15", "20", "30", "40", "50", "60", "Autre :"}, 2, this);
    eChamp = new QLineEdit("15", this);
    eChamp->setObjectName("eChamp");
    bbOK = MakeDialogButton("bbOK", "OK", this);
    bbOK->setDefault(true);
    bbCancel = MakeDialogButton("bbCancel", "Annuler", this);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bbOK);
    buttons->addWidget(bbCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(rgChamp);
    layout->addWidget(eChamp);
    layout->addLayout(buttons);

    connect(rgChamp, &RadioGroup::ItemIndexChanged, this, &TfChamp::rgChampClick);
    rgChamp->SetItemIndex(4);  // 15 arcminutes
    rgChampClick();
    setFixedSize(sizeHint());

    connect(bbOK, &QPushButton::clicked, this, &TfChamp::bbOKClick);
    connect(bbCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfChamp::rgChampClick() { eChamp->setEnabled(rgChamp->ItemIndex() == OtherItem); }

void TfChamp::bbOKClick()
{
    const int item = rgChamp->ItemIndex();
    double minutes = 0;
    if (item >= 0 && item < OtherItem) {
        minutes = ItemMinutes[item];
    } else {
        const auto typed = ParseFieldMinutes(eChamp->text().toStdString());
        if (!typed) {
            WarnInvalidInput(this, InvalidFieldMessage);
            return;
        }
        minutes = *typed;
    }
    Settings.FieldOfView = minutes;
    // The field button goes down so that the circle shows at once.
    Settings.ShowField = true;
    port_.SetChecked("sbAffChamp", true);
    accept();
}

}  // namespace vireon

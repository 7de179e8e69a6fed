#include "ui/increment_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/date_commands.h"
#include "core/input_parsing.h"
#include "core/settings.h"
#include "ui/dialog_support.h"
#include "ui/radio_group.h"

namespace vireon {

TfIncrement::TfIncrement(QWidget* parent) : QDialog(parent)
{
    setObjectName("fIncrement");
    setWindowTitle("Incrément");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    eIncr = new QLineEdit("1", this);
    eIncr->setObjectName("eIncr");
    rgIncr = new RadioGroup("rgIncr", "Unité",
                            {"Année (365 jours)", "Mois (30 jours ±1 j)", "Semaine (7 jours)", "Jour", "Heure",
                             "Minute"},
                            1, this);
    rgIncr->SetItemIndex(UnitHour);
    rgDelai = new RadioGroup("rgDelai", "Délai (secondes)", {"0", "0.1", "0.2", "0.25", "0.5", "1", "2", "5"}, 2,
                             this);
    rgDelai->SetItemIndex(2);
    bbOK = MakeDialogButton("bbOK", "OK", this);
    bbOK->setDefault(true);
    bbCancel = MakeDialogButton("bbCancel", "Annuler", this);

    auto* groups = new QHBoxLayout;
    groups->addWidget(rgIncr);
    groups->addWidget(rgDelai);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bbOK);
    buttons->addWidget(bbCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(eIncr);
    layout->addLayout(groups);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());

    connect(bbOK, &QPushButton::clicked, this, &TfIncrement::bbOKClick);
    connect(bbCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfIncrement::Prepare()
{
    // What is in force: a dialog cancelled after editing must not show the edits next time.
    rgIncr->SetItemIndex(Settings.IncrementUnitIndex);
    eIncr->setText(QString::fromStdString(Settings.IncrementText));
    for (int i = 0; i < AnimationDelayCount; ++i) {
        if (AnimationDelayMsFor(i) == Settings.AnimationDelayMs) rgDelai->SetItemIndex(i);
    }
}

void TfIncrement::bbOKClick()
{
    const auto n = ParseIncrementNumber(eIncr->text().toStdString());
    if (!n) {
        WarnInvalidInput(this, InvalidIncrementMessage);
        return;
    }
    const int unit = rgIncr->ItemIndex();
    Settings.DialogAccepted = true;
    Settings.IncrementDays = IncrementDaysFor(Settings.Current, unit, *n);
    Settings.AnimationDelayMs = AnimationDelayMsFor(rgDelai->ItemIndex());
    Settings.IncrementUnitIndex = unit;
    Settings.IncrementText = eIncr->text().toStdString();
    accept();
}

}  // namespace vireon

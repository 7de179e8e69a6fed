#include "ui/zoom_dialog.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/input_parsing.h"
#include "core/settings.h"
#include "display/view_options.h"
#include "ui/dialog_support.h"
#include "ui/radio_group.h"

namespace vireon {

TfZoom::TfZoom(DisplayPort& port, QWidget* parent) : QDialog(parent), port_(port)
{
    setObjectName("fZoom");
    setWindowTitle("Zoom");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    rgZoom = new RadioGroup("rgZoom", "", {"Valeur", "Autozoom"}, 1, this);
    rgZoom->SetItemIndex(0);
    cbZoom = new QComboBox(this);
    cbZoom->setObjectName("cbZoom");
    cbZoom->setEditable(true);
    cbZoom->setInsertPolicy(QComboBox::NoInsert);
    cbZoom->addItems({"1", "5", "10", "15", "20", "25", "30", "40", "50", "100", "200", "300", "400", "500", "600",
                      "700", "800", "900", "1000", "1100", "1200", "1300", "1400"});
    cbZoom->setEditText("10");
    bbOK = MakeDialogButton("bbOK", "OK", this);
    bbOK->setDefault(true);
    bbCancel = MakeDialogButton("bbCancel", "Annuler", this);

    auto* top = new QHBoxLayout;
    top->addWidget(rgZoom);
    top->addWidget(cbZoom, 0, Qt::AlignTop);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bbOK);
    buttons->addWidget(bbCancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addLayout(buttons);
    setFixedSize(sizeHint());

    connect(bbOK, &QPushButton::clicked, this, &TfZoom::bbOKClick);
    connect(bbCancel, &QPushButton::clicked, this, &QDialog::reject);
}

void TfZoom::Prepare()
{
    SetAutoZoomItem(Settings.AutoZoom);
    SetZoomText(Settings.ZoomFactor);
}

void TfZoom::SetZoomText(int zoom) { cbZoom->setEditText(QString::number(zoom)); }

void TfZoom::SetAutoZoomItem(bool autoZoom) { rgZoom->SetItemIndex(autoZoom ? 1 : 0); }

void TfZoom::bbOKClick()
{
    if (rgZoom->ItemIndex() == 0) {
        const auto zoom = ParseZoomValue(cbZoom->currentText().toStdString());
        if (!zoom) {
            WarnInvalidInput(this, InvalidZoomMessage);
            return;
        }
        Settings.ZoomFactor = *zoom;
        Settings.AutoZoom = false;
    } else {
        Settings.AutoZoom = true;
    }
    // The whole view is cleared: the next picture is drawn at the new scale from scratch.
    EraseView(port_, Settings);
    accept();
}

}  // namespace vireon

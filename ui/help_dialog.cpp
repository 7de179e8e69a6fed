#include "ui/help_dialog.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QVBoxLayout>

#include "ui/dialog_support.h"

namespace vireon {

const QStringList& TfAide::PageCaptions()
{
    static const QStringList captions = {"Raccourcis clavier", "Raccourcis souris", "Informations"};
    return captions;
}

const QStringList& TfAide::PageLines(int page)
{
    static const QStringList keyboard = {
        "Flèche gauche : enlève à la date la valeur de l'incrément",
        "Flèche droite : ajoute à la date la valeur de l'incrément",
        "",
        "Flèche haut : zoom +",
        "Flèche bas : zoom -",
        "",
        "Page précédente : affiche la planète précédente.",
        "Page suivante : affiche la planète suivante.",
        "",
        "N : affiche le pôle céleste nord en haut.",
        "S : affiche le pôle céleste sud en haut.",
        "B : Affiche le pôle planétaire nord en haut.",
        "A : Affiche le pôle planétaire sud en haut.",
        "",
        "",
        "R : active ou désactive la vue avec renvoi coudé.",
    };
    static const QStringList mouse = {
        "Molette vers le haut : Zoom +",
        "Molette vers le bas : Zoom -",
        "",
        "Clic gauche ",
        "- sur le graphique : démarre ou stoppe l'animation",
        "",
        "Clic droit",
        "- sur le graphique : menu contextuel",
        "- sur le bouton Date : calcul pour la date de l'horloge de l'ordinateur",
        "",
        "Double-clic sur le label \"Nord\" ou \"Sud\" : inversion de l'affichage",
    };
    static const QStringList information = {
        "Quelques conseils :",
        "------------------------------",
        "",
        "La date doit être saisie sous la forme JJ/MM/AAAA.",
        "L'heure doit être saisie sous la forme  HH:MM:SS",
        "",
        "",
    };
    static const QStringList none;
    switch (page) {
    case 0: return keyboard;
    case 1: return mouse;
    case 2: return information;
    default: return none;
    }
}

TfAide::TfAide(QWidget* parent) : QDialog(parent)
{
    setObjectName("fAide");
    setWindowTitle("Aide");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);

    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    QPlainTextEdit** memos[3] = {&Memo1, &Memo2, &Memo3};
    for (int page = 0; page < 3; ++page) {
        auto* memo = new QPlainTextEdit(PageControl1);
        memo->setObjectName(QString("Memo%1").arg(page + 1));
        memo->setReadOnly(true);
        memo->setLineWrapMode(QPlainTextEdit::NoWrap);
        memo->setPlainText(PageLines(page).join('\n'));
        PageControl1->addTab(memo, PageCaptions()[page]);
        *memos[page] = memo;
    }
    bbClose = MakeDialogButton("bbClose", "&Fermer", this);
    bbClose->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(bbClose);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(PageControl1);
    layout->addLayout(buttons);
    setFixedSize(500, 340);

    connect(bbClose, &QPushButton::clicked, this, &QDialog::accept);
}

void TfAide::showEvent(QShowEvent* event)
{
    // Centred on the screen, whatever the main window's position.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    QDialog::showEvent(event);
}

}  // namespace vireon

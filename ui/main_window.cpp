#include "ui/main_window.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QFrame>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPrinter>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>
#include <QWheelEvent>

#include <cmath>
#include <utility>

#include "app/driver.h"
#include "app/view_commands.h"
#include "core/date_commands.h"
#include "core/platform.h"
#include "core/settings.h"
#include "display/panel.h"
#include "display/view_options.h"
#include "satellites/mutual_events.h"
#include "satellites/phenomena.h"
#include "satellites/planet_descriptor.h"
#include "ui/about_dialog.h"
#include "ui/date_dialog.h"
#include "ui/field_dialog.h"
#include "ui/help_dialog.h"
#include "ui/icons.h"
#include "ui/increment_dialog.h"
#include "ui/mutual_dialog.h"
#include "ui/phenomena_dialog.h"
#include "ui/program_texts.h"
#include "ui/qt_display_port.h"
#include "ui/site_dialog.h"
#include "ui/view_widgets.h"
#include "ui/zoom_dialog.h"

namespace vireon {
namespace {

// The window's font; the toolkit maps it to the system's sans-serif face.
QFont WindowFont()
{
    QFont font("MS Sans Serif", 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

// The data panel's font; Liberation Sans has Arial's metrics.
QFont PanelFont()
{
    QFont font("Arial", 8);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

const QColor Maroon(128, 0, 0);
const QColor Blue(0, 0, 255);
const QColor Navy(0, 0, 128);
const QColor Teal(0, 128, 128);
const QColor Magenta(255, 0, 255);

constexpr int ToolBarHeight = 31;
constexpr int CaptionTop = 33;
constexpr int CaptionHeight = 20;
constexpr int DataLeft = 760;
constexpr int DataTop = 33;
constexpr int DataWidth = 248;
constexpr int DataHeight = 528;
constexpr int RowHeight = 14;
constexpr int SeparatorTops[7] = {112, 176, 239, 304, 368, 432, 496};

// The ruler's marks: grey crosses and segment, red distance text.
constexpr Color RulerGrey{128, 128, 128};
constexpr Color RulerRed{255, 0, 0};
// One pixel of the view is 3 arcseconds at zoom 1.
constexpr Extended ArcsecPerPixelAtZoom1 = 3.0L;

constexpr int MaxWheelZoom = 4000;
constexpr int MaxArrowZoom = 1000;

// Window decorations: a fixed single border with the system menu and the minimise button.
constexpr Qt::WindowFlags MainWindowFlags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                            Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                            Qt::WindowCloseButtonHint;

PlanetId PreviousPlanet(PlanetId p) { return p <= FirstPlanet ? LastPlanet : static_cast<PlanetId>(p - 1); }
PlanetId NextPlanet(PlanetId p) { return p >= LastPlanet ? FirstPlanet : static_cast<PlanetId>(p + 1); }

}  // namespace

TForm1::TForm1(QWidget* parent, PhenomenaSource phenomena, MutualSource mutual, const QString& settingsFile)
    : QMainWindow(parent, MainWindowFlags), phenomena_(std::move(phenomena)), mutual_(std::move(mutual)),
      store_(settingsFile)
{
    setObjectName("Form1");
    setWindowTitle("Vireon");
    setWindowIcon(ProgramIcon());
    setFont(WindowFont());

    createClientArea();
    createStatusBar();
    port_ = std::make_unique<QtDisplayPort>(this, pbSatel, pbLegendeSat, statusPanels_, WindowFont());
    // The images are kept at the screen's resolution so that high-density screens stay sharp.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        port_->View().SetDevicePixelRatio(screen->devicePixelRatio());
        port_->Legend().SetDevicePixelRatio(screen->devicePixelRatio());
    }
    pbSatel->SetCanvas(&port_->View());
    pbLegendeSat->SetCanvas(&port_->Legend());
    createActions();
    createMenus();
    createToolBars();
    connectCommands();
    createDialogs();

    setFixedSize(ClientWidth, menuBar()->sizeHint().height() + ClientHeight);
    SetDisplayPort(port_.get());
}

TForm1::~TForm1()
{
    port_->CancelAnimationFrame();
    if (&CurrentDisplayPort() == port_.get()) SetDisplayPort(nullptr);
}

// --- Construction ---

void TForm1::createClientArea()
{
    client_ = new QWidget(this);
    client_->setObjectName("ClientArea");
    client_->setFixedSize(ClientWidth, ClientHeight - StatusBarHeight);
    setCentralWidget(client_);

    panNS = new CaptionPanel("panNS", client_);
    panNS->setGeometry(ViewLeft, CaptionTop, ViewWidth, CaptionHeight);
    panNS->setText("Pôle nord céleste");

    pbSatel = new ImageBox("pbSatel", client_);
    pbSatel->setGeometry(ViewLeft, ViewTop, ViewWidth, ViewHeight);
    pbLegendeSat = new ImageBox("pbLegendeSat", client_);
    pbLegendeSat->setGeometry(ViewLeft, ViewTop + ViewHeight, ViewWidth, LegendHeight);

    createDataPanel();

    labEO = new QLabel(client_);
    labEO->setObjectName("labEO");
    labEO->setTextFormat(Qt::PlainText);
    labEO->setGeometry(ViewLeft + ViewWidth - 70, ViewTop + 5, 60, RowHeight + 2);
    labEO->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette palette = labEO->palette();
    palette.setColor(QPalette::WindowText, Magenta);
    labEO->setPalette(palette);
    QFont bold = labEO->font();
    bold.setBold(true);
    labEO->setFont(bold);
    labEO->hide();
}

QLabel* TForm1::makePanelLabel(const QString& objectName, int x, int y, int width, const QColor& colour, bool bold,
                               Qt::Alignment alignment)
{
    // Positions are given in the window's client coordinates; the labels lie over pbDonnees.
    auto* label = new QLabel(client_);
    label->setObjectName(objectName);
    label->setTextFormat(Qt::PlainText);
    QFont font = PanelFont();
    font.setBold(bold);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setGeometry(x, y, width, RowHeight);
    return label;
}

void TForm1::createDataPanel()
{
    pbDonnees = new QWidget(client_);
    pbDonnees->setObjectName("pbDonnees");
    pbDonnees->setGeometry(DataLeft, DataTop, DataWidth, DataHeight);
    pbDonnees->setFont(PanelFont());

    makePanelLabel("labPla", 868, 33, 130, Maroon, true, Qt::AlignLeft);
    const Qt::Alignment left = Qt::AlignLeft;
    const Qt::Alignment right = Qt::AlignRight;
    for (int k = 1; k <= 8; ++k) {
        const int row = 57 + 64 * (k - 1);
        const QString n = QString::number(k);
        makePanelLabel("labNom" + n, 772, row, 125, Blue, false, left);
        makePanelLabel("labMag" + n, 900, row, 60, Navy, false, left);
        makePanelLabel("labMag" + n + "d", 950, row, 52, Teal, false, right);
        makePanelLabel("labX" + n, 772, row + 17, 75, Navy, false, left);
        makePanelLabel("labX" + n + "d", 845, row + 17, 52, Teal, false, right);
        makePanelLabel("labDiam" + n, 900, row + 17, 75, Navy, false, left);
        makePanelLabel("labDiam" + n + "d", 952, row + 17, 50, Teal, false, right);
        makePanelLabel("labY" + n, 772, row + 33, 75, Navy, false, left);
        makePanelLabel("labY" + n + "d", 845, row + 33, 52, Teal, false, right);
        makePanelLabel("labDist" + n, 900, row + 33, 75, Navy, false, left);
        makePanelLabel("labDist" + n + "d", 952, row + 33, 50, Teal, false, right);
    }
    for (int i = 0; i < 7; ++i) {
        auto* bar = new QFrame(client_);
        bar->setObjectName(QString("pSep%1").arg(i + 1));
        bar->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        bar->setLineWidth(1);
        bar->setGeometry(772, SeparatorTops[i], 225, 3);
        bar->hide();
    }
}

QAction* TForm1::makeAction(const char* objectName, const QString& caption, bool checkable, bool checked)
{
    auto* action = new QAction(caption, this);
    action->setObjectName(objectName);
    action->setCheckable(checkable);
    action->setChecked(checked);
    actions_.insert(objectName, action);
    return action;
}

void TForm1::createActions()
{
    makeAction("miDate", "&Date");
    makeAction("miIncrement", "&Incrément");
    makeAction("miLieu", "Lieu et &heure...");
    makeAction("miEnregistrerImage", "Enregistrer l'&image...");
    makeAction("miImprimer", "&Imprimer...");
    makeAction("miQuitter", "&Quitter");

    auto* planets = new QActionGroup(this);
    const struct {
        const char* name;
        const char* caption;
        const char* button;
    } planetItems[6] = {{"miMars", "&Mars", "sbMars"},          {"miJupiter", "&Jupiter", "sbJupiter"},
                        {"miSaturne", "&Saturne", "sbSaturne"}, {"miUranus", "&Uranus", "sbUranus"},
                        {"miNeptune", "&Neptune", "sbNeptune"}, {"miPluton", "&Pluton", "sbPluton"}};
    for (const auto& item : planetItems) {
        QAction* action = makeAction(item.name, item.caption, true, item.name == QString("miJupiter"));
        // The planet's tool button shares the action: its hint is the planet's name.
        action->setIcon(ToolIcon(item.button));
        action->setIconVisibleInMenu(false);
        action->setToolTip(QString(item.caption).remove('&'));
        planets->addAction(action);
    }

    auto group = [this](std::initializer_list<const char*> names) {
        auto* exclusive = new QActionGroup(this);
        for (const char* name : names) exclusive->addAction(actions_.value(name));
    };

    makeAction("miEquatoriale1", "&Equatoriale", true, true);
    makeAction("miPolaire1", "&Polaire", true);
    makeAction("miGraphique1", "&Graphique mensuel", true);
    group({"miEquatoriale1", "miPolaire1", "miGraphique1"});
    makeAction("miNordenhaut1", "Pôle &nord céleste en haut", true, true);
    makeAction("miSudenhaut1", "Pôle &sud céleste en haut", true);
    makeAction("miPoleN1", "Pôle n&ord planétaire en haut", true);
    makeAction("miPoleS1", "Pôle s&ud planétaire en haut", true);
    group({"miNordenhaut1", "miSudenhaut1", "miPoleN1", "miPoleS1"});
    makeAction("miInversionRC1", "&Renvoi coudé", true);
    makeAction("miZoom", "&Zoom");
    makeAction("miAffichagenumeros1", "&Affichage numéros", true, true);
    makeAction("miMeridiencentral", "Méri&dien central", true, true);
    makeAction("miTraces1", "&Traces", true);
    makeAction("miAnimation1", "Ani&mation", true);
    QAction* phenomena = makeAction("miPhenomenes", "P&hénomènes du mois...");
    // Its tool button shares the action.
    phenomena->setIcon(ToolIcon("sbPhenomenes"));
    phenomena->setIconVisibleInMenu(false);
    phenomena->setToolTip("Phénomènes du mois");
    makeAction("miMutuels", "Phénomènes m&utuels du mois...");

    makeAction("miSecarc1", "&Secondes d'arc", true);
    makeAction("miRayonpla1", "&Rayons planétaires", true, true);
    makeAction("miKm1", "&Km (milliers)", true);
    group({"miSecarc1", "miRayonpla1", "miKm1"});

    makeAction("miAide2", "&Aide");
    makeAction("miApropos", "A &propos");

    makeAction("Zoom1", "&Zoom");
    makeAction("miNordenhaut2", "Pôle &nord céleste en haut", true, true);
    makeAction("miSudenhaut2", "Pôle &sud céleste en haut", true);
    makeAction("miPoleN2", "Pôle n&ord planétaire en haut", true);
    makeAction("miPoleS2", "Pôle s&ud planétaire en haut", true);
    group({"miNordenhaut2", "miSudenhaut2", "miPoleN2", "miPoleS2"});
    makeAction("miInversionRC2", "&Renvoi coudé", true);
    makeAction("miEquatoriale2", "Vue &équatoriale", true, true);
    makeAction("miPolaire2", "Vue &polaire", true);
    makeAction("miGraphique2", "&Graphique mensuel", true);
    group({"miEquatoriale2", "miPolaire2", "miGraphique2"});
    makeAction("miAffichagenumeros2", "&Affichage numéros", true, true);
    makeAction("miTraces2", "Affiche &traces", true);
    makeAction("miAnimation2", "Ani&mation", true);
    makeAction("miIncrement2", "&Incrément");
}

void TForm1::createMenus()
{
    auto add = [this](QMenu* menu, std::initializer_list<const char*> names) {
        for (const char* name : names) {
            if (name == nullptr) menu->addSeparator();
            else menu->addAction(actions_.value(name));
        }
    };
    QMenuBar* bar = menuBar();
    bar->setObjectName("MainMenu1");

    QMenu* file = bar->addMenu("&Fichier");
    file->setObjectName("miFichier");
    add(file, {"miDate", "miIncrement", "miLieu", nullptr, "miEnregistrerImage", "miImprimer", nullptr, "miQuitter"});

    QMenu* planet = bar->addMenu("&Planète");
    planet->setObjectName("miPlanete");
    add(planet, {"miMars", "miJupiter", "miSaturne", "miUranus", "miNeptune", "miPluton"});

    QMenu* view = bar->addMenu("&Vue");
    view->setObjectName("miVue");
    add(view, {"miEquatoriale1", "miPolaire1", "miGraphique1", nullptr, "miPhenomenes", "miMutuels", nullptr, "miNordenhaut1",
               "miSudenhaut1", "miPoleN1", "miPoleS1", nullptr, "miInversionRC1", nullptr, "miZoom",
               "miAffichagenumeros1", "miMeridiencentral", "miTraces1", "miAnimation1"});

    QMenu* data = bar->addMenu("&Données");
    data->setObjectName("miDonnees");
    add(data, {"miSecarc1", "miRayonpla1", "miKm1"});

    QMenu* help = bar->addMenu("&Aide");
    help->setObjectName("miAide1");
    add(help, {"miAide2", "miApropos"});

    pumSatel = new QMenu(this);
    pumSatel->setObjectName("pumSatel");
    add(pumSatel, {"Zoom1", nullptr, "miNordenhaut2", "miSudenhaut2", "miPoleN2", "miPoleS2", nullptr,
                   "miInversionRC2", nullptr, "miEquatoriale2", "miPolaire2", "miGraphique2", nullptr,
                   "miAffichagenumeros2", "miTraces2", "miAnimation2", nullptr, "miIncrement2"});
}

QToolButton* TForm1::makeButton(const char* objectName, const QString& hint, QAction* shared, bool checkable,
                                bool checked)
{
    QAction* action = shared;
    if (!action) {
        action = new QAction(this);
        action->setIcon(ToolIcon(objectName));
        action->setToolTip(hint);
        action->setCheckable(checkable);
        action->setChecked(checked);
    }
    auto* button = new QToolButton(ToolBar1);
    button->setObjectName(objectName);
    button->setDefaultAction(action);
    button->setAutoRaise(true);
    // The arrow and letter keys must always reach the window.
    button->setFocusPolicy(Qt::NoFocus);
    ToolBar1->addWidget(button);
    buttons_.insert(objectName, button);
    return button;
}

void TForm1::createToolBars()
{
    ToolBar1 = new QToolBar(client_);
    ToolBar1->setObjectName("ToolBar1");
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->setGeometry(0, 0, ClientWidth, ToolBarHeight);

    auto exclusive = [this](std::initializer_list<const char*> names) {
        auto* group = new QActionGroup(this);
        for (const char* name : names) group->addAction(buttons_.value(name)->defaultAction());
    };

    makeButton("sbQuit", "Quitter le programme");
    ToolBar1->addSeparator();
    makeButton("sbJour", "Date");
    makeButton("sbIncr", "Incrément");
    makeButton("sbIncrMoins", "Incrément -");
    makeButton("sbIncrPlus", "Incrément +");
    ToolBar1->addSeparator();
    makeButton("sbAnimR", "Animation arrière", nullptr, true);
    makeButton("sbStop", "Stoppe l'animation", nullptr, true, true);
    makeButton("sbAnimA", "Animation avant", nullptr, true);
    exclusive({"sbAnimR", "sbStop", "sbAnimA"});
    ToolBar1->addSeparator();
    makeButton("sbMars", "Mars", actions_.value("miMars"));
    makeButton("sbJupiter", "Jupiter", actions_.value("miJupiter"));
    makeButton("sbSaturne", "Saturne", actions_.value("miSaturne"));
    makeButton("sbUranus", "Uranus", actions_.value("miUranus"));
    makeButton("sbNeptune", "Neptune", actions_.value("miNeptune"));
    makeButton("sbPluton", "Pluton", actions_.value("miPluton"));
    ToolBar1->addSeparator();
    makeButton("sbPremPla", "Première planète");
    makeButton("sbPlaPrec", "Planète précédente");
    makeButton("sbPlaSuiv", "Planète suivante");
    makeButton("sbDernPla", "Dernière planète");
    ToolBar1->addSeparator();
    makeButton("sbutZoomPlus", "Zoom +");
    makeButton("sbutZoomMoins", "Zoom -");
    makeButton("sbZoom", "Change le zoom");
    makeButton("sbZoomAuto", "Autozoom", nullptr, true);
    ToolBar1->addSeparator();
    makeButton("sbAffNum", "Affiche ou masque les numéros des satellites", nullptr, true, true);
    makeButton("sbAxe", "Affiche ou masque l'axe de rotation de la planète", nullptr, true);
    makeButton("sbTraces", "", nullptr, true);
    makeButton("sbAffChamp", "Affiche ou masque le champ de l'oculaire", nullptr, true);
    makeButton("sbChgChamp", "Change le champ de l'oculaire");
    makeButton("sbRegle", "Distance entre 2 points", nullptr, true);
    ToolBar1->addSeparator();
    makeButton("sbEqu", "Vue équatoriale", nullptr, true, true);
    makeButton("sbPol", "Vue polaire nord", nullptr, true);
    makeButton("sbGraph", "Graphique mensuel", nullptr, true);
    exclusive({"sbEqu", "sbPol", "sbGraph"});
    makeButton("sbPhenomenes", "Phénomènes du mois", actions_.value("miPhenomenes"));
    ToolBar1->addSeparator();
    makeButton("sbMAJ", "Met à jour le programme via internet");

    buttons_.value("sbJour")->installEventFilter(this);
    buttons_.value("sbAffNum")->installEventFilter(this);
}

void TForm1::createStatusBar()
{
    StatusBar1 = new QStatusBar(this);
    StatusBar1->setObjectName("StatusBar1");
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setFixedHeight(StatusBarHeight);
    setStatusBar(StatusBar1);

    // The sections are laid side by side at their fixed widths inside one strip, so that
    // none can overlap another whatever the style's spacing.
    auto* strip = new QWidget(StatusBar1);
    strip->setObjectName("StatusPanels");
    int x = 0;
    for (std::size_t i = 0; i < statusPanels_.size(); ++i) {
        auto* panel = new QLabel(strip);
        panel->setObjectName(QString("StatusPanel%1").arg(i));
        panel->setTextFormat(Qt::PlainText);
        // The sections' widths were laid out for a narrow sans-serif face: Arial's metrics
        // keep the longest texts (the right ascension line) inside them.
        panel->setFont(PanelFont());
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        panel->setGeometry(x, 1, StatusPanelWidths[i] - 2, StatusBarHeight - 3);
        x += StatusPanelWidths[i];
        statusPanels_[i] = panel;
    }
    strip->setFixedSize(x, StatusBarHeight - 1);
    StatusBar1->addWidget(strip, 1);
}

void TForm1::createDialogs()
{
    fIncrement = new TfIncrement(this);
    fZoom = new TfZoom(*port_, this);
    fApropos = new TfApropos(this);
    fAide = new TfAide(this);
    fChamp = new TfChamp(*port_, this);
    fPhenomenes = new TfPhenomenes(phenomena_, this);
    fMutuels = new TfMutuels(mutual_, this);
    fLieu = new TfLieu(this);
}

void TForm1::connectCommands()
{
    auto on = [this](const char* name, void (TForm1::*handler)()) {
        connect(actions_.value(name), &QAction::triggered, this, handler);
    };
    auto onButton = [this](const char* name, void (TForm1::*handler)()) {
        connect(buttons_.value(name)->defaultAction(), &QAction::triggered, this, handler);
    };

    on("miDate", &TForm1::miDateClick);
    on("miIncrement", &TForm1::miIncrementClick);
    on("miLieu", &TForm1::miLieuClick);
    on("miEnregistrerImage", &TForm1::miEnregistrerImageClick);
    on("miImprimer", &TForm1::miImprimerClick);
    on("miQuitter", &TForm1::miQuitterClick);
    on("miMars", &TForm1::miMarsClick);
    on("miJupiter", &TForm1::miJupiterClick);
    on("miSaturne", &TForm1::miSaturneClick);
    on("miUranus", &TForm1::miUranusClick);
    on("miNeptune", &TForm1::miNeptuneClick);
    on("miPluton", &TForm1::miPlutonClick);
    on("miEquatoriale1", &TForm1::miEquatoriale1Click);
    on("miPolaire1", &TForm1::miPolaire1Click);
    on("miGraphique1", &TForm1::miGraphique1Click);
    on("miNordenhaut1", &TForm1::miNordenhaut1Click);
    on("miSudenhaut1", &TForm1::miSudenhaut1Click);
    on("miPoleN1", &TForm1::miPoleN1Click);
    on("miPoleS1", &TForm1::miPoleS1Click);
    on("miInversionRC1", &TForm1::miInversionRC1Click);
    on("miZoom", &TForm1::miZoomClick);
    on("miAffichagenumeros1", &TForm1::miAffichagenumeros1Click);
    on("miMeridiencentral", &TForm1::miMeridiencentralClick);
    on("miTraces1", &TForm1::miTraces1Click);
    on("miAnimation1", &TForm1::miAnimation1Click);
    on("miPhenomenes", &TForm1::miPhenomenesClick);
    on("miMutuels", &TForm1::miMutuelsClick);
    on("miSecarc1", &TForm1::miSecarc1Click);
    on("miRayonpla1", &TForm1::miRayonpla1Click);
    on("miKm1", &TForm1::miKm1Click);
    on("miAide2", &TForm1::miAide2Click);
    on("miApropos", &TForm1::miAproposClick);
    on("Zoom1", &TForm1::Zoom1Click);
    on("miNordenhaut2", &TForm1::miNordenhaut2Click);
    on("miSudenhaut2", &TForm1::miSudenhaut2Click);
    on("miPoleN2", &TForm1::miPoleN2Click);
    on("miPoleS2", &TForm1::miPoleS2Click);
    on("miInversionRC2", &TForm1::miInversionRC2Click);
    on("miEquatoriale2", &TForm1::miEquatoriale2Click);
    on("miPolaire2", &TForm1::miPolaire2Click);
    on("miGraphique2", &TForm1::miGraphique2Click);
    on("miAffichagenumeros2", &TForm1::miAffichagenumeros2Click);
    on("miTraces2", &TForm1::miTraces2Click);
    on("miAnimation2", &TForm1::miAnimation2Click);
    on("miIncrement2", &TForm1::miIncrement2Click);

    onButton("sbQuit", &TForm1::sbQuitClick);
    connect(buttons_.value("sbJour")->defaultAction(), &QAction::triggered, this,
            [this] { sbJourMouseUp(Qt::LeftButton); });
    onButton("sbIncr", &TForm1::sbIncrClick);
    onButton("sbIncrMoins", &TForm1::sbIncrMoinsClick);
    onButton("sbIncrPlus", &TForm1::sbIncrPlusClick);
    onButton("sbAnimR", &TForm1::sbAnimRClick);
    onButton("sbStop", &TForm1::sbStopClick);
    onButton("sbAnimA", &TForm1::sbAnimAClick);
    onButton("sbPremPla", &TForm1::sbPremPlaClick);
    onButton("sbPlaPrec", &TForm1::sbPlaPrecClick);
    onButton("sbPlaSuiv", &TForm1::sbPlaSuivClick);
    onButton("sbDernPla", &TForm1::sbDernPlaClick);
    onButton("sbutZoomPlus", &TForm1::sbutZoomPlusClick);
    onButton("sbutZoomMoins", &TForm1::sbutZoomMoinsClick);
    onButton("sbZoom", &TForm1::sbZoomClick);
    onButton("sbZoomAuto", &TForm1::sbZoomAutoClick);
    onButton("sbAffNum", &TForm1::sbAffNumClick);
    onButton("sbAxe", &TForm1::sbAxeClick);
    onButton("sbTraces", &TForm1::sbTracesClick);
    onButton("sbAffChamp", &TForm1::sbAffChampClick);
    onButton("sbChgChamp", &TForm1::sbChgChampClick);
    onButton("sbRegle", &TForm1::sbRegleClick);
    onButton("sbEqu", &TForm1::sbEquClick);
    onButton("sbPol", &TForm1::sbPolClick);
    onButton("sbGraph", &TForm1::sbGraphClick);
    onButton("sbMAJ", &TForm1::sbMAJClick);

    connect(pbSatel, &ImageBox::Click, this, &TForm1::pbSatelClick);
    connect(pbSatel, &ImageBox::MouseDown, this, [this](QPoint point, Qt::MouseButton button) {
        if (button == Qt::LeftButton) pbSatelMouseDown(point);
    });
    connect(pbSatel, &ImageBox::ContextMenuRequested, this, [this](QPoint global) { pumSatel->popup(global); });
    connect(panNS, &CaptionPanel::DoubleClicked, this, &TForm1::panNSDblClick);

    // The phenomena and the mutual events are listed for some planets only. Every way of
    // choosing a planet (menu, buttons, keys, the driver) checks the planet's menu item, so the
    // commands follow it.
    QAction* phenomena = actions_.value("miPhenomenes");
    QAction* mutual = actions_.value("miMutuels");
    for (PlanetId p = FirstPlanet; p <= LastPlanet; ++p) {
        QAction* planet = actions_.value(QString::fromStdString(PlanetMenuItem(p)));
        const auto follow = [phenomena, mutual, p] {
            phenomena->setEnabled(HasPhenomena(p));
            mutual->setEnabled(HasMutualEvents(p));
        };
        connect(planet, &QAction::toggled, phenomena, [follow](bool checked) {
            if (checked) follow();
        });
        if (planet->isChecked()) follow();
    }
}

// --- Shared steps of the commands ---

void TForm1::Redraw() { RecomputeAndDraw(Settings.CurrentPlanet); }

void TForm1::EraseAndRedraw()
{
    EraseView(*port_, Settings);
    Redraw();
}

void TForm1::SelectPlanet(int planet, bool eraseFirst)
{
    if (eraseFirst) EraseView(*port_, Settings);
    RecomputeAndDraw(static_cast<PlanetId>(planet));
}

void TForm1::SetOrientationAndRedraw(Orientation orientation)
{
    SetOrientation(*port_, Settings, orientation);
    Redraw();
}

void TForm1::SetDistanceUnit(DistanceUnit unit)
{
    Settings.DistanceUnit = unit;
    const char* item = unit == DistanceUnit::Arcseconds      ? "miSecarc1"
                       : unit == DistanceUnit::ThousandsOfKm ? "miKm1"
                                                             : "miRayonpla1";
    actions_.value(item)->setChecked(true);
    // The views turn the record's offsets over in place, so the panel is only right after a
    // fresh computation.
    Redraw();
}

void TForm1::StepDate(int direction)
{
    if (!StepByIncrement(Settings, direction)) {
        port_->Beep();
        return;
    }
    Redraw();
}

void TForm1::ToggleAnimation() { Animate(*port_, Settings, !Settings.AnimationRunning); }

void TForm1::StartAnimation(int direction)
{
    Settings.AnimationDirection = static_cast<std::int8_t>(direction);
    Animate(*port_, Settings, true);
}

void TForm1::ShowZoomInDialog() { fZoom->SetZoomText(Settings.ZoomFactor); }

void TForm1::OpenDateDialog()
{
    TfSaisieJour dialog(*port_, this);
    dialog.Prepare();
    dialog.exec();
    if (Settings.DialogAccepted) EraseAndRedraw();
}

void TForm1::OpenIncrementDialog(int left, int top)
{
    fIncrement->Prepare();
    fIncrement->move(left, top);
    fIncrement->exec();
    if (Settings.DialogAccepted) EraseAndRedraw();
}

void TForm1::ShowInstantInEquatorialView(Extended jd, SecondRounding rounding)
{
    SetCurrentInstant(Settings, jd, rounding);
    // The equatorial view shows the satellite or its shadow at the planet's limb, or the pair.
    if (Settings.ViewMode == ViewMode::Equatorial) EraseAndRedraw();
    else SetEquatorialView(*port_, Settings);
}

void TForm1::OpenZoomDialog(int left, int top)
{
    fZoom->Prepare();
    if (left >= 0) fZoom->move(left, top);
    fZoom->exec();
    port_->SetChecked("sbZoomAuto", Settings.AutoZoom);
    Redraw();
}

// --- "&Fichier" ---

void TForm1::miDateClick() { OpenDateDialog(); }
void TForm1::miIncrementClick() { OpenIncrementDialog(727, 329); }
void TForm1::miLieuClick()
{
    fLieu->Prepare();
    if (fLieu->exec() != QDialog::Accepted) return;
    SetTimeScale(Settings, fLieu->ChosenScale());
    Settings.Site = fLieu->ChosenSite();
    SaveKeptSettings();
    EraseAndRedraw();
}

void TForm1::miEnregistrerImageClick()
{
    const QString name = ViewImageFileName(Settings.CurrentPlanet, Settings.Current);
    const SaveChoice choice =
        ChooseImageFile(this, "Enregistrer l'image", SuggestedPath(imageFolder_, name), {"Images PNG (*.png)"});
    if (choice.Path.isEmpty()) return;
    const QString path = WithDefaultSuffix(choice.Path, "png");
    if (!WriteWholeFile(path, PngBytes(ViewWithLegend(port_->View(), port_->Legend())))) {
        CurrentPlatform().ShowMessage(UnsavedFileMessage(path).toStdString(), Platform::Buttons::Ok);
        return;
    }
    imageFolder_ = QFileInfo(path).absolutePath();
}

void TForm1::miImprimerClick()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName("Vireon");
    if (!SetUpPrinter(printer, this)) return;
    // Under the view, the date as the status bar shows it and the planet.
    const QStringList caption = {statusPanels_[4]->text(), QString::fromUtf8(Planet(Settings.CurrentPlanet).Name)};
    if (!PrintImage(printer, ViewWithLegend(port_->View(), port_->Legend()), caption)) {
        const QString message = printer.outputFileName().isEmpty() ? QString(UnprintedViewMessage)
                                                                   : UnsavedFileMessage(printer.outputFileName());
        CurrentPlatform().ShowMessage(message.toStdString(), Platform::Buttons::Ok);
    }
}

KeptSettings TForm1::LoadKeptSettings()
{
    saved_ = store_.Load();
    return saved_;
}

void TForm1::SaveKeptSettings()
{
    const KeptSettings kept = KeptSettingsOf(Settings);
    if (kept == saved_) return;
    // Written or not, the settings in memory stay; a file that cannot be written is told once
    // for each attempt.
    if (store_.Save(kept)) saved_ = kept;
    else CurrentPlatform().ShowMessage(UnwritableSettingsMessage(store_.FilePath()).toStdString(), Platform::Buttons::Ok);
}
void TForm1::miQuitterClick()
{
    if (CurrentPlatform().ShowMessage(QuitQuestion, Platform::Buttons::YesNo) == Platform::Answer::Yes) close();
}

// --- "&Planète" ---

void TForm1::miMarsClick() { SelectPlanet(Mars, true); }
void TForm1::miJupiterClick() { SelectPlanet(Jupiter, true); }
void TForm1::miSaturneClick() { SelectPlanet(Saturn, true); }
void TForm1::miUranusClick() { SelectPlanet(Uranus, true); }
void TForm1::miNeptuneClick() { SelectPlanet(Neptune, true); }
void TForm1::miPlutonClick() { SelectPlanet(Pluto, true); }

// --- "&Vue" and the pop-up menu ---

void TForm1::miEquatoriale1Click() { SetEquatorialView(*port_, Settings); }
void TForm1::miPolaire1Click() { SetPolarView(*port_, Settings); }
void TForm1::miGraphique1Click() { SetGraphView(*port_, Settings); }
void TForm1::miNordenhaut1Click() { SetOrientationAndRedraw(Orientation::North); }
void TForm1::miSudenhaut1Click() { SetOrientationAndRedraw(Orientation::South); }
void TForm1::miPoleN1Click() { SetOrientationAndRedraw(Orientation::PlanetNorth); }
void TForm1::miPoleS1Click() { SetOrientationAndRedraw(Orientation::PlanetSouth); }
void TForm1::miInversionRC1Click()
{
    ToggleMirror(*port_, Settings);
    Redraw();
}
void TForm1::miZoomClick() { OpenZoomDialog(-1, -1); }
void TForm1::miAffichagenumeros1Click()
{
    port_->SetChecked("sbAffNum", !Settings.ShowNumbers);
    ToggleNumbers(*port_, Settings);
    Redraw();
}
void TForm1::miMeridiencentralClick()
{
    ToggleCentralMeridian(*port_, Settings);
    // Erased first: with traces on, the text already drawn must go too.
    EraseAndRedraw();
}
void TForm1::miTraces1Click()
{
    ToggleTraces(*port_, Settings);
    Redraw();
}
void TForm1::miAnimation1Click() { ToggleAnimation(); }
void TForm1::miPhenomenesClick()
{
    if (!HasPhenomena(Settings.CurrentPlanet)) return;
    fPhenomenes->Prepare();
    const bool accepted = fPhenomenes->exec() == QDialog::Accepted;
    SaveKeptSettings();  // the Red Spot's longitude
    if (accepted && fPhenomenes->Chosen()) {
        // On a clock whose seconds are not TT's, a start is shown at the first whole second at
        // which it holds, an end at the last.
        ShowInstantInEquatorialView(fPhenomenes->Chosen()->JD, ListedRounding(fPhenomenes->Chosen()->Kind));
    }
}

void TForm1::miMutuelsClick()
{
    if (!HasMutualEvents(Settings.CurrentPlanet)) return;
    fMutuels->Prepare();
    if (fMutuels->exec() == QDialog::Accepted && fMutuels->Chosen()) {
        ShowInstantInEquatorialView(fMutuels->Chosen()->MaximumJD);
    }
}

void TForm1::Zoom1Click() { miZoomClick(); }
void TForm1::miNordenhaut2Click() { miNordenhaut1Click(); }
void TForm1::miSudenhaut2Click() { miSudenhaut1Click(); }
void TForm1::miPoleN2Click() { miPoleN1Click(); }
void TForm1::miPoleS2Click() { miPoleS1Click(); }
void TForm1::miInversionRC2Click() { miInversionRC1Click(); }
void TForm1::miEquatoriale2Click() { miEquatoriale1Click(); }
void TForm1::miPolaire2Click() { miPolaire1Click(); }
void TForm1::miGraphique2Click() { miGraphique1Click(); }
void TForm1::miAffichagenumeros2Click() { miAffichagenumeros1Click(); }
void TForm1::miTraces2Click() { miTraces1Click(); }
void TForm1::miAnimation2Click() { miAnimation1Click(); }
void TForm1::miIncrement2Click() { miIncrementClick(); }

// --- "&Données" ---

void TForm1::miSecarc1Click() { SetDistanceUnit(DistanceUnit::Arcseconds); }
void TForm1::miRayonpla1Click() { SetDistanceUnit(DistanceUnit::PlanetRadii); }
void TForm1::miKm1Click() { SetDistanceUnit(DistanceUnit::ThousandsOfKm); }

// --- "&Aide" ---

void TForm1::miAide2Click() { fAide->exec(); }
void TForm1::miAproposClick() { fApropos->exec(); }

// --- Toolbar ---

void TForm1::sbQuitClick() { miQuitterClick(); }

void TForm1::sbJourMouseUp(Qt::MouseButton button)
{
    if (button == Qt::LeftButton) {
        OpenDateDialog();
    } else if (button == Qt::RightButton) {
        if (!SetInstantFromClock(Settings, ClockNowOnScale(Settings.TimeScale))) {
            port_->Beep();
            return;
        }
        EraseAndRedraw();
    }
}

void TForm1::sbIncrClick() { OpenIncrementDialog(757, 387); }

void TForm1::sbIncrMoinsClick()
{
    if (Settings.ViewMode != ViewMode::Graph) return StepDate(-1);
    if (!StepGraphMonth(Settings, -1)) return port_->Beep();
    Redraw();
}

void TForm1::sbIncrPlusClick()
{
    if (Settings.ViewMode != ViewMode::Graph) return StepDate(+1);
    if (!StepGraphMonth(Settings, +1)) return port_->Beep();
    Redraw();
}

void TForm1::sbAnimRClick() { StartAnimation(-1); }
void TForm1::sbStopClick() { Animate(*port_, Settings, false); }
void TForm1::sbAnimAClick() { StartAnimation(+1); }

void TForm1::sbPremPlaClick() { SelectPlanet(FirstPlanet, false); }
void TForm1::sbPlaPrecClick() { SelectPlanet(PreviousPlanet(Settings.CurrentPlanet), false); }
void TForm1::sbPlaSuivClick() { SelectPlanet(NextPlanet(Settings.CurrentPlanet), false); }
void TForm1::sbDernPlaClick() { SelectPlanet(LastPlanet, false); }

void TForm1::sbutZoomPlusClick()
{
    if (Settings.ZoomFactor < MaxWheelZoom) {
        Settings.ZoomFactor = std::min(Settings.ZoomFactor * 2, MaxWheelZoom);
        Redraw();
        ShowZoomInDialog();
    }
    EraseAndRedraw();
}

void TForm1::sbutZoomMoinsClick()
{
    if (Settings.ZoomFactor > 1) {
        Settings.ZoomFactor /= 2;
        Redraw();
        ShowZoomInDialog();
    }
    EraseAndRedraw();
}

void TForm1::sbZoomClick() { OpenZoomDialog(783, 548); }

void TForm1::sbZoomAutoClick()
{
    Settings.AutoZoom = buttons_.value("sbZoomAuto")->isChecked();
    fZoom->SetAutoZoomItem(Settings.AutoZoom);
}

void TForm1::sbAffNumClick()
{
    ToggleNumbers(*port_, Settings);
    port_->SetChecked("sbAffNum", Settings.ShowNumbers);
    Redraw();
}

void TForm1::sbAffNumMouseMove()
{
    QAction* action = buttons_.value("sbAffNum")->defaultAction();
    action->setToolTip(action->isChecked() ? "Masque les numéros des satellites" : "Affiche les numéros des satellites");
}

void TForm1::sbAxeClick()
{
    Settings.ShowAxis = buttons_.value("sbAxe")->isChecked();
    EraseAndRedraw();
}

void TForm1::sbTracesClick()
{
    ToggleTraces(*port_, Settings);
    Redraw();
}

void TForm1::sbAffChampClick()
{
    Settings.ShowField = buttons_.value("sbAffChamp")->isChecked();
    Redraw();
}

void TForm1::sbChgChampClick()
{
    fChamp->move(778, 385);
    fChamp->exec();
    Redraw();
}

void TForm1::sbRegleClick()
{
    if (buttons_.value("sbRegle")->isChecked()) {
        Settings.RulerState = '1';
    } else {
        Settings.RulerState = '0';
        Redraw();
    }
}

void TForm1::sbEquClick() { SetEquatorialView(*port_, Settings); }
void TForm1::sbPolClick() { SetPolarView(*port_, Settings); }
void TForm1::sbGraphClick() { SetGraphView(*port_, Settings); }

void TForm1::sbMAJClick()
{
    close();
    CurrentPlatform().OpenAddress(UpdateAddress);
}

// --- Keyboard and mouse ---

bool TForm1::FormKeyDown(int key)
{
    switch (key) {
    case Qt::Key_PageUp: sbPlaPrecClick(); return true;
    case Qt::Key_PageDown: sbPlaSuivClick(); return true;
    case Qt::Key_Left: StepDate(-1); return true;
    case Qt::Key_Right: StepDate(+1); return true;
    case Qt::Key_Up:
        // The keyboard doubles up to 1000 only, and never lowers a larger zoom.
        if (Settings.ZoomFactor < MaxArrowZoom) Settings.ZoomFactor = std::min(Settings.ZoomFactor * 2, MaxArrowZoom);
        ShowZoomInDialog();
        EraseAndRedraw();
        return true;
    case Qt::Key_Down:
        Settings.ZoomFactor = std::max(Settings.ZoomFactor / 2, 1);
        ShowZoomInDialog();
        EraseAndRedraw();
        return true;
    case Qt::Key_F1: miAide2Click(); return true;
    default: return false;
    }
}

void TForm1::FormKeyPress(QChar character)
{
    switch (character.toUpper().unicode()) {
    case 'N': SetOrientationAndRedraw(Orientation::North); break;
    case 'S': SetOrientationAndRedraw(Orientation::South); break;
    case 'B': SetOrientationAndRedraw(Orientation::PlanetNorth); break;
    case 'A': SetOrientationAndRedraw(Orientation::PlanetSouth); break;
    case 'R':
        FlipMirrorKeepingOrientation(*port_, Settings);
        Redraw();
        break;
    default:
        // Any other character ends the program, without confirmation.
        close();
        break;
    }
}

void TForm1::FormMouseWheelUp()
{
    Settings.ZoomFactor = std::min(Settings.ZoomFactor * 2, MaxWheelZoom);
    ShowZoomInDialog();
    EraseAndRedraw();
}

void TForm1::FormMouseWheelDown()
{
    Settings.ZoomFactor = std::max(Settings.ZoomFactor / 2, 1);
    ShowZoomInDialog();
    EraseAndRedraw();
}

void TForm1::pbSatelClick()
{
    if (Settings.RulerState == '0' && (Settings.ViewMode == ViewMode::Equatorial || Settings.ViewMode == ViewMode::Polar)) ToggleAnimation();
}

void TForm1::pbSatelMouseDown(QPoint point)
{
    Canvas& canvas = port_->ViewCanvas();
    auto cross = [&canvas](QPoint p) {
        canvas.SetPen(RulerGrey);
        canvas.MoveTo(p.x(), p.y() - 2);
        canvas.LineTo(p.x(), p.y() + 3);
        canvas.MoveTo(p.x() - 2, p.y());
        canvas.LineTo(p.x() + 3, p.y());
    };
    if (Settings.RulerState == '1') {
        rulerFirst_ = point;
        cross(point);
        Settings.RulerState = '2';
    } else if (Settings.RulerState == '2') {
        cross(point);
        canvas.MoveTo(rulerFirst_.x(), rulerFirst_.y());
        canvas.LineTo(point.x(), point.y());
        Settings.RulerState = '1';
        const Extended dx = point.x() - rulerFirst_.x();
        const Extended dy = point.y() - rulerFirst_.y();
        const Extended arcsec = std::sqrt(dx * dx + dy * dy) * ArcsecPerPixelAtZoom1 / Settings.ZoomFactor;
        canvas.SetFontColor(RulerRed);
        canvas.SetBrushStyle(BrushStyle::Clear);
        canvas.Text((rulerFirst_.x() + point.x()) / 2, (rulerFirst_.y() + point.y()) / 2 - 20,
                    FormatFixed(arcsec, 1) + "\"");
    } else {
        return;
    }
    port_->ViewChanged();
}

void TForm1::panNSDblClick()
{
    if (Settings.ViewMode == ViewMode::Equatorial) {
        if (Settings.Orientation == Orientation::North) SetOrientation(*port_, Settings, Orientation::South);
        else if (Settings.Orientation == Orientation::South) SetOrientation(*port_, Settings, Orientation::North);
    }
    Redraw();
}

void TForm1::keyPressEvent(QKeyEvent* event)
{
    if (FormKeyDown(event->key())) {
        event->accept();
        return;
    }
    const bool withCommandModifier =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!withCommandModifier && !event->text().isEmpty()) {
        event->accept();
        FormKeyPress(event->text().front());
        return;
    }
    QMainWindow::keyPressEvent(event);
}

void TForm1::wheelEvent(QWheelEvent* event)
{
    // One notch of a wheel is 120 eighths of a degree; finer wheels add up to notches.
    wheelAccumulated_ += std::min(std::max(event->angleDelta().y(), -1560), 1560);  // 13 notches span 1..4000
    while (wheelAccumulated_ >= 120) {
        wheelAccumulated_ -= 120;
        FormMouseWheelUp();
    }
    while (wheelAccumulated_ <= -120) {
        wheelAccumulated_ += 120;
        FormMouseWheelDown();
    }
    event->accept();
}

void TForm1::closeEvent(QCloseEvent* event)
{
    // Closing the window ends the animation.
    port_->CancelAnimationFrame();
    Settings.AnimationRunning = false;
    QMainWindow::closeEvent(event);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == buttons_.value("sbJour") && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::RightButton) {
        sbJourMouseUp(Qt::RightButton);
        return true;
    }
    if (watched == buttons_.value("sbAffNum") && (event->type() == QEvent::Enter || event->type() == QEvent::HoverMove ||
                                                   event->type() == QEvent::MouseMove)) {
        sbAffNumMouseMove();
    }
    return QMainWindow::eventFilter(watched, event);
}

void RunStartup(TForm1& window)
{
    StartProgram([](void* w) { static_cast<TForm1*>(w)->move(0, 0); }, &window, window.LoadKeptSettings());
    window.show();
}

}  // namespace vireon

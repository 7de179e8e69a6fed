// The main window: its French texts, geometry, initial states, every command's effect on the
// settings and on the recompute driver, the keys, the wheel, the ruler and the start-up.
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>
#include <QWheelEvent>

#include "app/driver.h"
#include "app/view_commands.h"
#include "display/view_options.h"
#include "ui/help_dialog.h"
#include "ui/program_texts.h"
#include "ui/qt_platform.h"
#include "ui/radio_group.h"
#include "ui/zoom_dialog.h"
#include "window_test_support.h"

namespace vireon::testing {
namespace {

struct NamedText {
    const char* objectName;
    const char* text;
};

TEST_F(WindowTest, EveryFrenchTextOfTheWindow)
{
    EXPECT_EQ(window->windowTitle(), "Vireon");

    const NamedText menuItems[] = {
        {"miDate", "&Date"},
        {"miIncrement", "&Incrément"},
        {"miEnregistrerImage", "Enregistrer l'&image..."},
        {"miImprimer", "&Imprimer..."},
        {"miQuitter", "&Quitter"},
        {"miMars", "&Mars"},
        {"miJupiter", "&Jupiter"},
        {"miSaturne", "&Saturne"},
        {"miUranus", "&Uranus"},
        {"miNeptune", "&Neptune"},
        {"miPluton", "&Pluton"},
        {"miEquatoriale1", "&Equatoriale"},
        {"miPolaire1", "&Polaire"},
        {"miGraphique1", "&Graphique mensuel"},
        {"miNordenhaut1", "Pôle &nord céleste en haut"},
        {"miSudenhaut1", "Pôle &sud céleste en haut"},
        {"miPoleN1", "Pôle n&ord planétaire en haut"},
        {"miPoleS1", "Pôle s&ud planétaire en haut"},
        {"miInversionRC1", "&Renvoi coudé"},
        {"miZoom", "&Zoom"},
        {"miAffichagenumeros1", "&Affichage numéros"},
        {"miMeridiencentral", "Méri&dien central"},
        {"miTraces1", "&Traces"},
        {"miAnimation1", "Ani&mation"},
        {"miPhenomenes", "P&hénomènes du mois..."},
        {"miMutuels", "Phénomènes m&utuels du mois..."},
        {"miSecarc1", "&Secondes d'arc"},
        {"miRayonpla1", "&Rayons planétaires"},
        {"miKm1", "&Km (milliers)"},
        {"miAide2", "&Aide"},
        {"miApropos", "A &propos"},
        {"Zoom1", "&Zoom"},
        {"miNordenhaut2", "Pôle &nord céleste en haut"},
        {"miSudenhaut2", "Pôle &sud céleste en haut"},
        {"miPoleN2", "Pôle n&ord planétaire en haut"},
        {"miPoleS2", "Pôle s&ud planétaire en haut"},
        {"miInversionRC2", "&Renvoi coudé"},
        {"miEquatoriale2", "Vue &équatoriale"},
        {"miPolaire2", "Vue &polaire"},
        {"miGraphique2", "&Graphique mensuel"},
        {"miAffichagenumeros2", "&Affichage numéros"},
        {"miTraces2", "Affiche &traces"},
        {"miAnimation2", "Ani&mation"},
        {"miIncrement2", "&Incrément"},
    };
    for (const NamedText& item : menuItems) {
        QAction* action = Action(item.objectName);
        if (action) {
            EXPECT_EQ(action->text(), QString::fromUtf8(item.text)) << item.objectName;
        }
    }

    QStringList menuTitles;
    for (QAction* menu : window->menuBar()->actions()) menuTitles << menu->text();
    EXPECT_EQ(menuTitles, QStringList({"&Fichier", "&Planète", "&Vue", "&Données", "&Aide"}));

    const NamedText hints[] = {
        {"sbQuit", "Quitter le programme"},
        {"sbJour", "Date"},
        {"sbIncr", "Incrément"},
        {"sbIncrMoins", "Incrément -"},
        {"sbIncrPlus", "Incrément +"},
        {"sbAnimR", "Animation arrière"},
        {"sbStop", "Stoppe l'animation"},
        {"sbAnimA", "Animation avant"},
        {"sbMars", "Mars"},
        {"sbJupiter", "Jupiter"},
        {"sbSaturne", "Saturne"},
        {"sbUranus", "Uranus"},
        {"sbNeptune", "Neptune"},
        {"sbPluton", "Pluton"},
        {"sbPremPla", "Première planète"},
        {"sbPlaPrec", "Planète précédente"},
        {"sbPlaSuiv", "Planète suivante"},
        {"sbDernPla", "Dernière planète"},
        {"sbutZoomPlus", "Zoom +"},
        {"sbutZoomMoins", "Zoom -"},
        {"sbZoom", "Change le zoom"},
        {"sbZoomAuto", "Autozoom"},
        {"sbAffNum", "Affiche ou masque les numéros des satellites"},
        {"sbAxe", "Affiche ou masque l'axe de rotation de la planète"},
        {"sbTraces", ""},
        {"sbAffChamp", "Affiche ou masque le champ de l'oculaire"},
        {"sbChgChamp", "Change le champ de l'oculaire"},
        {"sbRegle", "Distance entre 2 points"},
        {"sbEqu", "Vue équatoriale"},
        {"sbPol", "Vue polaire nord"},
        {"sbGraph", "Graphique mensuel"},
        {"sbPhenomenes", "Phénomènes du mois"},
        {"sbMAJ", "Met à jour le programme via internet"},
    };
    for (const NamedText& hint : hints) {
        QToolButton* button = Button(hint.objectName);
        if (button) {
            EXPECT_EQ(button->toolTip(), QString::fromUtf8(hint.text)) << hint.objectName;
        }
    }
    int named = 0;
    for (QToolButton* button : window->findChild<QToolBar*>("ToolBar1")->findChildren<QToolButton*>())
        named += button->objectName().startsWith("sb") ? 1 : 0;
    EXPECT_EQ(named, static_cast<int>(std::size(hints))) << "every tool button is in the table";

    EXPECT_EQ(window->findChild<QLabel*>("panNS")->text(), "Pôle nord céleste");

    // What the first picture writes into the window's labels and status panels.
    const NamedText written[] = {
        {"labPla", "JUPITER"},
        {"labNom1", "Io"},
        {"labNom4", "Callisto"},
        {"labNom5", ""},
        {"labMag2", "Magnitude :"},
        {"labX3", "X(rayon pla.) :"},
        {"labY3", "Y(rayon pla.) :"},
        {"labDiam1", "Diamètre (\") :"},
        {"labDist4", "Dist.(rayon) :"},
        {"StatusPanel1", "Zoom : 1x - Champ : 15 minutes"},
        {"StatusPanel2", "Incrément : 1 heure"},
        {"StatusPanel3", ""},
        {"StatusPanel4", "07/01/1610  16:45:00"},
    };
    for (const NamedText& label : written) {
        auto* widget = window->findChild<QLabel*>(label.objectName);
        ASSERT_NE(widget, nullptr) << label.objectName;
        EXPECT_EQ(widget->text(), QString::fromUtf8(label.text)) << label.objectName;
    }
    EXPECT_TRUE(window->findChild<QLabel*>("StatusPanel0")->text().startsWith("AD : "));
}

TEST_F(WindowTest, TheNumbersButtonHintFollowsItsState)
{
    QToolButton* button = Button("sbAffNum");
    QTest::mouseMove(button);
    window->sbAffNumMouseMove();
    EXPECT_EQ(button->toolTip(), "Masque les numéros des satellites");
    button->click();
    window->sbAffNumMouseMove();
    EXPECT_EQ(button->toolTip(), "Affiche les numéros des satellites");
}

TEST_F(WindowTest, InitialChecksAndDownButtons)
{
    const char* checked[] = {"miJupiter",      "miEquatoriale1", "miNordenhaut1",       "miAffichagenumeros1",
                             "miRayonpla1",    "miEquatoriale2", "miNordenhaut2",       "miAffichagenumeros2",
                             "miMeridiencentral"};
    for (const char* name : checked) EXPECT_TRUE(Action(name)->isChecked()) << name;
    const char* unchecked[] = {"miMars", "miPolaire1", "miGraphique1", "miSudenhaut1", "miPoleN1", "miPoleS1",
                               "miInversionRC1", "miTraces1", "miAnimation1", "miSecarc1", "miKm1"};
    for (const char* name : unchecked) EXPECT_FALSE(Action(name)->isChecked()) << name;

    const char* down[] = {"sbStop", "sbJupiter", "sbAffNum", "sbEqu"};
    for (const char* name : down) EXPECT_TRUE(Button(name)->isChecked()) << name;
    const char* up[] = {"sbAnimR", "sbAnimA", "sbMars", "sbZoomAuto", "sbAxe", "sbTraces", "sbAffChamp", "sbRegle",
                        "sbPol", "sbGraph"};
    for (const char* name : up) EXPECT_FALSE(Button(name)->isChecked()) << name;
}

TEST_F(WindowTest, GroupsOfSeveralButtonsAreExclusive)
{
    Button("sbSaturne")->click();
    EXPECT_TRUE(Button("sbSaturne")->isChecked());
    EXPECT_FALSE(Button("sbJupiter")->isChecked());
    EXPECT_TRUE(Action("miSaturne")->isChecked()) << "the planet button and menu item share one action";
    // A planet chosen by key puts its button down too.
    window->FormKeyDown(Qt::Key_PageDown);
    EXPECT_TRUE(Button("sbUranus")->isChecked());
    EXPECT_FALSE(Button("sbSaturne")->isChecked());
}

TEST_F(WindowTest, ToolButtonsTakeNoKeyboardFocus)
{
    const auto buttons = window->findChildren<QToolButton*>();
    ASSERT_GE(buttons.size(), 32);
    for (QToolButton* button : buttons) {
        if (button->objectName().startsWith("sb")) {
            EXPECT_EQ(button->focusPolicy(), Qt::NoFocus) << button->objectName().toStdString();
        }
    }
}

QRect ClientRect(const TForm1& w, const char* name)
{
    const auto* widget = w.findChild<QWidget*>(name);
    if (!widget) return {};
    return QRect(widget->mapTo(w.centralWidget(), QPoint(0, 0)), widget->size());
}

TEST_F(WindowTest, FixedSizeAndClientLayout)
{
    EXPECT_EQ(window->minimumSize(), window->maximumSize()) << "the window cannot be resized";
    window->show();
    QTest::qWait(1);
    const int menuHeight = window->menuBar()->height();
    EXPECT_EQ(window->width(), 1016);
    EXPECT_EQ(window->height() - menuHeight, 714) << "client area below the menu bar";
    EXPECT_EQ(window->centralWidget()->geometry().top(), menuHeight);
    EXPECT_EQ(window->statusBar()->geometry().bottom() + 1, window->height());

    struct Placed {
        const char* name;
        QRect want;
    };
    const Placed placed[] = {
        {"pbSatel", QRect(0, 53, 753, 603)},     {"pbDonnees", QRect(760, 33, 248, 528)},
        {"labPla", QRect(868, 33, 130, 14)},     {"labNom1", QRect(772, 57, 125, 14)},
        {"labNom8", QRect(772, 505, 125, 14)},   {"labMag3d", QRect(950, 185, 52, 14)},
        {"labX2", QRect(772, 138, 75, 14)},      {"labX2d", QRect(845, 138, 52, 14)},
        {"labDiam4d", QRect(952, 266, 50, 14)},  {"labY5d", QRect(845, 346, 52, 14)},
        {"labDist6", QRect(900, 410, 75, 14)},   {"pSep1", QRect(772, 112, 225, 3)},
        {"pSep7", QRect(772, 496, 225, 3)},
    };
    for (const Placed& p : placed) EXPECT_EQ(ClientRect(*window, p.name), p.want) << p.name;
    EXPECT_EQ(ClientRect(*window, "pbLegendeSat").top(), 656) << "the legend lies under the view";
}

TEST_F(WindowTest, StatusPanelsKeepTheirWidthsAndDoNotOverlap)
{
    window->show();
    QTest::qWait(1);
    QStatusBar* bar = window->statusBar();
    const int widths[] = {380, 170, 155, 150, 150};
    int previousRight = -1;
    for (int i = 0; i < 5; ++i) {
        auto* panel = bar->findChild<QLabel*>(QString("StatusPanel%1").arg(i));
        ASSERT_NE(panel, nullptr) << i;
        const QRect r(panel->mapTo(bar, QPoint(0, 0)), panel->size());
        // Each section owns its nominal width, its frame drawn 2 px inside it.
        EXPECT_EQ(r.width(), widths[i] - 2) << "panel " << i;
        EXPECT_GT(r.left(), previousRight) << "panel " << i << " overlaps the previous one";
        previousRight = r.right();
    }
    EXPECT_LE(previousRight, bar->width() - 1) << "the last panel ends inside the bar";
}

TEST_F(WindowTest, ThePortReachesWidgetsByName)
{
    QtDisplayPort& port = window->Port();
    port.SetText("labX3d", "-12.34");
    EXPECT_EQ(window->findChild<QLabel*>("labX3d")->text(), "-12.34");
    port.SetVisible("pSep2", true);
    EXPECT_FALSE(window->findChild<QWidget*>("pSep2")->isHidden());
    port.SetChecked("sbTraces", true);
    EXPECT_TRUE(Button("sbTraces")->isChecked()) << "a tool button's down state";
    port.SetEnabled("sbStop", false);
    EXPECT_FALSE(Button("sbStop")->isEnabled());
    port.SetEnabled("miPoleN2", false);
    EXPECT_FALSE(Action("miPoleN2")->isEnabled());
    port.SetEnabled("rgIncr", false);
    EXPECT_FALSE(window->findChild<QWidget*>("rgIncr")->isEnabled()) << "the increment dialog's controls";
    port.SetEnabled("eIncr", false);
    EXPECT_FALSE(window->findChild<QWidget*>("eIncr")->isEnabled());
    port.SetStatusText(4, "07/01/1610  16:45:00");
    EXPECT_EQ(window->findChild<QLabel*>("StatusPanel4")->text(), "07/01/1610  16:45:00");
    port.SetText("no such widget", "ignored");
}

// --- Each command: what it sets, and how many times it runs the recompute driver ---

struct CommandCase {
    const char* name;
    std::function<void()> arrange;  // settings before the command
    std::function<void(TForm1&)> act;
    std::function<void(TForm1&)> check;
    int recomputations;
};

void PrintTo(const CommandCase& c, std::ostream* os) { *os << c.name; }

class Commands : public WindowTest, public ::testing::WithParamInterface<CommandCase> {};

TEST_P(Commands, SetWhatTheyMustAndRunTheDriver)
{
    const CommandCase& c = GetParam();
    if (c.arrange) c.arrange();
    counting->Reset();
    c.act(*window);
    EXPECT_EQ(counting->Recomputations(), c.recomputations) << c.name;
    c.check(*window);
}

std::function<void(TForm1&)> Trigger(const char* name)
{
    return [name](TForm1& w) { w.findChild<QAction*>(name)->trigger(); };
}
std::function<void(TForm1&)> Click(const char* name)
{
    return [name](TForm1& w) { w.findChild<QToolButton*>(name)->click(); };
}
std::function<void(TForm1&)> Key(int key)
{
    return [key](TForm1& w) { w.FormKeyDown(key); };
}
std::function<void(TForm1&)> Letter(char c)
{
    return [c](TForm1& w) { w.FormKeyPress(QChar(c)); };
}
void ExpectChecked(TForm1& w, const char* name, bool want)
{
    QAction* action = w.findChild<QAction*>(name);
    ASSERT_NE(action, nullptr) << name;
    EXPECT_EQ(action->isChecked(), want) << name;
}
QString LabelText(TForm1& w, const char* name) { return w.findChild<QLabel*>(name)->text(); }
bool Down(TForm1& w, const char* name) { return w.findChild<QToolButton*>(name)->isChecked(); }

INSTANTIATE_TEST_SUITE_P(
    Window, Commands,
    ::testing::Values(
        CommandCase{"planet menu item", nullptr, Trigger("miSaturne"),
                    [](TForm1& t) {
                        EXPECT_EQ(Settings.CurrentPlanet, Saturn);
                        EXPECT_EQ(LabelText(t, "labPla"), "SATURNE");
                    },
                    1},
        CommandCase{"planet button", nullptr, Click("sbPluton"),
                    [](TForm1&) { EXPECT_EQ(Settings.CurrentPlanet, Pluto); }, 1},
        CommandCase{"first planet", nullptr, Click("sbPremPla"), [](TForm1&) { EXPECT_EQ(Settings.CurrentPlanet, Mars); }, 1},
        CommandCase{"last planet", nullptr, Click("sbDernPla"), [](TForm1&) { EXPECT_EQ(Settings.CurrentPlanet, Pluto); }, 1},
        CommandCase{"previous planet from Mars is Pluto", [] { Settings.CurrentPlanet = Mars; }, Click("sbPlaPrec"),
                    [](TForm1&) { EXPECT_EQ(Settings.CurrentPlanet, Pluto); }, 1},
        CommandCase{"next planet from Pluto is Mars", [] { Settings.CurrentPlanet = Pluto; }, Key(Qt::Key_PageDown),
                    [](TForm1&) { EXPECT_EQ(Settings.CurrentPlanet, Mars); }, 1},
        CommandCase{"page up", nullptr, Key(Qt::Key_PageUp), [](TForm1&) { EXPECT_EQ(Settings.CurrentPlanet, Mars); }, 1},
        CommandCase{"south up", nullptr, Trigger("miSudenhaut1"),
                    [](TForm1& t) {
                        EXPECT_EQ(Settings.Orientation, Orientation::South);
                        EXPECT_EQ(LabelText(t, "panNS"), "Pôle sud céleste");
                        EXPECT_TRUE(t.findChild<QAction*>("miSudenhaut2")->isChecked());
                    },
                    1},
        CommandCase{"planet's north pole up from the pop-up menu", nullptr, Trigger("miPoleN2"),
                    [](TForm1& t) {
                        EXPECT_EQ(Settings.Orientation, Orientation::PlanetNorth);
                        EXPECT_EQ(LabelText(t, "panNS"), "Pôle nord planétaire");
                    },
                    1},
        CommandCase{"planet's south pole up", nullptr, Trigger("miPoleS1"),
                    [](TForm1&) { EXPECT_EQ(Settings.Orientation, Orientation::PlanetSouth); }, 1},
        CommandCase{"mirror from the menu resets the orientation", [] { Settings.Orientation = Orientation::South; },
                    Trigger("miInversionRC1"),
                    [](TForm1& t) {
                        EXPECT_TRUE(Settings.MirrorView);
                        EXPECT_EQ(Settings.Orientation, Orientation::North);
                        ExpectChecked(t, "miInversionRC2", true);
                    },
                    1},
        CommandCase{"R flips the mirror and keeps the orientation", [] { Settings.Orientation = Orientation::South; }, Letter('r'),
                    [](TForm1& t) {
                        EXPECT_TRUE(Settings.MirrorView);
                        EXPECT_EQ(Settings.Orientation, Orientation::South);
                        ExpectChecked(t, "miInversionRC1", true);
                        EXPECT_EQ(LabelText(t, "StatusPanel3"), "Renvoi coudé");
                    },
                    1},
        CommandCase{"letter b", nullptr, Letter('b'), [](TForm1& t) {
                        EXPECT_EQ(Settings.Orientation, Orientation::PlanetNorth);
                        ExpectChecked(t, "miPoleN1", true);
                    }, 1},
        CommandCase{"letter A", nullptr, Letter('A'), [](TForm1&) { EXPECT_EQ(Settings.Orientation, Orientation::PlanetSouth); }, 1},
        CommandCase{"letter s then n", [] { Settings.Orientation = Orientation::South; }, Letter('n'),
                    [](TForm1&) { EXPECT_EQ(Settings.Orientation, Orientation::North); }, 1},
        CommandCase{"numbers from the menu flip the button too", nullptr, Trigger("miAffichagenumeros1"),
                    [](TForm1& t) {
                        EXPECT_FALSE(Settings.ShowNumbers);
                        EXPECT_FALSE(Down(t, "sbAffNum"));
                        ExpectChecked(t, "miAffichagenumeros2", false);
                    },
                    1},
        CommandCase{"numbers button", nullptr, Click("sbAffNum"),
                    [](TForm1& t) {
                        EXPECT_FALSE(Settings.ShowNumbers);
                        ExpectChecked(t, "miAffichagenumeros1", false);
                    },
                    1},
        CommandCase{"central meridians hidden", nullptr, Trigger("miMeridiencentral"),
                    [](TForm1& t) {
                        EXPECT_FALSE(Settings.ShowCentralMeridian);
                        ExpectChecked(t, "miMeridiencentral", false);
                    },
                    1},
        CommandCase{"traces from the pop-up menu", nullptr, Trigger("miTraces2"),
                    [](TForm1& t) {
                        EXPECT_TRUE(Settings.ShowTraces);
                        EXPECT_TRUE(Down(t, "sbTraces"));
                        ExpectChecked(t, "miTraces1", true);
                    },
                    1},
        CommandCase{"traces button", nullptr, Click("sbTraces"), [](TForm1&) { EXPECT_TRUE(Settings.ShowTraces); }, 1},
        CommandCase{"axis button", nullptr, Click("sbAxe"), [](TForm1&) { EXPECT_TRUE(Settings.ShowAxis); }, 1},
        CommandCase{"field button", nullptr, Click("sbAffChamp"), [](TForm1&) { EXPECT_TRUE(Settings.ShowField); }, 1},
        CommandCase{"arcseconds", nullptr, Trigger("miSecarc1"),
                    [](TForm1& t) {
                        EXPECT_EQ(Settings.DistanceUnit, DistanceUnit::Arcseconds);
                        ExpectChecked(t, "miRayonpla1", false);
                        ExpectChecked(t, "miSecarc1", true);
                    },
                    1},
        CommandCase{"thousands of km", nullptr, Trigger("miKm1"),
                    [](TForm1& t) {
                        EXPECT_EQ(Settings.DistanceUnit, DistanceUnit::ThousandsOfKm);
                        EXPECT_EQ(LabelText(t, "labX1"), "X(mkm) :");
                    },
                    1},
        CommandCase{"planet radii", [] { Settings.DistanceUnit = DistanceUnit::Arcseconds; }, Trigger("miRayonpla1"),
                    [](TForm1&) { EXPECT_EQ(Settings.DistanceUnit, DistanceUnit::PlanetRadii); }, 1},
        CommandCase{"polar view", nullptr, Trigger("miPolaire1"),
                    [](TForm1& t) {
                        EXPECT_EQ(Settings.ViewMode, ViewMode::Polar);
                        EXPECT_TRUE(Down(t, "sbPol"));
                        EXPECT_FALSE(t.findChild<QAction*>("miPoleN1")->isEnabled());
                    },
                    1},
        CommandCase{"graph view is drawn without the driver", nullptr, Click("sbGraph"),
                    [](TForm1& t) {
                        EXPECT_EQ(Settings.ViewMode, ViewMode::Graph);
                        ExpectChecked(t, "miGraphique1", true);
                        EXPECT_FALSE(t.findChild<QToolButton*>("sbAnimA")->isEnabled());
                    },
                    0},
        CommandCase{"back to the equatorial view enables the pole items",
                    [] { Settings.ViewMode = ViewMode::Polar; }, Trigger("miEquatoriale2"),
                    [](TForm1& t) {
                        EXPECT_EQ(Settings.ViewMode, ViewMode::Equatorial);
                        EXPECT_TRUE(t.findChild<QAction*>("miPoleS2")->isEnabled());
                    },
                    1},
        CommandCase{"one step forward", nullptr, Click("sbIncrPlus"),
                    [](TForm1&) { EXPECT_EQ(Settings.Current, At(7, 1, 1610, 17, 45)); }, 1},
        CommandCase{"one step back", nullptr, Click("sbIncrMoins"),
                    [](TForm1&) { EXPECT_EQ(Settings.Current, At(7, 1, 1610, 15, 45)); }, 1},
        CommandCase{"left arrow in the graph view makes the plain step",
                    [] {
                        Settings.ViewMode = ViewMode::Graph;
                        Settings.IncrementDays = 2;
                    },
                    Key(Qt::Key_Left), [](TForm1&) { EXPECT_EQ(Settings.Current, At(5, 1, 1610, 16, 45)); }, 1},
        CommandCase{"a step past 31/12/9999 is refused", [] { SetCurrentDate(At(31, 12, 9999, 23, 30)); },
                    Key(Qt::Key_Right),
                    [](TForm1&) { EXPECT_EQ(Settings.Current, At(31, 12, 9999, 23, 30)); }, 0},
        CommandCase{"zoom plus recomputes twice", nullptr, Click("sbutZoomPlus"),
                    [](TForm1& t) {
                        EXPECT_EQ(Settings.ZoomFactor, 2);
                        EXPECT_EQ(t.findChild<QComboBox*>("cbZoom")->currentText(), "2");
                    },
                    2},
        CommandCase{"zoom minus at 1 only redraws", nullptr, Click("sbutZoomMoins"),
                    [](TForm1&) { EXPECT_EQ(Settings.ZoomFactor, 1); }, 1},
        CommandCase{"autozoom button", nullptr, Click("sbZoomAuto"),
                    [](TForm1& t) {
                        EXPECT_TRUE(Settings.AutoZoom);
                        EXPECT_EQ(t.findChild<RadioGroup*>("rgZoom")->ItemIndex(), 1);
                    },
                    0},
        CommandCase{"ruler on", nullptr, Click("sbRegle"), [](TForm1&) { EXPECT_EQ(Settings.RulerState, '1'); }, 0},
        CommandCase{"ruler off removes the marks",
                    [] { Settings.RulerState = '2'; },
                    [](TForm1& t) {
                        t.findChild<QToolButton*>("sbRegle")->defaultAction()->setChecked(true);
                        t.findChild<QToolButton*>("sbRegle")->click();
                    },
                    [](TForm1&) { EXPECT_EQ(Settings.RulerState, '0'); }, 1},
        CommandCase{"forward animation", nullptr, Click("sbAnimA"),
                    [](TForm1& t) {
                        EXPECT_TRUE(Settings.AnimationRunning);
                        EXPECT_EQ(Settings.AnimationDirection, 1);
                        EXPECT_TRUE(Down(t, "sbAnimA"));
                        EXPECT_FALSE(Down(t, "sbStop"));
                        ExpectChecked(t, "miAnimation1", true);
                    },
                    0},
        CommandCase{"backward animation", nullptr, Click("sbAnimR"),
                    [](TForm1&) {
                        EXPECT_TRUE(Settings.AnimationRunning);
                        EXPECT_EQ(Settings.AnimationDirection, -1);
                    },
                    0},
        CommandCase{"animation menu item flips it", nullptr, Trigger("miAnimation2"),
                    [](TForm1&) { EXPECT_TRUE(Settings.AnimationRunning); }, 0},
        CommandCase{"stop", [] { Settings.AnimationRunning = true; }, Click("sbStop"),
                    [](TForm1& t) {
                        EXPECT_FALSE(Settings.AnimationRunning);
                        EXPECT_TRUE(Down(t, "sbStop"));
                    },
                    0},
        CommandCase{"double click on the caption turns north to south",
                    nullptr, [](TForm1& t) { QTest::mouseDClick(t.findChild<QWidget*>("panNS"), Qt::LeftButton); },
                    [](TForm1& t) {
                        EXPECT_EQ(Settings.Orientation, Orientation::South);
                        EXPECT_EQ(LabelText(t, "panNS"), "Pôle sud céleste");
                    },
                    1},
        CommandCase{"double click leaves the planet's poles alone", [] { Settings.Orientation = Orientation::PlanetNorth; },
                    [](TForm1& t) { t.panNSDblClick(); },
                    [](TForm1&) { EXPECT_EQ(Settings.Orientation, Orientation::PlanetNorth); }, 1},
        CommandCase{"right button on the date button reads the clock", nullptr,
                    [](TForm1& t) { QTest::mouseClick(t.findChild<QToolButton*>("sbJour"), Qt::RightButton); },
                    [](TForm1&) {
                        EXPECT_EQ(Settings.Current.Year, 2026);
                        EXPECT_EQ(Settings.Current.Day, 8);
                        EXPECT_EQ(Settings.Current.Hour, 9);
                    },
                    1}),
    [](const ::testing::TestParamInfo<CommandCase>& info) { return "Case" + std::to_string(info.index); });

// The phenomena and the mutual events are listed for Jupiter and Saturn only, whatever chooses
// the planet.
TEST_F(WindowTest, PhenomenaFollowThePlanet)
{
    const std::pair<std::function<void(TForm1&)>, bool> steps[] = {
        {Trigger("miMars"), false}, {Key(Qt::Key_PageDown), true}, {Click("sbSaturne"), true},
        {Click("sbDernPla"), false}, {Click("sbGraph"), false},     {Click("sbJupiter"), true}};
    for (const auto& [choose, enabled] : steps) {
        choose(*window);
        EXPECT_EQ(Button("sbPhenomenes")->isEnabled(), enabled) << "planet " << int(Settings.CurrentPlanet);
        EXPECT_EQ(Action("miMutuels")->isEnabled(), enabled) << "planet " << int(Settings.CurrentPlanet);
    }
}

// --- Zoom limits ---

struct ZoomCase {
    const char* name;
    int from;
    std::function<void(TForm1&)> command;
    int want;
};

void PrintTo(const ZoomCase& c, std::ostream* os) { *os << c.name << " from " << c.from; }

class ZoomLimits : public WindowTest, public ::testing::WithParamInterface<ZoomCase> {};

// A wheel turned over the view reaches the window (the view leaves wheel events to it).
void WheelOnView(TForm1& w, int delta)
{
    const QPointF at(100, 150);
    QWheelEvent wheel(at, w.mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(&w, &wheel);
}

TEST_P(ZoomLimits, KeysStopAt1000WheelAndButtonAt4000)
{
    const ZoomCase& c = GetParam();
    Settings.ZoomFactor = c.from;
    c.command(*window);
    EXPECT_EQ(Settings.ZoomFactor, c.want) << c.name << " from " << c.from;
    if (c.want != c.from) {
        EXPECT_EQ(window->findChild<QComboBox*>("cbZoom")->currentText(), QString::number(c.want))
            << c.name << ": the zoom dialog shows the new zoom";
    }
}

INSTANTIATE_TEST_SUITE_P(
    Window, ZoomLimits,
    ::testing::Values(
        ZoomCase{"up arrow", 1, [](TForm1& w) { w.FormKeyDown(Qt::Key_Up); }, 2},
        ZoomCase{"up arrow", 512, [](TForm1& w) { w.FormKeyDown(Qt::Key_Up); }, 1000},
        ZoomCase{"up arrow", 1000, [](TForm1& w) { w.FormKeyDown(Qt::Key_Up); }, 1000},
        ZoomCase{"up arrow never lowers", 2048, [](TForm1& w) { w.FormKeyDown(Qt::Key_Up); }, 2048},
        ZoomCase{"down arrow", 3, [](TForm1& w) { w.FormKeyDown(Qt::Key_Down); }, 1},
        ZoomCase{"down arrow", 1, [](TForm1& w) { w.FormKeyDown(Qt::Key_Down); }, 1},
        ZoomCase{"wheel up", 1000, [](TForm1& w) { WheelOnView(w, 120); }, 2000},
        ZoomCase{"wheel up", 2048, [](TForm1& w) { WheelOnView(w, 120); }, 4000},
        ZoomCase{"wheel up", 3000, [](TForm1& w) { WheelOnView(w, 120); }, 4000},
        ZoomCase{"wheel up", 4000, [](TForm1& w) { WheelOnView(w, 120); }, 4000},
        ZoomCase{"two wheel notches", 4, [](TForm1& w) { WheelOnView(w, 240); }, 16},
        ZoomCase{"half notches add up", 4, [](TForm1& w) { WheelOnView(w, 60); WheelOnView(w, 60); }, 8},
        ZoomCase{"wheel down", 5, [](TForm1& w) { WheelOnView(w, -120); }, 2},
        ZoomCase{"wheel down", 1, [](TForm1& w) { WheelOnView(w, -120); }, 1},
        ZoomCase{"zoom plus", 2048, [](TForm1& w) { w.sbutZoomPlusClick(); }, 4000},
        ZoomCase{"zoom plus", 4000, [](TForm1& w) { w.sbutZoomPlusClick(); }, 4000},
        ZoomCase{"zoom minus", 4000, [](TForm1& w) { w.sbutZoomMoinsClick(); }, 2000}));

// --- Keys through the shown, active window ---

TEST_F(WindowTest, RightArrowThroughTheWindowStepsByTheIncrement)
{
    ShowActive();
    Settings.IncrementDays = 2;
    QTest::keyClick(window->windowHandle(), Qt::Key_Right);
    EXPECT_EQ(Settings.Current, At(9, 1, 1610, 16, 45));
    QTest::keyClick(window->windowHandle(), Qt::Key_Left);
    QTest::keyClick(window->windowHandle(), Qt::Key_Left);
    EXPECT_EQ(Settings.Current, At(5, 1, 1610, 16, 45));
    EXPECT_EQ(counting->Recomputations(), 3);
}

TEST_F(WindowTest, KeysReachTheWindowAfterAToolButtonWasClicked)
{
    ShowActive();
    QTest::mouseClick(Button("sbSaturne"), Qt::LeftButton);
    QTest::keyClick(window->windowHandle(), Qt::Key_Right);
    EXPECT_EQ(Settings.Current, At(7, 1, 1610, 17, 45)) << "the button must not keep the arrow keys";
}

TEST_F(WindowTest, PageDownSixTimesComesBackToJupiter)
{
    ShowActive();
    std::vector<int> seen;
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(window->windowHandle(), Qt::Key_PageDown);
        seen.push_back(Settings.CurrentPlanet);
    }
    EXPECT_EQ(seen, (std::vector<int>{6, 7, 8, 9, 4, 5}));
}

TEST_F(WindowTest, LettersThroughTheWindow)
{
    ShowActive();
    QTest::keyClick(window->windowHandle(), Qt::Key_S);
    EXPECT_EQ(Settings.Orientation, Orientation::South);
    QTest::keyClick(window->windowHandle(), Qt::Key_N, Qt::ShiftModifier);
    EXPECT_EQ(Settings.Orientation, Orientation::North);
    EXPECT_TRUE(window->isVisible());
}

TEST_F(WindowTest, AnyOtherCharacterClosesTheProgram)
{
    ShowActive();
    QTest::keyClick(window->windowHandle(), Qt::Key_X);
    EXPECT_FALSE(window->isVisible());
    EXPECT_TRUE(platform.messages.empty()) << "no confirmation is asked";
}

TEST_F(WindowTest, F1OpensTheHelp)
{
    ShowActive();
    QString opened;
    WhenModalAppears([&opened](QWidget* modal) {
        opened = modal->objectName();
        ClickButton(modal, "bbClose");
    });
    QTest::keyClick(window->windowHandle(), Qt::Key_F1);
    EXPECT_EQ(opened, "fAide");
}

// --- Quitting and updating ---

TEST_F(WindowTest, QuitAsksFirst)
{
    window->show();
    platform.answer = Platform::Answer::No;
    Action("miQuitter")->trigger();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0], "Voulez-vous quitter?");
    EXPECT_EQ(platform.askedButtons[0], Platform::Buttons::YesNo);
    EXPECT_TRUE(window->isVisible()) << "No keeps the program";
    platform.answer = Platform::Answer::Yes;
    Button("sbQuit")->click();
    EXPECT_FALSE(window->isVisible());
}

TEST_F(WindowTest, UpdateButtonOpensTheAddressAndCloses)
{
    window->show();
    Button("sbMAJ")->click();
    ASSERT_EQ(platform.opened.size(), 1u);
    EXPECT_EQ(platform.opened[0], UpdateAddress);
    EXPECT_FALSE(window->isVisible());
}

// --- The view: click, ruler, persistent image ---

QColor ViewPixel(TForm1& w, int x, int y) { return w.Port().View().Image().pixelColor(x, y); }

TEST_F(WindowTest, ClickOnTheViewStartsAndStopsTheAnimation)
{
    QWidget* view = window->findChild<QWidget*>("pbSatel");
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    EXPECT_TRUE(Settings.AnimationRunning);
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    EXPECT_FALSE(Settings.AnimationRunning);
    Settings.ViewMode = ViewMode::Graph;
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, QPoint(50, 50));
    EXPECT_FALSE(Settings.AnimationRunning) << "no animation in the graph view";
}

TEST_F(WindowTest, RulerMeasuresInsteadOfAnimating)
{
    Settings.ZoomFactor = 2;
    EraseView(window->Port(), Settings);
    Button("sbRegle")->click();
    QWidget* view = window->findChild<QWidget*>("pbSatel");
    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, QPoint(100, 200));
    EXPECT_EQ(Settings.RulerState, '2');
    EXPECT_FALSE(Settings.AnimationRunning);
    // A grey cross: from 2 px above to 3 below and 2 left to 3 right, the end pixels excluded.
    const QColor grey(128, 128, 128);
    EXPECT_EQ(ViewPixel(*window, 100, 198), grey);
    EXPECT_EQ(ViewPixel(*window, 100, 202), grey);
    EXPECT_EQ(ViewPixel(*window, 98, 200), grey);
    EXPECT_EQ(ViewPixel(*window, 102, 200), grey);
    EXPECT_EQ(ViewPixel(*window, 100, 197), QColor(0, 0, 0));

    QTest::mouseClick(view, Qt::LeftButton, Qt::NoModifier, QPoint(400, 600 - 200));
    EXPECT_EQ(Settings.RulerState, '1');
    EXPECT_FALSE(Settings.AnimationRunning);
    EXPECT_EQ(ViewPixel(*window, 250, 300), grey) << "the segment's middle";
    // sqrt(300^2 + 200^2) = 360.56 px x 3"/2 = 540.8", written in red 20 px above the middle.
    int red = 0;
    for (int y = 275; y < 300; ++y)
        for (int x = 245; x < 300; ++x)
            if (ViewPixel(*window, x, y).red() > 150 && ViewPixel(*window, x, y).green() < 100) ++red;
    EXPECT_GT(red, 10) << "the red distance text";
}

TEST_F(WindowTest, PaintingOnlyCopiesThePersistentImage)
{
    EraseView(window->Port(), Settings);
    Canvas& canvas = window->Port().ViewCanvas();
    canvas.SetPen({0, 255, 0});
    canvas.MoveTo(10, 10);
    canvas.LineTo(40, 10);
    window->show();
    QWidget* view = window->findChild<QWidget*>("pbSatel");
    view->repaint();
    const int before = counting->Recomputations();
    const QImage shown = view->grab().toImage();
    EXPECT_EQ(shown.pixelColor(20, 10), QColor(0, 255, 0)) << "the trace survives the expose";
    EXPECT_EQ(counting->Recomputations(), before) << "painting computes nothing";
}

// --- Animation frames ---

TEST_F(WindowTest, AnimationFrameWaitsWhileAModalDialogIsOpen)
{
    Settings.AnimationDelayMs = 0;
    Button("sbAnimA")->click();
    ASSERT_TRUE(window->Port().AnimationFramePending());
    CalendarFields during{};
    WhenModalAppears([&during](QWidget* modal) {
        during = Settings.Current;
        QTest::qWait(200);
        EXPECT_EQ(Settings.Current, during) << "no frame while the dialog is open";
        ClickButton(modal, "bbOK");
    });
    window->miAproposClick();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !(Settings.Current == during); }, 2000)) << "frames resume after it";
    window->close();
    EXPECT_FALSE(Settings.AnimationRunning);
    EXPECT_FALSE(window->Port().AnimationFramePending()) << "closing the window stops the animation";
}

TEST_F(WindowTest, AnimationStepsByTheIncrementAndStopsOnTheLastFrame)
{
    Settings.AnimationDelayMs = 0;
    Settings.IncrementDays = 1;
    Button("sbAnimR")->click();
    ASSERT_TRUE(QTest::qWaitFor([] { return Settings.Current.Day <= 4; }, 5000));
    Button("sbStop")->click();
    const CalendarFields stopped = Settings.Current;
    QTest::qWait(50);
    EXPECT_EQ(Settings.Current, stopped);
    EXPECT_EQ(Settings.Current.Hour, 16) << "whole days backward";
}

// --- Start-up ---

TEST(StartUp, ReminderThenWindowAtTheTopLeft)
{
    ResetToStartupValues(Settings);
    Settings.CurrentPlanet = Saturn;
    Settings.ZoomFactor = 64;
    QtPlatform platform;
    SetPlatform(&platform);
    {
        TForm1 window;
        window.move(200, 150);
        QString text;
        QString title;
        WhenModalAppears([&](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            ASSERT_NE(box, nullptr);
            text = box->text();
            title = box->windowTitle();
            EXPECT_FALSE(window.isVisible()) << "the reminder comes before the window";
            box->button(QMessageBox::Ok)->click();
        });
        RunStartup(window);
        EXPECT_EQ(text, QString::fromUtf8(StartupReminder));
        EXPECT_EQ(title, QString::fromUtf8(ApplicationTitle));
        EXPECT_TRUE(window.isVisible());
        EXPECT_EQ(window.pos(), QPoint(0, 0));
        EXPECT_EQ(Settings.CurrentPlanet, Jupiter);
        EXPECT_EQ(Settings.ZoomFactor, 1);
        EXPECT_EQ(Settings.Current.Day, 7);
        EXPECT_EQ(Settings.Current.Month, 1);
        EXPECT_EQ(Settings.Current.Year, 1610);
        EXPECT_EQ(window.findChild<QLabel*>("labPla")->text(), "JUPITER");
    }
    SetPlatform(nullptr);
    ResetToStartupValues(Settings);
}

TEST(StartUp, DialogsAreCreatedWithTheWindowInOrder)
{
    ResetToStartupValues(Settings);
    TForm1 window;
    QStringList order;
    for (QObject* child : window.children()) {
        if (qobject_cast<QDialog*>(child)) order << child->objectName();
    }
    EXPECT_EQ(order, QStringList({"fIncrement", "fZoom", "fApropos", "fAide", "fChamp", "fPhenomenes", "fMutuels", "fLieu"}));
}

}  // namespace
}  // namespace vireon::testing

// The main window TForm1: the view, the data panel, the toolbar, the menus and the status bar,
// and every command of the program. Each command changes GlobalSettings and ends in the
// recompute driver (directly or through a view option).
#pragma once

#include <QHash>
#include <QMainWindow>
#include <QPoint>

#include <array>
#include <memory>

#include "core/types.h"
#include "core/settings.h"
#include "ui/file_saving.h"
#include "ui/kept_settings_store.h"
#include "ui/mutual_dialog.h"
#include "ui/phenomena_dialog.h"
#include "ui/view_export.h"

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QStatusBar;
class QToolBar;
class QToolButton;

namespace vireon {

class ImageBox;
class CaptionPanel;
class QtDisplayPort;
class TfAide;
class TfApropos;
class TfChamp;
class TfIncrement;
class TfLieu;
class TfZoom;

class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    // phenomena, mutual: where the phenomena and the mutual events dialogs take their rows;
    // settingsFile: the file of the settings kept between runs (empty: the platform's usual place).
    explicit TForm1(QWidget* parent = nullptr, PhenomenaSource phenomena = FindPhenomena,
                    MutualSource mutual = FindMutualEvents, const QString& settingsFile = {});
    ~TForm1() override;

    // Client area of the window below the menu bar, fixed.
    static constexpr int ClientWidth = 1016;
    static constexpr int ClientHeight = 714;
    // The view and the legend under it, in client coordinates.
    static constexpr int ViewLeft = 0;
    static constexpr int ViewTop = 53;
    static constexpr int ViewWidth = 753;
    static constexpr int ViewHeight = 603;
    static constexpr int LegendHeight = 36;
    static constexpr int StatusBarHeight = 22;
    static constexpr std::array<int, 5> StatusPanelWidths = {380, 170, 155, 150, 150};

    QtDisplayPort& Port() { return *port_; }

    // The dialogs created with the window (the date dialog is created each time it opens).
    TfIncrement* fIncrement = nullptr;
    TfZoom* fZoom = nullptr;
    TfApropos* fApropos = nullptr;
    TfAide* fAide = nullptr;
    TfChamp* fChamp = nullptr;
    TfPhenomenes* fPhenomenes = nullptr;
    TfMutuels* fMutuels = nullptr;
    TfLieu* fLieu = nullptr;

    // Where "Enregistrer l'image..." saves and how "Imprimer..." sets up its printer: the save
    // dialog and the print dialog; tests answer them themselves.
    SaveFileChooser ChooseImageFile = AskWhereToSave;
    PrinterSetup SetUpPrinter = AskPrinter;

    // The settings kept from the last run (the start-up values for what the file lacks); the
    // start-up sequence applies them.
    KeptSettings LoadKeptSettings();
    // Writes the kept settings when they changed since they were last read or written; a file
    // that cannot be written gets a message.
    void SaveKeptSettings();

    // --- Commands, named after the components and events they serve ---
    // "&Fichier"
    void miDateClick();
    void miIncrementClick();
    void miLieuClick();
    // The view shown, with its legend, as a PNG image, or printed with its date and planet.
    void miEnregistrerImageClick();
    void miImprimerClick();
    void miQuitterClick();
    // "&Planète" (the planet tool buttons share these actions)
    void miMarsClick();
    void miJupiterClick();
    void miSaturneClick();
    void miUranusClick();
    void miNeptuneClick();
    void miPlutonClick();
    // "&Vue" and its twins in the view's pop-up menu
    void miEquatoriale1Click();
    void miPolaire1Click();
    void miGraphique1Click();
    void miNordenhaut1Click();
    void miSudenhaut1Click();
    void miPoleN1Click();
    void miPoleS1Click();
    void miInversionRC1Click();
    void miZoomClick();
    void miAffichagenumeros1Click();
    void miMeridiencentralClick();
    void miTraces1Click();
    void miAnimation1Click();
    void miPhenomenesClick();
    void miMutuelsClick();
    void Zoom1Click();
    void miNordenhaut2Click();
    void miSudenhaut2Click();
    void miPoleN2Click();
    void miPoleS2Click();
    void miInversionRC2Click();
    void miEquatoriale2Click();
    void miPolaire2Click();
    void miGraphique2Click();
    void miAffichagenumeros2Click();
    void miTraces2Click();
    void miAnimation2Click();
    void miIncrement2Click();
    // "&Données"
    void miSecarc1Click();
    void miRayonpla1Click();
    void miKm1Click();
    // "&Aide"
    void miAide2Click();
    void miAproposClick();
    // Toolbar
    void sbQuitClick();
    void sbJourMouseUp(Qt::MouseButton button);
    void sbIncrClick();
    void sbIncrMoinsClick();
    void sbIncrPlusClick();
    void sbAnimRClick();
    void sbStopClick();
    void sbAnimAClick();
    void sbPremPlaClick();
    void sbPlaPrecClick();
    void sbPlaSuivClick();
    void sbDernPlaClick();
    void sbutZoomPlusClick();
    void sbutZoomMoinsClick();
    void sbZoomClick();
    void sbZoomAutoClick();
    void sbAffNumClick();
    void sbAffNumMouseMove();
    void sbAxeClick();
    void sbTracesClick();
    void sbAffChampClick();
    void sbChgChampClick();
    void sbRegleClick();
    void sbEquClick();
    void sbPolClick();
    void sbGraphClick();
    void sbMAJClick();
    // Keyboard and mouse. FormKeyDown returns whether it handled the key.
    bool FormKeyDown(int key);
    void FormKeyPress(QChar character);
    void FormMouseWheelUp();
    void FormMouseWheelDown();
    void pbSatelClick();
    void pbSatelMouseDown(QPoint point);
    void panNSDblClick();

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createClientArea();
    void createActions();
    void createMenus();
    void createToolBars();
    void createStatusBar();
    void createDataPanel();
    void createDialogs();
    void connectCommands();

    QAction* makeAction(const char* objectName, const QString& caption, bool checkable = false, bool checked = false);
    QToolButton* makeButton(const char* objectName, const QString& hint, QAction* shared = nullptr,
                            bool checkable = false, bool checked = false);
    QLabel* makePanelLabel(const QString& objectName, int x, int y, int width, const QColor& colour, bool bold,
                           Qt::Alignment alignment);

    // The recompute driver for the current planet.
    void Redraw();
    // Erase the view, then the driver.
    void EraseAndRedraw();
    void SelectPlanet(int planet, bool eraseFirst);
    void SetOrientationAndRedraw(Orientation orientation);
    void SetDistanceUnit(DistanceUnit unit);
    void StepDate(int direction);
    void ToggleAnimation();
    void StartAnimation(int direction);
    // Zoom commands: the new zoom is written into the zoom dialog's box.
    void ShowZoomInDialog();
    void OpenDateDialog();
    void OpenIncrementDialog(int left, int top);
    void OpenZoomDialog(int left, int top);
    // The current instant becomes a phenomenon's (or a mutual event's maximum), shown in the
    // equatorial view; on a clock whose seconds are not TT's it is read to the second as rounding
    // says.
    void ShowInstantInEquatorialView(Extended jd, SecondRounding rounding = SecondRounding::Nearest);

    QWidget* client_ = nullptr;
    QToolBar* ToolBar1 = nullptr;
    CaptionPanel* panNS = nullptr;
    ImageBox* pbSatel = nullptr;
    ImageBox* pbLegendeSat = nullptr;
    QWidget* pbDonnees = nullptr;
    QLabel* labEO = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    std::array<QLabel*, 5> statusPanels_{};
    QMenu* pumSatel = nullptr;
    QHash<QString, QAction*> actions_;
    QHash<QString, QToolButton*> buttons_;
    std::unique_ptr<QtDisplayPort> port_;
    PhenomenaSource phenomena_;
    MutualSource mutual_;
    KeptSettingsStore store_;
    KeptSettings saved_;  // what the file holds as far as this run knows

    // The folder of the last image saved during this run.
    QString imageFolder_;

    // Ruler: the first point of the segment being measured.
    QPoint rulerFirst_;
    // Wheel turns are counted in eighths of a degree; one notch is 120.
    int wheelAccumulated_ = 0;
};

// The start-up sequence: the reminder, the window at the top left and shown, the start-up
// instant and settings, the first computation. Called from main() only.
void RunStartup(TForm1& window);

}  // namespace vireon

// The dialogs: their texts, where they open, what OK and cancel change, and the refusal of
// every invalid input (the message shown, the dialog kept open, nothing changed).
#include <QCalendarWidget>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScreen>
#include <QTabWidget>
#include <QTest>

#include "core/date_commands.h"
#include "ui/about_dialog.h"
#include "ui/date_dialog.h"
#include "ui/field_dialog.h"
#include "ui/help_dialog.h"
#include "ui/increment_dialog.h"
#include "ui/program_texts.h"
#include "ui/radio_group.h"
#include "ui/zoom_dialog.h"
#include "window_test_support.h"

namespace vireon::testing {
namespace {

QStringList RadioItems(QWidget* dialog, const char* group)
{
    auto* radios = dialog->findChild<RadioGroup*>(group);
    QStringList items;
    if (!radios) return items;
    for (int i = 0; i < radios->Count(); ++i) items << radios->Item(i)->text();
    return items;
}

QString ButtonText(QWidget* dialog, const char* name)
{
    auto* button = dialog->findChild<QPushButton*>(name);
    return button ? button->text() : QString("<missing>");
}

TEST_F(WindowTest, EveryTextOfTheDialogs)
{
    TfSaisieJour date(window->Port(), window.get());
    EXPECT_EQ(date.windowTitle(), "Date");
    EXPECT_EQ(date.labJour->text(), "Jour");
    EXPECT_EQ(date.labHeure->text(), "Heure");
    EXPECT_EQ(ButtonText(&date, "bbHorloge"), "&Maintenant");
    EXPECT_EQ(ButtonText(&date, "bbZeroHeure"), "00:00:00");
    EXPECT_EQ(ButtonText(&date, "bbOK"), "OK");
    EXPECT_EQ(ButtonText(&date, "bbAnn"), "Annuler");

    TfIncrement* increment = window->fIncrement;
    EXPECT_EQ(increment->windowTitle(), "Incrément");
    EXPECT_EQ(increment->eIncr->text(), "1");
    EXPECT_EQ(increment->rgIncr->title(), "Unité");
    EXPECT_EQ(RadioItems(increment, "rgIncr"),
              QStringList({"Année (365 jours)", "Mois (30 jours ±1 j)", "Semaine (7 jours)", "Jour", "Heure", "Minute"}));
    EXPECT_EQ(increment->rgDelai->title(), "Délai (secondes)");
    EXPECT_EQ(RadioItems(increment, "rgDelai"), QStringList({"0", "0.1", "0.2", "0.25", "0.5", "1", "2", "5"}));
    EXPECT_EQ(increment->rgIncr->ItemIndex(), 4) << "Heure at start";
    EXPECT_EQ(increment->rgDelai->ItemIndex(), 2) << "0.2 s at start";
    EXPECT_EQ(ButtonText(increment, "bbOK"), "OK");
    EXPECT_EQ(ButtonText(increment, "bbCancel"), "Annuler");

    TfZoom* zoom = window->fZoom;
    EXPECT_EQ(zoom->windowTitle(), "Zoom");
    EXPECT_EQ(RadioItems(zoom, "rgZoom"), QStringList({"Valeur", "Autozoom"}));
    EXPECT_EQ(zoom->cbZoom->currentText(), "10");
    QStringList list;
    for (int i = 0; i < zoom->cbZoom->count(); ++i) list << zoom->cbZoom->itemText(i);
    EXPECT_EQ(list, QStringList({"1", "5", "10", "15", "20", "25", "30", "40", "50", "100", "200", "300", "400", "500",
                                 "600", "700", "800", "900", "1000", "1100", "1200", "1300", "1400"}));
    EXPECT_TRUE(zoom->cbZoom->isEditable());

    TfChamp* field = window->fChamp;
    EXPECT_EQ(field->windowTitle(), "Champ");
    EXPECT_EQ(field->rgChamp->title(), "Champ en minutes");
    EXPECT_EQ(RadioItems(field, "rgChamp"),
              QStringList({"1", "2", "5", "10", "15", "20", "30", "40", "50", "60", "Autre :"}));
    EXPECT_EQ(field->rgChamp->ItemIndex(), 4) << "15 at start";
    EXPECT_EQ(field->eChamp->text(), "15");
    EXPECT_FALSE(field->eChamp->isEnabled());

    TfAide* help = window->fAide;
    EXPECT_EQ(help->windowTitle(), "Aide");
    ASSERT_EQ(help->PageControl1->count(), 3);
    const char* captions[] = {"Raccourcis clavier", "Raccourcis souris", "Informations"};
    for (int i = 0; i < 3; ++i) EXPECT_EQ(help->PageControl1->tabText(i), QString::fromUtf8(captions[i]));
    EXPECT_EQ(help->Memo1->toPlainText().split('\n'),
              QStringList({"Flèche gauche : enlève à la date la valeur de l'incrément",
                           "Flèche droite : ajoute à la date la valeur de l'incrément", "", "Flèche haut : zoom +",
                           "Flèche bas : zoom -", "", "Page précédente : affiche la planète précédente.",
                           "Page suivante : affiche la planète suivante.", "",
                           "N : affiche le pôle céleste nord en haut.", "S : affiche le pôle céleste sud en haut.",
                           "B : Affiche le pôle planétaire nord en haut.",
                           "A : Affiche le pôle planétaire sud en haut.", "", "",
                           "R : active ou désactive la vue avec renvoi coudé."}));
    EXPECT_EQ(help->Memo2->toPlainText().split('\n'),
              QStringList({"Molette vers le haut : Zoom +", "Molette vers le bas : Zoom -", "", "Clic gauche ",
                           "- sur le graphique : démarre ou stoppe l'animation", "", "Clic droit",
                           "- sur le graphique : menu contextuel",
                           "- sur le bouton Date : calcul pour la date de l'horloge de l'ordinateur", "",
                           "Double-clic sur le label \"Nord\" ou \"Sud\" : inversion de l'affichage"}));
    EXPECT_EQ(help->Memo3->toPlainText().split('\n'),
              QStringList({"Quelques conseils :", "------------------------------", "",
                           "La date doit être saisie sous la forme JJ/MM/AAAA.",
                           "L'heure doit être saisie sous la forme  HH:MM:SS", "", ""}));
    for (QPlainTextEdit* memo : {help->Memo1, help->Memo2, help->Memo3}) EXPECT_TRUE(memo->isReadOnly());

    TfApropos* about = window->fApropos;
    EXPECT_EQ(about->windowTitle(), "A propos de...");
    QStringList aboutTexts;
    for (QLabel* label : {about->ProductName, about->Version, about->Comments, about->MailTo, about->Contact})
        aboutTexts << label->text();
    EXPECT_EQ(aboutTexts, QStringList({"Vireon", "Version 1.06", "Pour toute remarque ou suggestion,",
                                       "envoyer un mail à", ContactLine}));
    EXPECT_FALSE(about->ProgramIcon->pixmap().isNull()) << "the program's picture";
    EXPECT_EQ(ButtonText(about, "bbOK"), "OK");
}

// --- Date dialog ---

struct DatePlacement {
    CalendarFields date;
    bool calendar;
    int height;
    QPoint position;
};

void PrintTo(const DatePlacement& c, std::ostream* os) { *os << FormatDateAndTime(c.date); }

class DateDialogPlacement : public WindowTest, public ::testing::WithParamInterface<DatePlacement> {};

TEST_P(DateDialogPlacement, ByTheYear)
{
    const DatePlacement& c = GetParam();
    SetCurrentDate(c.date);
    bool seen = false;
    WhenModalAppears([&](QWidget* modal) {
        auto* dialog = qobject_cast<TfSaisieJour*>(modal);
        ASSERT_NE(dialog, nullptr);
        seen = true;
        EXPECT_EQ(dialog->MonthCalendar1->isVisible(), c.calendar);
        EXPECT_EQ(dialog->MonthCalendar1->isEnabled(), c.calendar);
        EXPECT_EQ(dialog->height(), c.height);
        EXPECT_EQ(dialog->pos(), c.position);
        EXPECT_EQ(dialog->eJour->text().toStdString(), FormatDialogDate(c.date));
        EXPECT_EQ(dialog->eHeure->text().toStdString(), FormatDialogTime(c.date));
        if (c.calendar) {
            EXPECT_EQ(dialog->MonthCalendar1->selectedDate(), QDate(c.date.Year, c.date.Month, c.date.Day));
        }
        ClickButton(dialog, "bbAnn");
    });
    window->miDateClick();
    EXPECT_TRUE(seen);
    EXPECT_EQ(counting->Recomputations(), 0) << "cancel before any OK does not redraw";
}

INSTANTIATE_TEST_SUITE_P(Dialogs, DateDialogPlacement,
                         ::testing::Values(DatePlacement{At(7, 1, 1610, 16, 45), false, 221, QPoint(727, 525)},
                                           DatePlacement{At(31, 12, 1899, 23, 59, 59), false, 221, QPoint(727, 525)},
                                           DatePlacement{At(1, 1, 1900), true, 350, QPoint(727, 395)},
                                           DatePlacement{At(8, 12, 2026, 9, 5, 7), true, 350, QPoint(727, 395)}));

TEST_F(WindowTest, DateDialogOkSetsTheInstantAndRedraws)
{
    WhenModalAppears([](QWidget* modal) {
        auto* dialog = qobject_cast<TfSaisieJour*>(modal);
        dialog->eJour->setText("29/02/1500");
        dialog->eHeure->setText("06:07");
        ClickButton(dialog, "bbOK");
    });
    Button("sbJour")->click();
    EXPECT_EQ(Settings.Current, At(29, 2, 1500, 6, 7, 0));
    EXPECT_EQ(Settings.CurrentJD, static_cast<Extended>(JulianDayFromCalendar(At(29, 2, 1500, 6, 7, 0))));
    EXPECT_TRUE(Settings.DialogAccepted);
    EXPECT_EQ(counting->Recomputations(), 1);
    EXPECT_EQ(window->findChild<QDialog*>("fSaisieJour"), nullptr) << "the dialog is destroyed after use";
}

TEST_F(WindowTest, DateDialogZeroHourButtonAndLabel)
{
    WhenModalAppears([](QWidget* modal) {
        auto* dialog = qobject_cast<TfSaisieJour*>(modal);
        ClickButton(dialog, "bbZeroHeure");
        EXPECT_EQ(dialog->eHeure->text(), "00:00:00");
        dialog->eHeure->setText("12:34:56");
        QTest::mouseClick(dialog->labHeure, Qt::LeftButton);
        EXPECT_EQ(dialog->eHeure->text(), "00:00:00");
        ClickButton(dialog, "bbAnn");
    });
    window->miDateClick();
    EXPECT_EQ(Settings.Current, At(7, 1, 1610, 16, 45)) << "cancel keeps the date";
}

TEST_F(WindowTest, DateDialogCalendarClickWritesTheDate)
{
    SetCurrentDate(At(15, 6, 2001, 20));
    WhenModalAppears([](QWidget* modal) {
        auto* dialog = qobject_cast<TfSaisieJour*>(modal);
        dialog->MonthCalendar1->setSelectedDate(QDate(2001, 6, 21));
        EXPECT_EQ(dialog->eJour->text(), "21/06/2001");
        ClickButton(dialog, "bbOK");
    });
    window->miDateClick();
    EXPECT_EQ(Settings.Current, At(21, 6, 2001, 20));
}

TEST_F(WindowTest, NowThenCancelKeepsTheClocksDate)
{
    WhenModalAppears([this](QWidget* modal) {
        auto* dialog = qobject_cast<TfSaisieJour*>(modal);
        ClickButton(dialog, "bbHorloge");
        EXPECT_EQ(dialog->eJour->text(), "08/12/2026");
        EXPECT_EQ(dialog->eHeure->text(), "09:10:11");
        ClickButton(dialog, "bbAnn");
    });
    window->miDateClick();
    EXPECT_EQ(Settings.Current, platform.clock);
    EXPECT_EQ(Settings.CurrentJD, static_cast<Extended>(JulianDayFromCalendar(platform.clock)))
        << "a later step starts from the clock's instant";
}

TEST_F(WindowTest, DateDialogRebuildsTheDateTimeValueFromTheFields)
{
    // A stale date-time value must not reach the dialog: the fields are the master.
    Settings.CurrentDateTime = 0;
    WhenModalAppears([](QWidget* modal) {
        EXPECT_EQ(qobject_cast<TfSaisieJour*>(modal)->eJour->text(), "07/01/1610");
        ClickButton(modal, "bbAnn");
    });
    window->miDateClick();
    EXPECT_EQ(Settings.Current, At(7, 1, 1610, 16, 45));
}

// --- Every refused input: its message, the dialog stays open, nothing changes ---

struct InvalidCase {
    const char* name;
    std::function<void(TForm1&)> open;
    std::function<void(QWidget*)> type;  // fills the dialog with the invalid text
    const char* cancel;
    const char* message;
};

void PrintTo(const InvalidCase& c, std::ostream* os) { *os << c.name; }

class InvalidInput : public WindowTest, public ::testing::WithParamInterface<InvalidCase> {};

TEST_P(InvalidInput, ShowsItsMessageAndChangesNothing)
{
    const InvalidCase& c = GetParam();
    Settings.ZoomFactor = 8;
    const GlobalSettings before = Settings;
    QString shown;
    bool stayedOpen = false;
    WhenModalAppears([&](QWidget* dialog) {
        c.type(dialog);
        WhenModalAppears([&](QWidget* box) {
            auto* message = qobject_cast<QMessageBox*>(box);
            ASSERT_NE(message, nullptr);
            shown = message->text();
            message->button(QMessageBox::Ok)->click();
        });
        ClickButton(dialog, "bbOK");
        stayedOpen = dialog->isVisible();
        ClickButton(dialog, c.cancel);
    });
    c.open(*window);
    EXPECT_EQ(shown, QString::fromUtf8(c.message)) << c.name;
    EXPECT_TRUE(stayedOpen) << c.name;
    EXPECT_EQ(Settings.Current, before.Current) << c.name;
    EXPECT_EQ(Settings.CurrentJD, before.CurrentJD) << c.name;
    EXPECT_EQ(Settings.IncrementDays, before.IncrementDays) << c.name;
    EXPECT_EQ(Settings.AnimationDelayMs, before.AnimationDelayMs) << c.name;
    EXPECT_EQ(Settings.IncrementText, before.IncrementText) << c.name;
    EXPECT_EQ(Settings.ZoomFactor, before.ZoomFactor) << c.name;
    EXPECT_EQ(Settings.AutoZoom, before.AutoZoom) << c.name;
    EXPECT_EQ(Settings.FieldOfView, before.FieldOfView) << c.name;
    EXPECT_EQ(Settings.ShowField, before.ShowField) << c.name;
    EXPECT_EQ(Settings.DialogAccepted, before.DialogAccepted) << c.name;
}

std::function<void(QWidget*)> TypeDate(const char* day, const char* time)
{
    return [day, time](QWidget* w) {
        auto* dialog = qobject_cast<TfSaisieJour*>(w);
        dialog->eJour->setText(day);
        dialog->eHeure->setText(time);
    };
}
std::function<void(QWidget*)> TypeIncrement(const char* text)
{
    return [text](QWidget* w) {
        auto* dialog = qobject_cast<TfIncrement*>(w);
        dialog->rgDelai->SetItemIndex(7);
        dialog->eIncr->setText(QString::fromUtf8(text));
    };
}
std::function<void(QWidget*)> TypeZoom(const char* text)
{
    return [text](QWidget* w) { qobject_cast<TfZoom*>(w)->cbZoom->setEditText(text); };
}
std::function<void(QWidget*)> TypeField(const char* text)
{
    return [text](QWidget* w) {
        auto* dialog = qobject_cast<TfChamp*>(w);
        dialog->rgChamp->SetItemIndex(TfChamp::OtherItem);
        EXPECT_TRUE(dialog->eChamp->isEnabled()) << "Autre enables the edit box";
        dialog->eChamp->setText(text);
    };
}
const auto OpenDate = [](TForm1& w) { w.miDateClick(); };
const auto OpenIncrement = [](TForm1& w) { w.miIncrementClick(); };
const auto OpenZoom = [](TForm1& w) { w.sbZoomClick(); };
const auto OpenField = [](TForm1& w) { w.sbChgChampClick(); };

INSTANTIATE_TEST_SUITE_P(
    Dialogs, InvalidInput,
    ::testing::Values(
        InvalidCase{"date that does not exist", OpenDate, TypeDate("31/02/2001", "12:00:00"), "bbAnn",
                    "Date invalide : utilisez la forme JJ/MM/AAAA."},
        InvalidCase{"year 0", OpenDate, TypeDate("01/01/0", "12:00:00"), "bbAnn",
                    "Date invalide : utilisez la forme JJ/MM/AAAA."},
        InvalidCase{"date with dashes", OpenDate, TypeDate("2001-02-03", "12:00:00"), "bbAnn",
                    "Date invalide : utilisez la forme JJ/MM/AAAA."},
        InvalidCase{"hour 24", OpenDate, TypeDate("01/01/2001", "24:00:00"), "bbAnn",
                    "Heure invalide : utilisez la forme HH:MM:SS."},
        InvalidCase{"time with a letter", OpenDate, TypeDate("01/01/2001", "12h30"), "bbAnn",
                    "Heure invalide : utilisez la forme HH:MM:SS."},
        InvalidCase{"increment with a comma", OpenIncrement, TypeIncrement("1,5"), "bbCancel", "Incrément invalide."},
        InvalidCase{"increment too large", OpenIncrement, TypeIncrement("100001"), "bbCancel", "Incrément invalide."},
        InvalidCase{"increment not a number", OpenIncrement, TypeIncrement("nan"), "bbCancel", "Incrément invalide."},
        InvalidCase{"zoom not an integer", OpenZoom, TypeZoom("12.5"), "bbCancel", "Zoom invalide."},
        InvalidCase{"zoom empty", OpenZoom, TypeZoom(""), "bbCancel", "Zoom invalide."},
        InvalidCase{"field zero", OpenField, TypeField("0"), "bbCancel", "Champ invalide."},
        InvalidCase{"field beyond 6000", OpenField, TypeField("6001"), "bbCancel", "Champ invalide."},
        InvalidCase{"field with a comma", OpenField, TypeField("2,5"), "bbCancel", "Champ invalide."}),
    [](const ::testing::TestParamInfo<InvalidCase>& info) { return "Case" + std::to_string(info.index); });

// --- Increment dialog ---

TEST_F(WindowTest, MonthIncrementOn31JanuaryOfACommonYearIs31Days)
{
    SetCurrentDate(At(31, 1, 2001, 10));
    QPoint where;
    WhenModalAppears([&where](QWidget* modal) {
        auto* dialog = qobject_cast<TfIncrement*>(modal);
        where = dialog->pos();
        dialog->eIncr->setText("1");
        dialog->rgIncr->SetItemIndex(1);
        dialog->rgDelai->SetItemIndex(5);
        ClickButton(dialog, "bbOK");
    });
    window->miIncrementClick();
    EXPECT_EQ(where, QPoint(727, 329));
    EXPECT_EQ(Settings.IncrementDays, 31);
    EXPECT_EQ(Settings.AnimationDelayMs, 1000u);
    EXPECT_EQ(Settings.IncrementUnitIndex, 1);
    EXPECT_EQ(Settings.IncrementText, "1");
    EXPECT_TRUE(Settings.DialogAccepted);
    EXPECT_EQ(counting->Recomputations(), 1);
    window->sbIncrPlusClick();
    EXPECT_EQ(Settings.Current, At(3, 3, 2001, 10)) << "one step lands on 3 March";
}

TEST_F(WindowTest, IncrementDialogFromTheButtonShowsTheUnitInForce)
{
    Settings.IncrementUnitIndex = 1;  // as the monthly graph leaves it
    QPoint where;
    int unit = -1;
    WhenModalAppears([&](QWidget* modal) {
        auto* dialog = qobject_cast<TfIncrement*>(modal);
        where = dialog->pos();
        unit = dialog->rgIncr->ItemIndex();
        dialog->eIncr->setText("3");
        dialog->rgIncr->SetItemIndex(2);
        ClickButton(dialog, "bbOK");
    });
    window->sbIncrClick();
    EXPECT_EQ(where, QPoint(757, 387));
    EXPECT_EQ(unit, 1);
    EXPECT_EQ(Settings.IncrementDays, 21);
    EXPECT_EQ(window->findChild<QLabel*>("StatusPanel2")->text(), "Incrément : 3 semaines");
}

TEST_F(WindowTest, CancelledIncrementEditsAreNotShownAgain)
{
    WhenModalAppears([](QWidget* modal) {
        auto* dialog = qobject_cast<TfIncrement*>(modal);
        dialog->eIncr->setText("5");
        dialog->rgIncr->SetItemIndex(0);
        dialog->rgDelai->SetItemIndex(7);
        ClickButton(dialog, "bbCancel");
    });
    window->miIncrementClick();
    EXPECT_EQ(Settings.IncrementDays, 1.0L / 24) << "cancel changes nothing";
    QString text;
    int unit = -1;
    int delay = -1;
    WhenModalAppears([&](QWidget* modal) {
        auto* dialog = qobject_cast<TfIncrement*>(modal);
        text = dialog->eIncr->text();
        unit = dialog->rgIncr->ItemIndex();
        delay = dialog->rgDelai->ItemIndex();
        ClickButton(dialog, "bbCancel");
    });
    window->miIncrement2Click();
    EXPECT_EQ(text, "1");
    EXPECT_EQ(unit, 4);
    EXPECT_EQ(delay, 2);
}

TEST_F(WindowTest, GraphStepOn15February2001GoesTo1March)
{
    Action("miGraphique1")->trigger();
    SetCurrentDate(At(15, 2, 2001, 13, 20, 5));
    counting->Reset();
    Button("sbIncrPlus")->click();
    EXPECT_EQ(Settings.Current, At(1, 3, 2001, 0, 0, 0));
    EXPECT_EQ(counting->Recomputations(), 1);
    Settings.ViewMode = ViewMode::Equatorial;
}

// --- Zoom dialog ---

struct ZoomTyped {
    const char* text;
    int want;
};

void PrintTo(const ZoomTyped& c, std::ostream* os) { *os << '"' << c.text << '"'; }

class ZoomDialogValue : public WindowTest, public ::testing::WithParamInterface<ZoomTyped> {};

TEST_P(ZoomDialogValue, LimitedToOneToFourThousand)
{
    const ZoomTyped& c = GetParam();
    Settings.AutoZoom = true;
    QPoint where;
    WhenModalAppears([&](QWidget* modal) {
        auto* dialog = qobject_cast<TfZoom*>(modal);
        where = dialog->pos();
        EXPECT_EQ(dialog->rgZoom->ItemIndex(), 1) << "Autozoom shown while it is on";
        dialog->rgZoom->SetItemIndex(0);
        dialog->cbZoom->setEditText(c.text);
        ClickButton(dialog, "bbOK");
    });
    window->sbZoomClick();
    EXPECT_EQ(where, QPoint(783, 548));
    EXPECT_EQ(Settings.ZoomFactor, c.want) << c.text;
    EXPECT_FALSE(Settings.AutoZoom);
    EXPECT_FALSE(Button("sbZoomAuto")->isChecked());
    EXPECT_EQ(counting->Recomputations(), 1);
}

INSTANTIATE_TEST_SUITE_P(Dialogs, ZoomDialogValue,
                         ::testing::Values(ZoomTyped{"5000", 4000}, ZoomTyped{"0", 1}, ZoomTyped{"-20", 1},
                                           ZoomTyped{"300", 300}, ZoomTyped{" 25 ", 25}));

TEST_F(WindowTest, ZoomDialogShowsTheCurrentZoom)
{
    Settings.ZoomFactor = 64;
    WhenModalAppears([](QWidget* modal) {
        auto* dialog = qobject_cast<TfZoom*>(modal);
        EXPECT_EQ(dialog->rgZoom->ItemIndex(), 0);
        EXPECT_EQ(dialog->cbZoom->currentText(), "64");
        ClickButton(dialog, "bbCancel");
    });
    Action("Zoom1")->trigger();
    EXPECT_EQ(Settings.ZoomFactor, 64);
    EXPECT_EQ(counting->Recomputations(), 1) << "the driver runs after the dialog closes";
}

TEST_F(WindowTest, AutozoomThenPlutoGives500)
{
    WhenModalAppears([](QWidget* modal) {
        qobject_cast<TfZoom*>(modal)->rgZoom->SetItemIndex(1);
        ClickButton(modal, "bbOK");
    });
    Action("miZoom")->trigger();
    EXPECT_TRUE(Settings.AutoZoom);
    EXPECT_TRUE(Button("sbZoomAuto")->isChecked());
    Action("miPluton")->trigger();
    EXPECT_EQ(Settings.ZoomFactor, 500);
    Action("miJupiter")->trigger();
    EXPECT_EQ(Settings.ZoomFactor, 1);
}

TEST_F(WindowTest, ZoomDialogOkClearsTheView)
{
    Canvas& canvas = window->Port().ViewCanvas();
    canvas.SetPen({255, 255, 255});
    canvas.SetBrush({255, 255, 255}, BrushStyle::Solid);
    canvas.Rectangle(0, 0, 753, 603);
    const QImage* image = &window->Port().View().Image();
    bool checked = false;
    WhenModalAppears([&](QWidget* modal) {
        ClickButton(modal, "bbOK");
        // Before the driver draws again: a grey border around black.
        EXPECT_EQ(image->pixelColor(0, 0), QColor(128, 128, 128));
        EXPECT_EQ(image->pixelColor(752, 602), QColor(128, 128, 128));
        EXPECT_EQ(image->pixelColor(30, 30), QColor(0, 0, 0));
        checked = true;
    });
    window->miZoomClick();
    EXPECT_TRUE(checked);
}

// --- Field dialog ---

TEST_F(WindowTest, Field30ShowsA30ArcminuteCircleAtOnce)
{
    QPoint where;
    WhenModalAppears([&where](QWidget* modal) {
        auto* dialog = qobject_cast<TfChamp*>(modal);
        where = dialog->pos();
        dialog->rgChamp->SetItemIndex(6);
        EXPECT_FALSE(dialog->eChamp->isEnabled());
        ClickButton(dialog, "bbOK");
    });
    Button("sbChgChamp")->click();
    EXPECT_EQ(where, QPoint(778, 385));
    EXPECT_EQ(Settings.FieldOfView, 30.0);
    EXPECT_TRUE(Settings.ShowField);
    EXPECT_TRUE(Button("sbAffChamp")->isChecked());
    EXPECT_EQ(counting->Recomputations(), 1);
    // 30' at 3" per pixel is 600 px across: the circle's leftmost and rightmost pixels lie
    // 300 px either side of the centre (376, 301), on the row of the centre.
    const QImage& image = window->Port().View().Image();
    auto greyNear = [&image](int x, int y) {
        for (int dx = -1; dx <= 1; ++dx)
            if (image.pixelColor(x + dx, y) == QColor(128, 128, 128)) return true;
        return false;
    };
    EXPECT_TRUE(greyNear(376 - 300, 301)) << "left edge of the field circle";
    EXPECT_TRUE(greyNear(376 + 300, 301)) << "right edge of the field circle";
}

TEST_F(WindowTest, FieldTypedInOtherAndCancel)
{
    WhenModalAppears([](QWidget* modal) {
        auto* dialog = qobject_cast<TfChamp*>(modal);
        dialog->rgChamp->SetItemIndex(TfChamp::OtherItem);
        dialog->eChamp->setText("7.5");
        ClickButton(dialog, "bbOK");
    });
    window->sbChgChampClick();
    EXPECT_EQ(Settings.FieldOfView, 7.5);
    WhenModalAppears([](QWidget* modal) {
        qobject_cast<TfChamp*>(modal)->rgChamp->SetItemIndex(0);
        ClickButton(modal, "bbCancel");
    });
    window->sbChgChampClick();
    EXPECT_EQ(Settings.FieldOfView, 7.5) << "cancel changes nothing";
}

// --- Help and about ---

TEST_F(WindowTest, HelpIsCentredOnTheScreen)
{
    QRect shown;
    WhenModalAppears([&shown](QWidget* modal) {
        shown = modal->geometry();
        ClickButton(modal, "bbClose");
    });
    Action("miAide2")->trigger();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_LE(std::abs(shown.center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(shown.center().y() - screen.center().y()), 1);
}

TEST_F(WindowTest, AboutOpensFromItsMenuItem)
{
    QString opened;
    WhenModalAppears([&opened](QWidget* modal) {
        opened = modal->objectName();
        ClickButton(modal, "bbOK");
    });
    Action("miApropos")->trigger();
    EXPECT_EQ(opened, "fApropos");
    EXPECT_EQ(counting->Recomputations(), 0);
}

}  // namespace
}  // namespace vireon::testing

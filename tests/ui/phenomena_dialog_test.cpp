// The phenomena dialog on constructed rows: its French texts, the month it covers and its
// limits, the invisible rows, and the jump to a phenomenon.
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTest>
#include <QTreeWidget>

#include "core/conventions.h"
#include "window_test_support.h"

namespace vireon::testing {
namespace {

QStringList Listed(const TfPhenomenes& d)  // the list's rows, columns joined by " | "
{
    QStringList rows;
    for (QTreeWidgetItemIterator it(d.lvPhenomenes); *it; ++it)
        rows << QStringList{(*it)->text(0), (*it)->text(1), (*it)->text(2), (*it)->text(3)}.join(" | ");
    return rows;
}

// The search gives every kind once, a day and 1h01m01s apart from the month's first second,
// satellites 1..4 in turn, the third and sixth invisible; and one more row at its last second.
class Phenomena : public WindowTest {
protected:
    void SetUp() override
    {
        phenomena = [this](PlanetId, Extended first, Extended last) {
            ++searches;
            std::vector<Phenomenon> rows;
            for (int k = 0; k < 8; ++k)
                rows.push_back({first + k * (1 + 3661.0L / 86400), 1 + k % 4, PhenomenonKind(k), k % 3 != 2});
            rows.push_back({last, 2, PhenomenonKind::EclipseEnd, true});
            return rows;
        };
        WindowTest::SetUp();
        dialog = window->fPhenomenes;
    }
    int searches = 0;
    TfPhenomenes* dialog = nullptr;
};

TEST_F(Phenomena, FrenchTextsAndTheInvisibleRows)
{
    SetCurrentDate(At(20, 1, 2016, 12));
    dialog->Prepare();
    QStringList texts{dialog->windowTitle(), dialog->labTitre->text(), dialog->cbInvisibles->text()};
    for (int c = 0; c < TfPhenomenes::ColumnCount; ++c) texts << dialog->lvPhenomenes->headerItem()->text(c);
    for (auto* b : {dialog->bbMoisPrec, dialog->bbMoisSuiv, dialog->bbExporter, dialog->bbAfficher, dialog->bbFermer})
        texts << b->text();
    EXPECT_EQ(texts, QStringList({"Phénomènes", "JUPITER - janvier 2016",
                                  "Afficher aussi les phénomènes invisibles", "Date", "Heure", "Satellite",
                                  "Phénomène", "Mois précédent", "Mois suivant", "Exporter...", "Afficher", "Fermer"}));
    const QStringList all = {
        "01/01/2016 | 00:00:00 | Io | Début de passage", "02/01/2016 | 01:01:01 | Europe | Fin de passage",
        "03/01/2016 | 02:02:02 | Ganymède | Début de passage de l'ombre",
        "04/01/2016 | 03:03:03 | Callisto | Fin de passage de l'ombre",
        "05/01/2016 | 04:04:04 | Io | Début d'occultation", "06/01/2016 | 05:05:05 | Europe | Fin d'occultation",
        "07/01/2016 | 06:06:06 | Ganymède | Début d'éclipse", "08/01/2016 | 07:07:07 | Callisto | Fin d'éclipse",
        "31/01/2016 | 23:59:59 | Europe | Fin d'éclipse"};
    EXPECT_EQ(Listed(*dialog), QStringList({all[0], all[1], all[3], all[4], all[6], all[7], all[8]}));
    dialog->cbInvisibles->click();
    EXPECT_EQ(Listed(*dialog), all);
    QTreeWidget* list = dialog->lvPhenomenes;
    EXPECT_NE(list->topLevelItem(2)->foreground(0), list->topLevelItem(3)->foreground(0)) << "invisible in grey";
    EXPECT_EQ(searches, 1) << "the filter does not search again";
}

TEST_F(Phenomena, MonthButtonsStayInTheSupportedRange)
{
    const struct {  // lastSecond: of the month shown, the last row's
        CalendarFields date;
        int step;
        const char *title, *lastSecond;
        bool previous, next;
    } cases[] = {{At(31, 12, 2015, 23), +1, "JUPITER - janvier 2016", "31/01/2016 | 23:59:59", true, true},
                 {At(1, 3, 1500), -1, "JUPITER - février 1500", "29/02/1500 | 23:59:59", true, true},
                 {At(2, 2, 1), -1, "JUPITER - janvier 1", "31/01/0001 | 23:59:59", false, true},
                 {At(1, 1, 1), -1, "JUPITER - janvier 1", "31/01/0001 | 23:59:59", false, true},
                 {At(31, 12, 9999), +1, "JUPITER - décembre 9999", "31/12/9999 | 23:59:59", true, false}};
    for (const auto& c : cases) {
        SetCurrentDate(c.date);
        dialog->Prepare();
        c.step < 0 ? dialog->bbMoisPrecClick() : dialog->bbMoisSuivClick();
        EXPECT_EQ(dialog->labTitre->text(), QString::fromUtf8(c.title));
        EXPECT_TRUE(Listed(*dialog).last().startsWith(c.lastSecond)) << c.title;
        EXPECT_EQ(dialog->bbMoisPrec->isEnabled(), c.previous) << c.title;
        EXPECT_EQ(dialog->bbMoisSuiv->isEnabled(), c.next) << c.title;
    }
    EXPECT_EQ(Settings.Current, At(31, 12, 9999)) << "the month shown is not the program's date";
}

TEST_F(Phenomena, TheJumpToAPhenomenonAndTheWaysOut)
{
    const CalendarFields unchanged = At(4, 1, 2016);
    const struct {
        const char* view;
        std::function<void(TfPhenomenes*)> answer;
        CalendarFields want;
        int recomputations;
    } cases[] = {
        // Enter on the row selected at opening: the first at or after the current instant.
        {"miEquatoriale1", [](TfPhenomenes* d) { QTest::keyClick(d->lvPhenomenes, Qt::Key_Return); },
         At(4, 1, 2016, 3, 3, 3), 1},
        {"miPolaire1", [](TfPhenomenes* d) {
             d->lvPhenomenes->setCurrentItem(d->lvPhenomenes->topLevelItem(4));
             d->bbAfficher->click();
         }, At(7, 1, 2016, 6, 6, 6), 1},
        {"miGraphique1", [](TfPhenomenes* d) {  // a user's double click: a click, then the double click
             const QPoint row = d->lvPhenomenes->visualItemRect(d->lvPhenomenes->topLevelItem(6)).center();
             QTest::mouseClick(d->lvPhenomenes->viewport(), Qt::LeftButton, {}, row);
             QTest::mouseDClick(d->lvPhenomenes->viewport(), Qt::LeftButton, {}, row);
         }, At(31, 1, 2016, 23, 59, 59), 1},
        {"miPolaire1", [](TfPhenomenes* d) { d->bbFermer->click(); }, unchanged, 0},
        {"miPolaire1", [](TfPhenomenes* d) {  // Enter with no row selected does nothing
             d->lvPhenomenes->clearSelection();
             QTest::keyClick(d->lvPhenomenes, Qt::Key_Return);
             QTest::keyClick(d, Qt::Key_Escape);
         }, unchanged, 0}};
    for (const auto& c : cases) {
        SetCurrentDate(unchanged);
        Action(c.view)->trigger();
        counting->Reset();
        WhenModalAppears([&c](QWidget* modal) {
            auto* d = qobject_cast<TfPhenomenes*>(modal);
            c.answer(d);
            EXPECT_FALSE(d->isVisible()) << "the dialog stayed open";
            if (d->isVisible()) d->reject();
        });
        Button("sbPhenomenes")->click();
        EXPECT_EQ(Settings.Current, c.want) << c.view;
        EXPECT_EQ(Settings.CurrentJD, static_cast<Extended>(JulianDayFromCalendar(c.want))) << c.view;
        EXPECT_EQ(counting->Recomputations(), c.recomputations) << c.view;
        EXPECT_EQ(Settings.ViewMode == ViewMode::Equatorial, c.recomputations > 0) << c.view;
        EXPECT_EQ(Button("sbEqu")->isChecked(), c.recomputations > 0) << c.view;
    }
}

// On the clock of UT with a site: the month and the rows are read in UT and the title says so;
// the column "Hauteur" gives the planet's altitude at each row, and the box keeps the observable
// rows only (both absent without a site).
TEST_F(Phenomena, TheClockOfTheRowsAndTheSitesColumn)
{
    SetTimeScale(Settings, {TimeScaleKind::Universal, ""});
    SetCurrentDate(At(20, 1, 2016, 12));
    Settings.CurrentJD = TerrestrialOfFields(Settings, Settings.Current);
    dialog->Prepare();
    EXPECT_EQ(dialog->labTitre->text(), "JUPITER - janvier 2016 (UT)");
    EXPECT_TRUE(Listed(*dialog).first().startsWith("01/01/2016 | 00:00:00 | Io")) << "the month's first UT second";
    EXPECT_TRUE(Listed(*dialog).last().startsWith("31/01/2016 | 23:59:59 | Europe"));
    EXPECT_EQ(dialog->lvPhenomenes->columnCount(), 4);
    EXPECT_TRUE(dialog->cbObservables->isHidden());

    const ObservingSite site{"Paris", 48.85, 2.35, 35};
    Settings.Site = site;
    dialog->Prepare();
    ASSERT_EQ(dialog->lvPhenomenes->columnCount(), 5);
    EXPECT_EQ(dialog->lvPhenomenes->headerItem()->text(TfPhenomenes::ColHauteur), "Hauteur");
    EXPECT_FALSE(dialog->cbObservables->isHidden());
    EXPECT_FALSE(dialog->cbObservables->isChecked());
    EXPECT_EQ(dialog->cbObservables->text(), "Seulement les phénomènes observables depuis le lieu");
    EXPECT_EQ(dialog->cbObservables->toolTip(), "Hauteur de la planète d'au moins 10° et Soleil à au moins 6° sous l'horizon");
    dialog->cbInvisibles->click();
    int observable = 0;
    for (QTreeWidgetItemIterator it(dialog->lvPhenomenes); *it; ++it) {
        const CalendarFields at = At((*it)->text(0).left(2).toInt(), (*it)->text(0).mid(3, 2).toInt(), 2016,
                                     (*it)->text(1).left(2).toInt(), (*it)->text(1).mid(3, 2).toInt(),
                                     (*it)->text(1).right(2).toInt());
        const Extended jd = TerrestrialOfFields(Settings, at);
        const SiteAltitudes want = AltitudesAt(site, Jupiter, jd, UniversalFromTerrestrial(jd));
        EXPECT_EQ((*it)->text(TfPhenomenes::ColHauteur), QString::fromStdString(FormatFixed(want.PlanetAltitudeDeg, 0)) + "°")
            << (*it)->text(0).toStdString() << " " << (*it)->text(1).toStdString();
        observable += IsObservable(want);
    }
    ASSERT_GT(observable, 0);
    ASSERT_LT(observable, dialog->lvPhenomenes->topLevelItemCount());
    dialog->cbObservables->click();
    EXPECT_EQ(dialog->lvPhenomenes->topLevelItemCount(), observable);
}

// The Red Spot's longitude, typed in the field and read on Enter: a longitude adds the spot's
// transits (always listed, the satellite column empty) and lasts from one opening to the next;
// anything else warns and changes nothing; an empty field takes the rows away again. Saturn has
// no field.
TEST_F(Phenomena, RedSpotLongitudeField)
{
    SetCurrentDate(At(20, 1, 2016, 12));
    dialog->Prepare();
    dialog->show();  // so that Enter could reach the default button "Afficher"
    ASSERT_FALSE(dialog->eTacheRouge->isHidden());
    EXPECT_EQ(dialog->labTacheRouge->text(), "Tache rouge (longitude II) :");
    EXPECT_EQ(dialog->eTacheRouge->text(), "");
    const int satelliteRows = dialog->lvPhenomenes->topLevelItemCount();
    const auto spotRows = [this] {
        QStringList rows;
        for (const QString& row : Listed(*dialog))
            if (row.endsWith("|  | Passage de la Tache rouge")) rows << row;
        return rows;
    };
    const struct {
        const char* typed;
        bool refused;
        const char* shown;  // the field afterwards
        int spotRows;       // in January 2016 (a transit every 9 h 56 min)
    } cases[] = {
        {"30", false, "30", 75}, {"361", true, "30", 75},   {"-1", true, "30", 75},  {"12,5", true, "30", 75},
        {"abc", true, "30", 75}, {" 359.5 ", false, "359.5", 75}, {"", false, "", 0}, {"0", false, "0", 75},
    };
    for (const auto& c : cases) {
        bool warned = false;
        if (c.refused) {
            WhenModalAppears([&warned](QWidget* modal) {
                auto* box = qobject_cast<QMessageBox*>(modal);
                ASSERT_NE(box, nullptr);
                warned = box->text() == "Longitude invalide.";
                box->button(QMessageBox::Ok)->click();
            });
        }
        dialog->eTacheRouge->setText(c.typed);
        QTest::keyClick(dialog->eTacheRouge, Qt::Key_Return);
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(warned, c.refused);
        EXPECT_EQ(dialog->eTacheRouge->text(), c.shown);
        EXPECT_EQ(spotRows().size(), c.spotRows);
        EXPECT_EQ(dialog->lvPhenomenes->topLevelItemCount(), satelliteRows + c.spotRows) << "always listed";
        EXPECT_EQ(Settings.RedSpotLongitude.has_value(), std::string(c.shown) != "");
    }
    // The transits come in the order of the instants, the first of the month first.
    const QStringList rows = spotRows();
    EXPECT_TRUE(rows.front().startsWith("01/01/2016 | ")) << rows.front().toStdString();
    EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end(), [](const QString& a, const QString& b) {
        return a.mid(6, 4) + a.mid(3, 2) + a.left(2) + a.mid(13, 8) < b.mid(6, 4) + b.mid(3, 2) + b.left(2) + b.mid(13, 8);
    }));
    EXPECT_TRUE(dialog->isVisible() && !dialog->Chosen()) << "Enter in the field does not press Afficher";
    dialog->hide();

    // Kept for the next opening, and never shown for Saturn.
    dialog->Prepare();
    EXPECT_EQ(dialog->eTacheRouge->text(), "0");
    Action("miSaturne")->trigger();
    dialog->Prepare();
    EXPECT_TRUE(dialog->eTacheRouge->isHidden());
    EXPECT_TRUE(spotRows().isEmpty());
}

}  // namespace
}  // namespace vireon::testing

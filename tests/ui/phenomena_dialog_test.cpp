// The phenomena dialog on constructed rows: its French texts, the month it covers and its
// limits, the invisible rows, and the jump to a phenomenon.
#include <QCheckBox>
#include <QLabel>
#include <QTest>
#include <QTreeWidget>

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
    for (auto* b : {dialog->bbMoisPrec, dialog->bbMoisSuiv, dialog->bbAfficher, dialog->bbFermer}) texts << b->text();
    EXPECT_EQ(texts, QStringList({"Phénomènes", "JUPITER - janvier 2016",
                                  "Afficher aussi les phénomènes invisibles", "Date", "Heure", "Satellite",
                                  "Phénomène", "Mois précédent", "Mois suivant", "Afficher", "Fermer"}));
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

}  // namespace
}  // namespace vireon::testing

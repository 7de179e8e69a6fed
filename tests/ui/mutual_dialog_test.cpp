// The mutual events dialog: its French texts on constructed events of every kind, the invisible
// events, its place in the menu; on the real events of September 2026, the pictures of the
// event selected and the jump to its maximum.
#include <QCheckBox>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QTest>
#include <QTreeWidget>

#include <algorithm>

#include "satellites/mutual_events.h"
#include "ui/qt_display_port.h"
#include "ui/view_widgets.h"
#include "window_test_support.h"

namespace vireon::testing {
namespace {

QStringList Listed(const TfMutuels& d)  // the list's rows, columns joined by " | "
{
    QStringList rows;
    for (QTreeWidgetItemIterator it(d.lvMutuels); *it; ++it) {
        QStringList columns;
        for (int c = 0; c < TfMutuels::ColumnCount; ++c) columns << (*it)->text(c);
        rows << columns.join(" | ");
    }
    return rows;
}

MutualEvent Constructed(Extended maximum, MutualKind kind, int active, int passive, MutualCoverage coverage,
                        double fluxDrop, bool visible)
{
    MutualEvent e;
    e.Kind = kind;
    e.Active = active;
    e.Passive = passive;
    e.StartJD = maximum - 100 / 86400.0L;
    e.MaximumJD = maximum;
    e.EndJD = maximum + 130 / 86400.0L;
    e.Coverage = coverage;
    e.FluxDrop = fluxDrop;
    e.Visible = visible;
    return e;
}

class Mutual : public WindowTest {
protected:
    void SetUp() override
    {
        mutual = [this](PlanetId, Extended first, Extended) {
            ++searches;
            std::vector<MutualEvent> rows;
            const auto day = [first](int d, int h) { return first + d + h / 24.0L; };
            using K = MutualKind;
            using C = MutualCoverage;
            rows.push_back(Constructed(day(0, 1), K::Occultation, 1, 2, C::Total, 0.329, true));
            rows.push_back(Constructed(day(1, 2), K::Occultation, 2, 1, C::Partial, 0.221, true));
            rows.push_back(Constructed(day(2, 3), K::Occultation, 4, 3, C::Annular, 0.05, false));
            rows.push_back(Constructed(day(3, 4), K::Eclipse, 1, 2, C::Total, 0.5, true));
            rows.push_back(Constructed(day(4, 5), K::Eclipse, 2, 1, C::Partial, 0.083, true));
            rows.push_back(Constructed(day(5, 6), K::Eclipse, 3, 4, C::Penumbral, 0.023, true));
            rows.push_back(Constructed(day(6, 7), K::Eclipse, 1, 4, C::Annular, 0.0004, false));
            return rows;
        };
        WindowTest::SetUp();
        dialog = window->fMutuels;
    }
    int searches = 0;
    TfMutuels* dialog = nullptr;
};

TEST_F(Mutual, FrenchTextsAndTheInvisibleEvents)
{
    SetCurrentDate(At(20, 9, 2026, 12));
    dialog->Prepare();
    QStringList texts{dialog->windowTitle(), dialog->labTitre->text(), dialog->cbInvisibles->text()};
    for (int c = 0; c < TfMutuels::ColumnCount; ++c) texts << dialog->lvMutuels->headerItem()->text(c);
    for (auto* b : {dialog->bbMoisPrec, dialog->bbMoisSuiv, dialog->bbExporter, dialog->bbAfficher, dialog->bbFermer})
        texts << b->text();
    EXPECT_EQ(texts, QStringList({"Phénomènes mutuels", "JUPITER - septembre 2026",
                                  "Afficher aussi les phénomènes invisibles", "Date", "Début", "Maximum", "Fin",
                                  "Phénomène", "Chute", "Mois précédent", "Mois suivant", "Exporter...", "Afficher", "Fermer"}));
    // The drops: -2.5 log10(1 - flux drop).
    const QStringList all = {
        "01/09/2026 | 00:58:20 | 01:00:00 | 01:02:10 | Io occulte Europe | 0.43 mag",
        "02/09/2026 | 01:58:20 | 02:00:00 | 02:02:10 | Europe occulte Io (partielle) | 0.27 mag",
        "03/09/2026 | 02:58:20 | 03:00:00 | 03:02:10 | Callisto occulte Ganymède (annulaire) | 0.06 mag",
        "04/09/2026 | 03:58:20 | 04:00:00 | 04:02:10 | Io éclipse Europe | 0.75 mag",
        "05/09/2026 | 04:58:20 | 05:00:00 | 05:02:10 | Europe éclipse Io (partielle) | 0.09 mag",
        "06/09/2026 | 05:58:20 | 06:00:00 | 06:02:10 | Ganymède éclipse Callisto (pénombre) | 0.03 mag",
        "07/09/2026 | 06:58:20 | 07:00:00 | 07:02:10 | Io éclipse Callisto (annulaire) | 0.00 mag"};
    EXPECT_EQ(Listed(*dialog), QStringList({all[0], all[1], all[3], all[4], all[5]}));
    dialog->cbInvisibles->click();
    EXPECT_EQ(Listed(*dialog), all);
    QTreeWidget* list = dialog->lvMutuels;
    EXPECT_NE(list->topLevelItem(2)->foreground(0), list->topLevelItem(1)->foreground(0)) << "invisible in grey";
    EXPECT_EQ(searches, 1) << "the filter does not search again";
    dialog->bbMoisSuivClick();
    EXPECT_EQ(dialog->labTitre->text(), "JUPITER - octobre 2026");
    EXPECT_FALSE(dialog->bbAfficher->isEnabled()) << "no event selected in another month";

    // In "Vue", right after the month's phenomena.
    const QList<QAction*> view = window->findChild<QMenu*>("miVue")->actions();
    const auto at = std::find(view.begin(), view.end(), Action("miPhenomenes"));
    ASSERT_NE(at, view.end());
    EXPECT_EQ(*(at + 1), Action("miMutuels"));
}

// In UT with a site: the title names the clock, the times are read in UT (69.184 s before TT),
// and the column "Hauteur" and the box of the observable events come with the site.
TEST_F(Mutual, TheClockAndTheSitesColumn)
{
    SetTimeScale(Settings, {TimeScaleKind::Universal, ""});
    SetCurrentDate(At(20, 9, 2026, 12));
    Settings.CurrentJD = TerrestrialOfFields(Settings, Settings.Current);
    Settings.Site = ObservingSite{"Paris", 48.85, 2.35, 35};
    dialog->Prepare();
    dialog->cbInvisibles->click();
    EXPECT_EQ(dialog->labTitre->text(), "JUPITER - septembre 2026 (UT)");
    ASSERT_EQ(dialog->lvMutuels->columnCount(), TfMutuels::ColumnCount + 1);
    EXPECT_EQ(dialog->lvMutuels->headerItem()->text(TfMutuels::ColHauteur), "Hauteur");
    EXPECT_TRUE(Listed(*dialog).first().startsWith("01/09/2026 | 00:58:20 | 01:00:00 | 01:02:10")) << "the month begins at 00:00 UT";
    int observable = 0;
    for (QTreeWidgetItemIterator it(dialog->lvMutuels); *it; ++it) {
        EXPECT_TRUE((*it)->text(TfMutuels::ColHauteur).endsWith("°"));
        observable += (*it)->text(TfMutuels::ColHauteur).chopped(1).toInt() >= 10;  // the Sun aside
    }
    EXPECT_FALSE(dialog->cbObservables->isHidden());
    dialog->cbObservables->click();
    EXPECT_LE(dialog->lvMutuels->topLevelItemCount(), observable);
    Settings.Site.reset();
    dialog->Prepare();
    EXPECT_EQ(dialog->lvMutuels->columnCount(), TfMutuels::ColumnCount);
    EXPECT_TRUE(dialog->cbObservables->isHidden());
}

// The real events of September 2026 (the search's own), from the 1st at 20:00: the first event
// after it, Io's eclipse of Europe (maximum 20:36:50), is selected and pictured; "Afficher" sets
// the instant to its maximum in the equatorial view.
class RealMutual : public WindowTest {};

TEST_F(RealMutual, PicturesOfTheSelectedEventAndTheJumpToItsMaximum)
{
    SetCurrentDate(At(1, 9, 2026, 20));
    Action("miPolaire1")->trigger();
    counting->Reset();
    WhenModalAppears([](QWidget* modal) {
        auto* d = qobject_cast<TfMutuels*>(modal);
        ASSERT_NE(d, nullptr);
        ASSERT_FALSE(d->lvMutuels->selectedItems().isEmpty());
        EXPECT_EQ(d->lvMutuels->selectedItems().front()->text(TfMutuels::ColPhenomene), "Io éclipse Europe (partielle)");
        // The light curve in white, its maximum in red; Europe's disc, and Io's umbra in dark blue.
        const auto count = [](ImageBox* box, QColor colour) {
            const QImage image = box->grab().toImage();
            int n = 0;
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x) n += image.pixelColor(x, y) == colour;
            return n;
        };
        EXPECT_GT(count(d->pbCourbe, QColor(255, 255, 255)), 100);
        EXPECT_GT(count(d->pbCourbe, QColor(255, 0, 0)), 50);
        EXPECT_GT(count(d->pbDisques, QColor(0, 255, 0)), 1000);
        EXPECT_GT(count(d->pbDisques, QColor(0, 0, 160)), 100);
        d->bbAfficher->click();
        if (d->isVisible()) d->reject();
    });
    Action("miMutuels")->trigger();
    EXPECT_EQ(Settings.Current, At(1, 9, 2026, 20, 36, 50));
    EXPECT_EQ(Settings.ViewMode, ViewMode::Equatorial);
    EXPECT_EQ(counting->Recomputations(), 1);
}

}  // namespace
}  // namespace vireon::testing

// The mutual events dialog: its French texts on constructed events of every kind, the invisible
// events; on the real events of September 2026, the pictures of the event selected and the jump.
#include <QCheckBox>
#include <QImage>
#include <QLabel>
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


class Mutual : public WindowTest {
protected:
    void SetUp() override
    {
        // On day d of the month at d + 1 h, maxima 100 s after the start and 130 s before the end.
        mutual = [this](PlanetId, Extended first, Extended) {
            ++searches;
            using K = MutualKind;
            using C = MutualCoverage;
            const struct { K kind; int active, passive; C coverage; double drop; bool visible; } kinds[] = {
                {K::Occultation, 1, 2, C::Total, 0.329, true},  {K::Occultation, 2, 1, C::Partial, 0.221, true},
                {K::Occultation, 4, 3, C::Annular, 0.05, false}, {K::Eclipse, 1, 2, C::Total, 0.5, true},
                {K::Eclipse, 2, 1, C::Partial, 0.083, true},     {K::Eclipse, 3, 4, C::Penumbral, 0.023, true},
                {K::Eclipse, 1, 4, C::Annular, 0.0004, false}};
            std::vector<MutualEvent> rows;
            for (int d = 0; d < 7; ++d) {
                MutualEvent& e = rows.emplace_back();
                e.Kind = kinds[d].kind, e.Active = kinds[d].active, e.Passive = kinds[d].passive;
                e.MaximumJD = first + d + (d + 1) / 24.0L;
                e.StartJD = e.MaximumJD - 100 / 86400.0L, e.EndJD = e.MaximumJD + 130 / 86400.0L;
                e.Coverage = kinds[d].coverage, e.FluxDrop = kinds[d].drop, e.Visible = kinds[d].visible;
            }
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
    EXPECT_TRUE(dialog->lvMutuels->topLevelItem(0)->text(TfMutuels::ColHauteur).endsWith("°"));
    EXPECT_FALSE(dialog->cbObservables->isHidden());
    dialog->cbObservables->click();
    for (QTreeWidgetItemIterator it(dialog->lvMutuels); *it; ++it)
        EXPECT_GE((*it)->text(TfMutuels::ColHauteur).chopped(1).toInt(), 10) << "observable: the planet 10° up";
    Settings.Site.reset();
    dialog->Prepare();
    EXPECT_EQ(dialog->lvMutuels->columnCount(), TfMutuels::ColumnCount);
    EXPECT_TRUE(dialog->cbObservables->isHidden());
}

// The real events from 2026-09-01 20:00: the first after it, Io's eclipse of Europe (maximum
// 20:36:50), is selected and pictured; "Afficher" goes to its maximum in the equatorial view.
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
            const QImage image = box->grab().toImage().convertToFormat(QImage::Format_RGB32);
            const auto* pixels = reinterpret_cast<const QRgb*>(image.constBits());
            return std::count(pixels, pixels + image.width() * image.height(), colour.rgb());
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

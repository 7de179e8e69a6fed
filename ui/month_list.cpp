#include "ui/month_list.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>

#include <algorithm>

#include "core/conventions.h"
#include "core/settings.h"
#include "ui/dialog_support.h"

namespace vireon {
namespace {

// Item data: the index of the row in the month's rows.
constexpr int RowIndexRole = Qt::UserRole;

const QColor InvisibleGrey(128, 128, 128);

// Half a second, in days: the rows are whole seconds.
constexpr Extended HalfSecondDays = 0.5L / 86400;

int RowIndexOf(const QTreeWidgetItem* item) { return item->data(0, RowIndexRole).toInt(); }

}  // namespace

QLabel* MakeMonthTitle(QWidget* parent)
{
    auto* title = new QLabel(parent);
    title->setObjectName("labTitre");
    title->setTextFormat(Qt::PlainText);
    title->setAlignment(Qt::AlignCenter);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    return title;
}

QTreeWidget* MakeMonthList(const char* objectName, const QStringList& labels, QWidget* parent)
{
    auto* list = new QTreeWidget(parent);
    list->setObjectName(objectName);
    list->setColumnCount(static_cast<int>(labels.size()));
    list->setHeaderLabels(labels);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setSelectionBehavior(QAbstractItemView::SelectRows);
    list->setSortingEnabled(false);
    list->header()->setSectionsMovable(false);
    list->header()->setStretchLastSection(true);
    return list;
}

QCheckBox* MakeInvisiblesBox(QWidget* parent)
{
    auto* box = new QCheckBox("Afficher aussi les phénomènes invisibles", parent);
    box->setObjectName("cbInvisibles");
    box->setChecked(false);
    return box;
}

MonthButtons MakeMonthButtons(QWidget* dialog)
{
    MonthButtons b{MakeDialogButton("bbMoisPrec", "Mois précédent", dialog),
                   MakeDialogButton("bbMoisSuiv", "Mois suivant", dialog),
                   MakeDialogButton("bbExporter", "Exporter...", dialog),
                   MakeDialogButton("bbAfficher", "Afficher", dialog),
                   MakeDialogButton("bbFermer", "Fermer", dialog), new QHBoxLayout};
    b.Show->setDefault(true);
    b.Row->addWidget(b.Previous);
    b.Row->addWidget(b.Next);
    b.Row->addStretch();
    for (QPushButton* button : {b.Export, b.Show, b.Close}) b.Row->addWidget(button);
    return b;
}

int ColumnWidth(const QFontMetrics& metrics, const QStringList& texts)
{
    int widest = 0;
    for (const QString& text : texts) widest = std::max(widest, metrics.horizontalAdvance(text));
    return widest + 2 * metrics.averageCharWidth() + 8;
}

QCheckBox* MakeObservablesBox(QWidget* parent)
{
    auto* box = new QCheckBox("Seulement les phénomènes observables depuis le lieu", parent);
    box->setObjectName("cbObservables");
    box->setChecked(false);
    box->setToolTip(QString::fromUtf8(ObservableRuleText));
    return box;
}

std::vector<std::optional<SiteAltitudes>> SiteSkyAt(PlanetId planet, const std::vector<Extended>& sortedJDs)
{
    std::vector<std::optional<SiteAltitudes>> sky(sortedJDs.size());
    if (!Settings.Site || sortedJDs.empty()) return sky;
    // One track covers the month.
    const AltitudeTrack track(*Settings.Site, planet, sortedJDs.front(), sortedJDs.back());
    for (std::size_t i = 0; i < sortedJDs.size(); ++i) sky[i] = track.At(sortedJDs[i], UniversalFromTerrestrial(sortedJDs[i]));
    return sky;
}

void ShowSiteColumn(QTreeWidget* list, QStringList labels, QCheckBox* observables, int lastWidth,
                    int widthWithoutSite, int altitudeWidth)
{
    const bool site = Settings.Site.has_value();
    observables->setVisible(site);
    if (site) labels << "Hauteur";
    list->setColumnCount(static_cast<int>(labels.size()));
    list->setHeaderLabels(labels);
    if (site) list->header()->resizeSection(static_cast<int>(labels.size()) - 2, lastWidth);
    list->setMinimumWidth(widthWithoutSite + (site ? altitudeWidth : 0));
}

void FillMonthList(QTreeWidget* list, int rowCount, const std::function<ListedRow(int)>& rowOf,
                   const std::vector<std::optional<SiteAltitudes>>& sky, bool invisibleToo, bool observableOnly,
                   int selectedRow)
{
    QList<QTreeWidgetItem*> items;
    QTreeWidgetItem* reselect = nullptr;
    for (int i = 0; i < rowCount; ++i) {
        const std::optional<SiteAltitudes>& at = sky[static_cast<std::size_t>(i)];
        if (observableOnly && at && !IsObservable(*at)) continue;
        ListedRow row = rowOf(i);
        if (!row.Visible && !invisibleToo) continue;
        if (at) row.Columns << QString::fromStdString(FormatFixed(at->PlanetAltitudeDeg, 0)) + "°";
        auto* item = new QTreeWidgetItem(row.Columns);
        item->setData(0, RowIndexRole, i);
        // Listed on request, and told apart from the ones the observer can see.
        if (!row.Visible)
            for (int column = 0; column < row.Columns.size(); ++column) item->setForeground(column, InvisibleGrey);
        if (i == selectedRow) reselect = item;
        items << item;
    }
    const QSignalBlocker quiet(list);
    list->clear();
    list->addTopLevelItems(items);
    if (reselect) {
        list->setCurrentItem(reselect);
        list->scrollToItem(reselect);
    }
}

int SelectedRowIndex(const QTreeWidget* list)
{
    const QList<QTreeWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : RowIndexOf(selected.front());
}

std::vector<std::size_t> ListedRowIndexes(const QTreeWidget* list)
{
    std::vector<std::size_t> rows;
    for (int i = 0; i < list->topLevelItemCount(); ++i) rows.push_back(static_cast<std::size_t>(RowIndexOf(list->topLevelItem(i))));
    return rows;
}

void SelectFirstListedFrom(QTreeWidget* list, const std::function<Extended(int)>& rowJD, Extended jd)
{
    for (int i = 0; i < list->topLevelItemCount(); ++i) {
        QTreeWidgetItem* item = list->topLevelItem(i);
        if (rowJD(RowIndexOf(item)) >= jd - HalfSecondDays) {
            list->setCurrentItem(item);
            list->scrollToItem(item, QAbstractItemView::PositionAtCenter);
            return;
        }
    }
}

}  // namespace vireon

// Saving, printing and the lists' exports through the replaceable save and print dialogs: the
// lists' CSV and iCalendar files equal vireon-ephem's for the same month, clock and site; a file
// that cannot be written gets its message and loses nothing; the image has the view's pixels.
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <sys/resource.h>

#include <csignal>
#include <cstdio>
#include <optional>
#include <sstream>

#include "satellites/planet_descriptor.h"
#include "window_test_support.h"

namespace vireon::testing {
namespace {

// What vireon-ephem prints for its arguments.
std::string Ephem(const std::string& arguments)
{
    const std::string command = VIREON_BINARY_DIR "/vireon-ephem " + arguments;
    std::string out;
    if (FILE* pipe = popen(command.c_str(), "r")) {
        char buffer[4096];
        for (std::size_t n; (n = fread(buffer, 1, sizeof buffer, pipe)) > 0;) out.append(buffer, n);
        pclose(pipe);
    }
    return out;
}

std::vector<std::string> Lines(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
}

// A calendar file without what depends on when and where it was written.
std::string WithoutStampAndLocation(const std::string& ics)
{
    std::string kept;
    for (const std::string& line : Lines(ics))
        if (line.rfind("DTSTAMP:", 0) != 0 && line.rfind("LOCATION:", 0) != 0) kept += line + "\n";
    return kept;
}

std::string Read(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

void Write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// The header and the rows of --events whose seventh column, "visible", is 1 (the list's default).
std::vector<std::string> VisibleEvents(const std::vector<std::string>& csv)
{
    std::vector<std::string> kept = {csv.at(0)};
    for (std::size_t r = 1; r < csv.size(); ++r) {
        std::size_t at = 0;
        for (int comma = 0; comma < 6; ++comma) at = csv[r].find(',', at) + 1;
        if (csv[r].compare(at, 1, "1") == 0) kept.push_back(csv[r]);
    }
    return kept;
}

// Paris's clock and site, as the tests' window is set.
constexpr const char* Clock = " --time-scale local --time-zone Europe/Paris --site 48.85,2.35,35";

class Export : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(folder.isValid());
        SetCurrentDate(At(5, 9, 2026, 12));
        SetTimeScale(Settings, {TimeScaleKind::Local, "Europe/Paris"});
        Settings.Site = ObservingSite{"Paris", 48.85, 2.35, 35};
        Settings.RedSpotLongitude = 60;
    }

    // A chooser answering with a path in the test's folder, remembering what it was asked.
    SaveFileChooser Answering(const QString& name, const QString& filter)
    {
        return [this, name, filter](QWidget*, const QString& caption, const QString& suggested, const QStringList& filters) {
            asked << caption << QFileInfo(suggested).fileName() << filters.join(";;");
            return SaveChoice{name.isEmpty() ? QString() : folder.filePath(name), filter};
        };
    }

    QTemporaryDir folder;
    QStringList asked;
};

TEST_F(Export, ThePhenomenaAsVireonEphemWritesThem)
{
    TfPhenomenes* d = window->fPhenomenes;
    d->Prepare();
    const std::string events = "--events --planet jupiter --date 2026-09-01T00:00:00 --days 30 --grs-longitude 60";
    const std::vector<std::string> all = Lines(Ephem(events + Clock));
    ASSERT_GT(all.size(), 100u);

    d->ChooseExportFile = Answering("septembre", "Fichiers CSV (*.csv)");
    d->bbExporter->click();
    EXPECT_EQ(asked, QStringList({"Exporter les phénomènes", "vireon-jupiter-phenomenes-2026-09.csv",
                                  "Fichiers CSV (*.csv);;iCalendar (*.ics)"}));
    const std::vector<std::string> want = VisibleEvents(all);
    EXPECT_EQ(Lines(Read(folder.filePath("septembre.csv"))), want) << "the listed rows, the invisible ones left out";
    EXPECT_EQ(static_cast<int>(want.size()) - 1, d->lvPhenomenes->topLevelItemCount());

    d->cbObservables->click();
    d->ChooseExportFile = Answering("observables.CSV", "iCalendar (*.ics)");
    d->bbExporter->click();
    EXPECT_EQ(Lines(Read(folder.filePath("observables.CSV"))), VisibleEvents(Lines(Ephem(events + Clock + " --observable"))))
        << "the name's suffix says the format";

    d->cbObservables->click();
    d->cbInvisibles->click();
    d->ChooseExportFile = Answering("septembre", "iCalendar (*.ics)");
    d->bbExporter->click();
    const std::string ics = Read(folder.filePath("septembre.ics"));
    EXPECT_EQ(WithoutStampAndLocation(ics), WithoutStampAndLocation(Ephem(events + Clock + " --format ics")));
    EXPECT_NE(ics.find("\r\nLOCATION:Paris\r\n"), std::string::npos);
}

TEST_F(Export, TheMutualEventsAsVireonEphemWritesThem)
{
    TfMutuels* d = window->fMutuels;
    d->Prepare();
    d->cbInvisibles->click();
    const std::string mutual = "--mutual --planet jupiter --date 2026-09-01T00:00:00 --days 30";
    d->ChooseExportFile = Answering("mutuels.csv", "Fichiers CSV (*.csv)");
    d->bbExporter->click();
    const std::vector<std::string> want = Lines(Ephem(mutual + Clock));
    ASSERT_GT(want.size(), 20u);
    EXPECT_EQ(Lines(Read(folder.filePath("mutuels.csv"))), want);
    EXPECT_EQ(asked.value(1), "vireon-jupiter-mutuels-2026-09.csv");

    d->ChooseExportFile = Answering("mutuels.ics", "Fichiers CSV (*.csv)");
    d->bbExporter->click();
    EXPECT_EQ(WithoutStampAndLocation(Read(folder.filePath("mutuels.ics"))),
              WithoutStampAndLocation(Ephem(mutual + Clock + " --format ics")));
}

// A disk that fills up: writes past RLIMIT_FSIZE fail, for root too (SIGXFSZ ignored).
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) : handler_(std::signal(SIGXFSZ, SIG_IGN))
    {
        getrlimit(RLIMIT_FSIZE, &saved_);
        rlimit limited = saved_;
        limited.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limited);
    }
    ~FileSizeLimit()
    {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, handler_);
    }

private:
    void (*handler_)(int);
    rlimit saved_{};
};

TEST_F(Export, AFileThatCannotBeWrittenIsToldAndNothingIsLost)
{
    TfMutuels* d = window->fMutuels;
    d->Prepare();
    const int rows = d->lvMutuels->topLevelItemCount();
    const int selected = d->lvMutuels->indexOfTopLevelItem(d->lvMutuels->currentItem());
    ASSERT_GT(rows, 20);
    const QString earlier = folder.filePath("précieux.csv");
    Write(earlier, "ce qui était là\n");
    ASSERT_TRUE(QDir(folder.path()).mkpath("un dossier.csv/dedans"));
    const struct {
        const char* what;
        QString path;
        rlim_t sizeLimit;  // 0: none
    } cases[] = {
        {"a folder that does not exist", folder.filePath("absent/mutuels.csv"), 0},
        {"a folder where the file should be", folder.filePath("un dossier.csv"), 0},
        {"a disk full half-way, over an earlier file", earlier, 2000},
    };
    for (const auto& c : cases) {
        platform.messages.clear();
        d->ChooseExportFile = [&c](QWidget*, const QString&, const QString&, const QStringList&) {
            return SaveChoice{c.path, "Fichiers CSV (*.csv)"};
        };
        {
            std::optional<FileSizeLimit> full;
            if (c.sizeLimit > 0) full.emplace(c.sizeLimit);
            d->bbExporter->click();
        }
        EXPECT_EQ(platform.messages, std::vector<std::string>{UnsavedFileMessage(c.path).toStdString()}) << c.what;
        EXPECT_EQ(d->lvMutuels->topLevelItemCount(), rows) << c.what;
        EXPECT_EQ(d->lvMutuels->indexOfTopLevelItem(d->lvMutuels->currentItem()), selected) << c.what;
    }
    EXPECT_FALSE(QFileInfo::exists(folder.filePath("absent")));
    EXPECT_TRUE(QFileInfo(folder.filePath("un dossier.csv/dedans")).isDir());
    EXPECT_EQ(Read(earlier), "ce qui était là\n") << "the earlier file is as it was";
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList({"précieux.csv"})) << "no temporary file left";
    EXPECT_EQ(UnsavedFileMessage("/tmp/x.ics"), QString::fromUtf8("Le fichier « /tmp/x.ics » n'a pas pu être enregistré."));

    // Replaced in full when it can be written: nothing of a longer earlier file is left.
    Write(earlier, QByteArray(100000, '#'));
    d->ChooseExportFile = Answering("précieux.csv", "Fichiers CSV (*.csv)");
    d->bbExporter->click();
    const std::string replaced = Read(earlier);
    EXPECT_EQ(replaced.rfind("start,maximum,end,", 0), 0u);
    EXPECT_EQ(replaced.find('#'), std::string::npos);

    platform.messages.clear();
    d->ChooseExportFile = Answering("", "Fichiers CSV (*.csv)");
    d->bbExporter->click();
    EXPECT_TRUE(platform.messages.empty()) << "cancelled: nothing said";
}

TEST_F(Export, TheViewSavedWithItsLegendAtItsPixelSize)
{
    EXPECT_EQ(Action("miEnregistrerImage")->text(), "Enregistrer l'&image...");
    EXPECT_EQ(Action("miImprimer")->text(), "&Imprimer...");

    for (const char* view : {"miEquatoriale1", "miGraphique1"}) {
        Action(view)->trigger();
        window->ChooseImageFile = Answering(QString("vue-") + view, "Images PNG (*.png)");
        asked.clear();
        Action("miEnregistrerImage")->trigger();
        EXPECT_EQ(asked, QStringList({"Enregistrer l'image", "vireon-jupiter-2026-09-05.png", "Images PNG (*.png)"}));
        const QImage& shown = window->Port().View().Image();
        const QImage& legend = window->Port().Legend().Image();
        const QImage saved(folder.filePath(QString("vue-") + view + ".png"));
        ASSERT_FALSE(saved.isNull()) << view;
        EXPECT_EQ(saved.size(), QSize(shown.width(), shown.height() + legend.height())) << view;
        for (const QPoint p : {QPoint(376, 301), QPoint(10, 10), QPoint(700, 590)})
            EXPECT_EQ(saved.pixelColor(p), shown.pixelColor(p)) << view << " at " << p.x() << "," << p.y();
        for (const QPoint p : {QPoint(20, 12), QPoint(200, 25)})
            EXPECT_EQ(saved.pixelColor(p + QPoint(0, shown.height())), legend.pixelColor(p)) << view << ": the legend";
    }
    platform.messages.clear();
    window->ChooseImageFile = Answering("absent/vue.png", "Images PNG (*.png)");
    Action("miEnregistrerImage")->trigger();
    EXPECT_EQ(platform.messages.size(), 1u) << "a folder that does not exist";
}

TEST_F(Export, ThePrintToAPdfFile)
{
    const QString pdf = folder.filePath("vue.pdf");
    int setUps = 0;
    const auto printInto = [&](const QString& path) {
        window->SetUpPrinter = [&setUps, path](QPrinter& printer, QWidget*) {
            ++setUps;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(path);
            return true;
        };
        platform.messages.clear();
        Action("miImprimer")->trigger();
    };
    printInto(pdf);
    EXPECT_EQ(setUps, 1);
    const std::string bytes = Read(pdf);
    EXPECT_GT(bytes.size(), 10000u) << "the view's image is in it";
    EXPECT_EQ(bytes.substr(0, 5), "%PDF-");
    EXPECT_TRUE(platform.messages.empty());

    printInto(folder.filePath("absent/vue.pdf"));
    EXPECT_EQ(platform.messages, std::vector<std::string>{UnsavedFileMessage(folder.filePath("absent/vue.pdf")).toStdString()});
    {
        const FileSizeLimit full(2000);
        printInto(pdf);
    }
    EXPECT_EQ(platform.messages.size(), 1u) << "a disk that fills up";
    EXPECT_EQ(Read(pdf), bytes) << "the earlier PDF is as it was";
    QFile::remove(pdf);
    window->SetUpPrinter = [](QPrinter&, QWidget*) { return false; };
    Action("miImprimer")->trigger();
    EXPECT_FALSE(QFileInfo::exists(pdf)) << "cancelled";
}

}  // namespace
}  // namespace vireon::testing

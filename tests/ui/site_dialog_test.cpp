// The dialog "Lieu et heure" and the settings kept between runs: its texts and refusals, what OK
// changes, the settings file absent, corrupt or unwritable, a choice kept for the next run.
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTemporaryDir>

#include "app/driver.h"
#include "core/date_commands.h"
#include "ui/date_dialog.h"
#include "ui/radio_group.h"
#include "ui/site_dialog.h"
#include "window_test_support.h"

namespace vireon::testing {
namespace {

QString StatusText(TForm1& window, int panel)
{
    return window.findChild<QLabel*>(QString("StatusPanel%1").arg(panel))->text();
}

// Answers the next message box with OK, keeping its text.
void AnswerWarning(QString& warned)
{
    WhenModalAppears([&warned](QWidget* box) {
        warned = qobject_cast<QMessageBox*>(box)->text();
        qobject_cast<QMessageBox*>(box)->button(QMessageBox::Ok)->click();
    });
}

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

class SiteDialog : public WindowTest {
protected:
    // Opens the dialog from the menu and lets answer fill and close it.
    void Open(const std::function<void(TfLieu*)>& answer)
    {
        WhenModalAppears([answer](QWidget* modal) {
            auto* d = qobject_cast<TfLieu*>(modal);
            ASSERT_NE(d, nullptr);
            answer(d);
            if (d->isVisible()) d->reject();
        });
        Action("miLieu")->trigger();
    }
};

TEST_F(SiteDialog, FrenchTexts)
{
    TfLieu* d = window->fLieu;
    d->Prepare();
    QStringList texts{Action("miLieu")->text(), d->windowTitle(), d->rgEchelle->title()};
    for (int i = 0; i < d->rgEchelle->Count(); ++i) texts << d->rgEchelle->Item(i)->text();
    texts << d->cbLieu->text() << d->bbOK->text() << d->bbAnn->text();
    EXPECT_EQ(texts, QStringList({"Lieu et &heure...", "Lieu et heure", "Échelle de temps", "Temps terrestre (TT)",
                                  "Temps universel (UT)", "Heure locale", "Lieu d'observation", "OK", "Annuler"}));
    QStringList labels;
    for (QLabel* label : d->findChildren<QLabel*>()) {
        if (label->buddy()) labels << label->text();
    }
    EXPECT_EQ(labels, QStringList({"Nom :", "Latitude (°, nord +) :", "Longitude (°, est +) :", "Altitude (m) :"}));
    EXPECT_EQ(DeltaTText(69.184L), "ΔT à la date courante : 69.2 s");
    EXPECT_EQ(DeltaTText(-2.79L), "ΔT à la date courante : -2.8 s");
    // At start-up: TT, no site, the fields off; the zones' list starts with the system's.
    EXPECT_EQ(d->rgEchelle->ItemIndex(), TfLieu::ItemTT);
    EXPECT_FALSE(d->cbFuseau->isEnabled() || d->cbLieu->isChecked() || d->eLatitude->isEnabled());
    EXPECT_EQ(d->cbFuseau->itemText(0).toStdString(), SystemTimeZone());
    EXPECT_TRUE(d->labDeltaT->text().startsWith("ΔT à la date courante : "));
}

// A refused value gets its message; the dialog stays open and nothing changes.
TEST_F(SiteDialog, BadValuesAreRefusedAndChangeNothing)
{
    const struct {
        const char *latitude, *longitude, *height, *message;
    } cases[] = {
        {"91", "2.35", "35", "Latitude invalide."},     {"48,85", "2.35", "35", "Latitude invalide."},
        {"", "2.35", "35", "Latitude invalide."},       {"-90.5", "2.35", "35", "Latitude invalide."},
        {"48.85", "180.1", "35", "Longitude invalide."}, {"48.85", "1e2", "35", "Longitude invalide."},
        {"48.85", "2.35", "9001", "Altitude invalide."}, {"48.85", "2.35", "-501", "Altitude invalide."},
        {"48.85", "2.35", "35 m", "Altitude invalide."},
    };
    const GlobalSettings before = Settings;
    for (const auto& c : cases) {
        QString warned;
        bool stayedOpen = false;
        Open([&](TfLieu* d) {
            d->rgEchelle->SetItemIndex(TfLieu::ItemUT);
            d->cbLieu->click();
            d->eLatitude->setText(c.latitude);
            d->eLongitude->setText(c.longitude);
            d->eAltitude->setText(c.height);
            AnswerWarning(warned);
            d->bbOK->click();
            stayedOpen = d->isVisible();
        });
        SCOPED_TRACE(std::string(c.latitude) + " " + c.longitude + " " + c.height);
        EXPECT_EQ(warned, QString::fromUtf8(c.message));
        EXPECT_TRUE(stayedOpen);
        EXPECT_TRUE(Settings.TimeScale == before.TimeScale && Settings.Site == before.Site && Settings.Current == before.Current);
    }
    EXPECT_FALSE(QFile::exists(SettingsFile())) << "nothing was saved";
}

// OK in UT with a site: the instant stays, its fields and the status bar are read in UT, the
// phenomena's title names the scale, the choice is written to the file and a second window (the
// next run) starts with it; back in TT everything reads as before.
TEST_F(SiteDialog, OkChangesTheClockAndTheSiteAndTheNextRunKeepsThem)
{
    SetCurrentDate(At(3, 12, 2024, 20, 32, 52));
    RecomputeAndDraw(Jupiter);
    const QString ttStatus = StatusText(*window, 4);
    EXPECT_EQ(ttStatus, "03/12/2024  20:32:52");
    counting->Reset();
    Open([](TfLieu* d) {
        d->rgEchelle->SetItemIndex(TfLieu::ItemUT);
        d->cbLieu->click();
        d->eNom->setText("Paris");
        d->eLatitude->setText("48.85");
        d->eLongitude->setText(" 2.35 ");
        d->eAltitude->setText("");
        d->bbOK->click();
    });
    EXPECT_EQ(Settings.TimeScale.Kind, TimeScaleKind::Universal);
    EXPECT_EQ(Settings.Site, (ObservingSite{"Paris", 48.85, 2.35, 0}));
    EXPECT_EQ(Settings.Current, At(3, 12, 2024, 20, 31, 43));
    EXPECT_EQ(StatusText(*window, 4), "03/12/2024  20:31:43 UT");
    EXPECT_EQ(counting->Recomputations(), 1);
    window->fPhenomenes->Prepare();
    EXPECT_EQ(window->fPhenomenes->labTitre->text(), "JUPITER - décembre 2024 (UT)");

    // The next run: the same file, the start-up sequence.
    auto next = std::make_unique<TForm1>(nullptr, phenomena, mutual, SettingsFile());
    const KeptSettings kept = next->LoadKeptSettings();
    EXPECT_TRUE(kept.TimeScale == Settings.TimeScale && kept.Site == Settings.Site);
    SetDisplayPort(&next->Port());
    StartProgram(nullptr, nullptr, kept);
    EXPECT_EQ(FormatDateAndTime(Settings.Current), "07/01/1610    16:45:00") << "the start-up date, read in UT";
    EXPECT_EQ(StatusText(*next, 4), "07/01/1610  16:45:00 UT");
    SetDisplayPort(counting.get());
    next.reset();

    // Back to TT in Paris's zone, then to TT: the status bar reads as it did.
    Open([](TfLieu* d) {
        d->rgEchelle->SetItemIndex(TfLieu::ItemLocal);
        d->cbFuseau->setCurrentText("Europe/Paris");
        d->bbOK->click();
    });
    EXPECT_EQ(StatusText(*window, 4), "07/01/1610  16:54:21 LMT");
    Open([](TfLieu* d) {
        d->rgEchelle->SetItemIndex(TfLieu::ItemTT);
        d->cbLieu->click();
        d->bbOK->click();
    });
    EXPECT_EQ(Settings.TimeScale, TimeScale{});
    EXPECT_FALSE(Settings.Site.has_value());
}

TEST_F(SiteDialog, TheDateDialogRefusesALocalTimeTheZoneSkips)
{
    SetTimeScale(Settings, {TimeScaleKind::Local, "Europe/Paris"});
    const CalendarFields before = Settings.Current;
    QString warned;
    WhenModalAppears([&warned](QWidget* modal) {
        auto* d = qobject_cast<TfSaisieJour*>(modal);
        ASSERT_NE(d, nullptr);
        d->eJour->setText("31/03/2024");
        d->eHeure->setText("02:30:00");
        AnswerWarning(warned);
        d->bbOK->click();
        EXPECT_TRUE(d->isVisible());
        d->reject();
    });
    window->miDateClick();
    EXPECT_EQ(warned, "Cette heure n'existe pas dans le fuseau horaire choisi.");
    EXPECT_EQ(Settings.Current, before);
}

// The file: absent or corrupt gives the start-up values (each bad value its own); one that cannot
// be written gets one message, and the settings in memory stay.
TEST_F(SiteDialog, TheSettingsFileAbsentCorruptOrUnwritable)
{
    QTemporaryDir folder;
    const QString path = folder.path() + "/vireon.conf";
    EXPECT_EQ(KeptSettingsStore(path).Load(), KeptSettings{});
    const struct {
        const char* name;
        QByteArray text;
        KeptSettings want;
    } cases[] = {
        {"binary garbage", QByteArray("\x00\xff\x13[[[\n=\x01", 10), {}},
        {"bad values", "[time]\nscale=XYZ\n[site]\nlatitude=abc\nlongitude=2\nheight=0\n[phenomena]\nred_spot_longitude=400\n", {}},
        {"unknown zone", "[time]\nscale=local\nzone=Mars/Olympus\n", {}},
        {"a good file",
         "[time]\nscale=local\nzone=Europe/Paris\n[site]\nname=Meudon\nlatitude=48.805\nlongitude=2.231\nheight=162\n"
         "[phenomena]\nred_spot_longitude=60\n",
         {{TimeScaleKind::Local, "Europe/Paris"}, ObservingSite{"Meudon", 48.805, 2.231, 162}, 60}},
    };
    for (const auto& c : cases) {
        WriteFile(path, c.text);
        EXPECT_EQ(KeptSettingsStore(path).Load(), c.want) << c.name;
    }
    // Written and read back exactly.
    const KeptSettings kept{{TimeScaleKind::Universal, ""}, ObservingSite{"Pic du Midi", 42.9364, 0.1425, 2877}, 359.5};
    ASSERT_TRUE(KeptSettingsStore(path).Save(kept));
    EXPECT_EQ(KeptSettingsStore(path).Load(), kept);

    // A folder that is a file: nothing can be written there.
    WriteFile(folder.path() + "/blocked", "x");
    const QString unwritable = folder.path() + "/blocked/vireon.conf";
    EXPECT_FALSE(KeptSettingsStore(unwritable).Save(kept));
    window = std::make_unique<TForm1>(nullptr, phenomena, mutual, unwritable);
    counting = std::make_unique<CountingPort>(window->Port());
    SetDisplayPort(counting.get());
    Open([](TfLieu* d) {
        d->rgEchelle->SetItemIndex(TfLieu::ItemUT);
        d->bbOK->click();
    });
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(QString::fromStdString(platform.messages[0]), UnwritableSettingsMessage(unwritable));
    EXPECT_EQ(Settings.TimeScale.Kind, TimeScaleKind::Universal) << "the choice stays for this run";
}

}  // namespace
}  // namespace vireon::testing

// Monkey test of the main window: random user actions (fixed seeds) - keys, clicks on every
// enabled tool button, menu items, the wheel, clicks and double clicks on the view and its
// caption, the pop-up menu, and every dialog answered with valid and invalid texts - with the
// program's invariants checked after each action: the instant inside the supported range and
// its three forms (calendar fields, Julian Day, date-time value) in agreement, the zoom, planet
// and increment sane, and no dialog or menu left open. When an action closes the window (the
// quit command answered yes, the update button, a stray character key), the program is
// started again, as its user would.
#include <QAction>
#include <QApplication>
#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPointer>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "core/platform.h"
#include "core/settings.h"
#include "core/time_base.h"
#include "ui/main_window.h"

namespace vireon {
namespace {

// Four sessions of 5000 actions each. Under AddressSanitizer every action costs about twice as
// much, and that build runs half of each session (the same seeds, hence the same first actions):
// the sanitizers look for memory faults along the same paths, while the full sessions of the
// normal build check that the program stays consistent far from the start.
#if defined(__SANITIZE_ADDRESS__)
constexpr int ActionsPerSession = 2500;
constexpr bool FullSessions = false;
#else
constexpr int ActionsPerSession = 5000;
constexpr bool FullSessions = true;
#endif

using Rng = std::mt19937;

int Uniform(Rng& rng, int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng); }
bool Chance(Rng& rng, double p) { return std::uniform_real_distribution<double>(0, 1)(rng) < p; }
template <typename T>
const T& Pick(Rng& rng, const std::vector<T>& items)
{
    return items[Uniform(rng, 0, static_cast<int>(items.size()) - 1)];
}

// ---------------------------------------------------------------------------------------------
// What the user types: valid values (often at the edges of the range), values just outside,
// and texts that are not values at all.

std::string TwoDigits(int v) { return (v < 10 ? "0" : "") + std::to_string(v); }

std::string Mangled(Rng& rng, std::string text)
{
    static const std::vector<std::string> junk = {"/", ":", ".", ",", "-", "+", " ", "x", "é", "\xC2\xA0", "1e3", "0", "9"};
    const int at = text.empty() ? 0 : Uniform(rng, 0, static_cast<int>(text.size()) - 1);
    switch (Uniform(rng, 0, 2)) {
    case 0: return text.insert(at, Pick(rng, junk));
    case 1: return text.empty() ? text : text.erase(at, 1);
    default: return text.substr(0, at);
    }
}

std::string DateText(Rng& rng)
{
    if (Chance(rng, 0.25)) {
        return Pick(rng, std::vector<std::string>{"31/12/9999", "01/01/0001", "1/1/1", "29/02/1500", "10/10/1582",
                                                  "04/10/1582", "15/10/1582", "31/12/1899", "01/01/1900", "32/01/2000",
                                                  "29/02/1900", "1/1/10000", "0/0/0", "", "aujourd'hui", "2000-01-01"});
    }
    const int year = Chance(rng, 0.5) ? Uniform(rng, 1, 9999) : Uniform(rng, 1850, 2150);
    const int month = Uniform(rng, 1, 12);
    const std::string text = TwoDigits(Uniform(rng, 1, DaysInMonth(month, year))) + "/" + TwoDigits(month) + "/" +
                             std::to_string(year);
    return Chance(rng, 0.2) ? Mangled(rng, text) : text;
}

std::string TimeText(Rng& rng)
{
    if (Chance(rng, 0.2)) {
        return Pick(rng, std::vector<std::string>{"23:59:59", "00:00:00", "12:00", "24:00:00", "12:60:00", "", "midi", "1:2:3"});
    }
    const std::string text =
        TwoDigits(Uniform(rng, 0, 23)) + ":" + TwoDigits(Uniform(rng, 0, 59)) + ":" + TwoDigits(Uniform(rng, 0, 59));
    return Chance(rng, 0.2) ? Mangled(rng, text) : text;
}

std::string IncrementText(Rng& rng)
{
    if (Chance(rng, 0.3)) {
        return Pick(rng, std::vector<std::string>{"100000", "-100000", "100001", "0", "-1", "0.5", "0.0001", "1e5",
                                                  "", "deux", "1,5", "99999.99", "3"});
    }
    const std::string text = std::to_string(Uniform(rng, -50, 50));
    return Chance(rng, 0.2) ? Mangled(rng, text) : text;
}

std::string ZoomText(Rng& rng)
{
    if (Chance(rng, 0.3)) {
        return Pick(rng, std::vector<std::string>{"4000", "4001", "5000", "0", "-3", "1", "99999999999", "", "dix",
                                                  "12.5", "+7"});
    }
    const std::string text = std::to_string(Uniform(rng, 1, 1400));
    return Chance(rng, 0.2) ? Mangled(rng, text) : text;
}

std::string FieldText(Rng& rng)
{
    if (Chance(rng, 0.3)) {
        return Pick(rng, std::vector<std::string>{"6000", "6000.5", "0", "-15", "0.001", "", "quinze", "1,5", "1e2"});
    }
    const std::string text = std::to_string(Uniform(rng, 1, 600)) + (Chance(rng, 0.3) ? ".5" : "");
    return Chance(rng, 0.2) ? Mangled(rng, text) : text;
}

// ---------------------------------------------------------------------------------------------
// The platform: the quit question is mostly answered no; the clock reads dates of all ages,
// the last millisecond of the range among them.

class MonkeyPlatform : public Platform {
public:
    explicit MonkeyPlatform(Rng& rng) : rng_(rng) {}

    Answer ShowMessage(const std::string&, Buttons buttons) override
    {
        ++messages;
        if (buttons == Buttons::Ok) return Answer::Ok;
        return Chance(rng_, 0.1) ? Answer::Yes : Answer::No;
    }
    CalendarFields LocalNow() override
    {
        if (Chance(rng_, 0.2)) {
            return Pick(rng_, std::vector<CalendarFields>{{31, 12, 9999, 23, 59, 59, 999}, {1, 1, 1, 0, 0, 0, 0},
                                                          {31, 12, 1899, 23, 59, 59, 500}, {1, 1, 10000, 0, 0, 0, 0}});
        }
        const int year = Uniform(rng_, 1900, 2200);
        const int month = Uniform(rng_, 1, 12);
        return {static_cast<std::uint16_t>(Uniform(rng_, 1, DaysInMonth(month, year))), static_cast<std::uint16_t>(month),
                static_cast<std::uint16_t>(year), static_cast<std::uint16_t>(Uniform(rng_, 0, 23)),
                static_cast<std::uint16_t>(Uniform(rng_, 0, 59)), static_cast<std::uint16_t>(Uniform(rng_, 0, 59)),
                static_cast<std::uint16_t>(Uniform(rng_, 0, 999))};
    }
    CalendarFields UtcNow() override { return LocalNow(); }
    void OpenAddress(const std::string&) override { ++addressesOpened; }

    int messages = 0;
    int addressesOpened = 0;

private:
    Rng& rng_;
};

// ---------------------------------------------------------------------------------------------
// Answers every modal window while it is open: a timer looks for the active modal window and
// queues one answer at a time, so that an answer which opens another modal window (a refused
// text's warning) runs inside that window's own event loop and is answered in turn. A dialog
// that has been answered three times without closing is cancelled.

class ModalAnswerer : public QObject {
public:
    explicit ModalAnswerer(Rng& rng) : rng_(rng)
    {
        timer_.setInterval(1);
        connect(&timer_, &QTimer::timeout, this, &ModalAnswerer::Tick);
        timer_.start();
    }

    std::map<std::string, int> answered;  // by the modal window's object name
    std::vector<std::string> unknown;

private:
    void Tick()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || pending_) return;
        pending_ = true;
        QTimer::singleShot(0, this, [this, target = QPointer<QWidget>(modal)] {
            pending_ = false;
            if (target && target->isVisible()) Answer(target);
        });
    }

    template <typename T>
    T* Child(QWidget* dialog, const char* name)
    {
        T* child = dialog->findChild<T*>(name);
        if (!child) unknown.push_back(dialog->objectName().toStdString() + " has no " + name);
        return child;
    }
    void Click(QWidget* dialog, const char* name)
    {
        if (auto* button = Child<QPushButton>(dialog, name)) button->click();
    }
    void ClickItem(QWidget* dialog, const std::string& name)
    {
        if (auto* item = Child<QRadioButton>(dialog, name.c_str())) item->click();
    }
    void Type(QWidget* dialog, const char* name, const std::string& text)
    {
        if (auto* edit = Child<QLineEdit>(dialog, name)) edit->setText(QString::fromStdString(text));
    }

    void Answer(QWidget* modal)
    {
        const std::string name = modal->objectName().toStdString();
        ++answered[name.empty() ? modal->metaObject()->className() : name];
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            const QList<QAbstractButton*> buttons = box->buttons();
            if (buttons.isEmpty()) box->reject();
            else buttons[Uniform(rng_, 0, static_cast<int>(buttons.size()) - 1)]->click();
            return;
        }
        const int attempts = modal->property("monkeyAttempts").toInt();
        modal->setProperty("monkeyAttempts", attempts + 1);
        const bool giveUp = attempts >= 3;
        if (name == "fSaisieJour") AnswerDate(modal, giveUp);
        else if (name == "fIncrement") AnswerIncrement(modal, giveUp);
        else if (name == "fZoom") AnswerZoom(modal, giveUp);
        else if (name == "fChamp") AnswerField(modal, giveUp);
        else if (name == "fAide") AnswerHelp(modal);
        else if (name == "fApropos") Click(modal, "bbOK");
        else if (name == "fPhenomenes") AnswerMonthList(modal, "lvPhenomenes", giveUp);
        else if (name == "fMutuels") AnswerMonthList(modal, "lvMutuels", giveUp);
        else if (name == "fLieu") AnswerSite(modal, giveUp);
        // The lists' "Exporter..." opens the save dialog, which writes into the user's folders:
        // the export tests drive that path through its seam, the monkey only cancels it.
        else if (name == "dlgEnregistrer" || name == "dlgImprimer") qobject_cast<QDialog*>(modal)->reject();
        else {
            unknown.push_back("modal window \"" + name + "\" of class " + modal->metaObject()->className());
            if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->reject();
            else modal->close();
        }
    }

    void Escape(QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); }

    void AnswerDate(QWidget* d, bool giveUp)
    {
        const int r = giveUp ? 100 : Uniform(rng_, 0, 99);
        if (r < 15) {
            Click(d, "bbHorloge");
        } else if (r < 22) {
            Click(d, "bbZeroHeure");
        } else if (r < 27) {
            if (auto* label = Child<QLabel>(d, "labHeure")) QTest::mouseClick(label, Qt::LeftButton);
        } else if (r < 35) {
            auto* calendar = Child<QCalendarWidget>(d, "MonthCalendar1");
            if (calendar && calendar->isVisible() && calendar->isEnabled()) {
                calendar->setSelectedDate(QDate(Uniform(rng_, 1900, 2100), Uniform(rng_, 1, 12), Uniform(rng_, 1, 28)));
            }
        } else if (r < 80) {
            Type(d, "eJour", DateText(rng_));
            Type(d, "eHeure", TimeText(rng_));
            Click(d, "bbOK");
        } else if (r < 88) {
            Click(d, "bbOK");
        } else if (r < 94) {
            Escape(d);
        } else {
            Click(d, "bbAnn");
        }
    }

    void AnswerIncrement(QWidget* d, bool giveUp)
    {
        const int r = giveUp ? 100 : Uniform(rng_, 0, 99);
        if (r < 75) {
            Type(d, "eIncr", IncrementText(rng_));
            ClickItem(d, "rgIncr" + std::to_string(Uniform(rng_, 0, 5)));
            // Mostly no delay between animation frames, sometimes a short one.
            ClickItem(d, "rgDelai" + std::to_string(Chance(rng_, 0.8) ? 0 : Uniform(rng_, 1, 3)));
            Click(d, "bbOK");
        } else if (r < 85) {
            Escape(d);
        } else {
            Click(d, "bbCancel");
        }
    }

    void AnswerZoom(QWidget* d, bool giveUp)
    {
        const int r = giveUp ? 100 : Uniform(rng_, 0, 99);
        if (r < 75) {
            ClickItem(d, "rgZoom" + std::to_string(Chance(rng_, 0.8) ? 0 : 1));
            if (auto* combo = Child<QComboBox>(d, "cbZoom")) {
                if (Chance(rng_, 0.3)) combo->setCurrentIndex(Uniform(rng_, 0, combo->count() - 1));
                else combo->setEditText(QString::fromStdString(ZoomText(rng_)));
            }
            Click(d, "bbOK");
        } else if (r < 85) {
            Escape(d);
        } else {
            Click(d, "bbCancel");
        }
    }

    void AnswerField(QWidget* d, bool giveUp)
    {
        const int r = giveUp ? 100 : Uniform(rng_, 0, 99);
        if (r < 75) {
            const int item = Uniform(rng_, 0, 10);
            ClickItem(d, "rgChamp" + std::to_string(item));
            if (item == 10 || Chance(rng_, 0.2)) Type(d, "eChamp", FieldText(rng_));
            Click(d, "bbOK");
        } else if (r < 85) {
            Escape(d);
        } else {
            Click(d, "bbCancel");
        }
    }

    // The phenomena and the mutual events of a month.
    void AnswerMonthList(QWidget* d, const char* listName, bool giveUp)
    {
        auto* list = Child<QTreeWidget>(d, listName);
        if (!giveUp && list && list->topLevelItemCount() > 0 && Chance(rng_, 0.3))
            list->setCurrentItem(list->topLevelItem(Uniform(rng_, 0, list->topLevelItemCount() - 1)));
        const char* buttons[] = {"bbMoisPrec", "bbMoisSuiv", "bbAfficher", "bbFermer"};
        if (giveUp || Chance(rng_, 0.1)) Escape(d);
        else if (auto* box = Child<QCheckBox>(d, "cbInvisibles"); box && Chance(rng_, 0.15)) box->click();
        else Click(d, buttons[Uniform(rng_, 0, 3)]);
    }

    // The clock and the site: a scale (a zone picked at random for local time), a site typed
    // right or wrong, or none.
    void AnswerSite(QWidget* d, bool giveUp)
    {
        const int r = giveUp ? 100 : Uniform(rng_, 0, 99);
        if (r < 75) {
            ClickItem(d, "rgEchelle" + std::to_string(Uniform(rng_, 0, 2)));
            if (auto* zones = Child<QComboBox>(d, "cbFuseau")) zones->setCurrentIndex(Uniform(rng_, 0, zones->count() - 1));
            if (auto* site = Child<QCheckBox>(d, "cbLieu"); site && Chance(rng_, 0.4)) site->click();
            const char* latitudes[] = {"48.85", "-33.87", "90", "-90", "91", "abc", ""};
            const char* longitudes[] = {"2.35", "151.21", "-180", "180", "180.5", "1,5"};
            const char* heights[] = {"35", "", "-500", "9000", "9001", "x"};
            Type(d, "eLatitude", Pick(rng_, std::vector<std::string>(std::begin(latitudes), std::end(latitudes))));
            Type(d, "eLongitude", Pick(rng_, std::vector<std::string>(std::begin(longitudes), std::end(longitudes))));
            Type(d, "eAltitude", Pick(rng_, std::vector<std::string>(std::begin(heights), std::end(heights))));
            Click(d, "bbOK");
        } else if (r < 85) {
            Escape(d);
        } else {
            Click(d, "bbAnn");
        }
    }

    void AnswerHelp(QWidget* d)
    {
        if (auto* pages = Child<QTabWidget>(d, "PageControl1")) pages->setCurrentIndex(Uniform(rng_, 0, pages->count() - 1));
        if (Chance(rng_, 0.5)) Click(d, "bbClose");
        else Escape(d);
    }

    Rng& rng_;
    QTimer timer_;
    bool pending_ = false;
};

// ---------------------------------------------------------------------------------------------
// The invariants after every action.

void ExpectInvariants(const std::string& where)
{
    const CalendarFields& f = Settings.Current;
    ASSERT_TRUE(IsValidCalendarDate(f.Day, f.Month, f.Year) && f.Hour <= 23 && f.Minute <= 59 && f.Second <= 59 &&
                f.Millisecond <= 999)
        << where << ": fields " << f.Day << "/" << f.Month << "/" << f.Year << " " << f.Hour << ":" << f.Minute << ":"
        << f.Second << "." << f.Millisecond;
    const double jd = JulianDayFromCalendar(f);
    ASSERT_TRUE(IsWithinSupportedRange(jd)) << where << ": JD " << jd << " of the fields";
    // CurrentJD may be a stepped value whose fields were rounded to the second; the fields'
    // own Julian Day is rounded to a double (2e-10 day at JD 5e6). On another clock than TT the
    // fields name their TT instant through Delta T and the zone.
    const Extended gap = std::abs(Settings.CurrentJD - TerrestrialOfFields(Settings, f));
    ASSERT_LE(gap, 0.5L / 86400 + 1e-9L) << where << ": CurrentJD " << static_cast<double>(Settings.CurrentJD)
                                         << " fields' JD " << jd << " difference " << static_cast<double>(gap * 86400)
                                         << " s";
    // The date-time value counts days in the Gregorian calendar from 15 October 1582 on, so the
    // Julian dates 5..14 October 1582 decode to the same days named 15..24 October.
    CalendarFields decoded = CalendarFromDateTime(Settings.CurrentDateTime);
    if (f.Year == 1582 && f.Month == 10 && f.Day >= 5 && f.Day <= 14 && decoded.Day == f.Day + 10) decoded.Day = f.Day;
    ASSERT_TRUE(decoded.Day == f.Day && decoded.Month == f.Month && decoded.Year == f.Year && decoded.Hour == f.Hour &&
                decoded.Minute == f.Minute && decoded.Second == f.Second &&
                std::abs(decoded.Millisecond - f.Millisecond) <= 1)
        << where << ": CurrentDateTime " << Settings.CurrentDateTime << " decodes to " << decoded.Day << "/"
        << decoded.Month << "/" << decoded.Year << " " << decoded.Hour << ":" << decoded.Minute << ":" << decoded.Second
        << "." << decoded.Millisecond << ", fields " << f.Day << "/" << f.Month << "/" << f.Year << " " << f.Hour
        << ":" << f.Minute << ":" << f.Second << "." << f.Millisecond;
    ASSERT_TRUE(Settings.ZoomFactor >= 1 && Settings.ZoomFactor <= 4000) << where << ": zoom " << Settings.ZoomFactor;
    ASSERT_TRUE(IsPlanetId(Settings.CurrentPlanet)) << where << ": planet " << int(Settings.CurrentPlanet);
    // 100000 units of a leap year at most.
    ASSERT_TRUE(std::isfinite(Settings.IncrementDays) && std::abs(Settings.IncrementDays) <= 100000.0L * 366)
        << where << ": increment " << static_cast<double>(Settings.IncrementDays) << " days";
    ASSERT_TRUE(std::string("EPG").find(Letter(Settings.ViewMode)) != std::string::npos)
        << where << ": view " << Letter(Settings.ViewMode);
    ASSERT_TRUE(std::string("NSAB").find(Letter(Settings.Orientation)) != std::string::npos)
        << where << ": orientation " << Letter(Settings.Orientation);
    ASSERT_TRUE(std::string("SPK").find(Letter(Settings.DistanceUnit)) != std::string::npos) << where;
    ASSERT_TRUE(std::string("012").find(Settings.RulerState) != std::string::npos) << where;
    ASSERT_TRUE(Settings.AnimationDirection == 1 || Settings.AnimationDirection == -1) << where;
    ASSERT_TRUE(std::isfinite(Settings.FieldOfView) && Settings.FieldOfView > 0 && Settings.FieldOfView <= 6000)
        << where << ": field " << Settings.FieldOfView;
    ASSERT_EQ(QApplication::activeModalWidget(), nullptr) << where << ": a modal window stayed open";
    ASSERT_EQ(QApplication::activePopupWidget(), nullptr) << where << ": a pop-up menu stayed open";
}

// ---------------------------------------------------------------------------------------------
// The monkey.

class Monkey {
public:
    explicit Monkey(unsigned seed) : rng_(seed), platform_(rng_), answerer_(rng_) {}

    ~Monkey()
    {
        if (window_) window_->close();
        window_.reset();
        SetPlatform(nullptr);
        ResetToStartupValues(Settings);
    }

    // Starts the program as main() does: a window, the start-up sequence, shown and active.
    void Start()
    {
        if (window_) window_.reset();
        SetPlatform(&platform_);
        window_ = std::make_unique<TForm1>();
        // "Enregistrer l'image..." and "Imprimer..." answered as a user would: often cancelled,
        // else into a folder of the session's own, or into one that does not exist (refused
        // with a message).
        window_->ChooseImageFile = [this](QWidget*, const QString&, const QString&, const QStringList&) {
            return SaveChoice{Chance(rng_, 0.5) ? QString() : ExportPath("view.png"), "Images PNG (*.png)"};
        };
        window_->SetUpPrinter = [this](QPrinter& printer, QWidget*) {
            if (Chance(rng_, 0.5)) return false;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(ExportPath("view.pdf"));
            return true;
        };
        RunStartup(*window_);
        window_->activateWindow();
        activeAtStart_ = QTest::qWaitForWindowActive(window_.get(), 1000);
        view_ = window_->findChild<QWidget*>("pbSatel");
        caption_ = window_->findChild<QWidget*>("panNS");
        ++starts;
    }

    void Run(int actions, int session)
    {
        Start();
        ASSERT_TRUE(activeAtStart_) << "the window never became active";
        ASSERT_NE(view_, nullptr);
        ASSERT_NE(caption_, nullptr);
        for (int i = 0; i < actions; ++i) {
            const std::string what = Act();
            ++performed[what];
            // Let pending events run: animation frames, repaints.
            QCoreApplication::processEvents();
            const std::string where = "session " + std::to_string(session) + " action " + std::to_string(i) + " (" + what + ")";
            ClosePopupMenu(where);
            if (::testing::Test::HasFatalFailure()) return;
            ExpectInvariants(where);
            if (::testing::Test::HasFatalFailure()) return;
            firstYear = std::min<int>(firstYear, Settings.Current.Year);
            lastYear = std::max<int>(lastYear, Settings.Current.Year);
            if (!window_->isVisible()) Start();
        }
    }

    std::map<std::string, int> performed;
    int starts = 0;
    int firstYear = 9999;  // the earliest and latest years the session went through
    int lastYear = 1;
    ModalAnswerer& Answerer() { return answerer_; }

private:
    // One random action; returns its name.
    std::string Act()
    {
        // The monthly graph recomputes a whole month: leave it soon, as most users do.
        if (Settings.ViewMode == ViewMode::Graph && Chance(rng_, 0.6)) return ClickButton(Chance(rng_, 0.5) ? "sbEqu" : "sbPol");
        const int r = Uniform(rng_, 0, 999);
        if (r < 130) return Key(Pick(rng_, std::vector<int>{Qt::Key_Left, Qt::Key_Right}));
        if (r < 190) return Key(Pick(rng_, std::vector<int>{Qt::Key_Up, Qt::Key_Down}));
        if (r < 240) return Key(Pick(rng_, std::vector<int>{Qt::Key_PageUp, Qt::Key_PageDown}));
        if (r < 300) return Letter(Pick(rng_, std::vector<char>{'N', 'S', 'B', 'A', 'R', 'n', 's', 'b', 'a', 'r'}));
        if (r < 302) return Key(Qt::Key_F1);
        if (r < 303 && Chance(rng_, 0.5)) return Letter(Pick(rng_, std::vector<char>{'x', 'q', '1', ' ', 'z'}));
        if (r < 560) return ClickAnyButton();
        if (r < 800) return TriggerAnyAction();
        if (r < 860) return Wheel();
        if (r < 950) return ClickView();
        if (r < 965) return ContextMenu();
        if (r < 975) {
            QTest::mouseDClick(caption_, Qt::LeftButton);
            return "double click panNS";
        }
        if (r < 985) {
            QTest::mouseClick(window_->findChild<QToolButton*>("sbJour"), Qt::RightButton);
            return "right click sbJour";
        }
        QTest::qWait(Uniform(rng_, 1, 5));
        return "wait";
    }

    std::string Key(int key)
    {
        QTest::keyClick(window_->windowHandle(), static_cast<Qt::Key>(key));
        return "key " + QKeySequence(key).toString().toStdString();
    }

    std::string Letter(char c)
    {
        QTest::keyClick(window_->windowHandle(), c);
        return std::string("character ") + c;
    }

    std::string ClickButton(const char* name)
    {
        auto* button = window_->findChild<QToolButton*>(name);
        if (button && button->isEnabled() && button->isVisible()) QTest::mouseClick(button, Qt::LeftButton);
        return name;
    }

    // The monthly graph runs the theory 311 times: its commands are picked a quarter as often
    // as the others, so that the sessions stay within their time; the month's mutual events, a
    // search of a few hundred runs, a tenth as often.
    static bool OpensTheGraph(const QString& name) { return name == "sbGraph" || name.startsWith("miGraphique"); }
    static bool SearchesMutualEvents(const QString& name) { return name == "miMutuels"; }

    std::string ClickAnyButton()
    {
        std::vector<QToolButton*> enabled;
        for (QToolButton* b : window_->findChildren<QToolButton*>()) {
            const QString name = b->objectName();
            if (!name.startsWith("sb") || !b->isEnabled() || !b->isVisible()) continue;
            // The update button always closes the window: rarely.
            if (name == "sbMAJ" && !Chance(rng_, 0.05)) continue;
            enabled.push_back(b);
        }
        if (enabled.empty()) return "no button";
        QToolButton* button = Pick(rng_, enabled);
        if (OpensTheGraph(button->objectName()) && Chance(rng_, 0.75)) button = Pick(rng_, enabled);
        const std::string name = button->objectName().toStdString();
        QTest::mouseClick(button, Qt::LeftButton);
        return name;
    }

    std::string TriggerAnyAction()
    {
        std::vector<QAction*> enabled;
        for (QAction* a : window_->findChildren<QAction*>()) {
            if (a->objectName().isEmpty() || a->menu() || !a->isEnabled()) continue;
            enabled.push_back(a);
        }
        if (enabled.empty()) return "no action";
        QAction* action = Pick(rng_, enabled);
        if (OpensTheGraph(action->objectName()) && Chance(rng_, 0.75)) action = Pick(rng_, enabled);
        if (SearchesMutualEvents(action->objectName()) && Chance(rng_, 0.9)) action = Pick(rng_, enabled);
        const std::string name = action->objectName().toStdString();
        action->trigger();
        return name;
    }

    std::string Wheel()
    {
        // One notch, two, half notches of a fine wheel, and now and then a fast spin of ten.
        const int delta = Chance(rng_, 0.05) ? Pick(rng_, std::vector<int>{1200, -1200})
                                              : Pick(rng_, std::vector<int>{120, -120, 240, -240, 60, -60, 15});
        const QPointF at(Uniform(rng_, 0, 752), Uniform(rng_, 0, 602));
        QWheelEvent event(at, view_->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(window_.get(), &event);
        return "wheel " + std::to_string(delta);
    }

    std::string ClickView()
    {
        // The edges and just outside them too: the ruler measures wherever the button goes down.
        const QPoint at(Uniform(rng_, -3, view_->width() + 2), Uniform(rng_, -3, view_->height() + 2));
        QTest::mouseClick(view_, Qt::LeftButton, Qt::NoModifier, at);
        return Settings.RulerState == '0' ? "click view" : "ruler click";
    }

    std::string ContextMenu()
    {
        const QPoint at(Uniform(rng_, 0, view_->width() - 1), Uniform(rng_, 0, view_->height() - 1));
        QContextMenuEvent event(QContextMenuEvent::Mouse, at, view_->mapToGlobal(at));
        QApplication::sendEvent(view_, &event);
        return "pop-up menu";
    }

    // The pop-up menu is not modal: the user either picks one of its items or closes it.
    void ClosePopupMenu(const std::string& where)
    {
        QWidget* popup = QApplication::activePopupWidget();
        if (!popup) return;
        auto* menu = qobject_cast<QMenu*>(popup);
        ASSERT_NE(menu, nullptr) << where << ": pop-up " << popup->metaObject()->className();
        std::vector<QAction*> items;
        for (QAction* a : menu->actions())
            if (!a->isSeparator() && a->isEnabled()) items.push_back(a);
        menu->close();
        if (!items.empty() && Chance(rng_, 0.8)) {
            QAction* item = Pick(rng_, items);
            ++performed["pop-up " + item->objectName().toStdString()];
            item->trigger();
            QCoreApplication::processEvents();
        }
    }

    QString ExportPath(const QString& name)
    {
        return exports_.path() + (Chance(rng_, 0.2) ? "/missing/" : "/") + name;
    }

    Rng rng_;
    QTemporaryDir exports_;
    MonkeyPlatform platform_;
    ModalAnswerer answerer_;
    std::unique_ptr<TForm1> window_;
    QWidget* view_ = nullptr;
    QWidget* caption_ = nullptr;
    bool activeAtStart_ = false;
};

class MonkeySession : public ::testing::TestWithParam<int> {};

TEST_P(MonkeySession, RandomActionsKeepTheProgramConsistent)
{
    const int session = GetParam();
    Monkey monkey(20240600u + static_cast<unsigned>(session));
    monkey.Run(ActionsPerSession, session);

    int total = 0;
    for (const auto& [name, count] : monkey.performed) total += count;
    int modals = 0;
    for (const auto& [name, count] : monkey.Answerer().answered) modals += count;
    std::printf("monkey session %d: %d actions%s, %d modal windows answered, %d program starts, years %d to %d\n",
                session, total, FullSessions ? "" : " (half a session, under the sanitizers)", modals,
                monkey.starts, monkey.firstYear, monkey.lastYear);
    for (const std::string& u : monkey.Answerer().unknown) ADD_FAILURE() << u;
    if (HasFailure()) return;
    // The session must have reached the dialogs and closed the window a few times, or it
    // proves little.
    EXPECT_GE(total, ActionsPerSession);
    for (const char* dialog : {"fSaisieJour", "fIncrement", "fZoom", "fChamp", "fAide", "fApropos"}) {
        EXPECT_GT(monkey.Answerer().answered[dialog], 0) << dialog << " was never opened";
    }
    EXPECT_GT(monkey.Answerer().answered["InvalidInputBox"], 0) << "no text was ever refused";
    if (!FullSessions) return;  // the range's ends are reached by the full sessions only
    EXPECT_LT(monkey.firstYear, 100) << "the session never went near the first supported year";
    EXPECT_GT(monkey.lastYear, 9900) << "the session never went near the last supported year";
}

INSTANTIATE_TEST_SUITE_P(FourSessions, MonkeySession, ::testing::Values(1, 2, 3, 4));

// A wheel event may carry a whole fast spin (or a driver's garbage): a billion eighths of a
// degree must reach the zoom limit at once, not redraw once per notch for hours, and must not
// overflow the notch count.
TEST(MonkeyWheel, AHugeTurnStopsAtTheZoomLimitAtOnce)
{
    Rng rng(7);
    MonkeyPlatform platform(rng);
    SetPlatform(&platform);
    ResetToStartupValues(Settings);
    {
        TForm1 window;
        RunStartup(window);
        for (const int delta : {2000000000, 2000000000, -2000000000, -2000000000}) {
            QWheelEvent event(QPointF(300, 300), window.mapToGlobal(QPointF(300, 300)), QPoint(), QPoint(0, delta),
                              Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(&window, &event);
            EXPECT_EQ(Settings.ZoomFactor, delta > 0 ? 4000 : 1) << "after a turn of " << delta;
        }
        window.close();
    }
    SetPlatform(nullptr);
    ResetToStartupValues(Settings);
}

}  // namespace
}  // namespace vireon

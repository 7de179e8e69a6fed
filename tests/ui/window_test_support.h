// Helpers of the user-interface tests: answering modal dialogs, a scripted platform, a port
// that counts the recompute driver's runs, readable failure output for Qt types.
#pragma once

#include <QAction>
#include <QApplication>
#include <QColor>
#include <QFile>
#include <QPoint>
#include <QPushButton>
#include <QString>
#include <QTimer>
#include <QToolButton>
#include <QWidget>
#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "core/platform.h"
#include "core/settings.h"
#include "display/display_port.h"
#include "ui/main_window.h"
#include "ui/qt_display_port.h"

inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }
inline void PrintTo(const QColor& c, std::ostream* os)
{
    *os << "rgb(" << c.red() << ", " << c.green() << ", " << c.blue() << ")";
}
inline void PrintTo(const QPoint& p, std::ostream* os) { *os << "(" << p.x() << ", " << p.y() << ")"; }

namespace vireon::testing {

// Runs answer on the next modal widget (dialog or message box) as soon as it is shown. Every
// test that opens a modal window arms this first, so no test can hang on one.
// A helper armed by a test that has ended (after a failure) gives up instead of answering the
// next test's dialogs.
inline void WhenModalAppears(std::function<void(QWidget*)> answer, int triesLeft = 300,
                             const ::testing::TestInfo* owner = nullptr)
{
    if (!owner) owner = ::testing::UnitTest::GetInstance()->current_test_info();
    QTimer::singleShot(10, [answer, triesLeft, owner] {
        if (::testing::UnitTest::GetInstance()->current_test_info() != owner) return;
        if (QWidget* modal = QApplication::activeModalWidget()) answer(modal);
        else if (triesLeft > 0) WhenModalAppears(answer, triesLeft - 1, owner);
        else ADD_FAILURE() << "no modal widget appeared";
    });
}

inline void ClickButton(QWidget* parent, const char* objectName)
{
    auto* button = parent->findChild<QPushButton*>(objectName);
    ASSERT_NE(button, nullptr) << objectName;
    button->click();
}

// A platform whose answers the test chooses, and which remembers what it was asked.
class ScriptedPlatform : public Platform {
public:
    Answer ShowMessage(const std::string& text, Buttons buttons) override
    {
        messages.push_back(text);
        askedButtons.push_back(buttons);
        return buttons == Buttons::Ok ? Answer::Ok : answer;
    }
    CalendarFields LocalNow() override { return clock; }
    CalendarFields UtcNow() override { return utcClock; }
    void OpenAddress(const std::string& address) override { opened.push_back(address); }

    Answer answer = Answer::No;
    CalendarFields clock{8, 12, 2026, 9, 10, 11, 250};
    CalendarFields utcClock{8, 12, 2026, 8, 10, 11, 250};  // the same moment in Paris's winter
    std::vector<std::string> messages;
    std::vector<Buttons> askedButtons;
    std::vector<std::string> opened;
};

// Stands in front of the window's port as the program's current port: the recompute driver
// writes through it, so each run of the driver is seen once (it writes the planet's name into
// labPla once per run; every other writer only empties it).
class CountingPort : public DisplayPort {
public:
    explicit CountingPort(DisplayPort& inner) : inner_(inner) {}

    int Recomputations() const { return recomputations_; }
    void Reset() { recomputations_ = 0; }

    Canvas& ViewCanvas() override { return inner_.ViewCanvas(); }
    Canvas& LegendCanvas() override { return inner_.LegendCanvas(); }
    void ViewChanged() override { inner_.ViewChanged(); }
    void SetText(const std::string& name, const std::string& text) override
    {
        if (name == "labPla" && !text.empty()) ++recomputations_;
        inner_.SetText(name, text);
    }
    void SetVisible(const std::string& name, bool visible) override { inner_.SetVisible(name, visible); }
    void SetChecked(const std::string& name, bool checked) override { inner_.SetChecked(name, checked); }
    void SetEnabled(const std::string& name, bool enabled) override { inner_.SetEnabled(name, enabled); }
    void SetStatusText(int panel, const std::string& text) override { inner_.SetStatusText(panel, text); }
    void ScheduleAnimationFrame(unsigned delayMs) override { inner_.ScheduleAnimationFrame(delayMs); }
    void Beep() override { inner_.Beep(); }

private:
    DisplayPort& inner_;
    int recomputations_ = 0;
};

// Every test starts from the start-up settings, with a scripted platform and a fresh window
// whose driver runs are counted.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetToStartupValues(Settings);
        SetPlatform(&platform);
        QFile::remove(SettingsFile());
        window = std::make_unique<TForm1>(nullptr, phenomena, mutual, SettingsFile());
        counting = std::make_unique<CountingPort>(window->Port());
        SetDisplayPort(counting.get());
        RecomputeAndDrawFirst();
        counting->Reset();
    }

    void TearDown() override
    {
        window->Port().CancelAnimationFrame();
        Settings.AnimationRunning = false;
        SetDisplayPort(nullptr);
        window.reset();
        SetPlatform(nullptr);
        ResetToStartupValues(Settings);
    }

    // The picture the program shows right after start-up.
    void RecomputeAndDrawFirst();

    // The file of the settings kept between runs, in the test run's own folder (removed before
    // each test).
    static QString SettingsFile();

    QAction* Action(const char* name) const
    {
        auto* action = window->findChild<QAction*>(name);
        EXPECT_NE(action, nullptr) << name;
        return action;
    }
    QToolButton* Button(const char* name) const
    {
        auto* button = window->findChild<QToolButton*>(name);
        EXPECT_NE(button, nullptr) << name;
        return button;
    }
    // Shows the window and makes it active, so that keys go through the focus chain as a
    // user's keys do.
    void ShowActive();

    ScriptedPlatform platform;
    // Where the window's phenomena and mutual events dialogs take their rows; a test may put its
    // own before SetUp.
    PhenomenaSource phenomena = FindPhenomena;
    MutualSource mutual = FindMutualEvents;
    std::unique_ptr<TForm1> window;
    std::unique_ptr<CountingPort> counting;
};

CalendarFields At(int day, int month, int year, int hour = 0, int minute = 0, int second = 0);
void SetCurrentDate(const CalendarFields& fields);

}  // namespace vireon::testing

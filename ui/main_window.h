// The main window TForm1: the view, the data panel, the toolbar, the menus and the status bar.
#pragma once

#include <QMainWindow>

namespace vireon {

class TForm1 : public QMainWindow {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);

    // Client area of the window, fixed.
    static constexpr int ClientWidth = 1016;
    static constexpr int ClientHeight = 714;
};

// The start-up sequence: the reminder, the window at the top left and shown, the start-up
// instant and settings, the first computation. Called from main() only.
void RunStartup(TForm1& window);

}  // namespace vireon

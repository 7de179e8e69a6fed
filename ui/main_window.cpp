#include "ui/main_window.h"

#include "core/driver.h"

namespace vireon {

TForm1::TForm1(QWidget* parent) : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                                          Qt::WindowCloseButtonHint)
{
    setObjectName("Form1");
    setWindowTitle("Vireon");
    setFixedSize(ClientWidth, ClientHeight);
}

void RunStartup(TForm1& window)
{
    StartProgram([](void* w) { static_cast<TForm1*>(w)->move(0, 0); }, &window);
    window.show();
}

}  // namespace vireon

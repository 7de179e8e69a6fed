// The help dialog "Aide": three read-only pages, the keyboard and mouse shortcuts and a few
// hints on typing dates and times.
#pragma once

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;
class QPushButton;
class QTabWidget;

namespace vireon {

class TfAide : public QDialog {
    Q_OBJECT

public:
    explicit TfAide(QWidget* parent);

    // The pages' captions and lines.
    static const QStringList& PageCaptions();
    static const QStringList& PageLines(int page);

    QTabWidget* PageControl1;
    QPlainTextEdit* Memo1;
    QPlainTextEdit* Memo2;
    QPlainTextEdit* Memo3;
    QPushButton* bbClose;

protected:
    void showEvent(QShowEvent* event) override;
};

}  // namespace vireon

#pragma once

#include "printing/reportpage.h"

#include <QDialog>

#include <functional>

class QHBoxLayout;
class QPrinter;
class QPrintPreviewWidget;
class QPushButton;

namespace fendrimo {

// "Fendrimo - Druckvorschau": the pages exactly as they will print on
// printer (its page size and margins; colour or black and white as the
// content says), with zoom. "Drucken" hands the job to print, the same
// submission as the print dialog's; it closes the window (accepted) when
// print says the job was taken, else the window stays.
class PreviewDialog final : public QDialog
{
    Q_OBJECT

public:
    PreviewDialog(QWidget* parent, QPrinter& printer, ReportInput content,
                  std::function<bool()> print);

    QPrintPreviewWidget* Vorschau = nullptr;
    QPushButton* ButtonKleiner = nullptr;
    QPushButton* ButtonGroesser = nullptr;
    QPushButton* ButtonGanzeSeite = nullptr;
    QPushButton* ButtonDrucken = nullptr;
    QPushButton* ButtonSchliessen = nullptr;

    int pagesShown() const;

private:
    void buildPreview(QPrinter& printer);
    QHBoxLayout* buildButtons();
    void connectButtons();

    ReportInput m_content;
    std::function<bool()> m_print;
};

} // namespace fendrimo

#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace fendrimo {

// "Fendrimo - Programm-Informationen": name, platform and version. Only
// displays; "OK" closes it.
class TAboutBox final : public QDialog
{
    Q_OBJECT

public:
    explicit TAboutBox(QWidget* owner);

    QFrame* Panel1 = nullptr;
    QLabel* Image1 = nullptr;
    QLabel* ProductName = nullptr;
    QLabel* Label1 = nullptr;
    QLabel* Version = nullptr;
    QPushButton* OKButton = nullptr;

    // Sizes the box to the screen and sets the version text.
    void FormCreate();
    void OKButtonClick();
};

} // namespace fendrimo

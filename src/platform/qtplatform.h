#pragma once

#include "platform/platform.h"

#include <QPointer>

namespace fendrimo {

// The platform on a Qt desktop: QMessageBox, QFileDialog, the primary screen,
// QPrinter and QPrintDialog (CUPS on Linux).
class QtPlatform final : public Platform
{
public:
    QtPlatform() = default;
    ~QtPlatform() override;
    QtPlatform(const QtPlatform&) = delete;
    QtPlatform& operator=(const QtPlatform&) = delete;

    MessageResult message(QWidget* parent, MessageType type, const QString& text,
                          MessageButtons buttons) override;
    void failure(QWidget* parent, const QString& text) override;
    void beep() override;
    void exclamation() override;
    QSize screenSize() const override;
    QRect availableArea() const override;
    QDateTime now() const override;
    std::optional<QString> saveFileName(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QString> openFileName(QWidget* parent, const FileDialogRequest& request) override;
    ActivePrinter activePrinter() override;
    bool printerSetup(QWidget* parent) override;
    std::optional<int> chooseItem(QWidget* parent, const ChoiceRequest& request) override;

private:
    class PrinterKeeper;
    QPrinter* printer();

    QPointer<PrinterKeeper> m_printer;
};

} // namespace fendrimo

#pragma once

#include "platform/platform.h"

namespace fendrimo {

// The platform on a Qt desktop: QMessageBox, QFileDialog, the primary screen.
class QtPlatform final : public Platform
{
public:
    MessageResult message(QWidget* parent, MessageType type, const QString& text,
                          MessageButtons buttons) override;
    void failure(QWidget* parent, const QString& text) override;
    void beep() override;
    void exclamation() override;
    QSize screenSize() const override;
    QDateTime now() const override;
    std::optional<QString> saveFileName(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QString> openFileName(QWidget* parent, const FileDialogRequest& request) override;
};

} // namespace fendrimo

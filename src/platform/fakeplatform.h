#pragma once

#include "platform/platform.h"

#include <QList>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>

namespace fendrimo {

// A platform for tests: records every message box, sound and dialog in order
// and answers from a script. Installs itself on construction and restores the
// real platform on destruction.
class FakePlatform final : public Platform
{
public:
    struct Box
    {
        QString caption; // "Warnung", "Fehler", "Information", "Bestätigen" or "Fendrimo"
        QString text;
        MessageButtons buttons;
        bool failure = false;
    };

    FakePlatform();
    ~FakePlatform() override;
    FakePlatform(const FakePlatform&) = delete;
    FakePlatform& operator=(const FakePlatform&) = delete;

    // Answers for the next questions, in order. An unscripted box with "OK"
    // answers Ok; an unscripted question answers Closed and is counted.
    void answer(MessageResult result) { m_answers.push_back(result); }
    // Answers for the next file dialogs; std::nullopt is a cancel.
    void chooseFile(const std::optional<QString>& path) { m_files.push_back(path); }
    // Answers for the next lists to choose from; std::nullopt is a cancel.
    void chooseIndex(std::optional<int> index) { m_choices.push_back(index); }

    QList<Box> boxes;
    QList<FileDialogRequest> fileDialogs;
    QList<ChoiceRequest> choices; // also "choice-dialog" in events
    QStringList events; // "box:<caption>:<text>", "failure:<text>", "beep", "exclamation",
                        // "save-dialog", "open-dialog"
    int beeps = 0;
    int exclamations = 0;
    int unscriptedQuestions = 0;
    int unscriptedDialogs = 0;
    QSize screen{1024, 768};
    // Panels at the screen's top and bottom edges, outside the available area.
    int panelTop = 0;
    int panelBottom = 0;
    QDateTime clock{QDate(2026, 12, 8), QTime(17, 5, 9)};

    // Printing. The fake's own printer writes its page as PDF to printerOutput
    // and is listed as printerName; printerToFile makes it the PDF printer
    // that asks for a file name. A test may put its own printer in its place,
    // or hand all printer services to another platform (a real one).
    bool printerAvailable = true; // false: no output can be had at all
    QString printerName = QStringLiteral("Laserdrucker");
    bool printerToFile = false;
    QString printerOutput;
    QPrinter* printer = nullptr;
    Platform* printing = nullptr;
    // What the user does in the printer setup dialog; true confirms. Unset: cancel.
    std::function<bool()> onPrinterSetup;
    int printerSetups = 0; // also "printer-setup" in events

    // Runs for every box before it answers (the box is in boxes already);
    // lets a test look at the window while the box would be on screen.
    std::function<void(const Box&)> onBox;

    int pendingAnswers() const { return int(m_answers.size()); }
    void clear();

    MessageResult message(QWidget* parent, MessageType type, const QString& text,
                          MessageButtons buttons) override;
    void failure(QWidget* parent, const QString& text) override;
    void beep() override;
    void exclamation() override;
    QSize screenSize() const override { return screen; }
    QRect availableArea() const override
    {
        return QRect(QPoint(), screen).adjusted(0, panelTop, 0, -panelBottom);
    }
    QDateTime now() const override { return clock; }
    std::optional<QString> saveFileName(QWidget* parent, const FileDialogRequest& request) override;
    std::optional<QString> openFileName(QWidget* parent, const FileDialogRequest& request) override;
    ActivePrinter activePrinter() override;
    bool printerSetup(QWidget* parent) override;
    std::optional<int> chooseItem(QWidget* parent, const ChoiceRequest& request) override;

private:
    std::optional<QString> nextFile(const FileDialogRequest& request, const QString& event);

    std::deque<MessageResult> m_answers;
    std::deque<std::optional<QString>> m_files;
    std::deque<std::optional<int>> m_choices;
    std::unique_ptr<QPrinter> m_ownPrinter;
};

} // namespace fendrimo

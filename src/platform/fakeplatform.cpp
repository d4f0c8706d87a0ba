#include "platform/fakeplatform.h"

#include <QPrinter>

namespace fendrimo {

FakePlatform::FakePlatform()
{
    setPlatform(this);
}

FakePlatform::~FakePlatform()
{
    setPlatform(nullptr);
}

void FakePlatform::clear()
{
    boxes.clear();
    fileDialogs.clear();
    choices.clear();
    events.clear();
    beeps = exclamations = unscriptedQuestions = unscriptedDialogs = 0;
    printerSetups = 0;
    m_answers.clear();
    m_files.clear();
    m_choices.clear();
}

MessageResult FakePlatform::message(QWidget*, MessageType type, const QString& text,
                                    MessageButtons buttons)
{
    const Box box{messageCaption(type), text, buttons, false};
    boxes.append(box);
    events.append(QStringLiteral("box:%1:%2").arg(box.caption, text));
    if (onBox)
        onBox(box);
    if (!m_answers.empty()) {
        const MessageResult result = m_answers.front();
        m_answers.pop_front();
        return result;
    }
    if (buttons == MessageButtons(MessageButton::Ok))
        return MessageResult::Ok;
    ++unscriptedQuestions;
    return MessageResult::Closed;
}

void FakePlatform::failure(QWidget*, const QString& text)
{
    const Box box{QStringLiteral("Fendrimo"), text, MessageButton::Ok, true};
    boxes.append(box);
    events.append(QStringLiteral("failure:%1").arg(text));
    if (onBox)
        onBox(box);
}

void FakePlatform::beep()
{
    ++beeps;
    events.append(QStringLiteral("beep"));
}

void FakePlatform::exclamation()
{
    ++exclamations;
    events.append(QStringLiteral("exclamation"));
}

std::optional<QString> FakePlatform::nextFile(const FileDialogRequest& request,
                                              const QString& event)
{
    fileDialogs.append(request);
    events.append(event);
    if (m_files.empty()) {
        ++unscriptedDialogs;
        return std::nullopt;
    }
    const std::optional<QString> path = m_files.front();
    m_files.pop_front();
    return path;
}

std::optional<QString> FakePlatform::saveFileName(QWidget*, const FileDialogRequest& request)
{
    return nextFile(request, QStringLiteral("save-dialog"));
}

std::optional<QString> FakePlatform::openFileName(QWidget*, const FileDialogRequest& request)
{
    return nextFile(request, QStringLiteral("open-dialog"));
}

std::optional<int> FakePlatform::chooseItem(QWidget*, const ChoiceRequest& request)
{
    choices.append(request);
    events.append(QStringLiteral("choice-dialog"));
    if (m_choices.empty()) {
        ++unscriptedDialogs;
        return std::nullopt;
    }
    const std::optional<int> index = m_choices.front();
    m_choices.pop_front();
    return index;
}

ActivePrinter FakePlatform::activePrinter()
{
    if (printing)
        return printing->activePrinter();
    if (!printerAvailable)
        return {};
    if (printer)
        return {printer, printerName, printerToFile};
    if (!m_ownPrinter) {
        m_ownPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_ownPrinter->setOutputFormat(QPrinter::PdfFormat);
    }
    // The file printer gets its name from the save dialog; the other one
    // "sends" its page to the file the test looks at.
    if (!printerToFile)
        m_ownPrinter->setOutputFileName(printerOutput);
    return {m_ownPrinter.get(), printerName, printerToFile};
}

bool FakePlatform::printerSetup(QWidget* parent)
{
    ++printerSetups;
    events.append(QStringLiteral("printer-setup"));
    if (printing)
        return printing->printerSetup(parent);
    return onPrinterSetup ? onPrinterSetup() : false;
}

} // namespace fendrimo

#include "platform/qtplatform.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QListView>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>

namespace fendrimo {

namespace {

QMessageBox::Icon iconFor(MessageType type)
{
    switch (type) {
    case MessageType::Warnung:
        return QMessageBox::Warning;
    case MessageType::Fehler:
        return QMessageBox::Critical;
    case MessageType::Information:
        return QMessageBox::Information;
    case MessageType::Bestaetigen:
        return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::ButtonRole roleFor(MessageButton button)
{
    switch (button) {
    case MessageButton::Ok:
        return QMessageBox::AcceptRole;
    case MessageButton::Abbrechen:
        return QMessageBox::RejectRole;
    case MessageButton::Ja:
        return QMessageBox::YesRole;
    case MessageButton::Nein:
        return QMessageBox::NoRole;
    }
    return QMessageBox::InvalidRole;
}

MessageResult resultFor(MessageButton button)
{
    switch (button) {
    case MessageButton::Ok:
        return MessageResult::Ok;
    case MessageButton::Abbrechen:
        return MessageResult::Abbrechen;
    case MessageButton::Ja:
        return MessageResult::Ja;
    case MessageButton::Nein:
        return MessageResult::Nein;
    }
    return MessageResult::Closed;
}

std::optional<QString> runFileDialog(QWidget* parent, const FileDialogRequest& request,
                                     QFileDialog::AcceptMode mode)
{
    QFileDialog dialog(parent, request.title);
    dialog.setAcceptMode(mode);
    dialog.setFileMode(request.fileMustExist ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialog.setNameFilter(request.filter);
    dialog.setDefaultSuffix(request.defaultSuffix);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, !request.confirmOverwrite);
    if (!request.startFolder.isEmpty() && QFileInfo(request.startFolder).isDir())
        dialog.setDirectory(request.startFolder);
    if (!request.proposedFile.isEmpty())
        dialog.selectFile(request.proposedFile);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return std::nullopt;
    return dialog.selectedFiles().constFirst();
}

// The dialog only chooses the printer and its settings: its accept button
// says so instead of Qt's "Drucken". Qt sets that text when it builds the
// dialog, not when it shows it.
void nameSetupButton(QPrintDialog& dialog)
{
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    QPushButton* accept = buttons ? buttons->button(QDialogButtonBox::Ok) : nullptr;
    if (accept)
        accept->setText(QCoreApplication::translate("Platform", "Übernehmen"));
}

} // namespace

// The run's printer belongs to the application object, so it is gone before
// the fonts and the print support it uses are torn down.
class QtPlatform::PrinterKeeper final : public QObject
{
public:
    using QObject::QObject;
    QPrinter printer{QPrinter::HighResolution};
};

MessageResult QtPlatform::message(QWidget* parent, MessageType type, const QString& text,
                                  MessageButtons buttons)
{
    QMessageBox box(iconFor(type), messageCaption(type), text, QMessageBox::NoButton, parent);
    QPushButton* firstButton = nullptr;
    QPushButton* yesButton = nullptr;
    QPushButton* noButton = nullptr;
    QList<QPair<QAbstractButton*, MessageButton>> added;
    for (const MessageButton button :
         {MessageButton::Ja, MessageButton::Nein, MessageButton::Ok, MessageButton::Abbrechen}) {
        if (!buttons.testFlag(button))
            continue;
        QPushButton* pushButton = box.addButton(buttonText(button), roleFor(button));
        added.append({pushButton, button});
        if (!firstButton)
            firstButton = pushButton;
        if (button == MessageButton::Ja)
            yesButton = pushButton;
        if (button == MessageButton::Nein)
            noButton = pushButton;
    }
    // "&Ja" is the default of a question, Escape answers "&Nein".
    box.setDefaultButton(yesButton ? yesButton : firstButton);
    if (noButton)
        box.setEscapeButton(noButton);
    box.exec();
    for (const auto& entry : added) {
        if (box.clickedButton() == entry.first)
            return resultFor(entry.second);
    }
    return MessageResult::Closed;
}

void QtPlatform::failure(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QStringLiteral("Fendrimo"), text, QMessageBox::NoButton,
                    parent);
    box.setDefaultButton(box.addButton(buttonText(MessageButton::Ok), QMessageBox::AcceptRole));
    box.exec();
}

void QtPlatform::beep()
{
    QApplication::beep();
}

void QtPlatform::exclamation()
{
    QApplication::beep();
}

QSize QtPlatform::screenSize() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->size() : QSize(1024, 768);
}

QRect QtPlatform::availableArea() const
{
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry() : QRect(0, 0, 1024, 768);
}

QDateTime QtPlatform::now() const
{
    return QDateTime::currentDateTime();
}

std::optional<QString> QtPlatform::saveFileName(QWidget* parent, const FileDialogRequest& request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptSave);
}

std::optional<QString> QtPlatform::openFileName(QWidget* parent, const FileDialogRequest& request)
{
    return runFileDialog(parent, request, QFileDialog::AcceptOpen);
}

QtPlatform::~QtPlatform()
{
    delete m_printer.data();
}

QPrinter* QtPlatform::printer()
{
    if (!m_printer && QCoreApplication::instance())
        m_printer = new PrinterKeeper(QCoreApplication::instance());
    return m_printer ? &m_printer->printer : nullptr;
}

ActivePrinter QtPlatform::activePrinter()
{
    QPrinter* active = printer();
    if (!active || !active->isValid())
        return {};
    // Without an installed printer Qt prints to PDF; that is a printer too.
    const bool toFile = active->outputFormat() == QPrinter::PdfFormat;
    return {active,
            toFile ? QCoreApplication::translate("Platform", "PDF-Datei") : active->printerName(),
            toFile};
}

bool QtPlatform::printerSetup(QWidget* parent)
{
    QPrinter* active = printer();
    if (!active)
        return false;
    QPrintDialog dialog(active, parent);
    dialog.setWindowTitle(
        QCoreApplication::translate("Platform", "Drucker auswählen und einrichten"));
    // The report is one whole page: no page ranges, no selection.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    nameSetupButton(dialog);
    return dialog.exec() == QDialog::Accepted;
}

std::optional<int> QtPlatform::chooseItem(QWidget* parent, const ChoiceRequest& request)
{
    QInputDialog dialog(parent);
    dialog.setWindowTitle(request.title);
    dialog.setAccessibleName(request.title);
    dialog.setLabelText(request.label);
    dialog.setComboBoxItems(request.items);
    // A list shows every name at once; a combo box would hide all but one.
    dialog.setOption(QInputDialog::UseListViewForComboBoxItems);
    dialog.setOkButtonText(buttonText(MessageButton::Ok));
    dialog.setCancelButtonText(buttonText(MessageButton::Abbrechen));
    if (request.preselected >= 0 && request.preselected < request.items.size())
        dialog.setTextValue(request.items.at(request.preselected));
    auto* list = dialog.findChild<QListView*>();
    QAbstractItemModel* model = list ? list->model() : nullptr;
    for (int i = 0; model && i < request.toolTips.size() && i < model->rowCount(); ++i)
        model->setData(model->index(i, 0), request.toolTips.at(i), Qt::ToolTipRole);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    // By its row: shortened names may read alike.
    if (list && list->currentIndex().isValid())
        return list->currentIndex().row();
    const int chosen = int(request.items.indexOf(dialog.textValue()));
    return chosen >= 0 ? std::optional<int>(chosen) : std::nullopt;
}

} // namespace fendrimo

// Options, printing, help, undo and redo, and profile files dropped on the window.

#include "app/tform1.h"

#include "about/aboutbox.h"
#include "files/profilerecord.h"
#include "options/optionsdialog.h"
#include "platform/platform.h"
#include "printing/grafikform.h"
#include "printing/shownlines.h"
#include "widgets/textfields.h"
#include "profile/zehntel.h"
#include "settings/settings.h"
#include "tools/ratetooldialog.h"

#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QTimer>
#include <QUrl>

namespace fendrimo {

void TForm1::EinstellungenClick()
{
    TFormOptionen dialog(this, Maximum());
    // Applied while the dialog is still open, so a refusal shows over it.
    connect(&dialog, &TFormOptionen::chosen, this, [this](qint32 maximum, bool colour) {
        guarded([&] { applyOptions(maximum, colour); });
    });
    dialog.exec();
}

void TForm1::applyOptions(qint32 newMaximum, bool colour)
{
    const qint32 altesMaximum = Maximum();
    Settings settings;
    settings.setMaximum(newMaximum);
    settings.setFarbDruck(colour);
    settings.markComplete();

    const qint32 highest = m_profile.highestRate();
    if (highest > newMaximum) {
        platform().message(
            this, MessageType::Fehler,
            QStringLiteral("Mindestens eine aktuelle Stundenrate ist größer als das neue Maximum, "
                           "welches Sie einstellen wollten! Die höchste Stundenrate, die gerade "
                           "eingestellt ist, ist ") +
                ZehntelText(highest) +
                QStringLiteral(" IE/h! Ändern Sie das Maximum auf diesen oder den nächsthöheren "
                               "Wert!"),
            MessageButton::Ok);
        settings.setMaximum(altesMaximum);
        return;
    }
    // An older state of the profile may not fit below a lower maximum.
    if (newMaximum < altesMaximum)
        m_history.clear();
    m_profile.setMaximum(newMaximum);
}

ReportInput TForm1::reportContent() const
{
    // The texts as a profile file holds them: what is printed is what is saved.
    Profilsatz record = m_record;
    storeInRecord(m_profile.content(), record);
    ReportInput input;
    input.maximum = Maximum();
    for (int h = 0; h < Hours; ++h)
        input.rates.at(size_t(h)) = record.rate(h);
    input.datum = record.datum();
    input.bolusMorgens = record.bolus(bolusSlot(0));
    input.bolusMittags = record.bolus(bolusSlot(1));
    input.bolusAbends = record.bolus(bolusSlot(2));
    // The notes as the field shows them: a wrapped paragraph prints as its rows.
    input.notes = shownLines(*MemoNotizen);
    if (m_reference) {
        ReportReference printed;
        std::copy(m_reference->rates.begin(), m_reference->rates.end(), printed.rates.begin());
        printed.name = m_reference->name;
        input.reference = printed;
    }
    return input;
}

void TForm1::DruckenClick()
{
    TGrafikForm form(this, reportContent());
    form.exec();
}

void TForm1::HilfezurFendrimo1Click()
{
    platform().message(
        this, MessageType::Information,
        QStringLiteral("Leider gibt es für dieses Programm keine Hilfedatei! Bitte lesen Sie die "
                       "mitgelieferte Dokumentation README.TXT. Sollten Sie Fragen oder "
                       "Schwierigkeiten haben, können Sie mich - den Programmierer - persönlich "
                       "kontaktieren. Klicken Sie bitte auf OK!"),
        MessageButton::Ok);
    Programminfos1Click();
}

void TForm1::Programminfos1Click()
{
    TAboutBox box(this);
    box.exec();
}

void TForm1::RueckgaengigClick()
{
    m_history.undo();
    // Unsaved exactly when the content differs from the one last saved.
    setDatenGespeichert(m_history.matchesSaved());
}

void TForm1::WiederholenClick()
{
    m_history.redo();
    setDatenGespeichert(m_history.matchesSaved());
}

void TForm1::runRateTool(const RateTool& tool, const QString& stepText)
{
    RateToolDialog dialog(this, tool, m_profile.content().rates);
    if (dialog.exec() != QDialog::Accepted)
        return;
    // Every tool marks the profile unsaved and is one step of its own.
    setDatenGespeichert(false);
    ProfileContent after = m_profile.content();
    after.rates = dialog.preview().rates;
    m_history.breakMerging();
    m_history.record(stepText.arg(dialog.value()), after);
}

void TForm1::RatenProzentClick()
{
    runRateTool(percentTool(m_profile.content().rates, Maximum()),
                QStringLiteral("Alle Raten auf %1 %"));
}

void TForm1::VerschiebenClick()
{
    runRateTool(shiftTool(m_profile.content().rates),
                QStringLiteral("Raten um %1 Stunden verschoben"));
}

QString TForm1::droppedProfile(const QMimeData* data)
{
    if (!data || !data->hasUrls())
        return QString();
    const QList<QUrl> urls = data->urls();
    if (urls.size() != 1 || !urls.front().isLocalFile())
        return QString();
    const QString path = urls.front().toLocalFile();
    if (!path.endsWith(QLatin1String(".bar"), Qt::CaseInsensitive) || QFileInfo(path).isDir())
        return QString();
    return path;
}

void TForm1::dragEnterEvent(QDragEnterEvent* event)
{
    dragMoveEvent(event);
}

void TForm1::dragMoveEvent(QDragMoveEvent* event)
{
    if (!droppedProfile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
    else
        event->ignore();
}

void TForm1::dropEvent(QDropEvent* event)
{
    const QString path = droppedProfile(event->mimeData());
    if (path.isEmpty()) {
        event->ignore();
        return;
    }
    event->acceptProposedAction();
    // The question and the loading come after the drop has completed, so the
    // drag never waits on a modal box.
    QTimer::singleShot(0, this, [this, path] {
        m_history.breakMerging();
        guarded([this, path] { openDropped(path); });
    });
}

void TForm1::openDropped(const QString& path)
{
    if (!mayDiscardForLoading())
        return;
    loadFile(QFileInfo(path).absoluteFilePath());
}

} // namespace fendrimo

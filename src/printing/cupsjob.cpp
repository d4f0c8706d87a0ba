#include "printing/cupsjob.h"

#include <QPageLayout>
#include <QPrintEngine>
#include <QPrinter>

#include <cups/cups.h>

namespace fendrimo {

namespace {

// The options in libcups' own list, freed with it.
class OptionList
{
public:
    OptionList() = default;
    ~OptionList() { cupsFreeOptions(m_count, m_options); }
    OptionList(const OptionList&) = delete;
    OptionList& operator=(const OptionList&) = delete;

    void add(const char* name, const QString& value)
    {
        if (!value.isEmpty())
            m_count = cupsAddOption(name, value.toUtf8().constData(), m_count, &m_options);
    }
    int count() const { return m_count; }
    cups_option_t* options() const { return m_options; }

private:
    int m_count = 0;
    cups_option_t* m_options = nullptr;
};

QString sidesFor(const QPrinter& printer)
{
    switch (printer.duplex()) {
    case QPrinter::DuplexNone:
        return QStringLiteral("one-sided");
    case QPrinter::DuplexAuto:
        // Turning over the way the page is read, as Qt's own CUPS engine does.
        return printer.pageLayout().orientation() == QPageLayout::Landscape
                   ? QStringLiteral("two-sided-short-edge")
                   : QStringLiteral("two-sided-long-edge");
    case QPrinter::DuplexLongSide:
        return QStringLiteral("two-sided-long-edge");
    case QPrinter::DuplexShortSide:
        return QStringLiteral("two-sided-short-edge");
    }
    return QString();
}

// The PWG name of the paper: the service knows it whatever the queue's
// driver calls the size, and an odd size gets a "custom_" name of its own.
QString mediaFor(const QPrinter& printer)
{
    const QPageSize size = printer.pageLayout().pageSize();
    if (!size.isValid())
        return QString();
    const QSizeF mm = size.size(QPageSize::Millimeter);
    const pwg_media_t* media = pwgMediaForSize(qRound(mm.width() * 100), qRound(mm.height() * 100));
    return media && media->pwg ? QString::fromUtf8(media->pwg) : QString();
}

// Where Qt's CUPS print engine keeps what its properties dialog chose: a
// list of option names and values, in turn.
constexpr auto kCupsOptionsKey = QPrintEngine::PrintEnginePropertyKey(0xfe00);

QStringList propertiesDialogOptions(const QPrinter& printer)
{
    const QPrintEngine* engine = printer.printEngine();
    QStringList options = engine ? engine->property(kCupsOptionsKey).toStringList() : QStringList();
    if (options.size() % 2 != 0)
        options.removeLast();
    return options;
}

QString lastRefusal()
{
    QString text = QString::fromUtf8(cupsLastErrorString()).trimmed();
    if (text.isEmpty())
        text = QString::fromUtf8(ippErrorString(cupsLastError()));
    while (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text.isEmpty() ? QStringLiteral("unbekannter Fehler des Druckdienstes") : text;
}

bool accepted(ipp_status_t status)
{
    return status <= IPP_STATUS_OK_CONFLICTING;
}

// Asks the service about the queue; cupsLastError() then holds its answer.
void lookUpQueue(const char* queue)
{
    char uri[HTTP_MAX_URI];
    httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost", ippPort(),
                     "/printers/%s", queue);
    ipp_t* request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "printer-state");
    ippDelete(cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));
}

// cupsCreateJob looks the queue up first and, when that fails, tells only
// "No such file or directory"; a look-up of our own says why: no such queue,
// or no service to ask (whose errno text would only mislead).
QString whyNoJob(const char* queue)
{
    QString refusal = lastRefusal();
    if (cupsLastError() == IPP_STATUS_ERROR_INTERNAL) {
        lookUpQueue(queue);
        if (!accepted(cupsLastError()))
            refusal = lastRefusal();
    }
    if (cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE)
        return QStringLiteral("der Druckdienst %1 ist nicht erreichbar")
            .arg(QString::fromUtf8(cupsServer()));
    return refusal;
}

// The document of a created job; false when the service did not take it.
bool sendDocument(const char* queue, int job, const QByteArray& pdf, const char* title)
{
    if (cupsStartDocument(CUPS_HTTP_DEFAULT, queue, job, title, CUPS_FORMAT_PDF, 1) !=
        HTTP_STATUS_CONTINUE)
        return false;
    const bool written = cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(),
                                              size_t(pdf.size())) == HTTP_STATUS_CONTINUE;
    // Finished in any case: the connection must not stay in the middle of a request.
    const ipp_status_t status = cupsFinishDocument(CUPS_HTTP_DEFAULT, queue);
    return written && accepted(status);
}

// A stopped queue takes jobs and keeps them until it is started again.
bool queueStopped(const char* queue, const char* instance)
{
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue, instance);
    if (!dest)
        return false;
    const char* state = cupsGetOption("printer-state", dest->num_options, dest->options);
    const bool stopped = state && QByteArray(state).toInt() == IPP_PSTATE_STOPPED;
    cupsFreeDests(1, dest);
    return stopped;
}

} // namespace

CupsJobOptions cupsJobOptions(const QPrinter& printer, bool colour)
{
    CupsJobOptions options;
    options.copies = qMax(1, printer.copyCount());
    options.media = mediaFor(printer);
    options.colour = colour && printer.colorMode() == QPrinter::Color;
    options.sides = sidesFor(printer);
    options.title = printer.docName().isEmpty() ? QStringLiteral("Basalrate") : printer.docName();
    options.more = propertiesDialogOptions(printer);
    return options;
}

CupsSubmission submitPdf(const QString& queue, const QByteArray& pdf, const CupsJobOptions& options)
{
    // The service knows the queue; an instance only names saved options.
    const qsizetype slash = queue.indexOf(QLatin1Char('/'));
    const QByteArray name = queue.left(slash).toUtf8();
    const QByteArray instance = slash < 0 ? QByteArray() : queue.mid(slash + 1).toUtf8();
    const QByteArray title = options.title.toUtf8();

    OptionList list;
    for (qsizetype i = 0; i + 1 < options.more.size(); i += 2)
        list.add(options.more.at(i).toUtf8().constData(), options.more.at(i + 1));
    list.add("copies", QString::number(qMax(1, options.copies)));
    list.add("media", options.media);
    list.add("print-color-mode",
             options.colour ? QStringLiteral("color") : QStringLiteral("monochrome"));
    list.add("sides", options.sides);

    CupsSubmission submission;
    const int job = cupsCreateJob(CUPS_HTTP_DEFAULT, name.constData(), title.constData(),
                                  list.count(), list.options());
    if (job <= 0) {
        submission.refusal = whyNoJob(name.constData());
        return submission;
    }
    if (!sendDocument(name.constData(), job, pdf, title.constData())) {
        submission.refusal = lastRefusal();
        // A job without its document would wait in the queue for ever.
        cupsCancelJob2(CUPS_HTTP_DEFAULT, name.constData(), job, 0);
        return submission;
    }
    submission.jobId = job;
    submission.held =
        queueStopped(name.constData(), instance.isEmpty() ? nullptr : instance.constData());
    return submission;
}

} // namespace fendrimo

#include "printing/cupsjob.h"

#include <QCoreApplication>
#include <QLibrary>
#include <QPageLayout>
#include <QPrintEngine>
#include <QPrinter>

#include <cups/cups.h>

#include <optional>

namespace fendrimo {

namespace {

// libcups is loaded for a job, not linked: linked, it brings some twenty
// libraries (TLS, Kerberos, Avahi …) into every start, and printing is rare.
// Each function keeps the type <cups/cups.h> gives it; the list names each
// once, so a name and its type can't part.
// clang-format off
#define FENDRIMO_CUPS_FUNCTIONS(F) \
    F(cupsAddOption) F(cupsFreeOptions) F(pwgMediaForSize) F(cupsLastErrorString) \
    F(ippErrorString) F(cupsLastError) F(httpAssembleURIf) F(ippPort) F(ippNewRequest) \
    F(ippAddString) F(ippDelete) F(cupsDoRequest) F(cupsServer) F(cupsStartDocument) \
    F(cupsWriteRequestData) F(cupsFinishDocument) F(cupsGetNamedDest) F(cupsGetOption) \
    F(cupsFreeDests) F(cupsCreateJob) F(cupsCancelJob2)
// clang-format on

struct Cups
{
#define FENDRIMO_CUPS_POINTER(name) decltype(&::name) name = nullptr;
    FENDRIMO_CUPS_FUNCTIONS(FENDRIMO_CUPS_POINTER)
#undef FENDRIMO_CUPS_POINTER
};

QString withoutFullStop(QString text)
{
    while (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

// The library's functions, or why it can't be had.
struct LoadOutcome
{
    std::optional<Cups> cups;
    QString error; // set exactly when there are no functions
};

// The library stays loaded for the rest of the run (QLibrary doesn't unload
// it), so the next job finds it at once.
LoadOutcome loadCups(const QString& fileName)
{
    QLibrary library(fileName);
    if (!library.load())
        return {std::nullopt, QCoreApplication::translate(
                                  "CupsJob", "der Druckdienst (libcups) lässt sich nicht laden: %1")
                                  .arg(withoutFullStop(library.errorString()))};
    Cups cups;
    QString missing;
#define FENDRIMO_CUPS_RESOLVE(name)                                                                \
    cups.name = reinterpret_cast<decltype(cups.name)>(library.resolve(#name));                     \
    if (!cups.name && missing.isEmpty())                                                           \
        missing = QStringLiteral(#name);
    FENDRIMO_CUPS_FUNCTIONS(FENDRIMO_CUPS_RESOLVE)
#undef FENDRIMO_CUPS_RESOLVE
    if (missing.isEmpty())
        return {cups, QString()};
    return {std::nullopt, QCoreApplication::translate(
                              "CupsJob", "der Druckdienst (libcups) lässt sich nicht laden: %1 "
                                         "hat keine Funktion %2")
                              .arg(fileName, missing)};
}

// The options in libcups' own list, freed with it.
class OptionList
{
public:
    explicit OptionList(const Cups& cups) : m_cups(cups) {}
    ~OptionList() { m_cups.cupsFreeOptions(m_count, m_options); }
    OptionList(const OptionList&) = delete;
    OptionList& operator=(const OptionList&) = delete;

    void add(const char* name, const QString& value)
    {
        if (!value.isEmpty())
            m_count = m_cups.cupsAddOption(name, value.toUtf8().constData(), m_count, &m_options);
    }
    int count() const { return m_count; }
    cups_option_t* options() const { return m_options; }

private:
    const Cups& m_cups;
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

QSize paperFor(const QPrinter& printer)
{
    const QPageSize size = printer.pageLayout().pageSize();
    if (!size.isValid())
        return QSize();
    const QSizeF mm = size.size(QPageSize::Millimeter);
    return QSize(qRound(mm.width() * 100), qRound(mm.height() * 100));
}

// The PWG name of the paper: the service knows it whatever the queue's
// driver calls the size, and an odd size gets a "custom_" name of its own.
QString mediaFor(const Cups& cups, QSize paper)
{
    if (paper.isEmpty())
        return QString();
    const pwg_media_t* media = cups.pwgMediaForSize(paper.width(), paper.height());
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

QString lastRefusal(const Cups& cups)
{
    QString text = QString::fromUtf8(cups.cupsLastErrorString()).trimmed();
    if (text.isEmpty())
        text = QString::fromUtf8(cups.ippErrorString(cups.cupsLastError()));
    text = withoutFullStop(text);
    return text.isEmpty()
               ? QCoreApplication::translate("CupsJob", "unbekannter Fehler des Druckdienstes")
               : text;
}

bool accepted(ipp_status_t status)
{
    return status <= IPP_STATUS_OK_CONFLICTING;
}

// Asks the service about the queue; cupsLastError() then holds its answer.
void lookUpQueue(const Cups& cups, const char* queue)
{
    char uri[HTTP_MAX_URI];
    cups.httpAssembleURIf(HTTP_URI_CODING_ALL, uri, sizeof uri, "ipp", nullptr, "localhost",
                          cups.ippPort(), "/printers/%s", queue);
    ipp_t* request = cups.ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    cups.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr, uri);
    cups.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                      "printer-state");
    cups.ippDelete(cups.cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"));
}

// cupsCreateJob looks the queue up first and, when that fails, tells only
// "No such file or directory"; a look-up of our own says why: no such queue,
// or no service to ask (whose errno text would only mislead).
QString whyNoJob(const Cups& cups, const char* queue)
{
    QString refusal = lastRefusal(cups);
    if (cups.cupsLastError() == IPP_STATUS_ERROR_INTERNAL) {
        lookUpQueue(cups, queue);
        if (!accepted(cups.cupsLastError()))
            refusal = lastRefusal(cups);
    }
    if (cups.cupsLastError() == IPP_STATUS_ERROR_SERVICE_UNAVAILABLE)
        return QCoreApplication::translate("CupsJob", "der Druckdienst %1 ist nicht erreichbar")
            .arg(QString::fromUtf8(cups.cupsServer()));
    return refusal;
}

// The document of a created job; false when the service did not take it.
bool sendDocument(const Cups& cups, const char* queue, int job, const QByteArray& pdf,
                  const char* title)
{
    if (cups.cupsStartDocument(CUPS_HTTP_DEFAULT, queue, job, title, CUPS_FORMAT_PDF, 1) !=
        HTTP_STATUS_CONTINUE)
        return false;
    const bool written = cups.cupsWriteRequestData(CUPS_HTTP_DEFAULT, pdf.constData(),
                                                   size_t(pdf.size())) == HTTP_STATUS_CONTINUE;
    // Finished in any case: the connection must not stay in the middle of a request.
    const ipp_status_t status = cups.cupsFinishDocument(CUPS_HTTP_DEFAULT, queue);
    return written && accepted(status);
}

// A stopped queue takes jobs and keeps them until it is started again.
bool queueStopped(const Cups& cups, const char* queue, const char* instance)
{
    cups_dest_t* dest = cups.cupsGetNamedDest(CUPS_HTTP_DEFAULT, queue, instance);
    if (!dest)
        return false;
    const char* state = cups.cupsGetOption("printer-state", dest->num_options, dest->options);
    const bool stopped = state && QByteArray(state).toInt() == IPP_PSTATE_STOPPED;
    cups.cupsFreeDests(1, dest);
    return stopped;
}

} // namespace

CupsJobOptions cupsJobOptions(const QPrinter& printer, bool colour)
{
    CupsJobOptions options;
    options.copies = qMax(1, printer.copyCount());
    options.paper = paperFor(printer);
    options.colour = colour && printer.colorMode() == QPrinter::Color;
    options.sides = sidesFor(printer);
    //: the print job's name in the printer's queue
    options.title = printer.docName().isEmpty()
                        ? QCoreApplication::translate("CupsJob", "Basalrate")
                        : printer.docName();
    options.more = propertiesDialogOptions(printer);
    return options;
}

CupsSubmission submitPdf(const QString& queue, const QByteArray& pdf, const CupsJobOptions& options)
{
    return submitPdfThrough(QStringLiteral("libcups.so.2"), queue, pdf, options);
}

CupsSubmission submitPdfThrough(const QString& library, const QString& queue, const QByteArray& pdf,
                                const CupsJobOptions& options)
{
    CupsSubmission submission;
    const LoadOutcome loaded = loadCups(library);
    if (!loaded.cups) {
        submission.refusal = loaded.error;
        return submission;
    }
    const std::optional<Cups>& cups = loaded.cups;

    // The service knows the queue; an instance only names saved options.
    const qsizetype slash = queue.indexOf(QLatin1Char('/'));
    const QByteArray name = queue.left(slash).toUtf8();
    const QByteArray instance = slash < 0 ? QByteArray() : queue.mid(slash + 1).toUtf8();
    const QByteArray title = options.title.toUtf8();

    OptionList list(*cups);
    for (qsizetype i = 0; i + 1 < options.more.size(); i += 2)
        list.add(options.more.at(i).toUtf8().constData(), options.more.at(i + 1));
    list.add("copies", QString::number(qMax(1, options.copies)));
    list.add("media", mediaFor(*cups, options.paper));
    list.add("print-color-mode",
             options.colour ? QStringLiteral("color") : QStringLiteral("monochrome"));
    list.add("sides", options.sides);

    const int job = cups->cupsCreateJob(CUPS_HTTP_DEFAULT, name.constData(), title.constData(),
                                        list.count(), list.options());
    if (job <= 0) {
        submission.refusal = whyNoJob(*cups, name.constData());
        return submission;
    }
    if (!sendDocument(*cups, name.constData(), job, pdf, title.constData())) {
        submission.refusal = lastRefusal(*cups);
        // A job without its document would wait in the queue for ever.
        cups->cupsCancelJob2(CUPS_HTTP_DEFAULT, name.constData(), job, 0);
        return submission;
    }
    submission.jobId = job;
    submission.held =
        queueStopped(*cups, name.constData(), instance.isEmpty() ? nullptr : instance.constData());
    return submission;
}

} // namespace fendrimo

#include "instructions.h"

#include <QList>
#include <QRegularExpression>
#include <QTextStream>

namespace fendrimo::bench {

namespace {

// "  1,234 (12.34%)  rest": the count and the rest of the line.
const QRegularExpression& costLine()
{
    static const QRegularExpression pattern(
        QStringLiteral(R"(^\s*([\d,]+) \(\s*[\d.]+%\)\s+(.*)$)"));
    return pattern;
}

qint64 count(const QString& digits)
{
    return QString(digits).remove(QLatin1Char(',')).toLongLong();
}

// "???:QWidget::show() [/usr/lib/…/libQt6Widgets.so.6]" -> "QWidget::show()".
QString functionName(QString text)
{
    text = text.trimmed();
    if (text.endsWith(QLatin1Char(']'))) {
        const qsizetype object = text.lastIndexOf(QLatin1String(" ["));
        if (object > 0)
            text.truncate(object);
    }
    if (text.startsWith(QLatin1String("???:")))
        text.remove(0, 4);
    return text;
}

QString millions(qint64 instructions)
{
    return QString::number(double(instructions) / 1e6, 'f', 1);
}

} // namespace

InstructionProfile readInstructionProfile(const QByteArray& inclusiveText,
                                          const QByteArray& callerText, QString* error)
{
    InstructionProfile profile;
    for (const QString& line : QString::fromUtf8(inclusiveText).split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = costLine().match(line);
        if (!match.hasMatch())
            continue;
        const QString rest = match.captured(2).trimmed();
        if (rest == QLatin1String("PROGRAM TOTALS")) {
            profile.total = count(match.captured(1));
            continue;
        }
        // Recursive entries ("name'2") are already inside the outer call.
        const QString name = functionName(rest);
        if (!profile.inclusive.contains(name))
            profile.inclusive.insert(name, count(match.captured(1)));
    }

    // The caller tree: each function's callers ("<", with "(Nx)") come just
    // before the function itself ("*").
    static const QRegularExpression callerCount(QStringLiteral(R"( \((\d+)x\)(?: \[[^\]]*\])?$)"));
    qint64 callsSoFar = 0;
    for (const QString& line : QString::fromUtf8(callerText).split(QLatin1Char('\n'))) {
        const QRegularExpressionMatch match = costLine().match(line);
        if (!match.hasMatch()) {
            callsSoFar = 0;
            continue;
        }
        const QString rest = match.captured(2);
        if (rest.startsWith(QLatin1Char('<'))) {
            const QRegularExpressionMatch calls = callerCount.match(rest);
            if (calls.hasMatch())
                callsSoFar += calls.captured(1).toLongLong();
        } else if (rest.startsWith(QLatin1Char('*'))) {
            const QString name = functionName(rest.mid(1));
            if (!profile.calls.contains(name))
                profile.calls.insert(name, callsSoFar);
            callsSoFar = 0;
        }
    }

    if (profile.total <= 0) {
        *error = QStringLiteral("no PROGRAM TOTALS line in the callgrind_annotate output");
        return {};
    }
    return profile;
}

void writeInstructionSection(QTextStream& out, const InstructionProfile& fendrimo,
                             const InstructionProfile& baseline, qint64 reference, qint64 limit)
{
    struct Phase
    {
        QString what;
        QString inFendrimo;
        QString inBaseline; // empty: the baseline has no such part
        bool showCalls = false;
    };
    // Functions both start-ups go through.
    const QString populate = QStringLiteral("QFontconfigDatabase::populateFontDatabase()");
    const QString openFont =
        QStringLiteral("QFontconfigDatabase::fontEngine(QFontDef const&, void*)");
    const QString fallbacks =
        QStringLiteral("QFontconfigDatabase::fallbacksForFamily(QString const&, QFont::Style, "
                       "QFont::StyleHint, QChar::Script) const");
    const QString firstPaint = QStringLiteral("QWidgetRepaintManager::paintAndFlush()");
    const QList<Phase> phases{
        {QStringLiteral("The application object: platform plug-in, style, translations"),
         QStringLiteral(
             "fendrimo::Application::Application(int&, char**, fendrimo::Settings const&)"),
         QStringLiteral("QApplication::QApplication(int&, char**, int)")},
        {QStringLiteral("Reading the fontconfig set-up, once per process"), populate, populate},
        {QStringLiteral("Opening fonts, one per family, size and style (fonts opened)"), openFont,
         openFont, true},
        {QStringLiteral("Fallback font lists"), fallbacks, fallbacks},
        {QStringLiteral("Building the main window, `TForm1`"),
         QStringLiteral("fendrimo::TForm1::TForm1(fendrimo::Settings&, QWidget*)"), QString()},
        {QStringLiteral("Creating the input fields (fields)"),
         QStringLiteral("QLineEdit::QLineEdit(QString const&, QWidget*)"), QString(), true},
        {QStringLiteral("Creating the sliders (sliders)"),
         QStringLiteral("QScrollBar::QScrollBar(Qt::Orientation, QWidget*)"), QString(), true},
        {QStringLiteral("Building the menu bar and menus"),
         QStringLiteral("fendrimo::TForm1::buildMenus()"), QString()},
        {QStringLiteral("Painting the window the first time"), firstPaint, firstPaint},
    };

    const auto cell = [](const InstructionProfile& profile, const QString& function,
                         bool showCalls) {
        if (function.isEmpty())
            return QStringLiteral("–");
        QString text = millions(profile.cost(function));
        if (showCalls)
            text += QStringLiteral(" (%1)").arg(profile.callCount(function));
        return text;
    };
    const qint64 beforeMainF = fendrimo.total - fendrimo.cost(QStringLiteral("main"));
    const qint64 beforeMainB = baseline.total - baseline.cost(QStringLiteral("main"));

    out << "\n## Start-up in instructions\n\n"
        << "One more start of each probe under callgrind (valgrind), counting the instructions "
           "executed from the first one of the process to the window shown and idle. Unlike "
           "times, counts do not depend on the load of the machine. A row counts everything its "
           "function calls, wherever that happens, so rows overlap: in the baseline the fonts "
           "are opened when the window is shown, in Fendrimo while the main window is built.\n\n"
        << "| Millions of instructions | Fendrimo | Baseline | Ratio |\n"
        << "| --- | ---: | ---: | ---: |\n"
        << "| Whole start-up | " << millions(fendrimo.total) << " | " << millions(baseline.total)
        << " | " << QString::number(double(fendrimo.total) / double(baseline.total), 'f', 2)
        << " × |\n"
        << "| Before `main`: loading and linking the program and its libraries | "
        << millions(beforeMainF) << " | " << millions(beforeMainB) << " | – |\n";
    for (const Phase& phase : phases) {
        out << "| " << phase.what << " | " << cell(fendrimo, phase.inFendrimo, phase.showCalls)
            << " | " << cell(baseline, phase.inBaseline, phase.showCalls) << " | – |\n";
    }

    const double change = double(fendrimo.total - reference) / double(reference) * 100;
    out << "\nFendrimo executes " << millions(fendrimo.total - baseline.total)
        << " million instructions more than the baseline. Against " << millions(reference)
        << " million, its start-up before the profile model, that is " << (change >= 0 ? "+" : "")
        << QString::number(change, 'f', 1) << " %; the budget allows up to " << millions(limit)
        << " million";
    if (fendrimo.total <= limit)
        out << ", room for " << millions(limit - fendrimo.total) << " million more.\n";
    else
        out << ": " << millions(fendrimo.total - limit) << " million too many.\n";
}

} // namespace fendrimo::bench

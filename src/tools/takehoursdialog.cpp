#include "tools/takehoursdialog.h"

#include "platform/platform.h"
#include "profile/zehntel.h"
#include "widgets/designscale.h"
#include "widgets/dialogbuttons.h"
#include "widgets/elidedname.h"
#include "widgets/screenfit.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace fendrimo {

namespace {

// The widest a comparison's name is shown, in design pixels: the dialog stays
// well inside the screen.
constexpr int kNameWidth = 600;

} // namespace

TakeHoursDialog::TakeHoursDialog(QWidget* parent, const HourlyRates& current,
                                 const ProfileReference& reference)
    : QDialog(parent), m_current(current), m_reference(reference),
      m_runs(differingRuns(current, reference))
{
    setObjectName(QStringLiteral("FormUebernehmen"));
    setWindowTitle(tr("Fendrimo - Aus Vergleich übernehmen"));
    QVBoxLayout* layout = scrollingPage(this);
    const int nameWidth =
        DesignScale(designScreen(platform().screenSize()).width()).value(kNameWidth);
    auto* heading = new QLabel(this);
    heading->setText(
        tr("Vergleich: %1\nStunden mit anderer Rate; die angekreuzten übernehmen die Rate des "
           "Vergleichs:")
            .arg(elidedName(reference.name, heading->font(), nameWidth)));
    heading->setToolTip(reference.name);
    heading->setObjectName(QStringLiteral("LabelVergleich"));
    heading->setTextFormat(Qt::PlainText);
    heading->setWordWrap(true);
    layout->addWidget(heading);
    for (int i = 0; i < int(m_runs.size()); ++i) {
        auto* box = new QCheckBox(differingRunText(m_runs.at(i)), this);
        box->setObjectName(QStringLiteral("Lauf%1").arg(i + 1));
        box->setChecked(true);
        connect(box, &QCheckBox::toggled, this, [this] { showTotal(); });
        layout->addWidget(box);
        runBoxes << box;
    }
    LabelSumme = new QLabel(this);
    LabelSumme->setObjectName(QStringLiteral("LabelSumme"));
    LabelSumme->setAccessibleName(tr("Tagessumme jetzt und danach"));
    LabelSumme->setTextFormat(Qt::PlainText);
    layout->addWidget(LabelSumme);
    Buttons = okCancelButtons(this);
    addBelowPage(this, Buttons);
    showTotal();
    fitPage(this);
}

QList<int> TakeHoursDialog::chosenHours() const
{
    QList<int> hours;
    for (int i = 0; i < int(m_runs.size()); ++i) {
        if (runBoxes.at(i)->isChecked())
            hours << m_runs.at(i).hours();
    }
    return hours;
}

void TakeHoursDialog::showTotal()
{
    const HourlyRates taken = takenRates(m_current, m_reference, chosenHours());
    LabelSumme->setText(
        //: IE is the insulin unit
        tr("Tagessumme: %1 IE → %2 IE")
            .arg(ZehntelText(dailyTotal(m_current)), ZehntelText(dailyTotal(taken))));
    Buttons->button(QDialogButtonBox::Ok)->setEnabled(!chosenHours().isEmpty());
}

} // namespace fendrimo

// The comparison: another profile's rates shown beside the one being edited,
// as marks on the sliders, framed rate fields where they differ and the
// other daily total beside this one.

#include "widgets/accessibility.h"
#include "app/ratecontrols.h"
#include "app/tform1.h"

#include "profile/zehntel.h"

#include <QAction>
#include <QLabel>

#include <algorithm>

namespace fendrimo {

ProfileReference TForm1::savedReference() const
{
    ProfileReference reference;
    reference.source = ProfileReference::Source::Saved;
    reference.name = QStringLiteral("gespeicherte Fassung");
    reference.rates = m_history.savedContent().rates;
    return reference;
}

void TForm1::VergleichGespeichertClick()
{
    setReference(savedReference());
}

void TForm1::VergleichBeendenClick()
{
    setReference(std::nullopt);
}

void TForm1::setReference(std::optional<ProfileReference> reference)
{
    m_reference = std::move(reference);
    showReference();
}

void TForm1::showReference()
{
    for (int n = 1; n <= Hours; ++n)
        showReferenceInHour(n);
    VergleichBeenden1->setEnabled(m_reference.has_value());
    LabelVergleich->setVisible(m_reference.has_value());
    if (!m_reference)
        return;
    setLabelText(LabelVergleich, referenceTotalText(m_profile.total(), m_reference->total()));
    LabelVergleich->setToolTip(QStringLiteral("Verglichen wird mit: ") + m_reference->name);
}

void TForm1::showReferenceInHour(int n)
{
    RateSlider* slider = ScrollBar(n);
    RateField* field = Edit(n);
    const QString sliderText = rateSliderDescription(n - 1);
    const QString fieldText = rateFieldDescription(n - 1);
    if (!m_reference) {
        slider->setReferencePosition(std::nullopt);
        slider->setAccessibleDescription(sliderText);
        slider->setToolTip(QString());
        field->setFramed(false);
        field->setAccessibleDescription(fieldText);
        return;
    }
    const qint32 referenceRate = m_reference->rates.at(size_t(n - 1));
    // A rate above the maximum marks the top; its description gives the exact value.
    slider->setReferencePosition(Maximum() - std::min(referenceRate, Maximum()));
    const QString compared = referenceRateText(referenceRate);
    slider->setAccessibleDescription(compared + QStringLiteral(". ") + sliderText);
    slider->setToolTip(compared);
    const bool differs = referenceRate != rate(n);
    field->setFramed(differs);
    field->setAccessibleDescription(
        fieldText + QStringLiteral(". ") + compared +
        (differs ? QStringLiteral(", abweichend") : QStringLiteral(", gleich")));
}

} // namespace fendrimo

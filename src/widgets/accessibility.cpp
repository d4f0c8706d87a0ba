#include "widgets/accessibility.h"

#include "profile/basalprofile.h"
#include "profile/zehntel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QCoreApplication>
#include <QLabel>
#include <QScrollBar>

#include <algorithm>
#include <cmath>

namespace fendrimo {

namespace {

// Dynamic properties that mark the widgets the factory below serves.
constexpr char kRateSlider[] = "fendrimoRateSlider";
constexpr char kValueName[] = "fendrimoValueName";
constexpr char kValueUnit[] = "fendrimoValueUnit";

qint64 rateTenths(const QScrollBar* slider)
{
    return qint64(slider->maximum()) - slider->value();
}

class RateSliderAccessible final : public QAccessibleWidget, public QAccessibleValueInterface
{
public:
    explicit RateSliderAccessible(QScrollBar* slider)
        : QAccessibleWidget(slider, QAccessible::Slider)
    {
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::ValueInterface)
            return static_cast<QAccessibleValueInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Value)
            //: IE is the insulin unit
            return QCoreApplication::translate("Accessibility", "%1 IE/h")
                .arg(ZehntelText(rateTenths(slider())));
        return QAccessibleWidget::text(type);
    }

    // The value interface speaks IE/h, the unit the user sees.
    QVariant currentValue() const override { return double(rateTenths(slider())) / 10.0; }
    QVariant maximumValue() const override { return double(slider()->maximum()) / 10.0; }
    QVariant minimumValue() const override { return 0.0; }
    QVariant minimumStepSize() const override { return 0.1; }

    void setCurrentValue(const QVariant& value) override
    {
        bool ok = false;
        const double rate = value.toDouble(&ok);
        if (!ok || !std::isfinite(rate))
            return;
        QScrollBar* bar = slider();
        const double tenths = std::clamp(std::round(rate * 10.0), 0.0, double(bar->maximum()));
        // setSliderPosition raises actionTriggered: the scroll handler runs,
        // with linked dragging and the unsaved mark, as for a drag.
        bar->setSliderPosition(bar->maximum() - int(tenths));
    }

    QStringList actionNames() const override
    {
        return QAccessibleWidget::actionNames() << increaseAction() << decreaseAction();
    }

    void doAction(const QString& name) override
    {
        // Up is the higher rate: a step up is a step towards position 0.
        if (name == increaseAction())
            slider()->triggerAction(QAbstractSlider::SliderSingleStepSub);
        else if (name == decreaseAction())
            slider()->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        else
            QAccessibleWidget::doAction(name);
    }

private:
    QScrollBar* slider() const { return static_cast<QScrollBar*>(widget()); }
};

class ValueLabelAccessible final : public QAccessibleWidget
{
public:
    explicit ValueLabelAccessible(QLabel* label) : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text type) const override
    {
        if (type == QAccessible::Name)
            //: A screen reader's name of a value: what it is, then the value
            return QCoreApplication::translate("Accessibility", "%1: %2")
                .arg(widget()->property(kValueName).toString(), value());
        if (type == QAccessible::Value)
            return value();
        return QAccessibleWidget::text(type);
    }

private:
    QString value() const
    {
        const QString unit = widget()->property(kValueUnit).toString();
        const QString shown = static_cast<QLabel*>(widget())->text();
        //: A number and its unit
        return unit.isEmpty()
                   ? shown
                   : QCoreApplication::translate("Accessibility", "%1 %2").arg(shown, unit);
    }
};

QAccessibleInterface* accessibleFactory(const QString& className, QObject* object)
{
    if (!object || !object->isWidgetType())
        return nullptr;
    if (className == QLatin1String("QScrollBar") && object->property(kRateSlider).toBool())
        return new RateSliderAccessible(static_cast<QScrollBar*>(object));
    if (className == QLatin1String("QLabel") && object->property(kValueName).isValid())
        return new ValueLabelAccessible(static_cast<QLabel*>(object));
    return nullptr;
}

// Qt may have made and cached its own interface already: a label given its
// text at construction announces it at once. Drop that one so that the next
// query reaches the factory.
template <typename Own> void replaceCachedInterface(QWidget* widget)
{
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
    if (iface && !dynamic_cast<Own*>(iface))
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(iface));
}

} // namespace

void makeRateSliderAccessible(QScrollBar* slider, int hour)
{
    QAccessible::installFactory(accessibleFactory); // once; repeated calls are ignored
    slider->setProperty(kRateSlider, true);
    replaceCachedInterface<RateSliderAccessible>(slider);
    slider->setAccessibleName(
        QCoreApplication::translate("Accessibility", "Basalrate %1").arg(hourSpanText(hour, hour)));
    slider->setAccessibleDescription(rateSliderDescription(hour));
}

QString rateSliderDescription(int hour)
{
    return QCoreApplication::translate("Accessibility",
                                       "Stellt die Basalrate von %1 in Schritten von 0,1 IE/h "
                                       "ein: nach oben mehr, nach unten weniger")
        .arg(hourSpanText(hour, hour));
}

QString rateFieldDescription(int hour)
{
    return QCoreApplication::translate("Accessibility", "Zeigt die Basalrate von %1 in IE/h")
        .arg(hourSpanText(hour, hour));
}

void makeValueLabelAccessible(QLabel* label, const QString& name, const QString& unit,
                              const QString& description)
{
    QAccessible::installFactory(accessibleFactory);
    label->setProperty(kValueUnit, unit);
    label->setProperty(kValueName, name);
    replaceCachedInterface<ValueLabelAccessible>(label);
    label->setAccessibleDescription(description);
}

} // namespace fendrimo

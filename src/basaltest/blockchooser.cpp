#include "basaltest/blockchooser.h"

#include "printing/basaltestsheet.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

namespace fendrimo {

namespace {

// The blocks the courses test, one a day.
const BasalTestBlock kUsualBlocks[] = {{6, 12}, {10, 16}, {16, 22}, {22, 6}};

QSpinBox* hourBox(QWidget* parent, const QString& name, const QString& accessible)
{
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(0, 23);
    box->setWrapping(true);
    box->setSuffix(BlockChooser::tr(" Uhr"));
    box->setAccessibleName(accessible);
    return box;
}

} // namespace

BlockChooser::BlockChooser(QWidget* parent, BasalTestBlock block) : QWidget(parent)
{
    setObjectName(QStringLiteral("BlockChooser"));
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    From = hourBox(this, QStringLiteral("BlockFrom"), tr("Block von Uhrzeit"));
    To = hourBox(this, QStringLiteral("BlockTo"), tr("Block bis Uhrzeit"));
    auto* fromLabel = new QLabel(tr("&Von:"), this);
    fromLabel->setBuddy(From);
    auto* toLabel = new QLabel(tr("&bis:"), this);
    toLabel->setBuddy(To);
    m_span = new QLabel(this);
    m_span->setObjectName(QStringLiteral("BlockSpan"));
    grid->addWidget(fromLabel, 0, 0);
    grid->addWidget(From, 0, 1);
    grid->addWidget(toLabel, 0, 2);
    grid->addWidget(To, 0, 3);
    grid->addWidget(m_span, 0, 4);
    grid->setColumnStretch(4, 1);

    auto* quick = new QHBoxLayout;
    quick->addWidget(new QLabel(tr("Übliche Blöcke:"), this));
    for (const BasalTestBlock usual : kUsualBlocks) {
        auto* button = new QPushButton(blockSpanText(usual), this);
        button->setObjectName(QStringLiteral("Block%1").arg(usual.fromHour));
        button->setAccessibleDescription(tr("Wählt den Block %1").arg(blockSpanText(usual)));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, [this, usual] { setBlock(usual); });
        quick->addWidget(button);
    }
    quick->addStretch();
    grid->addLayout(quick, 1, 0, 1, 5);

    setBlock(block);
    for (QSpinBox* box : {From, To})
        connect(box, &QSpinBox::valueChanged, this, [this] {
            showSpan();
            emit blockChanged();
        });
}

BasalTestBlock BlockChooser::block() const
{
    return {From->value(), To->value()};
}

void BlockChooser::setBlock(BasalTestBlock block)
{
    const QSignalBlocker fromBlocked(From);
    const QSignalBlocker toBlocked(To);
    From->setValue(block.fromHour);
    To->setValue(block.toHour);
    showSpan();
    emit blockChanged();
}

void BlockChooser::showSpan()
{
    const BasalTestBlock chosen = block();
    m_span->setText(tr("%1, %2 Stunden").arg(blockSpanText(chosen)).arg(chosen.hours()));
}

} // namespace fendrimo

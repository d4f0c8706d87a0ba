#pragma once

#include "glucose/basaltest.h"

#include <QWidget>

class QLabel;
class QSpinBox;

namespace fendrimo {

// A block of clock hours: from and to, an end at or before the start on the
// next day, and the blocks the courses use as quick choices.
class BlockChooser final : public QWidget
{
    Q_OBJECT

public:
    BlockChooser(QWidget* parent, BasalTestBlock block);

    BasalTestBlock block() const;
    void setBlock(BasalTestBlock block);

    QSpinBox* From = nullptr;
    QSpinBox* To = nullptr;

signals:
    void blockChanged();

private:
    void showSpan();

    QLabel* m_span = nullptr;
};

} // namespace fendrimo

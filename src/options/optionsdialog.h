#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QList>
#include <QStringList>

class QLabel;
class QPushButton;
class QRadioButton;

namespace fendrimo {

class DesignScale;
class TForm1;

// The maximum that was in force when "OK und speichern" was last pressed
// (tenths of IE/h, 0 until then). A refused new maximum falls back to it.
extern qint32 AltesMaximum;

// A captioned group of radio items in columns, filled column by column.
// Until an item is chosen none is selected.
class RadioGroup final : public QGroupBox
{
public:
    RadioGroup(const QString& caption, const QStringList& items, int columns, QWidget* parent);

    int itemIndex() const; // -1: no item selected
    void setItemIndex(int index);
    QRadioButton* item(int index) const { return m_items.at(index); }
    int count() const { return int(m_items.size()); }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void arrangeItems();

    QList<QRadioButton*> m_items;
    int m_columns;
};

// "Fendrimo - Einstellungen": maximum rate, print method and the stored folder.
// OK writes the settings file and has the main window apply the new maximum.
class TFormOptionen final : public QDialog
{
    Q_OBJECT

public:
    explicit TFormOptionen(TForm1* owner);

    RadioGroup* RadioGroupMax = nullptr;
    RadioGroup* RadioGroupPrint = nullptr;
    QGroupBox* GroupBoxVerzeichnis = nullptr;
    QLabel* LabelVerzeichnis = nullptr;
    QPushButton* BitBtnOK = nullptr;
    QPushButton* BitBtnAbbr = nullptr;

    // Sizes the dialog to the screen and fills it from the settings file.
    void FormCreate();
    // Writes the settings, then has the main window apply them. A refused
    // write throws and skips the rest; the button closes the dialog either way.
    void BitBtnOKClick();
    void BitBtnAbbrClick();

private:
    void buildControls(const DesignScale& scale);

    TForm1* m_owner;
};

} // namespace fendrimo

#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QList>
#include <QStringList>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace fendrimo {

class DesignScale;

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

// "Fendrimo - Einstellungen": maximum rate, print method, language and the
// stored folder.
// Shows the stored settings; OK hands back the chosen maximum and print method
// through chosen(), which the caller stores and applies.
class TFormOptionen final : public QDialog
{
    Q_OBJECT

public:
    TFormOptionen(QWidget* parent, qint32 maximumInForce);

    RadioGroup* RadioGroupMax = nullptr;
    RadioGroup* RadioGroupPrint = nullptr;
    QComboBox* ComboSprache = nullptr; // Systemsprache, Deutsch, English
    QLabel* LabelSprache = nullptr;
    QGroupBox* GroupBoxVerzeichnis = nullptr;
    QLabel* LabelVerzeichnis = nullptr;
    QPushButton* BitBtnOK = nullptr;
    QPushButton* BitBtnAbbr = nullptr;

    // Sizes the dialog to the screen and fills it from the settings file.
    void FormCreate();
    void BitBtnOKClick();
    void BitBtnAbbrClick();

    // The maximum chosen, or the one in force when no item is selected.
    qint32 chosenMaximum() const;
    bool colourPrint() const;
    // "de", "en", or empty to follow the desktop; as stored in "Sprache".
    QString chosenLanguage() const;

signals:
    // "OK und speichern" was pressed; the dialog closes right after the
    // receivers have stored and applied the choice.
    void chosen(qint32 maximum, bool colour);

private:
    void buildControls(const DesignScale& scale);
    void buildChoiceGroups(const DesignScale& scale);
    void buildLanguageRow(const DesignScale& scale);
    void buildFolderGroup(const DesignScale& scale);
    void buildButtons(const DesignScale& scale);

    qint32 m_maximumInForce;
};

} // namespace fendrimo

#pragma once

#include <QDialog>
#include <QGroupBox>
#include <QList>
#include <QStringList>

#include <optional>

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

// The settings as stored when the options dialog opens, which it shows.
struct OptionsShown
{
    int storedMaximum = -1; // -1: absent or not a number
    bool colour = true;
    QString language; // "de", "en", or empty for the desktop's
    QString folder;
};

// The settings the user changed in the options dialog; each one left as the
// dialog showed it is empty and stays unwritten, so that another run's change
// of it is kept.
struct OptionsChange
{
    std::optional<qint32> maximum;
    std::optional<bool> colour;
    std::optional<QString> language; // "de", "en", or empty for the desktop's
};

// "Fendrimo - Einstellungen": maximum rate, print method, language and the
// stored folder.
// Shows the settings it is handed; OK hands back what the user changed
// through chosen(), which the caller stores and applies.
class TFormOptionen final : public QDialog
{
    Q_OBJECT

public:
    TFormOptionen(QWidget* parent, const OptionsShown& shown);

    RadioGroup* RadioGroupMax = nullptr;
    RadioGroup* RadioGroupPrint = nullptr;
    QComboBox* ComboSprache = nullptr; // Systemsprache, Deutsch, English
    QLabel* LabelSprache = nullptr;
    QGroupBox* GroupBoxVerzeichnis = nullptr;
    QLabel* LabelVerzeichnis = nullptr;
    QPushButton* BitBtnOK = nullptr;
    QPushButton* BitBtnAbbr = nullptr;

    // Sizes the dialog to the screen and fills it with the settings shown.
    void FormCreate(const OptionsShown& shown);
    void BitBtnOKClick();
    void BitBtnAbbrClick();

    // What differs from what the dialog showed when it opened.
    OptionsChange changes() const;

signals:
    // "OK und speichern" was pressed; the dialog closes right after the
    // receivers have stored and applied the choice.
    void chosen(const fendrimo::OptionsChange& change);

private:
    void buildControls(const DesignScale& scale);
    void buildChoiceGroups(const DesignScale& scale);
    void buildLanguageRow(const DesignScale& scale);
    void buildFolderGroup(const DesignScale& scale);
    void buildButtons(const DesignScale& scale);

    // The items selected when the dialog opened; -1: none.
    int m_shownMaximum = -1;
    int m_shownPrint = -1;
    int m_shownLanguage = 0;
};

} // namespace fendrimo

#pragma once

#include <QDialog>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace fendrimo {

// "Fendrimo - Benutzerhandbuch": the user guide, read only, with a find field.
// Not modal, so the guide can stay open beside the main window; it is deleted
// when closed.
class UserGuideWindow final : public QDialog
{
    Q_OBJECT

public:
    UserGuideWindow(QWidget* owner, const QString& text);

    // Selects the next hit of the find field's text after the cursor, from
    // the top again after the last one; says so in the window when there is none.
    void findNext();

private:
    void buildControls();
    void describeControls();

    QPlainTextEdit* m_text = nullptr;
    QLabel* m_findLabel = nullptr;
    QLineEdit* m_find = nullptr;
    QPushButton* m_findNext = nullptr;
    QLabel* m_notFound = nullptr;
    QPushButton* m_close = nullptr;
};

// Shows the guide at path: opens the owner's guide window, or brings the one
// already open to the front. A file that can't be read is reported in a
// message naming it and the cause, and no window opens.
void openUserGuide(QWidget* owner, const QString& path);

} // namespace fendrimo

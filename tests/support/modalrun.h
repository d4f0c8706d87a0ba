#pragma once

// Driving a modal dialog in a test: the dialog runs its own event loop, so
// the test's steps are armed on a timer before the action that opens it.

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>
#include <memory>

namespace fendrimo::testing {

struct ModalRun
{
    bool found = false;    // the expected dialog was the modal one
    bool leftOpen = false; // drive did not close it (the helper then did)
    int result = -1;       // the dialog's result code
};

// Arms drive for the dialog of type Dialog that open() brings up, then calls
// open(). A dialog that drive leaves open is closed, and an unexpected modal
// dialog is rejected, so a failing check can't hang the run.
template <typename Dialog>
std::shared_ptr<ModalRun> withModal(QObject* context, const std::function<void()>& open,
                                    std::function<void(Dialog*)> drive)
{
    auto run = std::make_shared<ModalRun>();
    QTimer::singleShot(0, context, [run, drive] {
        QWidget* modal = QApplication::activeModalWidget();
        auto* dialog = qobject_cast<Dialog*>(modal);
        if (!dialog) {
            if (auto* other = qobject_cast<QDialog*>(modal))
                other->reject();
            return;
        }
        run->found = true;
        drive(dialog);
        run->leftOpen = dialog->isVisible();
        if (run->leftOpen)
            dialog->reject();
        run->result = dialog->result();
    });
    open();
    return run;
}

} // namespace fendrimo::testing

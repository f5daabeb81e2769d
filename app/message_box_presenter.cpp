#include "app/message_box_presenter.h"

#include "store/message.h"

#include <QCoreApplication>
#include <QMessageBox>

namespace orvane {

namespace {

MessageAnswer Present(const QString &text, MessageButtons buttons)
{
    QMessageBox::StandardButtons standard = QMessageBox::Ok;
    QMessageBox::Icon icon = QMessageBox::Information;
    switch (buttons) {
    case MessageButtons::Ok:
        break;
    case MessageButtons::OkCancel:
        standard = QMessageBox::Ok | QMessageBox::Cancel;
        icon = QMessageBox::Question;
        break;
    case MessageButtons::YesNo:
        standard = QMessageBox::Yes | QMessageBox::No;
        icon = QMessageBox::Question;
        break;
    case MessageButtons::YesNoCancel:
        standard = QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
        icon = QMessageBox::Question;
        break;
    }
    QMessageBox box(icon, QCoreApplication::translate("MessageBox", "Календарь"), text, standard);
    switch (box.exec()) {
    case QMessageBox::Yes:
        return MessageAnswer::Yes;
    case QMessageBox::No:
        return MessageAnswer::No;
    case QMessageBox::Cancel:
        return MessageAnswer::Cancel;
    default:
        return MessageAnswer::Ok;
    }
}

} // namespace

void InstallMessageBoxPresenter()
{
    SetMessagePresenter(Present);
}

} // namespace orvane

#include "ui/exchange/exchange_transfer.h"

#include "exchange/exchange_document.h"
#include "store/atomic_file.h"
#include "exchange/exchange_reader.h"
#include "exchange/ical_document.h"
#include "exchange/import_file.h"
#include "store/message.h"
#include "store/windows1251.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>

namespace orvane {

int ExportEvents(const CUser &user, ExchangeTarget target, const QString &path)
{
    const std::optional<CExchangeDocument> document = CExchangeDocument::Build(user);
    if (!document) {
        ShowMessage(QCoreApplication::translate("ExchangeTransfer", "Невозможно использовать экспорт."));
        return 0;
    }
    if (target != ExchangeTarget::File) {
        const QByteArray text = document->ClipboardForm();
        if (text.isEmpty())
            ShowMessage(QCoreApplication::translate("ExchangeTransfer", "Ошибка копирования данных в буфер."));
        else
            QGuiApplication::clipboard()->setText(DecodeCp1251(text));
    }
    if (target != ExchangeTarget::Clipboard && !path.isEmpty()) {
        const bool iCalendar = path.endsWith(QStringLiteral(".ics"), Qt::CaseInsensitive);
        const QByteArray bytes = iCalendar ? BuildICalendar(user).text : document->FileForm();
        if (bytes.isEmpty() || !WriteFileAtomically(path, bytes).ok)
            ShowMessage(QCoreApplication::translate("ExchangeTransfer", "Не удалось экспортировать события в файл: ") + path);
    }
    return 1;
}

int ImportEvents(ExchangeTarget source, CImportList &list, const QString &path, ImportRead &read)
{
    ExchangeReadResult result;
    QString refusal;
    if (source == ExchangeTarget::File) {
        result = ReadImportFile(path, list, read);
        refusal = QCoreApplication::translate("ExchangeTransfer", "В файле находится неверный формат данных для импорта.");
    } else {
        const QString text = QGuiApplication::clipboard()->text();
        if (text.isEmpty()) {
            ShowMessage(QCoreApplication::translate("ExchangeTransfer", "В буфере нет данных для импорта."));
            return 0;
        }
        result = ReadExchangeText(text, list);
        refusal = QCoreApplication::translate("ExchangeTransfer", "В буфере находится неверный формат данных для импорта.");
    }
    if (result.failure == ExchangeReadFailure::NoParser)
        refusal = QCoreApplication::translate("ExchangeTransfer", "Невозможно использовать импорт.");
    if (!result.ok()) {
        ShowMessage(refusal);
        return 0;
    }
    return 1;
}

} // namespace orvane

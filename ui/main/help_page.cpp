#include "ui/main/help_page.h"

#include "store/message.h"
#include "ui/controls/link_opener.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

namespace orvane {

QString HelpPagePath()
{
    const QString folder = QCoreApplication::applicationDirPath();
    const QString name = QStringLiteral(ORVANE_HELP_PAGE);
    for (const QString &path : {folder + u'/' + name,
                                folder + QStringLiteral("/" ORVANE_HELP_FROM_BINDIR "/") + name}) {
        if (QFileInfo(path).isFile())
            return QFileInfo(path).canonicalFilePath();
    }
    return {};
}

void OpenHelpPage()
{
    const QString path = HelpPagePath();
    if (path.isEmpty()) {
        ShowMessage(OpenErrorText(LinkResult::kFileNotFound));
        return;
    }
    OpenTargetOrComplain(QUrl::fromLocalFile(path).toString());
}

} // namespace orvane

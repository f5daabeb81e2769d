#include "app/platform_checks.h"

#include "store/message.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QScreen>
#include <QSysInfo>

namespace orvane {

PlatformCheck CheckScreenDepth(int bitsPerPixel)
{
    if (bitsPerPixel == 4) {
        ShowMessage(QCoreApplication::translate("PlatformChecks", "Программма не расчитана на работу в 16-ти цветном режиме,\n"
                                   "так как некоторая информация может отображаться некорректно.\n\n"
                                   "Дальнейшая работа приложения невозможна."));
        return {false, false};
    }
    return {true, bitsPerPixel == 8};
}

bool CheckCyrillicFont()
{
    if (!QFontDatabase::families(QFontDatabase::Cyrillic).isEmpty())
        return true;
    ShowMessage(QCoreApplication::translate("PlatformChecks", "В вашей системе не установлен шрифт 'MS Sans Serif'.\n"
                               "Программа не сможет дальше работать, так как некоторые\n"
                               "данные могут некорректно отображаться."));
    return false;
}

PlatformCheck CheckPlatform()
{
    if (QSysInfo::kernelType().isEmpty()) {
        ShowMessage(QCoreApplication::translate("PlatformChecks", "Данная версия программы разработана для работы\n"
                                   "в операционной системе Windows95. Пожалуйста, приобретите\n"
                                   "соответсвующую версию программы для Вашей Windows-среды.\n\n"
                                   "Дальнейшая работа приложения невозможна."));
        return {false, false};
    }
    const QScreen *screen = QGuiApplication::primaryScreen();
    return CheckScreenDepth(screen ? screen->depth() : 32);
}

} // namespace orvane

#include "res/menus.h"

#include <QCoreApplication>

namespace orvane::res {

namespace {

QList<MenuEntry> MainMenuEntries(int popup)
{
    switch (popup) {
    case MainMenuPopup::Help:
        return {
            {CommandId::HelpContents, QCoreApplication::translate("Menus", "Содержание...")},
            {},
            {CommandId::AboutBox, QCoreApplication::translate("Menus", "О программе...")},
        };
    case MainMenuPopup::Events:
        return {
            {CommandId::NewEvent, QCoreApplication::translate("Menus", "Новое событие")},
            {CommandId::DeleteEvent, QCoreApplication::translate("Menus", "Удалить")},
            {},
            {CommandId::CutEvent, QCoreApplication::translate("Menus", "Вырезать"), false},
            {CommandId::CopyEvent, QCoreApplication::translate("Menus", "Копировать"), false},
            {CommandId::PasteEvent, QCoreApplication::translate("Menus", "Вставить"), false},
            {},
            {CommandId::Help, QCoreApplication::translate("Menus", "Помощь...")},
        };
    case MainMenuPopup::Calendar:
        return {
            {CommandId::GoToDay, QCoreApplication::translate("Menus", "&День...")},
            {CommandId::Properties, QCoreApplication::translate("Menus", "&Свойства...")},
            {},
            {CommandId::Import, QCoreApplication::translate("Menus", "Импорт...")},
            {CommandId::Export, QCoreApplication::translate("Menus", "Экспорт...")},
            {CommandId::Sync, QCoreApplication::translate("Menus", "Синхронизация...")},
        };
    default:
        return {};
    }
}

QList<MenuEntry> TrayMenuEntries(int popup)
{
    if (popup != 0)
        return {};
    return {
        {CommandId::TrayShow, QCoreApplication::translate("Menus", "Показать")},
        {},
        {CommandId::TrayClose, QCoreApplication::translate("Menus", "Закрыть")},
    };
}

} // namespace

QList<MenuEntry> LoadMenuPopup(int menuId, int popup)
{
    switch (menuId) {
    case MenuId::Main:
        return MainMenuEntries(popup);
    case MenuId::Tray:
        return TrayMenuEntries(popup);
    default:
        return {};
    }
}

} // namespace orvane::res

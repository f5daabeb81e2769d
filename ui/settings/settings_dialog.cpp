#include "ui/settings/settings_dialog.h"

#include "res/resource_ids.h"
#include "settings/option_tree_model.h"
#include "ui/controls/dialog_units.h"
#include "ui/settings/option_tree.h"

#include <QCoreApplication>
#include <QPushButton>

namespace orvane {

CSettingsDialog::CSettingsDialog(COptionFlags &flags, CRegistryStore &registry, QWidget *parent)
    : QDialog(parent),
      m_autostart(registry, QCoreApplication::applicationFilePath()),
      m_settings(flags, m_autostart)
{
    setWindowTitle(tr("Настройки"));
    const CDialogUnits units(font());
    setFixedSize(units.Size(219, 210));

    m_pTree = new COptionTree(this);
    m_pTree->setObjectName(QString::number(IDC_OPTION_TREE));
    m_pTree->setGeometry(units.Rect(4, 4, 211, 184));
    m_pTree->setAccessibleName(windowTitle());
    CPictureStrip groups;
    groups.Load(res::IDB_OPTION_GROUPS, QColor(255, 0, 255));
    m_pTree->SetGroupImages(groups);

    m_settings.Load();
    for (const SettingsRow &row : COptionSettings::Rows()) {
        const int on = m_settings.IsOn(row) ? 1 : 0;
        switch (row.nKind) {
        case kOptionGroup:
            m_pTree->AddGroup(row.nStringId, row.nLevel, row.nImage);
            break;
        case kOptionCheck:
            m_pTree->AddCheck(row.nStringId, on, row.nLevel);
            break;
        default:
            m_pTree->AddRadio(row.nStringId, on, row.nLevel);
            break;
        }
    }
    connect(m_pTree, &COptionTree::itemChanged, this, &CSettingsDialog::OnItemChanged);

    auto *ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QString::number(IDC_OK));
    ok->setGeometry(units.Rect(165, 192, 50, 14));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    m_pTree->setFocus();
}

void CSettingsDialog::OnItemChanged(int id, int state)
{
    const std::optional<bool> tray = m_settings.Apply(id, state);
    if (tray)
        Q_EMIT trayIconToggled(*tray);
    Q_EMIT optionsChanged(m_settings.Options());
}

} // namespace orvane

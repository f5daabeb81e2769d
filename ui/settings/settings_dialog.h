#pragma once

#include "settings/autostart.h"
#include "settings/option_settings.h"

#include <QDialog>

namespace orvane {

class COptionFlags;
class COptionTree;
class CRegistryStore;

// "Настройки": the option flags as a tree of check boxes and radio buttons. Every change is
// written at once and acts at once (the tray icon, autostart), so there is only OK.
class CSettingsDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDC_OPTION_TREE = 1076; // object names of the controls
    static constexpr int IDC_OK = 1;

    CSettingsDialog(COptionFlags &flags, CRegistryStore &registry, QWidget *parent = nullptr);

    COptionTree &Tree() const { return *m_pTree; }
    quint32 Options() const { return m_settings.Options(); }

Q_SIGNALS:
    // The tray option changed: the owner adds (true) or removes its tray icon now.
    void trayIconToggled(bool add);
    // The flags were written anew; options shown by the owner may look different now.
    void optionsChanged(quint32 options);

private:
    void OnItemChanged(int id, int state);

    CAutostart m_autostart;
    COptionSettings m_settings;
    COptionTree *m_pTree = nullptr;
};

} // namespace orvane

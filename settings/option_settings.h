#pragma once

#include <QtGlobal>

#include <array>
#include <optional>

namespace orvane {

class CAutostart;
class COptionFlags;

// One row of the settings dialog's option tree. Check and radio rows are identified by the
// string id of their text and stand for one option bit each.
struct SettingsRow {
    int nKind = 0; // OptionKind
    int nStringId = 0;
    int nLevel = 0;
    quint32 nBit = 0; // check and radio rows
    int nImage = 0;   // group rows
};

// What the settings dialog does with the option flags: the rows it shows and, for each change
// of a row, the bit it sets or clears, the side effect of the tray and autostart rows, and the
// write of the whole flags, at once.
class COptionSettings {
public:
    static constexpr int kTrayIconId = 60008;
    static constexpr int kAutostartId = 60016;

    static const std::array<SettingsRow, 15> &Rows();

    COptionSettings(COptionFlags &flags, CAutostart &autostart);

    // Reads the flags afresh; a row is on exactly when its bit is set, but for the autostart
    // row, which shows whether anything starts the program at log-on, whatever its bit says.
    void Load();
    bool IsOn(const SettingsRow &row) const;
    quint32 Options() const { return m_nOptions; }

    // A row reported a new state: its bit follows it, autostart is switched with its row, and
    // the flags are written whole. Returns whether the tray icon is to be shown when the tray
    // row changed, nothing otherwise. An identifier of no row changes no bit.
    std::optional<bool> Apply(int id, int state);

private:
    COptionFlags &m_flags;
    CAutostart &m_autostart;
    quint32 m_nOptions = 0;
};

} // namespace orvane

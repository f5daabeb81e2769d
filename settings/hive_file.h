#pragma once

#include "settings/caseless_list.h"
#include "settings/registry_value.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

namespace orvane {

// A registry hive kept as text in the .reg syntax: a header line, then each key in brackets by
// its full path ("[HKEY_CURRENT_USER\SOFTWARE\Orvane]") followed by its values, one a line:
// "name"="text", @=... for the default value, dword:0000000d, hex:.. and hex(<type>):.. for the
// rest. Key paths and value names compare without regard to case, as in the registry; both are
// indexed as they are read, so that parsing and finding take time in proportion to the text.
class HiveFile {
public:
    static constexpr QStringView kHeader = u"Windows Registry Editor Version 5.00";

    // The hive that UTF-8 text describes. A line that is not well formed (nor valid UTF-8) is
    // passed over, and so are the values under a key line that is not; a missing header counts
    // as one such line. The hive holds everything else. Empty text is an empty hive.
    static HiveFile Parse(const QByteArray &bytes);
    // How many times Parse has run in this process.
    static int ParseCount();
    // The lines Parse passed over; Serialize writes the hive without them.
    int SkippedLines() const { return m_nSkippedLines; }
    QByteArray Serialize() const;

    const RegistryValue *Find(const QString &key, const QString &name) const;
    // True when the key is written down or a key below it is: parent keys are implied.
    bool HasKey(const QString &key) const;
    // Stores the value, adding the key when it is new; false when the key path or the value
    // name cannot be written in the syntax (an empty path component, a line break).
    bool Set(const QString &key, const QString &name, const RegistryValue &value);
    // True when the value was there and is gone; its key stays.
    bool Remove(const QString &key, const QString &name);

private:
    using Values = CaselessList<RegistryValue>;

    CaselessList<Values> m_keys; // by path, each with its values by name, in the order written
    int m_nSkippedLines = 0;
};

} // namespace orvane

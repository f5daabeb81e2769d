#pragma once

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>

struct _xmlDoc;

namespace orvane {

class CUser;
struct CEventRecord;

// The category name an event travels with: its entry of the category list, the first entry
// when its number lies outside the list.
QString ExchangeCategoryName(const CUser &user, const CEventRecord &event);

// The exchange document of the events whose Selected byte is set: the root "Orvane" with the
// program's version, then one "Event" per event, slot by slot and in list order, with the
// attributes name, information, category, month and day.
class CExchangeDocument {
public:
    // Nothing when the tree cannot be built (out of memory).
    static std::optional<CExchangeDocument> Build(const CUser &user);

    // The whole document in Windows-1251, with character references for what the code page
    // lacks. Empty when it cannot be serialised.
    QByteArray FileForm() const;
    // The root element alone, without the declaration, every ">" followed by CR LF. Empty when
    // it cannot be serialised.
    QByteArray ClipboardForm() const;

private:
    struct FreeDocument {
        void operator()(_xmlDoc *doc) const;
    };
    explicit CExchangeDocument(_xmlDoc *doc) : m_doc(doc) {}

    std::unique_ptr<_xmlDoc, FreeDocument> m_doc;
};

} // namespace orvane

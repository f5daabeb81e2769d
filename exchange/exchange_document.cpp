#include "exchange/exchange_document.h"

#include "exchange/cp1251_encoding.h"
#include "store/user.h"

#include <QStringEncoder>

#include <libxml/tree.h>
#include <libxml/xmlsave.h>

namespace orvane {

namespace {

constexpr char kEncoding[] = "windows-1251";

const xmlChar *Xml(const char *text) { return reinterpret_cast<const xmlChar *>(text); }

// Adds the "Event" elements, converting every value in one reused buffer.
class EventWriter {
public:
    EventWriter(xmlNodePtr root, const CUser &user) : m_root(root), m_user(user) {}

    bool Add(const CEventRecord &event)
    {
        xmlNodePtr element = xmlNewChild(m_root, nullptr, Xml("Event"), nullptr);
        return element && Set(element, "name", event.Name) && Set(element, "information", event.Notes)
            && Set(element, "category", ExchangeCategoryName(m_user, event))
            && Set(element, "month", event.Month) && Set(element, "day", event.Day);
    }

private:
    bool Set(xmlNodePtr element, const char *name, int value)
    {
        return xmlNewProp(element, Xml(name), Xml(QByteArray::number(value).constData())) != nullptr;
    }

    // The value as UTF-8. The control characters XML 1.0 cannot carry in any form (all below
    // 0x20 but tab, line feed and carriage return) become "?": written as they are, they would
    // make a document no reader accepts, the importing one included.
    bool Set(xmlNodePtr element, const char *name, const QString &value)
    {
        m_buffer.resize(m_encoder.requiredSpace(value.size()) + 1);
        char *const begin = m_buffer.data();
        char *const end = m_encoder.appendToBuffer(begin, value);
        *end = '\0';
        for (char *c = begin; c != end; ++c) {
            const auto byte = static_cast<unsigned char>(*c);
            const bool unwritable = byte < 0x20 && byte != '\t' && byte != '\n' && byte != '\r';
            *c = unwritable ? '?' : *c;
        }
        return xmlNewProp(element, Xml(name), Xml(begin)) != nullptr;
    }

    xmlNodePtr m_root;
    const CUser &m_user;
    QStringEncoder m_encoder{QStringConverter::Utf8, QStringConverter::Flag::Stateless};
    QByteArray m_buffer;
};

} // namespace

QString ExchangeCategoryName(const CUser &user, const CEventRecord &event)
{
    const bool known = event.Category >= 0 && event.Category < user.GetCategoryCount();
    return user.GetCategory(known ? event.Category : 0);
}

void CExchangeDocument::FreeDocument::operator()(_xmlDoc *doc) const
{
    xmlFreeDoc(doc);
}

std::optional<CExchangeDocument> CExchangeDocument::Build(const CUser &user)
{
    UseOwnCp1251Encoding();
    xmlDocPtr doc = xmlNewDoc(Xml("1.0"));
    if (!doc)
        return std::nullopt;
    CExchangeDocument document(doc);
    doc->dict = xmlDictCreate(); // element and attribute names are stored once
    // Declared, so that the serialiser writes the code page's own bytes rather than references.
    doc->encoding = xmlStrdup(Xml(kEncoding));
    xmlNodePtr root = xmlNewDocNode(doc, nullptr, Xml("Orvane"), nullptr);
    if (!doc->dict || !doc->encoding || !root)
        return std::nullopt;
    xmlDocSetRootElement(doc, root);
    if (!xmlNewProp(root, Xml("version"), Xml(ORVANE_VERSION_TEXT)))
        return std::nullopt;
    EventWriter writer(root, user);
    for (int index = 0; index < kDaySlots; ++index)
        for (const CEventRecord &event : user.Slot(index))
            if (event.Selected && !writer.Add(event))
                return std::nullopt;
    return document;
}

QByteArray CExchangeDocument::FileForm() const
{
    xmlChar *text = nullptr;
    int size = 0;
    xmlDocDumpFormatMemoryEnc(m_doc.get(), &text, &size, kEncoding, 0);
    const QByteArray bytes(reinterpret_cast<const char *>(text), text ? size : 0);
    xmlFree(text);
    return bytes;
}

QByteArray CExchangeDocument::ClipboardForm() const
{
    xmlBufferPtr buffer = xmlBufferCreate();
    if (!buffer)
        return {};
    QByteArray bytes;
    if (xmlSaveCtxtPtr save = xmlSaveToBuffer(buffer, kEncoding, 0)) {
        const bool saved = xmlSaveTree(save, xmlDocGetRootElement(m_doc.get())) >= 0;
        if (xmlSaveClose(save) >= 0 && saved)
            bytes = QByteArray(reinterpret_cast<const char *>(xmlBufferContent(buffer)),
                               xmlBufferLength(buffer));
    }
    xmlBufferFree(buffer);
    return bytes.replace(">", ">\r\n");
}

} // namespace orvane

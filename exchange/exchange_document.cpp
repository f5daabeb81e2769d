#include "exchange/exchange_document.h"

#include "store/user.h"

#include <QSaveFile>

#include <libxml/tree.h>
#include <libxml/xmlsave.h>

namespace orvane {

namespace {

constexpr char kEncoding[] = "windows-1251";

const xmlChar *Xml(const char *text) { return reinterpret_cast<const xmlChar *>(text); }

// An attribute value as UTF-8. The control characters XML 1.0 cannot carry in any form (all
// below 0x20 but tab, line feed and carriage return) become "?": written as they are, they
// would make a document no reader accepts, the importing one included.
QByteArray AttributeValue(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    for (char &c : bytes)
        if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r')
            c = '?';
    return bytes;
}

bool SetAttribute(xmlNodePtr element, const char *name, const QByteArray &value)
{
    return xmlNewProp(element, Xml(name), Xml(value.constData())) != nullptr;
}

bool AddEvent(xmlNodePtr root, const CUser &user, const CEventRecord &event)
{
    xmlNodePtr element = xmlNewChild(root, nullptr, Xml("Event"), nullptr);
    return element && SetAttribute(element, "name", AttributeValue(event.Name))
        && SetAttribute(element, "information", AttributeValue(event.Notes))
        && SetAttribute(element, "category", AttributeValue(ExchangeCategoryName(user, event)))
        && SetAttribute(element, "month", QByteArray::number(event.Month))
        && SetAttribute(element, "day", QByteArray::number(event.Day));
}

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
    xmlDocPtr doc = xmlNewDoc(Xml("1.0"));
    if (!doc)
        return std::nullopt;
    CExchangeDocument document(doc);
    // Declared, so that the serialiser writes the code page's own bytes rather than references.
    doc->encoding = xmlStrdup(Xml(kEncoding));
    xmlNodePtr root = xmlNewDocNode(doc, nullptr, Xml("Orvane"), nullptr);
    if (!doc->encoding || !root)
        return std::nullopt;
    xmlDocSetRootElement(doc, root);
    if (!SetAttribute(root, "version", QByteArrayLiteral(ORVANE_VERSION_TEXT)))
        return std::nullopt;
    for (int index = 0; index < kDaySlots; ++index)
        for (const CEventRecord &event : user.Slot(index))
            if (event.Selected && !AddEvent(root, user, event))
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

SaveResult WriteExchangeFile(const QByteArray &bytes, const QString &path)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return {false, file.errorString()};
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const QString reason = file.errorString();
        file.cancelWriting();
        return {false, reason};
    }
    if (!file.commit())
        return {false, file.errorString()};
    return {};
}

} // namespace orvane

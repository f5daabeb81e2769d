#include "exchange/exchange_reader.h"

#include "exchange/capped_read.h"
#include "exchange/cp1251_encoding.h"

#include <libxml/parser.h>

#include <cstring>
#include <limits>
#include <memory>

namespace orvane {

namespace {

// Never XML_PARSE_NOENT, XML_PARSE_DTDLOAD or XML_PARSE_HUGE.
constexpr int kParseOptions = XML_PARSE_NONET | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;

struct ReadState {
    CImportList records;
    int depth = 0;
    bool doctype = false;
};

ReadState &State(void *context)
{
    return *static_cast<ReadState *>(static_cast<xmlParserCtxtPtr>(context)->_private);
}

bool Is(const xmlChar *name, const char *expected)
{
    return std::strcmp(reinterpret_cast<const char *>(name), expected) == 0;
}

// While entities are not substituted, libxml2 hands "&amp;" and "&#38;" on as "&#38;"; without
// a document type no other reference can be left in a value.
QString AttributeText(const xmlChar *begin, const xmlChar *end)
{
    const auto *text = reinterpret_cast<const char *>(begin);
    QString value = QString::fromUtf8(text, end - begin);
    if (std::memchr(text, '&', static_cast<size_t>(end - begin)))
        value.replace(QStringLiteral("&#38;"), QStringLiteral("&"));
    return value;
}

bool IsBlank(xmlChar c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// As C's atol reads a number, saturating instead of overflowing.
qint32 AttributeNumber(const xmlChar *begin, const xmlChar *end)
{
    while (begin != end && IsBlank(*begin))
        ++begin;
    const bool negative = begin != end && *begin == '-';
    if (begin != end && (*begin == '-' || *begin == '+'))
        ++begin;
    qint64 value = 0;
    for (; begin != end && *begin >= '0' && *begin <= '9'; ++begin)
        value = qMin<qint64>(value * 10 + (*begin - '0'), std::numeric_limits<qint32>::max());
    return static_cast<qint32>(negative ? -value : value);
}

// SAX2 hands attributes over as (local name, prefix, namespace, value begin, value end).
CImportedEvent ReadEvent(int count, const xmlChar **attributes)
{
    CImportedEvent record;
    for (int i = 0; i < count; ++i, attributes += 5) {
        const xmlChar *name = attributes[0];
        const xmlChar *begin = attributes[3];
        const xmlChar *end = attributes[4];
        if (attributes[1] != nullptr)
            continue;
        if (Is(name, "name"))
            record.Name = AttributeText(begin, end);
        else if (Is(name, "information"))
            record.Notes = AttributeText(begin, end);
        else if (Is(name, "category"))
            record.CategoryName = AttributeText(begin, end);
        else if (Is(name, "month"))
            record.Month = AttributeNumber(begin, end);
        else if (Is(name, "day"))
            record.Day = AttributeNumber(begin, end);
    }
    return record;
}

void OnStartElement(void *context, const xmlChar *localName, const xmlChar *prefix,
                    const xmlChar *, int, const xmlChar **, int attributeCount, int,
                    const xmlChar **attributes)
{
    ReadState &state = State(context);
    if (state.depth++ > 0 && prefix == nullptr && Is(localName, "Event"))
        state.records.AddTail(ReadEvent(attributeCount, attributes));
}

void OnEndElement(void *context, const xmlChar *, const xmlChar *, const xmlChar *)
{
    --State(context).depth;
}

// A document type could declare entities whose expansion takes minutes or reaches outside:
// the parser stops at its name, before its declarations and before any element.
void OnDoctype(void *context, const xmlChar *, const xmlChar *, const xmlChar *)
{
    State(context).doctype = true;
    xmlStopParser(static_cast<xmlParserCtxtPtr>(context));
}

struct FreeParser {
    void operator()(xmlParserCtxtPtr parser) const { xmlFreeParserCtxt(parser); }
};

QString ParserError(xmlParserCtxtPtr parser)
{
    const xmlError *error = xmlCtxtGetLastError(parser);
    if (!error || !error->message)
        return QStringLiteral("not a well-formed XML document");
    return QStringLiteral("line %1: %2")
        .arg(error->line)
        .arg(QString::fromUtf8(error->message).trimmed());
}

ExchangeReadResult Parse(QByteArrayView bytes, const char *encoding, int options, CImportList &list)
{
    if (bytes.size() > kMaxExchangeDocumentBytes)
        return TooLargeDocument();
    if (bytes.isEmpty()) // libxml2 would not even start on it
        return {ExchangeReadFailure::NotWellFormed, QStringLiteral("the document is empty")};
    UseOwnCp1251Encoding();
    const std::unique_ptr<xmlParserCtxt, FreeParser> parser(xmlNewParserCtxt());
    if (!parser)
        return {ExchangeReadFailure::NoParser, QStringLiteral("the XML parser cannot be set up")};
    // Only these three callbacks: no tree is built and no entity, DTD or other file is resolved.
    xmlSAXHandler handler{};
    handler.initialized = XML_SAX2_MAGIC;
    handler.startElementNs = OnStartElement;
    handler.endElementNs = OnEndElement;
    handler.internalSubset = OnDoctype;
    *parser->sax = handler;
    ReadState state;
    parser->_private = &state;
    if (xmlDocPtr doc = xmlCtxtReadMemory(parser.get(), bytes.data(), static_cast<int>(bytes.size()),
                                          nullptr, encoding, kParseOptions | options))
        xmlFreeDoc(doc);
    if (state.doctype)
        return {ExchangeReadFailure::HasDoctype, QStringLiteral("the document has a document type declaration")};
    if (!parser->wellFormed)
        return {ExchangeReadFailure::NotWellFormed, ParserError(parser.get())};
    list.AppendAll(std::move(state.records));
    return {};
}

} // namespace

ExchangeReadResult ReadExchangeDocument(QByteArrayView bytes, CImportList &list)
{
    return Parse(bytes, nullptr, 0, list);
}

ExchangeReadResult ReadExchangeText(const QString &text, CImportList &list)
{
    if (text.size() > kMaxExchangeDocumentBytes) // its UTF-8 form is no shorter
        return TooLargeDocument();
    return Parse(text.toUtf8(), "UTF-8", XML_PARSE_IGNORE_ENC, list);
}

} // namespace orvane

#include "sync/multistatus.h"

#include <QUrl>

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <cstring>
#include <memory>

using namespace Qt::Literals::StringLiterals;

namespace orvane::sync {

namespace {

// Never XML_PARSE_NOENT, XML_PARSE_DTDLOAD or XML_PARSE_HUGE.
constexpr int kParseOptions = XML_PARSE_NONET | XML_PARSE_NOBLANKS | XML_PARSE_NOERROR | XML_PARSE_NOWARNING;

constexpr const char *kDav = "DAV:";
constexpr const char *kCalDav = "urn:ietf:params:xml:ns:caldav";
constexpr const char *kCardDav = "urn:ietf:params:xml:ns:carddav";

struct DocFree {
    void operator()(xmlDocPtr doc) const { xmlFreeDoc(doc); }
};
using Doc = std::unique_ptr<xmlDoc, DocFree>;

// Whether a document type declaration comes before the root element: such a document is
// refused unparsed, as its entities could take minutes to expand.
bool HasDoctype(const QByteArray &body)
{
    qsizetype at = body.startsWith("\xEF\xBB\xBF") ? 3 : 0;
    while (at < body.size()) {
        const char c = body.at(at);
        if (c == ' ' || c == '\t' || c == '\r' || c == '\n') {
            ++at;
            continue;
        }
        const QByteArrayView rest = QByteArrayView(body).sliced(at);
        const char *close = rest.startsWith("<?") ? "?>" : rest.startsWith("<!--") ? "-->" : nullptr;
        if (!close)
            return rest.startsWith("<!DOCTYPE");
        const qsizetype end = body.indexOf(close, at);
        if (end < 0)
            return false;
        at = end + qsizetype(std::strlen(close));
    }
    return false;
}

Doc Read(const QByteArray &body)
{
    if (HasDoctype(body))
        return nullptr;
    Doc doc(xmlReadMemory(body.constData(), static_cast<int>(body.size()), nullptr, nullptr, kParseOptions));
    if (doc && doc->intSubset)
        return nullptr;
    return doc;
}

bool Is(const xmlNode *node, const char *ns, const char *name)
{
    return node->type == XML_ELEMENT_NODE && node->ns && node->ns->href
        && std::strcmp(reinterpret_cast<const char *>(node->ns->href), ns) == 0
        && std::strcmp(reinterpret_cast<const char *>(node->name), name) == 0;
}

template <typename Visit> void ForChildren(const xmlNode *parent, Visit visit)
{
    for (const xmlNode *child = parent->children; child; child = child->next) {
        if (child->type == XML_ELEMENT_NODE)
            visit(child);
    }
}

QByteArray Content(const xmlNode *node)
{
    xmlChar *text = xmlNodeGetContent(node);
    QByteArray content(reinterpret_cast<const char *>(text));
    xmlFree(text);
    return content;
}

// The status code of "HTTP/1.1 404 Not Found".
int StatusCode(const xmlNode *node)
{
    const QList<QByteArray> parts = Content(node).trimmed().split(' ');
    return parts.size() >= 2 ? parts.at(1).toInt() : 0;
}

QStringList Hrefs(const xmlNode *node)
{
    QStringList hrefs;
    ForChildren(node, [&](const xmlNode *child) {
        if (Is(child, kDav, "href"))
            hrefs << NormalizedHref(QString::fromUtf8(Content(child).trimmed()));
    });
    return hrefs;
}

void ReadProperty(const xmlNode *prop, DavResponse &response)
{
    if (Is(prop, kDav, "getetag")) {
        response.etag = Content(prop).trimmed();
    } else if (Is(prop, kDav, "displayname")) {
        response.displayName = QString::fromUtf8(Content(prop)).trimmed();
    } else if (Is(prop, kDav, "resourcetype")) {
        ForChildren(prop, [&](const xmlNode *type) {
            response.isCollection |= Is(type, kDav, "collection");
            response.isCalendar |= Is(type, kCalDav, "calendar");
            response.isAddressBook |= Is(type, kCardDav, "addressbook");
        });
    } else if (Is(prop, kCalDav, "supported-calendar-component-set")) {
        bool vevent = false;
        ForChildren(prop, [&](const xmlNode *comp) {
            xmlChar *name = xmlGetProp(comp, reinterpret_cast<const xmlChar *>("name"));
            vevent |= Is(comp, kCalDav, "comp") && name
                && std::strcmp(reinterpret_cast<const char *>(name), "VEVENT") == 0;
            xmlFree(name);
        });
        response.takesEvents = vevent;
    } else if (Is(prop, kDav, "current-user-principal")) {
        const QStringList hrefs = Hrefs(prop);
        response.principal = hrefs.value(0);
    } else if (Is(prop, kCalDav, "calendar-home-set")) {
        response.calendarHomes = Hrefs(prop);
    } else if (Is(prop, kCardDav, "addressbook-home-set")) {
        response.addressBookHomes = Hrefs(prop);
    } else if (Is(prop, kCalDav, "calendar-data") || Is(prop, kCardDav, "address-data")) {
        response.data = Content(prop);
    }
}

DavResponse ReadResponse(const xmlNode *node)
{
    DavResponse response;
    ForChildren(node, [&](const xmlNode *child) {
        if (Is(child, kDav, "href")) {
            response.href = NormalizedHref(QString::fromUtf8(Content(child).trimmed()));
        } else if (Is(child, kDav, "status")) {
            response.status = StatusCode(child);
        } else if (Is(child, kDav, "propstat")) {
            int status = 0;
            ForChildren(child, [&](const xmlNode *part) {
                if (Is(part, kDav, "status"))
                    status = StatusCode(part);
            });
            if (response.propStatus == 0)
                response.propStatus = status;
            if (status < 200 || status > 299)
                return;
            ForChildren(child, [&](const xmlNode *part) {
                if (Is(part, kDav, "prop"))
                    ForChildren(part, [&](const xmlNode *prop) { ReadProperty(prop, response); });
            });
        }
    });
    return response;
}

} // namespace

std::optional<Multistatus> ParseMultistatus(const QByteArray &body)
{
    const Doc doc = Read(body);
    const xmlNode *root = doc ? xmlDocGetRootElement(doc.get()) : nullptr;
    if (!root || !Is(root, kDav, "multistatus"))
        return std::nullopt;
    Multistatus result;
    ForChildren(root, [&](const xmlNode *child) {
        if (Is(child, kDav, "response")) {
            result.responses << ReadResponse(child);
        } else if (Is(child, kDav, "sync-token")) {
            result.syncToken = Content(child).trimmed();
            result.hasSyncToken = true;
        }
    });
    return result;
}

bool HasPrecondition(const QByteArray &body, const char *name)
{
    const Doc doc = Read(body);
    const xmlNode *root = doc ? xmlDocGetRootElement(doc.get()) : nullptr;
    if (!root || !Is(root, kDav, "error"))
        return false;
    bool found = false;
    ForChildren(root, [&](const xmlNode *child) { found |= Is(child, kDav, name); });
    return found;
}

QString NormalizedHref(const QString &href)
{
    static const QUrl base(u"http://host/"_s);
    return base.resolved(QUrl(href, QUrl::TolerantMode)).path(QUrl::FullyDecoded);
}

} // namespace orvane::sync

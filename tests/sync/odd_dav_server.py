#!/usr/bin/python3
"""A DAV server that answers as the stock ones never do, for the client's tests.

Usage: odd_dav_server.py PORT (listens on 127.0.0.1)

/cal/ is a calendar whose server offers no sync-collection report (501); a PUT there is stored
but answered without an ETag, so that the client asks for the tag with a PROPFIND; a write to a
name starting with "conflict" is refused with 412; /big is a body larger than any client takes.
"""
import http.server
import sys

resources = {}  # path -> (etag, body)
serial = [0]


def multistatus(responses):
    parts = ['<?xml version="1.0" encoding="utf-8"?><D:multistatus xmlns:D="DAV:">']
    for href, etag in responses:
        parts.append('<D:response><D:href>%s</D:href><D:propstat><D:prop><D:getetag>%s</D:getetag>'
                     '</D:prop><D:status>HTTP/1.1 200 OK</D:status></D:propstat></D:response>' % (href, etag))
    parts.append('</D:multistatus>')
    return ''.join(parts).encode()


class Handler(http.server.BaseHTTPRequestHandler):
    protocol_version = 'HTTP/1.1'

    def log_message(self, *args):
        pass

    def answer(self, status, body=b'', content_type='application/xml; charset=utf-8', length=None):
        self.send_response(status)
        self.send_header('Content-Type', content_type)
        self.send_header('Content-Length', str(len(body) if length is None else length))
        self.end_headers()
        self.wfile.write(body)

    def body(self):
        return self.rfile.read(int(self.headers.get('Content-Length', 0)))

    def do_PUT(self):
        body = self.body()
        if self.path.rsplit('/', 1)[-1].startswith('conflict'):
            return self.answer(412)
        serial[0] += 1
        resources[self.path] = ('"odd-%d"' % serial[0], body)
        self.answer(201)

    def do_PROPFIND(self):
        self.body()
        if self.headers.get('Depth') == '0' and self.path in resources:
            return self.answer(207, multistatus([(self.path, resources[self.path][0])]))
        listing = [('/cal/', '')] + [(p, e) for p, (e, _) in sorted(resources.items())]
        self.answer(207, multistatus(listing))

    def do_REPORT(self):
        self.body()
        self.answer(501)

    def do_GET(self):
        # Announces more than the client reads, and sends nothing.
        self.answer(200, b'', 'text/plain', length=65 * 1024 * 1024)


http.server.ThreadingHTTPServer(('127.0.0.1', int(sys.argv[1])), Handler).serve_forever()

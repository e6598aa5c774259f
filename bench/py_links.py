#!/usr/bin/env python3
"""The link collectors ravlet's scanner is measured against, on the same pages.

usage: py_links.py htmlparser|lxml SECONDS FILE...
Prints one line: the collector, pages, bytes, links, rounds and MB/s.
usage: py_links.py print htmlparser|lxml FILE
Prints the links of one page, one a line: the whole job of a process, as ravlet-cli links does it.
"""
import sys
import time
from html.parser import HTMLParser

LINK_ATTRIBUTES = {"href", "src", "action", "background", "lowsrc", "value"}


class LinkCollector(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.links = []

    def handle_starttag(self, tag, attrs):
        for name, value in attrs:
            if name in LINK_ATTRIBUTES and value:
                self.links.append(value)


def links_of(page):
    collector = LinkCollector()
    collector.feed(page.decode("latin-1"))
    collector.close()
    return collector.links


def with_htmlparser(page):
    return len(links_of(page))


def with_lxml(page):
    import lxml.html
    try:
        root = lxml.html.document_fromstring(page)
    except Exception:  # an empty or unparsable page has no links
        return 0
    return sum(1 for _ in root.iterlinks())


def print_links(kind, name):
    with open(name, "rb") as f:
        page = f.read()
    if kind == "htmlparser":
        links = links_of(page)
    else:
        import lxml.html
        links = [link for _, _, link, _ in lxml.html.document_fromstring(page).iterlinks()]
    sys.stdout.write("".join(link + "\n" for link in links))


def main():
    if sys.argv[1] == "print":
        print_links(sys.argv[2], sys.argv[3])
        return
    kind, seconds, files = sys.argv[1], float(sys.argv[2]), sys.argv[3:]
    collect = {"htmlparser": with_htmlparser, "lxml": with_lxml}[kind]
    pages = []
    for name in files:
        with open(name, "rb") as f:
            pages.append(f.read())
    size = sum(len(p) for p in pages)
    rounds, links, start = 0, 0, time.perf_counter()
    while True:
        links = sum(collect(p) for p in pages)
        rounds += 1
        elapsed = time.perf_counter() - start
        if elapsed >= seconds:
            break
    print(f"{kind} pages={len(pages)} bytes={size} links={links} rounds={rounds} "
          f"MBps={size * rounds / 1e6 / elapsed:.1f}")


if __name__ == "__main__":
    main()

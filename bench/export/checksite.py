#!/usr/bin/env python3
"""Checks an exported site: every relative link and picture of every page resolves to a file
of the site, and no page holds markup outside the tags the writers produce."""
import os
import re
import sys
from html.parser import HTMLParser

ALLOWED = {"html", "head", "meta", "title", "style", "body", "div", "table", "tr", "td", "ul", "li", "a", "h1", "h2",
           "h3", "h4", "p", "b", "hr", "img", "pre", "iframe", "br", "link"}


class Page(HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.links = []
        self.anchors = set()
        self.bad_tags = set()

    def handle_starttag(self, tag, attrs):
        if tag not in ALLOWED:
            self.bad_tags.add(tag)
        a = dict(attrs)
        if tag == "a" and a.get("href"):
            self.links.append(a["href"])
        if tag == "a" and a.get("name"):
            self.anchors.add(a["name"])
        if tag == "img" and a.get("src"):
            self.links.append(a["src"])
        if tag == "meta" and a.get("http-equiv") == "refresh":
            self.links.append(a.get("content", "").split("URL=", 1)[-1])


def main(site):
    broken, bad, pages = [], [], 0
    for folder, _, files in os.walk(site):
        for name in files:
            if not name.endswith(".htm"):
                continue
            pages += 1
            path = os.path.join(folder, name)
            text = open(path, "rb").read().decode("cp1251")
            p = Page()
            p.feed(text)
            if p.bad_tags:
                bad.append((path, sorted(p.bad_tags)))
            for link in p.links:
                if re.match(r"^[a-z]+:", link) or link.startswith("#"):
                    continue
                target = link.split("#", 1)[0]
                if not os.path.isfile(os.path.normpath(os.path.join(folder, target))):
                    broken.append((path, link))
    print(f"pages: {pages}, broken links: {len(broken)}, pages with foreign markup: {len(bad)}")
    for b in broken[:20]:
        print("broken:", *b)
    for b in bad[:20]:
        print("markup:", *b)
    return 1 if broken or bad else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))

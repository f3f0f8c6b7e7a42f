#!/usr/bin/env python3
"""Writes a Hugo site of N content pages of about the given body size, for comparison with the
export's pages per second."""
import os
import random
import sys

folder, count, size = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
random.seed(1)
words = ("альбом исполнитель запись студия концерт песня гитара барабаны бас вокал клавишные "
         "record label live session remaster edition bonus track lyrics").split()
os.makedirs(f"{folder}/layouts/_default", exist_ok=True)
os.makedirs(f"{folder}/content/p", exist_ok=True)
open(f"{folder}/config.toml", "w").write(
    'baseURL = "http://example.org/"\ntitle = "bench"\ndisableKinds = ["taxonomy", "term", "RSS", "sitemap"]\n')
page = ("<!DOCTYPE html><html><head><meta charset=\"utf-8\"><title>{{ .Title }}</title></head>"
        "<body><div id=\"page\"><h1>{{ .Title }}</h1>{{ .Content }}</div></body></html>\n")
open(f"{folder}/layouts/_default/single.html", "w").write(page)
open(f"{folder}/layouts/_default/list.html", "w").write(
    "<html><body><ul>{{ range .Pages }}<li><a href=\"{{ .RelPermalink }}\">{{ .Title }}</a></li>{{ end }}</ul></body></html>\n")
open(f"{folder}/layouts/index.html", "w").write("<html><body>{{ .Site.Title }}</body></html>\n")
for i in range(count):
    body = []
    n = 0
    while n < size:
        line = "- " + " ".join(random.choice(words) for _ in range(8))
        body.append(line)
        n += len(line.encode()) + 1
    open(f"{folder}/content/p/{i:06d}.md", "w").write(f"---\ntitle: \"Page {i}\"\n---\n" + "\n".join(body) + "\n")

#!/usr/bin/env python3
"""A generated web site for the site-scan benchmark.

usage: gen_site.py FOLDER PAGES

Writes FOLDER/index.html, PAGES pages spread over 100 folders (d00/p0.html ...), and 500
images (img/i0.png ...). Every page links to 9 other pages and shows 3 of the images, in
about 4 KB of text. Page i links to pages 2i+1 and 2i+2 (a tree from page 0, which the
root links to), so every page is reachable from the root; the other 7 links are random.
The addresses a walker meets: the root, PAGES pages and 500 images.
"""
import os
import random
import sys

IMAGES = 500
FOLDERS = 100
FILLER = ("The quick brown fox jumps over the lazy dog while the site scanner walks "
          "every page of this generated site, one request after another. ")


def page_path(i):
    return f"d{i % FOLDERS:02d}/p{i}.html"


def page(title, links, images):
    rows = [f'<li><a href="/{page_path(j)}">Page {j}</a></li>' for j in links]
    imgs = [f'<img src="/img/i{k}.png" alt="image {k}">' for k in images]
    body = ["<!DOCTYPE html>", "<html><head><meta charset=\"utf-8\">",
            f"<title>{title}</title></head><body>", f"<h1>{title}</h1>", "<ul>"]
    body += rows + ["</ul>", "<p>" + " ".join(imgs) + "</p>"]
    text = "\n".join(body)
    filler = []
    while len(text) + sum(len(f) + 8 for f in filler) < 3900:
        filler.append(FILLER)
    return text + "\n" + "\n".join(f"<p>{f}</p>" for f in filler) + "\n</body></html>\n"


def main():
    folder, pages = sys.argv[1], int(sys.argv[2])
    rnd = random.Random(1)
    for d in range(FOLDERS):
        os.makedirs(os.path.join(folder, f"d{d:02d}"), exist_ok=True)
    os.makedirs(os.path.join(folder, "img"), exist_ok=True)
    png = bytes.fromhex("89504e470d0a1a0a") + bytes(rnd.randrange(256) for _ in range(1016))
    for k in range(IMAGES):
        with open(os.path.join(folder, "img", f"i{k}.png"), "wb") as f:
            f.write(png)
    first = list(range(min(9, pages)))
    with open(os.path.join(folder, "index.html"), "w") as f:
        f.write(page("Home", first, [0, 1, 2]))
    for i in range(pages):
        links = [j for j in (2 * i + 1, 2 * i + 2) if j < pages]
        while len(links) < 9:
            j = rnd.randrange(pages)
            if j != i and j not in links:
                links.append(j)
        images = [(3 * i + k) % IMAGES for k in range(3)]
        with open(os.path.join(folder, page_path(i)), "w") as f:
            f.write(page(f"Page {i}", links, images))


if __name__ == "__main__":
    main()

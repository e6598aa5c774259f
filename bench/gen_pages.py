#!/usr/bin/env python3
"""Generated pages with dense links for the scanner benchmark.

usage: gen_pages.py FOLDER   (writes dense-anchors.html, dense-images.html, dense-plain.html)
"""
import os
import random
import sys


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    rnd = random.Random(1)
    rows = []
    for i in range(60000):
        rows.append(f'<li><a href="/docs/section{i % 97}/page{i}.html?ref=list&amp;n={i}" '
                    f'title="Page {i}">Page {i}</a> <A HREF=\'#n{i}\'>#</A></li>')
    with open(os.path.join(folder, "dense-anchors.html"), "w") as f:
        f.write("<html><body><ul>\n" + "\n".join(rows) + "\n</ul></body></html>\n")
    rows = []
    for i in range(40000):
        rows.append(f'<tr background="row{i % 7}.gif"><td background=cell.gif>'
                    f'<img src="/img/{i}.png" lowsrc="/img/{i}-lo.png" alt="">'
                    f'<input type=hidden value="{rnd.randrange(10**6)}"></td></tr>')
    with open(os.path.join(folder, "dense-images.html"), "w") as f:
        f.write("<html><body background=bg.jpg><table>\n" + "\n".join(rows) +
                "\n</table></body></html>\n")
    words = ["lorem", "ipsum", "dolor", "sit", "amet", "see", "and", "or", "at"]
    parts = []
    for i in range(80000):
        parts.append(" ".join(rnd.choice(words) for _ in range(6)))
        scheme = ("http://", "https://", "ftp://")[i % 3]
        parts.append(f"{scheme}host{i % 50}.example.org/path/{i}.html")
    with open(os.path.join(folder, "dense-plain.html"), "w") as f:
        f.write("<html><body><pre>\n" + " ".join(parts) + "\n</pre></body></html>\n")


if __name__ == "__main__":
    main()

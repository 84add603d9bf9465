#!/usr/bin/env python3
"""Writes the release package: one folder with gensen.exe, the guide as one
self-contained page and a plain-text readme, zipped so that the same inputs
give the same bytes whenever and wherever it is built, and its SHA-256 beside it.

  make_package.py EXE GUIDE_MD APPENDIX_HTML README_TXT VERSION EPOCH OUT_DIR
"""
import base64
import hashlib
import pathlib
import re
import sys
import time
import zipfile

import markdown

STYLE = """
body { font-family: "Yu Gothic UI", "Meiryo", sans-serif; max-width: 46em; margin: 2em auto; padding: 0 1em;
       line-height: 1.7; color: #222; }
h1 { font-size: 1.6em; border-bottom: 2px solid #446; }
h2 { font-size: 1.25em; margin-top: 2em; border-bottom: 1px solid #99a; }
table { border-collapse: collapse; margin: 1em 0; }
th, td { border: 1px solid #99a; padding: 0.3em 0.6em; vertical-align: top; }
th { background: #eef; }
td { font-variant-numeric: tabular-nums; }
#appendix-otsu-monthly :is(th, td):nth-child(2n+3) { border-left: 2px solid #446; }
code { font-family: Consolas, "MS Gothic", monospace; background: #f3f3f6; padding: 0 0.2em; }
img { max-width: 100%; border: 1px solid #ccc; }
@page { size: A4; margin: 14mm 13mm; }
@media print {
  body { max-width: none; margin: 0; padding: 0; font-size: 9.5pt; line-height: 1.5; }
  h1, h2, h3, h4 { break-after: avoid; page-break-after: avoid; break-inside: avoid; }
  h2 { margin-top: 1.2em; }
  table { font-size: 8pt; line-height: 1.3; margin: 0.6em 0; }
  th, td { padding: 0.1em 0.35em; }
  th, #appendix-kou-bonus td { white-space: nowrap; }
  #appendix-kou-bonus { font-size: 7pt; }
  thead { display: table-header-group; }
  tr, img, li { break-inside: avoid; page-break-inside: avoid; }
  img { max-height: 9cm; }
}
"""


# Japanese letters and punctuation: a line break of the source between two
# of them, or after a Japanese full stop or comma, is no space, but a browser
# would show one.
JAPANESE = "\u3000-\u30ff\u4e00-\u9fff\uff00-\uffef"
INLINE_TAGS = "(?:</?(?:strong|em|code)>)*"
WRAP = re.compile(f"({INLINE_TAGS})\n[ \t]*({INLINE_TAGS})")


def join_wrapped_lines(body: str) -> str:
    def join(match: re.Match) -> str:
        before = body[match.start() - 1 : match.start()]
        after = body[match.end() : match.end() + 1]
        between_japanese = all(re.fullmatch(f"[{JAPANESE}]", c) for c in (before, after))
        if between_japanese or (before and before in "。、」）"):
            return match.group(1) + match.group(2)
        return match.group(0)

    return WRAP.sub(join, body)


def guide_page(source: pathlib.Path, appendix: pathlib.Path) -> bytes:
    # The appendix's tables are HTML already, which Markdown passes through.
    text = source.read_text(encoding="utf-8") + "\n" + appendix.read_text(encoding="utf-8")
    # sane_lists: a numbered list is never merged into a bulleted one above
    # it, and one that goes on after a table starts at its own first number.
    body = markdown.markdown(text, extensions=["tables", "sane_lists"], output_format="html")
    body = join_wrapped_lines(body)

    # The pictures go inside the page, so that it is one file that loads nothing.
    def inline(match: re.Match) -> str:
        data = base64.b64encode((source.parent / match.group(1)).read_bytes()).decode("ascii")
        return f'src="data:image/png;base64,{data}"'

    body = re.sub(r'src="([^":]+\.png)"', inline, body)
    title = re.search(r"^# (.+)$", text, re.MULTILINE).group(1)
    return (
        '<!DOCTYPE html>\n<html lang="ja">\n<head>\n<meta charset="utf-8">\n'
        f"<title>{title}</title>\n<style>{STYLE}</style>\n</head>\n<body>\n{body}\n</body>\n</html>\n"
    ).encode("utf-8")


def windows_text(source: pathlib.Path, version: str) -> bytes:
    """Notepad's own: a byte-order mark and CRLF line ends."""
    text = source.read_text(encoding="utf-8").replace("@VERSION@", version)
    return b"\xef\xbb\xbf" + text.replace("\r\n", "\n").replace("\n", "\r\n").encode("utf-8")


def write_zip(path: pathlib.Path, folder: str, files: dict, epoch: int) -> None:
    # Fixed times, order and permissions, and no owner or host fields.
    stamp = time.gmtime(max(epoch, 315532800))[:6]
    with zipfile.ZipFile(path, "w") as archive:
        entry = zipfile.ZipInfo(folder + "/", stamp)
        entry.create_system = 3
        entry.external_attr = 0o40755 << 16 | 0x10
        archive.writestr(entry, b"")
        for name in sorted(files):
            entry = zipfile.ZipInfo(f"{folder}/{name}", stamp)
            entry.create_system = 3
            entry.external_attr = 0o100644 << 16
            entry.compress_type = zipfile.ZIP_DEFLATED
            archive.writestr(entry, files[name], compresslevel=9)


def main() -> None:
    exe, guide, appendix, readme, version, epoch, out = sys.argv[1:]
    folder = f"gensen-{version}-win64"
    files = {
        "gensen.exe": pathlib.Path(exe).read_bytes(),
        "guide.html": guide_page(pathlib.Path(guide), pathlib.Path(appendix)),
        "readme.txt": windows_text(pathlib.Path(readme), version),
    }
    out_dir = pathlib.Path(out)
    out_dir.mkdir(parents=True, exist_ok=True)
    package = out_dir / f"{folder}.zip"
    write_zip(package, folder, files, int(epoch))
    digest = hashlib.sha256(package.read_bytes()).hexdigest()
    (out_dir / f"{package.name}.sha256").write_text(f"{digest}  {package.name}\n", encoding="ascii")


if __name__ == "__main__":
    main()

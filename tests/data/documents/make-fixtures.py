#!/usr/bin/env python3
"""Makes the small documents that the document readers are tested on.

Every good document holds the same French text: a heading, a paragraph with a footnote
and a paragraph with a tab, a line break and two spaces. Each reader must give the words
of texte.txt in the same order.

texte.txt      the reference text, UTF-8 without BOM, CR LF line ends; the note follows
               its paragraph
texte.odt      OpenDocument text: heading, footnote, tab, line break, <text:s/>, and a
               comment that a reader must leave out
texte.docx     Word document: footnote, a word split over two runs, tab, line break, two
               preserved spaces, and a deleted revision that a reader must leave out
texte.epub     EPUB 3 whose manifest lists the chapters out of reading order (the spine
               gives the order), with a navigation document outside the spine
texte.html     HTML page in windows-1252 with named entities, and a <head> (title, style,
               script) that a reader must leave out
texte.pdf      two-page PDF in Helvetica with WinAnsiEncoding, one Td/Tj per line
tronque.docx   the first half of texte.docx: a truncated archive
corrompu.odt   texte.odt with damaged bytes inside the compressed content.xml
protege.odt    password-protected OpenDocument: the manifest describes an encrypted
               content.xml
protege.pdf    texte.pdf encrypted with AES-256 and the user password "secret"
images.pdf     a PDF page that only draws an image, like a scanned page: no text at all
mise-en-page.txt  a short story in four paragraphs, the reference for mise-en-page.pdf
mise-en-page.pdf  that story laid out on seven pages as a word processor prints a book:
               running headers (the author's name on even pages, the title on odd
               pages, the page number on the same row), a footer "Page N", a compound
               word and a hyphenated word cut at a line end, a word hyphenated over a
               page break, and a soft hyphen where a word is cut
bombe.docx     a Word document whose document.xml inflates to 320 MiB (zip bomb)
entites.docx   a Word document whose document.xml declares nested entities (billion laughs)
manquant.epub  an EPUB whose manifest and spine name a chapter absent from the archive
archive.zip    an ordinary zip archive that holds no document

Run it with python3; it writes the files beside itself and prints nothing unless it fails.
Every run gives byte-identical files.
"""

import base64
import hashlib
import itertools
import random
import struct
import subprocess
import tempfile
import textwrap
import zipfile
from pathlib import Path

HERE = Path(__file__).resolve().parent

HEADING = "Le village au bord de l’eau"
P1_BEFORE_NOTE = (
    "Au bord de la rivière, le village s’éveillait lentement. Les pêcheurs préparaient "
    "leurs filets tandis que l’œil curieux des enfants suivait les hérons."
)
P1_AFTER_NOTE = (
    " On entendait «\u00a0bonjour\u00a0» d’une maison à l’autre, et le boulanger ouvrait "
    "déjà sa boutique."
)
NOTE = "Les hérons cendrés nichent chaque printemps dans les saules de l’île."
# "\t" is a tab, "\n" a line break inside the paragraph, and "si  paisible" has two spaces.
P2 = (
    "Vers midi, le soleil chauffait les toits d’ardoise ;\tles chats dormaient sur les "
    "murets.\nLe soir venu, chacun rentrait chez soi, heureux d’une journée si  paisible."
)

ODT_MIMETYPE = "application/vnd.oasis.opendocument.text"
ODF_NAMESPACES = (
    'xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" '
    'xmlns:style="urn:oasis:names:tc:opendocument:xmlns:style:1.0" '
    'xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0" '
    'xmlns:fo="urn:oasis:names:tc:opendocument:xmlns:xsl-fo-compatible:1.0" '
    'xmlns:meta="urn:oasis:names:tc:opendocument:xmlns:meta:1.0" '
    'xmlns:dc="http://purl.org/dc/elements/1.1/" office:version="1.3"'
)
WORD_NAMESPACE = 'xmlns:w="http://schemas.openxmlformats.org/wordprocessingml/2006/main"'
XML_DECLARATION = '<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n'

# The /Encrypt entries written by one run of `qpdf --encrypt secret proprio 256`. AES-256
# wraps a random file key, so that command never writes the same bytes twice; copying these
# entries with --copy-encryption (and fixed IVs) makes protege.pdf identical on every run.
PROTEGE_PDF_ENCRYPTION = (
    "/Filter /Standard /V 5 /R 6 /Length 256 /P -4 "
    "/CF << /StdCF << /AuthEvent /DocOpen /CFM /AESV3 /Length 32 >> >> "
    "/StmF /StdCF /StrF /StdCF "
    "/O <153305b659a618e2fe204148a48869321f123f6a625d690154991cb9"
    "f0499df11f7d535a6b02e113a61c77be21561ff6> "
    "/U <56139e5afab8f3308193eb01fa1fbab1c3a0ff3aabaa6b6ed4f2a28d"
    "e910de443814d8a1322c4cf09c5e88f750d218ea> "
    "/OE <e24748f6ef9e513a2c0e12dc75a2c345286c97ca25044021fdc19a169842c51c> "
    "/UE <0a4bfb570804437c4b19595b16208ba92a807ace00130f6a198d3f6442cb109c> "
    "/Perms <15e4a8d0db849283300093895f2cad7b>"
)


def write_zip(name, entries):
    """Writes a zip of (entry name, content) pairs; content is text, bytes or byte chunks.

    Entries opened by name get the date 1980-01-01 and deflate level 9; `mimetype` is
    stored uncompressed, as ODF and EPUB want it first and readable as is.
    """
    with zipfile.ZipFile(HERE / name, "w", zipfile.ZIP_DEFLATED, compresslevel=9) as archive:
        for entry, content in entries:
            target = zipfile.ZipInfo(entry) if entry == "mimetype" else entry
            if isinstance(content, str):
                content = content.encode("utf-8")
            chunks = [content] if isinstance(content, bytes) else content
            with archive.open(target, "w") as out:
                for chunk in chunks:
                    out.write(chunk)


def write_pdf(path, objects, trailer=""):
    """Writes a PDF 1.4 whose object n is objects[n - 1]; object 1 is the catalogue."""
    out = bytearray(b"%PDF-1.4\n%\xe2\xe3\xcf\xd3\n")
    offsets = []
    for number, body in enumerate(objects, start=1):
        offsets.append(len(out))
        out += b"%d 0 obj\n%s\nendobj\n" % (number, body)
    xref = len(out)
    out += b"xref\n0 %d\n0000000000 65535 f \n" % (len(objects) + 1)
    for offset in offsets:
        out += b"%010d 00000 n \n" % offset
    file_id = hashlib.md5(Path(path).name.encode()).hexdigest()
    out += (
        f"trailer\n<< /Size {len(objects) + 1} /Root 1 0 R /ID [<{file_id}> <{file_id}>] "
        f"{trailer}>>\nstartxref\n{xref}\n%%EOF\n"
    ).encode()
    Path(path).write_bytes(out)


def pdf_stream(data, entries=""):
    """Returns a stream object holding data, with its dictionary entries and /Length."""
    return f"<< {entries}/Length {len(data)} >>\nstream\n".encode() + data + b"\nendstream"


def pdf_text(lines, size, leading, x, y):
    """Draws lines of Helvetica from (x, y) downwards, each with its own Td and Tj."""
    operators = [f"BT /F1 {size} Tf".encode()]
    for index, line in enumerate(lines):
        operators.append(f"{x} {y} Td".encode() if index == 0 else f"0 -{leading} Td".encode())
        escaped = line.encode("cp1252").replace(b"\\", b"\\\\")
        escaped = escaped.replace(b"(", b"\\(").replace(b")", b"\\)")
        operators.append(b"(" + escaped + b") Tj")
    operators.append(b"ET")
    return b"\n".join(operators) + b"\n"


def wrap(text):
    """Cuts text into lines that fit an A4 page at 11 points, at spaces only."""
    return textwrap.wrap(text, width=80, break_long_words=False, break_on_hyphens=False)


def odt_text(text):
    """Writes tabs, line breaks and second spaces as ODF elements (ODF collapses spaces)."""
    text = text.replace("\t", "<text:tab/>").replace("\n", "<text:line-break/>")
    return text.replace("  ", " <text:s/>")


def odt_content():
    comment = (
        "<office:annotation><dc:creator>Relecteur</dc:creator>"
        "<dc:date>2024-01-01T00:00:00</dc:date><text:p>À relire</text:p></office:annotation>"
    )
    note = (
        '<text:note text:id="ftn1" text:note-class="footnote">'
        "<text:note-citation>1</text:note-citation><text:note-body>"
        f'<text:p text:style-name="Footnote">{NOTE}</text:p></text:note-body></text:note>'
    )
    second = odt_text(P2.replace("\t", comment + "\t"))
    return (
        '<?xml version="1.0" encoding="UTF-8"?>\n'
        f"<office:document-content {ODF_NAMESPACES}>\n<office:body>\n<office:text>\n"
        f'<text:h text:style-name="Heading_20_1" text:outline-level="1">{HEADING}</text:h>\n'
        f'<text:p text:style-name="Text_20_body">{P1_BEFORE_NOTE}{note}{P1_AFTER_NOTE}</text:p>\n'
        f'<text:p text:style-name="Text_20_body">{second}</text:p>\n'
        "</office:text>\n</office:body>\n</office:document-content>\n"
    )


def odt_entries(manifest, content):
    styles = (
        f'<?xml version="1.0" encoding="UTF-8"?>\n<office:document-styles {ODF_NAMESPACES}>\n'
        "<office:styles>\n"
        '<style:style style:name="Standard" style:family="paragraph" style:class="text"/>\n'
        '<style:style style:name="Heading_20_1" style:display-name="Heading 1" '
        'style:family="paragraph" style:parent-style-name="Standard" '
        'style:next-style-name="Text_20_body" style:default-outline-level="1" '
        'style:class="text"><style:text-properties fo:font-size="130%" '
        'fo:font-weight="bold"/></style:style>\n'
        '<style:style style:name="Text_20_body" style:display-name="Text body" '
        'style:family="paragraph" style:parent-style-name="Standard" style:class="text">'
        '<style:paragraph-properties fo:margin-bottom="0.25cm"/></style:style>\n'
        '<style:style style:name="Footnote" style:family="paragraph" '
        'style:parent-style-name="Standard" style:class="extra">'
        '<style:text-properties fo:font-size="10pt"/></style:style>\n'
        "</office:styles>\n</office:document-styles>\n"
    )
    meta = (
        f'<?xml version="1.0" encoding="UTF-8"?>\n<office:document-meta {ODF_NAMESPACES}>'
        "<office:meta><meta:generator>Quorvelle make-fixtures.py</meta:generator>"
        "<dc:title>Le village</dc:title><dc:language>fr-FR</dc:language>"
        "<meta:creation-date>2024-01-01T00:00:00</meta:creation-date></office:meta>"
        "</office:document-meta>\n"
    )
    return [
        ("mimetype", ODT_MIMETYPE),
        ("META-INF/manifest.xml", manifest),
        ("content.xml", content),
        ("styles.xml", styles),
        ("meta.xml", meta),
    ]


def odt_manifest(content_entry):
    return (
        '<?xml version="1.0" encoding="UTF-8"?>\n<manifest:manifest '
        'xmlns:manifest="urn:oasis:names:tc:opendocument:xmlns:manifest:1.0" '
        'manifest:version="1.3">\n'
        ' <manifest:file-entry manifest:full-path="/" manifest:version="1.3" '
        f'manifest:media-type="{ODT_MIMETYPE}"/>\n'
        f"{content_entry}"
        ' <manifest:file-entry manifest:full-path="styles.xml" manifest:media-type="text/xml"/>\n'
        ' <manifest:file-entry manifest:full-path="meta.xml" manifest:media-type="text/xml"/>\n'
        "</manifest:manifest>\n"
    )


def word_entries(document, styles=None, footnotes=None):
    """Returns the entries of a Word document: word/document.xml, plus styles and footnotes."""
    extras = {"styles": styles, "footnotes": footnotes}
    extras = {name: xml for name, xml in extras.items() if xml is not None}
    media = "application/vnd.openxmlformats-officedocument.wordprocessingml"
    overrides = "".join(
        f'<Override PartName="/word/{name}.xml" ContentType="{media}.{kind}+xml"/>'
        for name, kind in [("document", "document.main")] + [(name, name) for name in extras]
    )
    content_types = (
        f"{XML_DECLARATION}"
        '<Types xmlns="http://schemas.openxmlformats.org/package/2006/content-types">'
        '<Default Extension="rels" '
        'ContentType="application/vnd.openxmlformats-package.relationships+xml"/>'
        f'<Default Extension="xml" ContentType="application/xml"/>{overrides}</Types>\n'
    )
    relationships = "http://schemas.openxmlformats.org/package/2006/relationships"
    office = "http://schemas.openxmlformats.org/officeDocument/2006/relationships"
    package_rels = (
        f'{XML_DECLARATION}<Relationships xmlns="{relationships}">'
        f'<Relationship Id="rId1" Type="{office}/officeDocument" Target="word/document.xml"/>'
        "</Relationships>\n"
    )
    document_rels = (
        f'{XML_DECLARATION}<Relationships xmlns="{relationships}">'
        + "".join(
            f'<Relationship Id="rId{number}" Type="{office}/{name}" Target="{name}.xml"/>'
            for number, name in enumerate(extras, start=1)
        )
        + "</Relationships>\n"
    )
    entries = [
        ("[Content_Types].xml", content_types),
        ("_rels/.rels", package_rels),
        ("word/document.xml", document),
        ("word/_rels/document.xml.rels", document_rels),
    ]
    return entries + [(f"word/{name}.xml", xml) for name, xml in extras.items()]


def word_run(text, properties=""):
    """Writes text as one run; tabs and line breaks become w:tab and w:br."""
    opening = '<w:t xml:space="preserve">'
    body = text.replace("\t", f"</w:t><w:tab/>{opening}").replace("\n", f"</w:t><w:br/>{opening}")
    return f"<w:r>{properties}{opening}{body}</w:t></w:r>"


def epub_entries(absent_chapter=None):
    """Returns the entries of the EPUB; absent_chapter is named in the package, not stored."""
    def xhtml(title, body):
        return (
            '<?xml version="1.0" encoding="UTF-8"?>\n<!DOCTYPE html>\n'
            '<html xmlns="http://www.w3.org/1999/xhtml" '
            'xmlns:epub="http://www.idpf.org/2007/ops" xml:lang="fr" lang="fr">\n'
            f"<head>\n<title>{title}</title>\n"
            '<link rel="stylesheet" type="text/css" href="../Styles/style.css"/>\n</head>\n'
            f"<body>\n{body}\n</body>\n</html>\n"
        )

    def nbsp(text):
        return text.replace("\u00a0", "&#160;")

    container = (
        '<?xml version="1.0" encoding="UTF-8"?>\n<container version="1.0" '
        'xmlns="urn:oasis:names:tc:opendocument:xmlns:container">\n<rootfiles>\n'
        '<rootfile full-path="OEBPS/content.opf" media-type="application/oebps-package+xml"/>\n'
        "</rootfiles>\n</container>\n"
    )
    # The manifest lists chapitre2 before chapitre1: only the spine gives the reading order.
    items = [
        ("nav", "Text/nav.xhtml", 'application/xhtml+xml" properties="nav'),
        ("chapitre2", "Text/chapitre2.xhtml", "application/xhtml+xml"),
        ("chapitre1", "Text/chapitre1.xhtml", "application/xhtml+xml"),
        ("style", "Styles/style.css", "text/css"),
    ]
    spine = ["chapitre1", "chapitre2"]
    if absent_chapter:
        items.append((absent_chapter, f"Text/{absent_chapter}.xhtml", "application/xhtml+xml"))
        spine.append(absent_chapter)
    manifest = "".join(
        f'<item id="{item}" href="{href}" media-type="{media}"/>\n' for item, href, media in items
    )
    itemrefs = "".join(f'<itemref idref="{item}"/>\n' for item in spine)
    package = (
        '<?xml version="1.0" encoding="UTF-8"?>\n<package xmlns="http://www.idpf.org/2007/opf" '
        'version="3.0" unique-identifier="uid" xml:lang="fr">\n'
        '<metadata xmlns:dc="http://purl.org/dc/elements/1.1/">\n'
        '<dc:identifier id="uid">urn:uuid:5f0c8a36-3d3e-4a8e-9a51-6b2f1c7d9e40</dc:identifier>\n'
        "<dc:title>Le village</dc:title>\n<dc:language>fr</dc:language>\n"
        '<meta property="dcterms:modified">2024-01-01T00:00:00Z</meta>\n</metadata>\n'
        f'<manifest>\n{manifest}</manifest>\n<spine>\n{itemrefs}</spine>\n</package>\n'
    )
    navigation = xhtml(
        "Sommaire",
        '<nav epub:type="toc"><ol>\n<li><a href="chapitre1.xhtml">Chapitre 1</a></li>\n'
        '<li><a href="chapitre2.xhtml">Chapitre 2</a></li>\n</ol></nav>',
    )
    # The empty noteref adds no visible mark, so the words match the other formats.
    first = xhtml(
        "Chapitre 1",
        f"<h1>{HEADING}</h1>\n"
        f'<p>{P1_BEFORE_NOTE}<a epub:type="noteref" href="#n1"></a>{nbsp(P1_AFTER_NOTE)}</p>\n'
        f'<aside epub:type="footnote" id="n1"><p>{NOTE}</p></aside>',
    )
    broken = P2.replace("\n", "<br/>")
    second = xhtml("Chapitre 2", f"<p>{broken}</p>")
    style = "body { font-family: serif; }\naside { font-size: 0.8em; }\n"
    return [
        ("mimetype", "application/epub+zip"),
        ("META-INF/container.xml", container),
        ("OEBPS/content.opf", package),
        ("OEBPS/Text/nav.xhtml", navigation),
        ("OEBPS/Text/chapitre1.xhtml", first),
        ("OEBPS/Text/chapitre2.xhtml", second),
        ("OEBPS/Styles/style.css", style),
    ]


def make_texte_txt():
    lines = [HEADING, P1_BEFORE_NOTE + P1_AFTER_NOTE, NOTE, P2.replace("\n", "\r\n")]
    (HERE / "texte.txt").write_bytes(("\r\n".join(lines) + "\r\n").encode("utf-8"))


def make_texte_odt():
    content = (
        ' <manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml"/>\n'
    )
    write_zip("texte.odt", odt_entries(odt_manifest(content), odt_content()))


def make_texte_docx():
    # "village" is cut into two runs with different formatting: "vil" plain, "lage" bold.
    before_split, after_split = P1_BEFORE_NOTE.split("lage", 1)
    note_mark = '<w:rPr><w:rStyle w:val="Appelnotedebasdep"/></w:rPr>'
    first = (
        word_run(before_split)
        + word_run("lage", "<w:rPr><w:b/></w:rPr>")
        + word_run(after_split)
        + f'<w:r>{note_mark}<w:footnoteReference w:id="1"/></w:r>'
        + word_run(P1_AFTER_NOTE)
    )
    # A deleted "très " sits before "les toits": Word shows it struck through, a reader skips it.
    cut = P2.index("les toits")
    second = (
        word_run(P2[:cut])
        + '<w:del w:id="2" w:author="Relecteur" w:date="2024-01-01T00:00:00Z"><w:r>'
        + '<w:delText xml:space="preserve">très </w:delText></w:r></w:del>'
        + word_run(P2[cut:])
    )
    document = (
        f"{XML_DECLARATION}<w:document {WORD_NAMESPACE}><w:body>\n"
        f'<w:p><w:pPr><w:pStyle w:val="Titre1"/></w:pPr>{word_run(HEADING)}</w:p>\n'
        f"<w:p>{first}</w:p>\n<w:p>{second}</w:p>\n"
        '<w:sectPr><w:pgSz w:w="11906" w:h="16838"/></w:sectPr>\n</w:body></w:document>\n'
    )
    styles = (
        f"{XML_DECLARATION}<w:styles {WORD_NAMESPACE}>\n"
        '<w:style w:type="paragraph" w:default="1" w:styleId="Normal"><w:name w:val="Normal"/>'
        "</w:style>\n"
        '<w:style w:type="paragraph" w:styleId="Titre1"><w:name w:val="heading 1"/>'
        '<w:basedOn w:val="Normal"/><w:next w:val="Normal"/><w:qFormat/>'
        '<w:pPr><w:keepNext/><w:outlineLvl w:val="0"/></w:pPr>'
        '<w:rPr><w:b/><w:sz w:val="32"/></w:rPr></w:style>\n'
        '<w:style w:type="paragraph" w:styleId="Notedebasdepage"><w:name w:val="footnote text"/>'
        '<w:basedOn w:val="Normal"/><w:rPr><w:sz w:val="20"/></w:rPr></w:style>\n'
        '<w:style w:type="character" w:styleId="Appelnotedebasdep">'
        '<w:name w:val="footnote reference"/><w:rPr><w:vertAlign w:val="superscript"/></w:rPr>'
        "</w:style>\n</w:styles>\n"
    )
    # Word starts a note with its own number (w:footnoteRef) followed by a space.
    footnotes = (
        f"{XML_DECLARATION}<w:footnotes {WORD_NAMESPACE}>\n"
        '<w:footnote w:type="separator" w:id="-1"><w:p><w:r><w:separator/></w:r></w:p>'
        "</w:footnote>\n"
        '<w:footnote w:type="continuationSeparator" w:id="0"><w:p><w:r>'
        "<w:continuationSeparator/></w:r></w:p></w:footnote>\n"
        '<w:footnote w:id="1"><w:p><w:pPr><w:pStyle w:val="Notedebasdepage"/></w:pPr>'
        f"<w:r>{note_mark}<w:footnoteRef/></w:r>{word_run(' ' + NOTE)}</w:p></w:footnote>\n"
        "</w:footnotes>\n"
    )
    write_zip("texte.docx", word_entries(document, styles, footnotes))


def make_texte_epub():
    write_zip("texte.epub", epub_entries())


def make_texte_html():
    # Some characters as named entities, the others as raw windows-1252 bytes.
    heading = HEADING.replace("’", "&rsquo;")
    first = P1_BEFORE_NOTE.replace("s’é", "s’&eacute;").replace("œ", "&oelig;")
    after = P1_AFTER_NOTE.replace("«", "&laquo;").replace("»", "&raquo;")
    first += after.replace("\u00a0", "&nbsp;")
    second = P2.replace("\n", "<br>")
    page = (
        "<!DOCTYPE html>\n<html lang=\"fr\">\n<head>\n<meta charset=\"windows-1252\">\n"
        "<title>Le village</title>\n"
        "<style>\nbody { font-family: serif; }\np.note { font-size: smaller; }\n</style>\n"
        '<script>\nvar mot = "fantôme";\n</script>\n</head>\n<body>\n'
        f"<h1>{heading}</h1>\n<p>{first}</p>\n<p class=\"note\">{NOTE}</p>\n"
        f"<p>{second}</p>\n</body>\n</html>\n"
    )
    (HERE / "texte.html").write_bytes(page.encode("cp1252"))


def make_texte_pdf():
    first_page = pdf_text([HEADING], 18, 22, 56, 780)
    first_page += pdf_text(wrap(P1_BEFORE_NOTE + P1_AFTER_NOTE), 11, 14, 56, 740)
    first_page += pdf_text(wrap(NOTE), 9, 11, 56, 640)
    # The tab is drawn as a space, the line break starts a new line, two spaces become one.
    second_lines = [
        line
        for segment in P2.split("\n")
        for line in wrap(segment.replace("\t", " ").replace("  ", " "))
    ]
    second_page = pdf_text(second_lines, 11, 14, 56, 780)
    page = (
        "<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] "
        "/Resources << /Font << /F1 3 0 R >> >> /Contents {} 0 R >>"
    )
    write_pdf(
        HERE / "texte.pdf",
        [
            b"<< /Type /Catalog /Pages 2 0 R >>",
            b"<< /Type /Pages /Kids [4 0 R 6 0 R] /Count 2 >>",
            b"<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding /WinAnsiEncoding >>",
            page.format(5).encode(),
            pdf_stream(first_page),
            page.format(7).encode(),
            pdf_stream(second_page),
        ],
    )


def make_tronque_docx():
    whole = (HERE / "texte.docx").read_bytes()
    (HERE / "tronque.docx").write_bytes(whole[: len(whole) // 2])


def make_corrompu_odt():
    data = bytearray((HERE / "texte.odt").read_bytes())
    with zipfile.ZipFile(HERE / "texte.odt") as archive:
        content = archive.getinfo("content.xml")
    name_length, extra_length = struct.unpack_from("<HH", data, content.header_offset + 26)
    start = content.header_offset + 30 + name_length + extra_length
    middle = start + content.compress_size // 2
    data[middle : middle + 8] = bytes(byte ^ 0xFF for byte in data[middle : middle + 8])
    (HERE / "corrompu.odt").write_bytes(data)


def make_protege_odt():
    # LibreOffice deflates each file, encrypts it with AES-256 under a PBKDF2 key and keeps in
    # the manifest what decryption needs. Seeded random bytes stand for the encrypted content.
    rng = random.Random("protege.odt")
    checksum, vector, salt = (
        base64.b64encode(rng.randbytes(size)).decode() for size in (32, 16, 16)
    )
    content = (
        ' <manifest:file-entry manifest:full-path="content.xml" manifest:media-type="text/xml" '
        f'manifest:size="{len(odt_content().encode())}">\n'
        "  <manifest:encryption-data manifest:checksum-type="
        '"urn:oasis:names:tc:opendocument:xmlns:manifest:1.0#sha256-1k" '
        f'manifest:checksum="{checksum}">\n'
        "   <manifest:algorithm "
        'manifest:algorithm-name="http://www.w3.org/2001/04/xmlenc#aes256-cbc" '
        f'manifest:initialisation-vector="{vector}"/>\n'
        "   <manifest:start-key-generation manifest:start-key-generation-name="
        '"http://www.w3.org/2000/09/xmldsig#sha256" manifest:key-size="32"/>\n'
        '   <manifest:key-derivation manifest:key-derivation-name="PBKDF2" '
        'manifest:key-size="32" manifest:iteration-count="100000" '
        f'manifest:salt="{salt}"/>\n'
        "  </manifest:encryption-data>\n </manifest:file-entry>\n"
    )
    write_zip("protege.odt", odt_entries(odt_manifest(content), rng.randbytes(1024)))


def make_protege_pdf():
    # qpdf copies the encryption of a small model file that carries the fixed /Encrypt entries.
    with tempfile.TemporaryDirectory() as scratch:
        model = Path(scratch) / "modele.pdf"
        write_pdf(
            model,
            [
                b"<< /Type /Catalog /Pages 2 0 R >>",
                b"<< /Type /Pages /Kids [] /Count 0 >>",
                f"<< {PROTEGE_PDF_ENCRYPTION} >>".encode(),
            ],
            trailer="/Encrypt 3 0 R ",
        )
        subprocess.run(
            [
                "qpdf",
                "--static-id",
                "--static-aes-iv",
                f"--copy-encryption={model}",
                "--encryption-file-password=secret",
                str(HERE / "texte.pdf"),
                str(HERE / "protege.pdf"),
            ],
            check=True,
        )


def make_images_pdf():
    grey = bytes(64 + 2 * index for index in range(64))  # 8 x 8 pixels, dark to light
    write_pdf(
        HERE / "images.pdf",
        [
            b"<< /Type /Catalog /Pages 2 0 R >>",
            b"<< /Type /Pages /Kids [3 0 R] /Count 1 >>",
            b"<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] "
            b"/Resources << /XObject << /Im1 5 0 R >> >> /Contents 4 0 R >>",
            pdf_stream(b"q 595 0 0 842 0 0 cm /Im1 Do Q"),
            pdf_stream(
                grey,
                "/Type /XObject /Subtype /Image /Width 8 /Height 8 "
                "/ColorSpace /DeviceGray /BitsPerComponent 8 ",
            ),
        ],
    )


# The story of mise-en-page.txt and .pdf. The PDF cuts "grand-oncle" after its hyphen,
# hyphenates "président" (written whole elsewhere) and "moulin" (over a page break) with a
# hard hyphen, and "promenade" with a soft hyphen; every other word is on one line.
LAYOUT_HEADING = "Le grand-oncle"
LAYOUT_PARAGRAPHS = [
    "Chaque été, mon grand-oncle Anselme venait passer un mois au village. Il arrivait par le "
    "train du soir, avec une valise de cuir et un panier de pêches. Le président du comité des "
    "fêtes l’attendait sur le quai, et tous deux rentraient à pied par le chemin du moulin.",
    "Ma mère disait que son oncle avait été un grand voyageur, et mon grand-oncle ne la "
    "contredisait jamais. Le lendemain de son arrivée, il faisait le tour des maisons pour "
    "saluer tout le monde, puis il partait seul sur le chemin qui longe la rivière, jusqu’au "
    "moulin, sans jamais dire ce qu’il y cherchait.",
    "Au retour, il s’asseyait sous le tilleul et racontait ses voyages au président, qui "
    "l’écoutait en fumant sa pipe. Il parlait des ports de l’Orient, des marchés couverts, des "
    "caravanes et des fleuves si larges qu’on n’en voyait pas l’autre rive.",
    "Le dernier soir, il nous emmenait en promenade jusqu’au pont. Il disait qu’il reviendrait "
    "l’été suivant, et il revenait toujours.",
]
# The body lines of each page; "\u00ad" is a soft hyphen.
LAYOUT_PAGES = [
    [
        "Chaque été, mon grand-oncle Anselme venait passer un mois au village. Il",
        "arrivait par le train du soir, avec une valise de cuir et un panier de",
    ],
    [
        "pêches. Le président du comité des fêtes l’attendait sur le quai, et tous",
        "deux rentraient à pied par le chemin du mou-",
    ],
    [
        "lin.",
        "Ma mère disait que son oncle avait été un grand voyageur, et mon grand-",
        "oncle ne la contredisait jamais. Le lendemain de son arrivée, il faisait",
    ],
    [
        "le tour des maisons pour saluer tout le monde, puis il partait seul sur le",
        "chemin qui longe la rivière, jusqu’au moulin, sans jamais dire ce qu’il y",
    ],
    [
        "cherchait.",
        "Au retour, il s’asseyait sous le tilleul et racontait ses voyages au pré-",
        "sident, qui l’écoutait en fumant sa pipe. Il parlait des ports de l’Orient,",
    ],
    [
        "des marchés couverts, des caravanes et des fleuves si larges qu’on n’en",
        "voyait pas l’autre rive.",
        "Le dernier soir, il nous emmenait en prome\u00ad",
    ],
    [
        "nade jusqu’au pont. Il disait qu’il reviendrait l’été suivant, et il",
        "revenait toujours.",
    ],
]


def make_mise_en_page():
    lines = [LAYOUT_HEADING] + LAYOUT_PARAGRAPHS
    (HERE / "mise-en-page.txt").write_bytes(("\r\n".join(lines) + "\r\n").encode("utf-8"))
    # Code 173 draws the soft hyphen under its own glyph name, so that it reads as U+00AD.
    objects = [
        b"<< /Type /Catalog /Pages 2 0 R >>",
        None,
        b"<< /Type /Font /Subtype /Type1 /BaseFont /Helvetica /Encoding << /Type /Encoding "
        b"/BaseEncoding /WinAnsiEncoding /Differences [173 /sfthyphen] >> >>",
    ]
    pages = []
    for number, body in enumerate(LAYOUT_PAGES, start=1):
        content = b""
        if number == 1:
            content += pdf_text([LAYOUT_HEADING], 18, 22, 56, 780)
            content += pdf_text(body, 11, 14, 56, 740)
        else:
            running_title = "Parvane Dorlesca" if number % 2 == 0 else "Souvenirs d’enfance"
            content += pdf_text([running_title], 9, 11, 56, 800)
            content += pdf_text([str(number)], 9, 11, 530, 800)
            content += pdf_text(body, 11, 14, 56, 770)
        content += pdf_text([f"Page {number}"], 9, 11, 280, 40)
        objects.append(
            b"<< /Type /Page /Parent 2 0 R /MediaBox [0 0 595 842] "
            b"/Resources << /Font << /F1 3 0 R >> >> /Contents %d 0 R >>" % (len(objects) + 2)
        )
        pages.append(len(objects))
        objects.append(pdf_stream(content))
    kids = " ".join(f"{page} 0 R" for page in pages)
    objects[1] = f"<< /Type /Pages /Kids [{kids}] /Count {len(pages)} >>".encode()
    write_pdf(HERE / "mise-en-page.pdf", objects)


def make_bombe_docx():
    # 320 chunks of 1 MiB of "a" stream through the deflater: little memory, about 320 KB out.
    opening = f"{XML_DECLARATION}<w:document {WORD_NAMESPACE}><w:body><w:p><w:r><w:t>"
    closing = "</w:t></w:r></w:p></w:body></w:document>\n"
    document = itertools.chain(
        [opening.encode()], itertools.repeat(b"a" * 2**20, 320), [closing.encode()]
    )
    write_zip("bombe.docx", word_entries(document))


def make_entites_docx():
    # lol9 would expand to 10^9 times "lol".
    names = ["lol"] + [f"lol{level}" for level in range(1, 10)]
    declarations = '<!ENTITY lol "lol">\n' + "".join(
        f'<!ENTITY {name} "{f"&{previous};" * 10}">\n'
        for previous, name in zip(names, names[1:])
    )
    document = (
        f"{XML_DECLARATION}<!DOCTYPE w:document [\n{declarations}]>\n"
        f"<w:document {WORD_NAMESPACE}><w:body><w:p><w:r><w:t>&lol9;</w:t></w:r></w:p>"
        "</w:body></w:document>\n"
    )
    write_zip("entites.docx", word_entries(document))


def make_manquant_epub():
    write_zip("manquant.epub", epub_entries(absent_chapter="chapitre3"))


def make_archive_zip():
    text = "Cette archive ne contient aucun document, seulement ce fichier texte.\n"
    write_zip("archive.zip", [("lisez-moi.txt", text)])


def main():
    make_texte_txt()
    make_texte_odt()
    make_texte_docx()
    make_texte_epub()
    make_texte_html()
    make_texte_pdf()
    make_tronque_docx()
    make_corrompu_odt()
    make_protege_odt()
    make_protege_pdf()
    make_images_pdf()
    make_mise_en_page()
    make_bombe_docx()
    make_entites_docx()
    make_manquant_epub()
    make_archive_zip()


if __name__ == "__main__":
    main()

#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""A driverless network scanner on loopback, speaking eSCL as SANE's airscan
backend expects: a flatbed, and a duplex document feeder holding some sheets.

It serves ScannerCapabilities, ScannerStatus, ScanJobs and NextDocument, and
sends each page as a PNG of the size, resolution and colour mode asked, with
a band of dark lines so no page is blank, or with --text-page a real page
of text on each front and an empty back. On request it jams, is busy, or
drops the connection in the middle of a page; with --refill the feeder is
loaded again whenever a new job finds it empty, as a user puts the stack back;
with --turn-over the stack is turned over as for manual duplex, and with
--numbered each page shows its sheet and side.

Usage: escl_simulator.py [--sheets N] [--jam-at PAGE] [--busy] [--text-page PNG] [--refill]
                         [--numbered] [--turn-over] [--lose-on-turn N] [--extra-on-turn N] [--blank-backs]
                         [--patch-t-at PAGE,PAGE]
                         [--drop-at PAGE] [--port-file FILE] [--port PORT]
The port it listens on is printed on the first line of standard output (and
written to --port-file), then it serves until killed.
"""
import argparse
import re
import struct
import sys
import threading
import time
import zlib
from http.server import BaseHTTPRequestHandler, ThreadingHTTPServer

RESOLUTIONS = (75, 100, 150, 200, 300, 600)
# Sizes in 1/300 inch, as eSCL counts them.
PLATEN_MAX = (2550, 3508)  # 8.5 x 11.69 inches: A4-long glass
FEEDER_MAX = (2550, 5100)  # 17 inches of paper


def capabilities():
    resolutions = "".join(
        "<scan:DiscreteResolution><scan:XResolution>%d</scan:XResolution>"
        "<scan:YResolution>%d</scan:YResolution></scan:DiscreteResolution>" % (r, r)
        for r in RESOLUTIONS)
    profile = (
        "<scan:SettingProfiles><scan:SettingProfile>"
        "<scan:ColorModes><scan:ColorMode>BlackAndWhite1</scan:ColorMode>"
        "<scan:ColorMode>Grayscale8</scan:ColorMode><scan:ColorMode>RGB24</scan:ColorMode></scan:ColorModes>"
        "<scan:DocumentFormats><pwg:DocumentFormat>image/png</pwg:DocumentFormat>"
        "<scan:DocumentFormatExt>image/png</scan:DocumentFormatExt></scan:DocumentFormats>"
        "<scan:SupportedResolutions><scan:DiscreteResolutions>%s</scan:DiscreteResolutions>"
        "</scan:SupportedResolutions></scan:SettingProfile></scan:SettingProfiles>" % resolutions)

    def caps(tag, size):
        return ("<scan:%s><scan:MinWidth>16</scan:MinWidth><scan:MaxWidth>%d</scan:MaxWidth>"
                "<scan:MinHeight>16</scan:MinHeight><scan:MaxHeight>%d</scan:MaxHeight>%s</scan:%s>"
                % (tag, size[0], size[1], profile, tag))

    return (
        '<?xml version="1.0" encoding="UTF-8"?>'
        '<scan:ScannerCapabilities xmlns:scan="http://schemas.hp.com/imaging/escl/2011/05/03" '
        'xmlns:pwg="http://www.pwg.org/schemas/2010/12/sm">'
        "<pwg:Version>2.6</pwg:Version><pwg:MakeAndModel>Quillon eSCL Simulator</pwg:MakeAndModel>"
        "<scan:Manufacturer>Quillon</scan:Manufacturer>"
        "<scan:Platen>%s</scan:Platen>"
        "<scan:Adf>%s%s<scan:FeederCapacity>50</scan:FeederCapacity></scan:Adf>"
        "</scan:ScannerCapabilities>"
        % (caps("PlatenInputCaps", PLATEN_MAX), caps("AdfSimplexInputCaps", FEEDER_MAX),
           caps("AdfDuplexInputCaps", FEEDER_MAX))).encode()


def png(width, height, mode, dpi):
    """A white page with dark lines across its top third, as PNG."""
    if mode == "BlackAndWhite1":
        depth, colour, row_bytes = 1, 0, (width + 7) // 8
        ink, paper = b"\x00" * row_bytes, b"\xff" * row_bytes  # in PNG grey, 0 is black
    elif mode == "Grayscale8":
        depth, colour, row_bytes = 8, 0, width
        ink, paper = b"\x20" * width, b"\xf0" * width
    else:
        depth, colour, row_bytes = 8, 2, width * 3
        ink, paper = b"\x20\x20\x60" * width, b"\xf0\xf0\xf0" * width
    rows = bytearray()
    for y in range(height):
        rows += b"\x00" + (ink if y % 20 < 4 and y < height // 3 else paper)
    return png_file(width, height, depth, colour, dpi, bytes(rows))


def blank_png(width, height, mode, dpi):
    """A sheet's empty back: paper only."""
    paper = b"\xf0" * width
    return encode_png(width, height, mode, dpi, [paper] * height)


def read_png(path):
    """The grey levels of a PNG (palette, grey or RGB, 8 bits or fewer, not
    interlaced) as (width, height, rows of bytes)."""
    with open(path, "rb") as f:
        data = f.read()
    position, chunks = 8, {}
    while position < len(data):
        length, = struct.unpack(">I", data[position:position + 4])
        kind = data[position + 4:position + 8]
        chunks.setdefault(kind, b"")
        chunks[kind] += data[position + 8:position + 8 + length]
        position += 12 + length
    width, height, depth, colour = struct.unpack(">IIBB", chunks[b"IHDR"][:10])
    channels = {0: 1, 2: 3, 3: 1, 4: 2, 6: 4}[colour]
    if depth == 16:
        raise ValueError("16-bit PNG")
    row_bytes = (width * channels * depth + 7) // 8
    step = max(1, channels * depth // 8)
    raw = zlib.decompress(chunks[b"IDAT"])
    rows, previous = [], bytearray(row_bytes)
    for y in range(height):
        start = y * (row_bytes + 1)
        kind, row = raw[start], bytearray(raw[start + 1:start + 1 + row_bytes])
        for i in range(row_bytes):  # PNG's filters, undone
            left = row[i - step] if i >= step else 0
            up = previous[i]
            if kind == 1:
                row[i] = (row[i] + left) & 0xFF
            elif kind == 2:
                row[i] = (row[i] + up) & 0xFF
            elif kind == 3:
                row[i] = (row[i] + (left + up) // 2) & 0xFF
            elif kind == 4:
                corner = previous[i - step] if i >= step else 0
                guess = left + up - corner
                nearest = min((abs(guess - left), 0, left), (abs(guess - up), 1, up), (abs(guess - corner), 2, corner))
                row[i] = (row[i] + nearest[2]) & 0xFF
        previous = row
        rows.append(bytes(row))
    palette = chunks.get(b"PLTE", b"")
    greys = [(palette[3 * i] * 30 + palette[3 * i + 1] * 59 + palette[3 * i + 2] * 11) // 100
             for i in range(len(palette) // 3)]
    grey_rows = []
    for row in rows:
        if depth < 8:
            per_byte, mask = 8 // depth, (1 << depth) - 1
            values = [(row[x // per_byte] >> (8 - depth * (x % per_byte + 1))) & mask for x in range(width)]
        else:
            values = list(row[::step])  # the first channel of each pixel
        if colour == 3:
            values = [greys[v] for v in values]
        elif depth < 8:
            values = [v * 255 // ((1 << depth) - 1) for v in values]
        grey_rows.append(bytes(values))
    return width, height, grey_rows


class TextPage:
    """A real page of text, drawn at the size, resolution and colour mode
    asked: scaled to fit the paper, centred on white."""

    def __init__(self, path):
        self.width, self.height, self.rows = read_png(path)
        self.drawn = {}

    def png(self, width, height, mode, dpi):
        key = (width, height, mode, dpi)
        if key not in self.drawn:
            self.drawn = {key: self.draw(width, height, mode, dpi)}
        return self.drawn[key]

    def draw(self, width, height, mode, dpi):
        scale = min(width / self.width, height / self.height)
        shown_width, shown_height = int(self.width * scale), int(self.height * scale)
        left, top = (width - shown_width) // 2, (height - shown_height) // 2
        columns = [int(x / scale) for x in range(shown_width)]
        scaled = {}
        grey_rows = []
        for y in range(height):
            source = int((y - top) / scale) if top <= y < top + shown_height else -1
            if source not in scaled:
                if source < 0:
                    scaled[source] = b"\xff" * width
                else:
                    row = self.rows[min(source, self.height - 1)]
                    scaled[source] = (b"\xff" * left + bytes(row[x] for x in columns)
                                      + b"\xff" * (width - left - shown_width))
            grey_rows.append(scaled[source])
        return encode_png(width, height, mode, dpi, grey_rows)


def encode_png(width, height, mode, dpi, grey_rows):
    """Grey rows as a PNG of the mode asked."""
    if mode == "BlackAndWhite1":
        depth, colour = 1, 0
        packed = {}
        rows = []
        for row in grey_rows:
            if row not in packed:
                bits = bytearray((width + 7) // 8)
                for x, value in enumerate(row):
                    if value >= 128:
                        bits[x >> 3] |= 0x80 >> (x & 7)
                packed[row] = bytes(bits)
            rows.append(packed[row])
    elif mode == "Grayscale8":
        depth, colour, rows = 8, 0, grey_rows
    else:
        depth, colour = 8, 2
        tripled = {}
        rows = []
        for row in grey_rows:
            if row not in tripled:
                rgb = bytearray(3 * width)
                rgb[0::3] = rgb[1::3] = rgb[2::3] = row
                tripled[row] = bytes(rgb)
            rows.append(tripled[row])
    return png_file(width, height, depth, colour, dpi, b"".join(b"\x00" + row for row in rows))


def png_file(width, height, depth, colour, dpi, filtered_rows):
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF)

    pixels_per_metre = int(round(dpi / 0.0254))
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, depth, colour, 0, 0, 0))
            + chunk(b"pHYs", struct.pack(">IIB", pixels_per_metre, pixels_per_metre, 1))
            + chunk(b"IDAT", zlib.compress(filtered_rows, 1))
            + chunk(b"IEND", b""))


def numbered_png(width, height, mode, dpi, number, side):
    """A page that says which sheet and side it is: ten bands, each 1/30 of
    the page high, below a margin of two bands and clear of the sides (a
    blank test takes ink at the edges for the scanner's), each dark or not:
    the first always, the second for a back, the other eight the sheet's
    number in binary, lowest bit first."""
    band = max(2, height // 30)
    bits = [1, side] + [(number >> bit) & 1 for bit in range(8)]
    inset = width // 8
    ink = b"\xf0" * inset + b"\x20" * (width - 2 * inset) + b"\xf0" * inset
    paper = b"\xf0" * width
    rows = [ink if 0 <= y // band - 2 < len(bits) and bits[y // band - 2] else paper for y in range(height)]
    return encode_png(width, height, mode, dpi, rows)


def patch_t_png(width, height, mode, dpi):
    """A Patch T separator sheet: four bars along the left edge, 0.5 inch in:
    narrow, wide, narrow, wide (0.08 and 0.2 inch, 0.08 inch apart)."""
    dark = bytearray(b"\xf0" * width)
    at = 0.5
    for bar in (0.08, 0.2, 0.08, 0.2):
        dark[int(at * dpi):int((at + bar) * dpi)] = b"\x10" * (int((at + bar) * dpi) - int(at * dpi))
        at += bar + 0.08
    bars, paper = bytes(dark), b"\xf0" * width
    rows = [bars if 1.5 * dpi <= y < height - 1.5 * dpi else paper for y in range(height)]
    return encode_png(width, height, mode, dpi, rows)


def turn_the_stack_over(scanner):
    """The user takes the stack from the output tray, turns it over without
    changing its order and loads it again: the last sheet is now on top, its
    other side facing up. Sheets may be lost or added on the way, on request."""
    stack = [(number, 1 - up) for number, up in reversed(scanner.tray)]
    for _ in range(min(scanner.lose_on_turn, len(stack))):
        stack.pop()  # the bottom of the turned stack: the first sheets lose their backs
    stack += [(100 + i, 1) for i in range(scanner.extra_on_turn)]
    scanner.stack, scanner.tray = stack, []


class Scanner:
    def __init__(self, sheets, jam_at, busy, drop_at, page=None, pace=0.0, text_page=None, refill=False):
        self.lock = threading.Lock()
        self.page = page
        self.text_page = text_page
        self.refill = refill
        self.loaded_sheets = sheets
        self.pace = pace
        # The sheets in the feeder, top first, each as (number, side facing up:
        # 0 front, 1 back), and those already fed, in the output tray.
        self.stack = [(number, 0) for number in range(1, sheets + 1)]
        self.tray = []
        self.numbered = False
        self.turn_over = False
        self.lose_on_turn = 0
        self.extra_on_turn = 0
        self.blank_backs = False
        self.patch_t_at = set()  # the pages, counted from 1, that are Patch T separator sheets
        self.jam_at = jam_at
        self.busy = busy
        self.drop_at = drop_at
        self.silent_from = 0
        self.pages_sent = 0
        self.jammed = False
        self.jobs = {}
        self.next_job = 1


def field(xml, name, default=""):
    match = re.search(r"<(?:\w+:)?%s>([^<]*)</(?:\w+:)?%s>" % (name, name), xml)
    return match.group(1) if match else default


class Handler(BaseHTTPRequestHandler):
    protocol_version = "HTTP/1.1"
    scanner = None  # set by main

    def log_message(self, *args):
        pass

    def send(self, status, body=b"", kind="text/xml", headers=()):
        self.send_response(status)
        self.send_header("Content-Type", kind)
        self.send_header("Content-Length", str(len(body)))
        for name, value in headers:
            self.send_header(name, value)
        self.end_headers()
        self.wfile.write(body)

    def do_GET(self):
        scanner = self.scanner
        if self.path.endswith("/ScannerCapabilities"):
            return self.send(200, capabilities())
        if self.path.endswith("/ScannerStatus"):
            with scanner.lock:
                state = "Processing" if scanner.busy else "Idle"
                adf = ("ScannerAdfJam" if scanner.jammed else
                       "ScannerAdfLoaded" if scanner.stack else "ScannerAdfEmpty")
            return self.send(200, (
                '<?xml version="1.0" encoding="UTF-8"?>'
                '<scan:ScannerStatus xmlns:scan="http://schemas.hp.com/imaging/escl/2011/05/03" '
                'xmlns:pwg="http://www.pwg.org/schemas/2010/12/sm"><pwg:Version>2.6</pwg:Version>'
                "<pwg:State>%s</pwg:State><scan:AdfState>%s</scan:AdfState></scan:ScannerStatus>"
                % (state, adf)).encode())
        match = re.search(r"/ScanJobs/(\d+)/NextDocument$", self.path)
        if match:
            return self.next_document(int(match.group(1)))
        return self.send(404)

    def next_document(self, job_id):
        scanner = self.scanner
        with scanner.lock:
            job = scanner.jobs.get(job_id)
            if job is None or job["left"] == 0:
                return self.send(404)
            page_number = scanner.pages_sent + 1
            silent = scanner.silent_from and page_number >= scanner.silent_from
            if scanner.jam_at and page_number >= scanner.jam_at:
                scanner.jammed = True
                job["left"] = 0
                return self.send(503)
            back = job["duplex"] and job["page_of_sheet"] == 1
            if job["feeder"] and job["page_of_sheet"] == 0:
                if not scanner.stack:
                    job["left"] = 0
                    return self.send(404)
                job["sheet"] = scanner.stack.pop(0)
                scanner.tray.append(job["sheet"])
            # The side scanned: the one facing up, or the other in a duplex pass.
            number, up = job.get("sheet", (scanner.pages_sent + 1, 0))
            side = 1 - up if back else up
            job["page_of_sheet"] = (job["page_of_sheet"] + 1) % (2 if job["duplex"] else 1)
            job["left"] -= 1
            scanner.pages_sent += 1
            drop = scanner.drop_at and page_number >= scanner.drop_at
        if silent:
            # A scanner that has stopped answering: the connection stays open, nothing comes.
            threading.Event().wait()
        size = (job["width"], job["height"], job["mode"], job["dpi"])
        if scanner.page:
            body = scanner.page
        elif scanner.text_page:
            # One-sided letters: a page of text on each front, the backs empty.
            with scanner.lock:
                body = blank_png(*size) if side == 1 else scanner.text_page.png(*size)
        elif page_number in scanner.patch_t_at:
            body = patch_t_png(*size)
        elif scanner.numbered:
            body = blank_png(*size) if side == 1 and scanner.blank_backs else numbered_png(*size, number, side)
        else:
            body = png(*size)
        if scanner.pace:
            time.sleep(scanner.pace)  # a real scanner's mechanism, for benchmarks
        if page_number == getattr(scanner, "damaged_at", 0):
            body = body[: len(body) // 2]
        if drop:
            # Headers for the whole page, half of it, then the connection is gone.
            self.send_response(200)
            self.send_header("Content-Type", "image/png")
            self.send_header("Content-Length", str(len(body)))
            self.end_headers()
            self.wfile.write(body[: len(body) // 2])
            self.wfile.flush()
            self.close_connection = True
            self.connection.shutdown(2)
            return None
        return self.send(200, body, "image/png")

    def do_POST(self):
        scanner = self.scanner
        if not self.path.endswith("/ScanJobs"):
            return self.send(404)
        settings = self.rfile.read(int(self.headers.get("Content-Length", "0"))).decode()
        with scanner.lock:
            if scanner.busy:
                return self.send(503)
            feeder = field(settings, "InputSource") == "Feeder"
            if feeder and not scanner.stack and not scanner.jammed:
                if scanner.turn_over and scanner.tray:
                    turn_the_stack_over(scanner)
                elif scanner.refill:
                    scanner.stack = [(number, 0) for number in range(1, scanner.loaded_sheets + 1)]
                    scanner.tray = []
            if feeder and (not scanner.stack or scanner.jammed):
                return self.send(409)
            dpi = int(field(settings, "XResolution", "300"))
            duplex = field(settings, "Duplex", "false") == "true"
            job = {
                "feeder": feeder, "duplex": feeder and duplex, "page_of_sheet": 0,
                "left": 10 ** 6 if feeder else 1,
                "mode": field(settings, "ColorMode", "RGB24"), "dpi": dpi,
                "width": int(field(settings, "Width", "2550")) * dpi // 300,
                "height": int(field(settings, "Height", "3300")) * dpi // 300,
            }
            job_id = scanner.next_job
            scanner.next_job += 1
            scanner.jobs[job_id] = job
        host = self.headers.get("Host", "127.0.0.1")
        return self.send(201, headers=[("Location", "http://%s/eSCL/ScanJobs/%d" % (host, job_id))])

    def do_DELETE(self):
        match = re.search(r"/ScanJobs/(\d+)$", self.path)
        if match:
            with self.scanner.lock:
                self.scanner.jobs.pop(int(match.group(1)), None)
            return self.send(200)
        return self.send(404)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--sheets", type=int, default=3)
    parser.add_argument("--jam-at", type=int, default=0)
    parser.add_argument("--drop-at", type=int, default=0)
    parser.add_argument("--silent-from", type=int, default=0, help="from this page on, no answer ever comes")
    parser.add_argument("--busy", action="store_true")
    parser.add_argument("--damaged-at", type=int, default=0,
                        help="this page is sent whole as HTTP goes, but its image is cut off halfway")
    parser.add_argument("--port", type=int, default=0)
    parser.add_argument("--port-file")
    parser.add_argument("--page", help="a PNG file sent for every page, as scanned, instead of a drawn page")
    parser.add_argument("--pace", type=float, default=0.0, help="seconds each page takes to scan (benchmarks)")
    parser.add_argument("--text-page", help="a PNG of a page of text, drawn at the size and mode asked on every front")
    parser.add_argument("--refill", action="store_true", help="the feeder, found empty by a new job, is loaded again")
    parser.add_argument("--numbered", action="store_true", help="each page shows its sheet and side in dark bands")
    parser.add_argument("--turn-over", action="store_true",
                        help="a new job that finds the feeder empty gets the stack from the tray, turned over")
    parser.add_argument("--lose-on-turn", type=int, default=0, help="sheets lost as the stack is turned over")
    parser.add_argument("--extra-on-turn", type=int, default=0, help="sheets added as the stack is turned over")
    parser.add_argument("--blank-backs", action="store_true", help="with --numbered, the backs are empty")
    parser.add_argument("--patch-t-at", default="", help="pages (1,4,5) that are Patch T separator sheets")
    options = parser.parse_args()
    page = None
    if options.page:
        with open(options.page, "rb") as f:
            page = f.read()
    text_page = TextPage(options.text_page) if options.text_page else None
    Handler.scanner = Scanner(options.sheets, options.jam_at, options.busy, options.drop_at, page, options.pace,
                              text_page, options.refill)
    Handler.scanner.silent_from = options.silent_from
    Handler.scanner.damaged_at = options.damaged_at
    Handler.scanner.numbered = options.numbered
    Handler.scanner.turn_over = options.turn_over
    Handler.scanner.lose_on_turn = options.lose_on_turn
    Handler.scanner.extra_on_turn = options.extra_on_turn
    Handler.scanner.blank_backs = options.blank_backs
    Handler.scanner.patch_t_at = {int(page) for page in options.patch_t_at.split(",") if page}
    server = ThreadingHTTPServer(("127.0.0.1", options.port), Handler)
    server.daemon_threads = True
    port = server.server_address[1]
    if options.port_file:
        with open(options.port_file, "w") as f:
            f.write("%d\n" % port)
    print(port, flush=True)
    server.serve_forever()


if __name__ == "__main__":
    sys.exit(main())

# SPDX-License-Identifier: GPL-3.0-or-later
"""Differential test of the metafile player. Every metafile of the corpus is
drawn by the program (render_metafiles) and by libwmf's SVG renderer, wmf2svg,
whose picture rsvg-convert rasterises at the same size. The two pictures must
agree within anti-aliasing: a missing shape, a wrong fill or a shape out of
place fails.

Rule: both pictures lie on grey, are blurred by a Gaussian of radius 1, and a
pixel differs where a colour channel differs by more than 64. The mask of
differing pixels is eroded twice by 3 x 3 (edges of anti-aliasing, a line one
or two pixels aside and glyph outlines vanish; an area of at least 5 x 5
pixels stays). The files agree when at most 0.2 % of the pixels remain."""
import argparse
import os
import re
import subprocess
import sys

from PIL import Image, ImageChops, ImageFilter

LONG_SIDE = 240
THRESHOLD = 64
ERODE = 2
ALLOWED = 0.002


def svg_size(path):
    with open(path, encoding='utf-8', errors='replace') as f:
        head = f.read(2000)
    m = re.search(r'<svg[^>]*?\swidth="([\d.]+)"\s+height="([\d.]+)"', head)
    if not m:
        raise RuntimeError(path + ': no size in the SVG')
    return float(m.group(1)), float(m.group(2))


def reference_svg(wmf, svg):
    """wmf2svg, with two quirks of its output straightened: the xlink prefix
    is used but not declared, and a bitmap gets both its drawn size and a
    matrix that scales it again (the matrix alone is meant); and a polyline
    is written without fill:none, so SVG would fill it."""
    subprocess.run(['wmf2svg', '--inline', '-o', svg, wmf], check=True, stdout=subprocess.DEVNULL)
    with open(svg, encoding='utf-8', errors='replace') as f:
        text = f.read()
    text = text.replace('<svg ', '<svg xmlns:xlink="http://www.w3.org/1999/xlink" ', 1)
    # A polyline is a line: SVG would fill it.
    text = re.sub(r'(<polyline[^>]*style=")', r'\1fill:none; ', text)

    def image(m):
        w, h, sx, sy = (float(m.group(i)) for i in (1, 2, 3, 4))
        return f'<image x="0" y="0" width="{w / sx:f}" height="{h / sy:f}"' + m.group(5)
    text = re.sub(r'<image x="[-\d.]+" y="[-\d.]+" width="([-\d.]+)" height="([-\d.]+)"'
                  r'(?=\s*transform="matrix\(([-\d.]+) 0 0 ([-\d.]+) )()', image, text)
    with open(svg, 'w', encoding='utf-8') as f:
        f.write(text)


def on_grey(path):
    img = Image.open(path).convert('RGBA')
    grey = Image.new('RGBA', img.size, (128, 128, 128, 255))
    grey.alpha_composite(img)
    return grey.convert('RGB')


def differing(ours, theirs):
    blur = ImageFilter.GaussianBlur(1)
    diff = ImageChops.difference(ours.filter(blur), theirs.filter(blur))
    r, g, b = diff.split()
    worst = ImageChops.lighter(ImageChops.lighter(r, g), b)
    mask = worst.point(lambda v: 255 if v > THRESHOLD else 0)
    for _ in range(ERODE):
        mask = mask.filter(ImageFilter.MinFilter(3))
    return mask, sum(1 for v in mask.getdata() if v)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('--render', required=True)
    ap.add_argument('--corpus', required=True)
    ap.add_argument('--work', required=True)
    args = ap.parse_args()
    os.makedirs(args.work, exist_ok=True)
    for old in os.listdir(args.work):
        os.remove(os.path.join(args.work, old))
    names = sorted(n[:-4] for n in os.listdir(args.corpus) if n.lower().endswith('.wmf'))
    if not names:
        print('no metafiles in', args.corpus)
        return 1
    jobs = []
    for name in names:
        wmf = os.path.join(args.corpus, name + '.wmf')
        twin = os.path.join(args.corpus, 'twins', name + '.wmf')
        svg = os.path.join(args.work, name + '.svg')
        ref = os.path.join(args.work, name + '.ref.png')
        reference_svg(twin if os.path.exists(twin) else wmf, svg)
        sw, sh = svg_size(svg)
        k = LONG_SIDE / max(sw, sh)
        w, h = max(1, round(sw * k)), max(1, round(sh * k))
        subprocess.run(['rsvg-convert', '-w', str(w), '-h', str(h), '-o', ref, svg], check=True)
        jobs.append((name, wmf, w, h, ref, os.path.join(args.work, name + '.ours.png')))
    cmd = [args.render]
    for name, wmf, w, h, ref, ours in jobs:
        cmd += [wmf, str(w), str(h), ours]
    rendered = subprocess.run(cmd)
    failed = []
    for name, wmf, w, h, ref, ours in jobs:
        if not os.path.exists(ours):
            print(f'FAIL {name}: the program drew nothing')
            failed.append(name)
            continue
        a, b = on_grey(ours), on_grey(ref)
        mask, count = differing(a, b)
        share = count / (w * h)
        verdict = 'ok  ' if share <= ALLOWED else 'FAIL'
        print(f'{verdict} {name}: {w}x{h}, {count} differing pixels ({share:.2%})')
        if share > ALLOWED:
            failed.append(name)
            sheet = Image.new('RGB', (w * 3 + 8, h), (255, 255, 255))
            sheet.paste(a, (0, 0))
            sheet.paste(b, (w + 4, 0))
            sheet.paste(mask.convert('RGB'), (2 * w + 8, 0))
            sheet.save(os.path.join(args.work, name + '.diff.png'))
    if failed:
        print('differing from wmf2svg:', ' '.join(failed), '(pictures in', args.work + ')')
    return 1 if failed or rendered.returncode else 0


if __name__ == '__main__':
    sys.exit(main())

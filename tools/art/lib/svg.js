// SPDX-License-Identifier: GPL-3.0-or-later
// SVG building blocks and the renderer: every picture is drawn as SVG in its logical pixels,
// rendered three times as large for the @3x file, and averaged down for the 1x file.
"use strict";
const fs = require("fs");
const path = require("path");
const { Resvg } = require("@resvg/resvg-js");
const { downsample, encodePNG } = require("./raster");

const GLYPHS = require("@iconify-json/game-icons/icons.json").icons;
const FONT_FILES = [
  "/usr/share/fonts/opentype/ipafont-mincho/ipamp.ttf",
  "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf",
  "/usr/share/fonts/truetype/aoyagi-kouzan-t/AoyagiKouzanT.ttf",
];
const MINCHO = "IPAPMincho", BRUSH = "AoyagiKouzanFontT";

const f1 = (v) => Math.round(v * 100) / 100;
const esc = (s) => s.replace(/&/g, "&amp;").replace(/</g, "&lt;").replace(/>/g, "&gt;");

const svgDoc = (w, h, body, defs = "") =>
  `<svg xmlns="http://www.w3.org/2000/svg" xmlns:xlink="http://www.w3.org/1999/xlink" width="${f1(w)}" height="${f1(h)}" viewBox="0 0 ${f1(w)} ${f1(h)}">` +
  `<defs>${defs}</defs>${body}</svg>`;

const usedGlyphs = new Set();

// A game-icons glyph (drawn on 512 x 512) in the box x, y, s x s.
function glyph(name, x, y, s, fill, extra = "") {
  const g = GLYPHS[name];
  if (!g) throw new Error("no glyph " + name);
  usedGlyphs.add(name);
  return `<g transform="translate(${f1(x)},${f1(y)}) scale(${f1(s / 512 * 1e4) / 1e4})" ${extra}>${g.body.replace(/currentColor/g, fill)}</g>`;
}

function star(x, y, r, fill, points = 4, k = 0.38, extra = "") {
  const pts = [];
  for (let i = 0; i < points * 2; i++) {
    const a = (i * Math.PI) / points - Math.PI / 2, rr = i % 2 ? r * k : r;
    pts.push(`${f1(x + rr * Math.cos(a))},${f1(y + rr * Math.sin(a))}`);
  }
  return `<polygon points="${pts.join(" ")}" fill="${fill}" ${extra}/>`;
}

// Renders svg (logical size w x h) to PIXELS/<file>.png and its @3x sibling.
function renderPicture(svg, file, w, h) {
  const big = rasterise(svg, w * 3);
  if (big.width !== w * 3 || big.height !== h * 3) throw new Error(`${file}: rendered ${big.width} x ${big.height}`);
  const small = downsample(big.pixels, big.width, big.height, 3);
  fs.mkdirSync(path.dirname(file), { recursive: true });
  fs.writeFileSync(file.replace(/\.png$/, "@3x.png"), encodePNG(big.width, big.height, big.pixels));
  fs.writeFileSync(file, encodePNG(small.width, small.height, small.pixels));
}

function rasterise(svg, width) {
  const r = new Resvg(svg, {
    fitTo: { mode: "width", value: width },
    font: { fontFiles: FONT_FILES, loadSystemFonts: false, defaultFontFamily: MINCHO },
    shapeRendering: 2,
    textRendering: 2,
    imageRendering: 0,
  });
  const img = r.render();
  return { pixels: img.pixels, width: img.width, height: img.height };
}

// A raster layer (RGBA at scale k) as an embedded image covering w x h logical pixels.
function imageLayer(rgba, pw, ph, w, h, x = 0, y = 0) {
  const png = encodePNG(pw, ph, rgba, 1);
  return `<image x="${f1(x)}" y="${f1(y)}" width="${f1(w)}" height="${f1(h)}" preserveAspectRatio="none" xlink:href="data:image/png;base64,${png.toString("base64")}"/>`;
}

module.exports = { MINCHO, BRUSH, f1, esc, svgDoc, glyph, star, renderPicture, rasterise, imageLayer, usedGlyphs };

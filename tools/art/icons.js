// SPDX-License-Identifier: GPL-3.0-or-later
// Button icons, 32 x 32: a glyph on a parchment roundel with a coloured rim.
"use strict";
const { hex } = require("./lib/raster");
const { svgDoc, glyph } = require("./lib/svg");

const INK = "#2a1f16";

// The selection screen's arrows, in the same hand as the glyphs.
const OWN = {
  "own:up": `<path d="M16,5.5 L25.5,17 L19.6,17 L19.6,25.5 L12.4,25.5 L12.4,17 L6.5,17 Z" fill="${INK}"/><path d="M16,9 L21.6,15.6 L18.2,15.6 L18.2,24 L16,24 Z" fill="#fff" opacity="0.12"/>`,
  "own:down": `<path d="M16,26.5 L25.5,15 L19.6,15 L19.6,6.5 L12.4,6.5 L12.4,15 L6.5,15 Z" fill="${INK}"/><path d="M16,23 L21.6,16.4 L18.2,16.4 L18.2,8 L16,8 Z" fill="#fff" opacity="0.12"/>`,
};

const lighter = (c, t) => "#" + hex(c).map((v) => Math.round(v + (255 - v) * t).toString(16).padStart(2, "0")).join("");

function roundel(glyphName, rim) {
  const defs =
    `<radialGradient id="face" cx="0.38" cy="0.32" r="0.85"><stop offset="0" stop-color="#fbf3de"/><stop offset="0.7" stop-color="#eadbb6"/><stop offset="1" stop-color="#d4bf8f"/></radialGradient>` +
    `<linearGradient id="rim" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="${lighter(rim, 0.35)}"/><stop offset="1" stop-color="${rim}"/></linearGradient>`;
  const inner = OWN[glyphName] || glyph(glyphName, 5.2, 5.2, 21.6, INK);
  const body =
    `<circle cx="16" cy="16.4" r="15.4" fill="#000" opacity="0.28"/>` +
    `<circle cx="16" cy="16" r="15.2" fill="url(#rim)"/>` +
    `<circle cx="16" cy="16" r="15.4" fill="none" stroke="${INK}" stroke-width="0.7"/>` +
    `<circle cx="16" cy="16" r="12.6" fill="url(#face)" stroke="${INK}" stroke-width="0.6"/>` +
    `<path d="M3.2,10.6 A13.9,13.9 0 0 1 28.8,10.6" fill="none" stroke="#fff" stroke-width="0.8" opacity="0.3" stroke-linecap="round"/>` + inner;
  return svgDoc(32, 32, body, defs);
}

module.exports = { roundel };

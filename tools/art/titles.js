// SPDX-License-Identifier: GPL-3.0-or-later
// The title logo of the nation selection, the quit button's picture, the emblem between the
// two sides of the attack confirmation, and the application icon.
"use strict";
const { hash } = require("./lib/raster");
const { f1, svgDoc, glyph, star, BRUSH } = require("./lib/svg");

const INK = "#2a1f16", GOLD = "#c9a04b", GOLD_LIGHT = "#f3dc98";

function starField(w, h, n, seed, maxR, colour) {
  let s = "";
  for (let i = 0; i < n; i++) {
    const x = hash(i, 1, seed) * w, y = hash(i, 2, seed) * h, r = (0.35 + hash(i, 3, seed)) * maxR;
    s += r > maxR * 1.1 ? star(x, y, r * 1.9, colour, 4, 0.3) : `<circle cx="${f1(x)}" cy="${f1(y)}" r="${f1(r * 0.42)}" fill="${colour}" opacity="${f1(0.35 + hash(i, 4, seed) * 0.6)}"/>`;
  }
  return s;
}

const gilt = (id) =>
  `<linearGradient id="${id}" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#fff0bf"/><stop offset="0.45" stop-color="#e0b95d"/><stop offset="0.55" stop-color="#b88a35"/><stop offset="1" stop-color="#e6c677"/></linearGradient>`;

// "群星の年代記" in the brush face, gilded, under a small constellation, on the selection screen's black.
function logo() {
  const defs = gilt("gilt") + `<filter id="glow" x="-10%" y="-40%" width="120%" height="180%"><feGaussianBlur stdDeviation="2.4"/></filter>`;
  const constellation = [[22, 16], [44, 9], [63, 20], [238, 12], [258, 22], [280, 10]];
  const lines = `<path d="M22,16 L44,9 L63,20 M238,12 L258,22 L280,10" fill="none" stroke="#b99a55" stroke-width="0.5" opacity="0.7"/>`;
  const text = (extra) => `<text x="150" y="57" font-family="${BRUSH}" font-size="46" letter-spacing="-3" text-anchor="middle" ${extra}>群星の年代記</text>`;
  const body = starField(300, 80, 34, 9, 1.2, "#e9dcb0") + lines + constellation.map(([x, y], i) => star(x, y, i % 3 === 1 ? 3.4 : 2.4, GOLD_LIGHT, 4, 0.3)).join("") +
    text(`fill="#d8a94a" opacity="0.55" filter="url(#glow)"`) +
    text(`fill="url(#gilt)" stroke="#1d130a" stroke-width="1.8" stroke-linejoin="round" paint-order="stroke"`) +
    `<path d="M46,70 L136,70 M164,70 L254,70" stroke="#b99345" stroke-width="0.8"/>` +
    `<path d="M46,72.2 L136,72.2 M164,72.2 L254,72.2" stroke="#b99345" stroke-width="0.35" opacity="0.8"/>` +
    star(150, 71, 5, GOLD_LIGHT, 4, 0.32) + star(140, 71, 2, GOLD, 4, 0.35) + star(160, 71, 2, GOLD, 4, 0.35);
  return svgDoc(300, 80, body, defs);
}

function castleSilhouette(y, w, fill) {
  return `<path d="M0,${y} L0,${y - 10} C20,${y - 13} 30,${y - 9} 38,${y - 11} L38,${y - 27} L36,${y - 27} L36,${y - 31} L39.5,${y - 31} L39.5,${y - 28.5} L42,${y - 28.5} L42,${y - 31} L45.5,${y - 31} L45.5,${y - 27} L43.5,${y - 27} L43.5,${y - 18} L57,${y - 18} L57,${y - 40} L54.5,${y - 40} L61,${y - 53} L67.5,${y - 40} L65,${y - 40} L65,${y - 18} L78,${y - 18} L78,${y - 26} L76,${y - 26} L76,${y - 30} L79.5,${y - 30} L79.5,${y - 27.5} L82,${y - 27.5} L82,${y - 30} L85.5,${y - 30} L85.5,${y - 26} L83.5,${y - 26} L83.5,${y - 12} C96,${y - 15} 112,${y - 8} 124,${y - 10} C134,${y - 12} 140,${y - 9} ${w},${y - 12} L${w},${y} Z" fill="${fill}"/>` +
    `<rect x="59.6" y="${y - 35}" width="2.8" height="4.2" rx="1.4" fill="#f2c86a" opacity="0.9"/><rect x="39.8" y="${y - 22}" width="2" height="3" fill="#f2c86a" opacity="0.75"/><rect x="79.6" y="${y - 21}" width="2" height="3" fill="#f2c86a" opacity="0.75"/>` +
    `<path d="M61,${y - 53} L61,${y - 60} L67,${y - 58} L61,${y - 56}" fill="${fill}" stroke="${fill}" stroke-width="0.6"/>`;
}

// The quit button: a castle under the evening stars, "終了" in the brush face.
function quitPicture() {
  const defs = `<linearGradient id="sky" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#121a30"/><stop offset="0.62" stop-color="#3a3152"/><stop offset="0.9" stop-color="#8a5a48"/><stop offset="1" stop-color="#b0764e"/></linearGradient>` + gilt("gilt");
  const body = `<rect width="146" height="100" fill="url(#sky)"/>` + starField(146, 66, 70, 3, 1.0, "#efe4bf") +
    `<circle cx="116" cy="22" r="9" fill="#efe0aa"/><circle cx="120" cy="19" r="8" fill="#19213a"/>` +
    `<g transform="translate(12,9)">${castleSilhouette(100, 134, "#0e0a08")}</g>` +
    `<path d="M0,93 C20,90 34,92 50,91 L50,100 L0,100 Z" fill="#0e0a08"/>` +
    `<text x="73" y="46" font-family="${BRUSH}" font-size="33" letter-spacing="2" text-anchor="middle" fill="url(#gilt)" stroke="#120c06" stroke-width="2.2" stroke-linejoin="round" paint-order="stroke">終了</text>` +
    `<rect x="1" y="1" width="144" height="98" fill="none" stroke="${GOLD}" stroke-width="2"/><rect x="0.3" y="0.3" width="145.4" height="99.4" fill="none" stroke="#0b0806" stroke-width="0.7"/>` +
    `<rect x="3.2" y="3.2" width="139.6" height="93.6" fill="none" stroke="${GOLD}" stroke-width="0.4" opacity="0.6"/>`;
  return svgDoc(146, 100, body, defs);
}

// Between the two sides of the attack confirmation: crossed swords over a shield, on black.
function confrontation(gules) {
  const defs = `<radialGradient id="halo"><stop offset="0" stop-color="#8a3026" stop-opacity="0.7"/><stop offset="0.6" stop-color="#5a1d18" stop-opacity="0.3"/><stop offset="1" stop-color="#5a1d18" stop-opacity="0"/></radialGradient>` +
    `<linearGradient id="steel" x1="0" y1="0" x2="1" y2="1"><stop offset="0" stop-color="#f7efd8"/><stop offset="0.5" stop-color="#c9b98f"/><stop offset="1" stop-color="#8f7d58"/></linearGradient>` + gilt("gilt");
  const shield = "M60,34 L82,41 C82,66 74,79 60,88 C46,79 38,66 38,41 Z";
  const body = `<rect width="120" height="120" fill="#000"/><circle cx="60" cy="60" r="59" fill="url(#halo)"/>` +
    starField(120, 120, 22, 17, 1.1, "#8c7a58") +
    glyph("crossed-swords", 10, 8, 100, "url(#steel)") +
    `<path d="${shield}" fill="#000" opacity="0.5" transform="translate(1,1.5)"/>` +
    `<path d="${shield}" fill="${gules}" stroke="url(#gilt)" stroke-width="2.6"/>` +
    `<path d="${shield}" fill="none" stroke="#000" stroke-width="0.7"/>` +
    `<path d="M60,40 L77,45.5 C77,65 70,75 60,82 C50,75 43,65 43,45.5 Z" fill="none" stroke="${GOLD}" stroke-width="0.5" opacity="0.7"/>` +
    `<text x="60" y="70" font-family="${BRUSH}" font-size="25" text-anchor="middle" fill="url(#gilt)" stroke="#1a0d08" stroke-width="1.2" paint-order="stroke">戦</text>` +
    `<path d="M26,104 L52,104 M68,104 L94,104" stroke="${GOLD}" stroke-width="0.8" opacity="0.8"/>` + star(60, 104, 4, GOLD_LIGHT, 4, 0.32);
  return svgDoc(120, 120, body, defs);
}

// The application icon: seven gold stars above an open chronicle, on a night-blue seal.
function appIcon(size) {
  const small = size <= 48;
  const defs = `<radialGradient id="night" cx="0.5" cy="0.38" r="0.72"><stop offset="0" stop-color="#34487a"/><stop offset="1" stop-color="#111a30"/></radialGradient>` + gilt("gilt") +
    `<linearGradient id="page" x1="0" y1="0" x2="0" y2="1"><stop offset="0" stop-color="#fbf2d9"/><stop offset="1" stop-color="#d9c393"/></linearGradient>`;
  const seven = small ? [[128, 56, 30], [76, 84, 17], [180, 84, 17]] : [[128, 40, 15], [88, 58, 9], [168, 58, 9], [60, 90, 7], [196, 90, 7], [104, 84, 6], [152, 84, 6]];
  const book = `<path d="M128,198 C104,184 74,180 42,186 L42,118 C74,112 104,116 128,130 C152,116 182,112 214,118 L214,186 C182,180 152,184 128,198 Z" fill="#1a1208"/>` +
    `<path d="M124,190 C102,178 76,174 50,178 L50,124 C76,120 102,124 124,136 Z" fill="url(#page)"/>` +
    `<path d="M132,190 C154,178 180,174 206,178 L206,124 C180,120 154,124 132,136 Z" fill="url(#page)"/>` +
    (small ? "" : [0, 1, 2, 3, 4].map((i) => `<path d="M${62 + i * 2},${138 + i * 9} C82,${134 + i * 9} 100,${138 + i * 9} 114,${146 + i * 8.4}" fill="none" stroke="#8a7650" stroke-width="2.4" opacity="0.55"/>` +
      `<path d="M${194 - i * 2},${138 + i * 9} C174,${134 + i * 9} 156,${138 + i * 9} 142,${146 + i * 8.4}" fill="none" stroke="#8a7650" stroke-width="2.4" opacity="0.55"/>`).join(""));
  const body = `<circle cx="128" cy="128" r="122" fill="url(#night)"/>` + (small ? "" : starField(256, 150, 46, 5, 1.7, "#d9cfae")) +
    (small ? "" : `<path d="M60,90 L88,58 L128,40 L168,58 L196,90 M88,58 L104,84 M168,58 L152,84" stroke="#c9b27a" stroke-width="1.6" opacity="0.6" fill="none"/>`) +
    seven.map(([x, y, r], i) => star(x, y, small ? r : r * 1.25, i ? GOLD_LIGHT : "url(#gilt)", 4, 0.3)).join("") + book +
    `<circle cx="128" cy="128" r="121" fill="none" stroke="url(#gilt)" stroke-width="${small ? 14 : 9}"/>` +
    `<circle cx="128" cy="128" r="126" fill="none" stroke="#120c06" stroke-width="3"/>` +
    (small ? "" : `<circle cx="128" cy="128" r="114" fill="none" stroke="#120c06" stroke-width="2"/>`);
  return svgDoc(256, 256, body, defs);
}

module.exports = { logo, quitPicture, confrontation, appIcon };
